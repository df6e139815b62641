#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "ColorTestSupport.h"
#include "tests/Platform/Core/Gui/WidgetTools/GuiApplication.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

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
    expectNearBytes(ColorConfiguration::getLighterColor(brown, 100), 100, 50, 20);
    expectNearBytes(ColorConfiguration::getLighterColor(brown, 150), 150, 75, 30);
    expectNearBytes(ColorConfiguration::getLighterColorForHovering(brown), 150, 75, 30);
    expectNearBytes(ColorConfiguration::getDarkerColor(brown, 200), 50, 25, 10);
    expectNearBytes(ColorConfiguration::getDarkerColor(brown, 50), 200, 100, 40);

    // Hue kept, saturation 70 and value 120 set: red becomes a greyish red.
    expectNearBytes(ColorConfiguration::getModifiedColorForMeshSide(ColorRGB(1.0f, 0.0f, 0.0f)), 120, 87, 87);
    // A grey has no hue, so it stays grey whatever the saturation asked for.
    expectNearBytes(ColorConfiguration::getModifiedColorForMeshSide(ColorRGB(0.5f, 0.5f, 0.5f)), 120, 120, 120);
    expectNearBytes(ColorConfiguration::getHSVModifiedColor(ColorRGB(0.0f, 0.0f, 1.0f), 255, 255), 0, 0, 255);
}

TEST(ColorOperations, ForegroundKeepsItsColourOnlyWhenItContrasts)
{
    const ColorRGB white(1.0f, 1.0f, 1.0f);
    const ColorRGB black(0.0f, 0.0f, 0.0f);
    const ColorRGB middleGrey(0.5f, 0.5f, 0.5f);  // luminance exactly 0.5: counts as dark
    const ColorRGB darkRed = ColorRGB::fromBytes(200, 50, 50);
    const struct
    {
        const char* what;
        ColorRGB background;
        ColorRGB foreground;
        ColorRGB expected;
    } kept[] = {
        {"black on white", white, black, black},
        {"white on black", black, white, white},
        {"middle grey on white", white, middleGrey, middleGrey},
        {"dark red on white", white, darkRed, darkRed},
    };
    for (const auto& expected : kept)
        EXPECT_EQ(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(expected.background,
                                                                                  expected.foreground),
                  expected.expected)
            << expected.what;

    EXPECT_EQ(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(white, white), black);
    EXPECT_EQ(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(black, black), white);
    // Lightness 125/255 becomes 130/255 with hue and saturation kept.
    expectNearBytes(ColorConfiguration::getOptimizedForgroundColorForBackgroundColor(middleGrey, darkRed), 205, 55,
                    55);
}

TEST(ColorOperations, QColorTruncatesTheRegisteredColour)
{
    ColorConfiguration* colors = ColorConfiguration::getRegisteredInstance();
    colors->setColor(ColorConfiguration::Loop, ColorRGB(2.0f, -1.0f, NAN));
    const struct
    {
        int type;
        QColor expected;
    } cases[] = {
        {37, QColor(255, 0, 0, 255)},
        {ColorConfiguration::BackgroundBottomColor, QColor(122, 122, 122, 255)},  // 0.48 * 255 = 122.4
        {ColorConfiguration::SheetBottomsideColor, QColor(156, 180, 255, 255)},
        {ColorConfiguration::SheetReferenceBottomsideColor, QColor(78, 90, 127, 255)},  // 0.5 * 255 = 127.5
        {ColorConfiguration::Loop, QColor(255, 0, 0, 255)},  // out of range and NaN are brought into 0..255
    };
    for (const auto& expected : cases)
        EXPECT_EQ(ColorConfiguration::getQColor(static_cast<Type>(expected.type)), expected.expected)
            << "type " << expected.type;
}

TEST(ColorOperations, IconsAreFilledWithTheTypesColour)
{
    Testing::guiApplication();
    const QIcon icon = ColorConfiguration::createColorIcon(ColorConfiguration::BackgroundBottomColor, QSize(12, 8));
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(12, 8)).toImage();
    EXPECT_EQ(image.size(), QSize(12, 8));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(122, 122, 122));
    EXPECT_EQ(image.pixelColor(11, 7), QColor(122, 122, 122));
}

TEST(ColorOperations, RunningIndicesCycleThroughTheirFamily)
{
    const int innerParts[] = {1059, 1063, 1061, 1065, 1060, 1064, 1062, 1066, 1067, 1068};
    for (int index = -3; index < 25; ++index)
        EXPECT_EQ(ColorConfiguration::getColorForInnerPart(index), innerParts[index < 0 ? 0 : index % 10])
            << "index " << index;

    const int tools[] = {209, 210, 211, 212, 213, 208};
    for (int index = 0; index < 14; ++index)
        EXPECT_EQ(ColorConfiguration::getGenericToolColorTypeByIdx(index), tools[index % 6]) << "index " << index;
    for (const int negative : {-1, -6, INT_MIN})
        EXPECT_EQ(ColorConfiguration::getGenericToolColorTypeByIdx(negative), ColorConfiguration::ToolGeneric);
    EXPECT_EQ(ColorConfiguration::getColorForInnerPart(INT_MAX), innerParts[INT_MAX % 10]);
}

}  // namespace
