#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "ColorTestSupport.h"
#include "tests/Platform/Core/Gui/WidgetTools/GuiApplication.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

#include <climits>
#include <cmath>

namespace
{
using namespace Quarvane;
using Type = ColorConfiguration::ColorTypes;

// Qt keeps 16 bits per component, so results are exact only to that; a byte is far coarser.
void expectNearBytes(const ColorRGB& color, int red, int green, int blue)
{
    const float tolerance = 0.6f / 255.0f;
    EXPECT_NEAR(color.red, red / 255.0f, tolerance);
    EXPECT_NEAR(color.green, green / 255.0f, tolerance);
    EXPECT_NEAR(color.blue, blue / 255.0f, tolerance);
}

// The expected bytes are worked out from the HSV model by hand.
TEST(ColorOperations, LighterDarkerAndHsvWorkOnTheHsvValue)
{
    const ColorRGB brown = ColorRGB::fromBytes(100, 50, 20);
    expectNearBytes(ColorConfiguration::getLighterColorForHovering(brown), 150, 75, 30);
    expectNearBytes(ColorConfiguration::getDarkerColor(brown, 200), 50, 25, 10);
    expectNearBytes(ColorConfiguration::getDarkerColor(brown, 50), 200, 100, 40);
    // Hue kept, saturation 70 and value 120 set: red becomes a greyish red; a grey has no hue and stays grey.
    expectNearBytes(ColorConfiguration::getModifiedColorForMeshSide(ColorRGB(1.0f, 0.0f, 0.0f)), 120, 87, 87);
    expectNearBytes(ColorConfiguration::getModifiedColorForMeshSide(ColorRGB(0.5f, 0.5f, 0.5f)), 120, 120, 120);
}

TEST(ColorOperations, ForegroundKeepsItsColourOnlyWhenItContrasts)
{
    const ColorRGB white(1.0f, 1.0f, 1.0f), black(0.0f, 0.0f, 0.0f);
    const ColorRGB middleGrey(0.5f, 0.5f, 0.5f);  // luminance exactly 0.5: counts as dark
    const ColorRGB darkRed = ColorRGB::fromBytes(200, 50, 50);
    const ColorRGB cases[][3] = {  // background, foreground, expected
        {white, middleGrey, middleGrey}, {white, darkRed, darkRed}, {white, white, black}, {black, black, white}};
    for (const auto& c : cases)
        EXPECT_EQ(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(c[0], c[1]), c[2]);
    // Lightness 125/255 becomes 130/255 with hue and saturation kept.
    expectNearBytes(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(middleGrey, darkRed), 205, 55, 55);
}

TEST(ColorOperations, QColorTruncatesTheRegisteredColour)
{
    ColorConfiguration::getRegisteredInstance()->setColor(ColorConfiguration::Loop, ColorRGB(2.0f, -1.0f, NAN));
    const std::pair<int, QColor> cases[] = {
        {37, QColor(255, 0, 0)},
        {ColorConfiguration::BackgroundBottomColor, QColor(122, 122, 122)},         // 0.48 * 255 = 122.4
        {ColorConfiguration::SheetReferenceBottomsideColor, QColor(78, 90, 127)},  // 0.5 * 255 = 127.5
        {ColorConfiguration::Loop, QColor(255, 0, 0)},  // out of range and NaN are brought into 0..255
    };
    for (const auto& [type, color] : cases)
        EXPECT_EQ(ColorConfiguration::getQColor(static_cast<Type>(type)), color) << "type " << type;
}

TEST(ColorOperations, IconsAreFilledWithTheTypesColour)
{
    Testing::guiApplication();
    const QIcon icon = ColorConfiguration::createColorIcon(ColorConfiguration::BackgroundBottomColor, QSize(12, 8));
    const QImage image = icon.pixmap(QSize(12, 8)).toImage();
    EXPECT_EQ(image.size(), QSize(12, 8));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(122, 122, 122));
    EXPECT_EQ(image.pixelColor(11, 7), QColor(122, 122, 122));
}

TEST(ColorOperations, RunningIndicesCycleThroughTheirFamily)
{
    const int innerParts[] = {1059, 1063, 1061, 1065, 1060, 1064, 1062, 1066, 1067, 1068};
    for (const int index : {-3, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 24, INT_MAX})
        EXPECT_EQ(ColorConfiguration::getColorForInnerPart(index), innerParts[index < 0 ? 0 : index % 10]) << index;
    const int tools[] = {209, 210, 211, 212, 213, 208};
    for (int index = 0; index < 8; ++index)
        EXPECT_EQ(ColorConfiguration::getGenericToolColorTypeByIdx(index), tools[index % 6]) << "index " << index;
    for (const int negative : {-1, INT_MIN})
        EXPECT_EQ(ColorConfiguration::getGenericToolColorTypeByIdx(negative), ColorConfiguration::ToolGeneric);
}

}  // namespace
