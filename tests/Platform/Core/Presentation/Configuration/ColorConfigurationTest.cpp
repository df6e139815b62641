#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "ColorTestSupport.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace Quarvane;
using Testing::SignalLog;
using Type = ColorConfiguration::ColorTypes;

Type type(int number) { return static_cast<Type>(number); }

// Within half a byte of the bytes given, for defaults QColor computes from HSV.
void expectNearBytes(const ColorRGB& color, int red, int green, int blue)
{
    const float tolerance = 0.5f / 255.0f;
    EXPECT_NEAR(color.red, red / 255.0f, tolerance);
    EXPECT_NEAR(color.green, green / 255.0f, tolerance);
    EXPECT_NEAR(color.blue, blue / 255.0f, tolerance);
}

TEST(ColorConfiguration, DefaultsOfEveryKindOfRow)
{
    const ColorConfiguration colors;
    const struct
    {
        int type;
        ColorRGB color;
    } cases[] = {
        {0, {0.837f, 0.837f, 0.837f}},                 // floats
        {2, {0.3f, 0.3f, 0.3f}},                       // created after types 3 to 9
        {17, {0.0f, 0.0f, 1.0f}},
        {4, ColorRGB::fromBytes(156, 180, 255)},       // bytes
        {1068, ColorRGB::fromBytes(89, 17, 63)},
        {8, {0.415f, 0.415f, 0.415f}},                 // half of type 3
        {9, ColorRGB::fromBytes(156, 180, 255) * 0.5f},  // half of type 4
        {10, ColorRGB::fromBytes(0, 213, 255)},        // palette 2
        {225, ColorRGB::fromBytes(50, 50, 50)},        // palette 65
        {1031, ColorRGB::fromBytes(83, 36, 178)},      // palette 16, no application series
        {1059, ColorRGB::fromBytes(31, 82, 153)},      // palette 9
        {37, ColorRGB::fallback()},                    // no such type
        {-1, ColorRGB::fallback()},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(colors.getColor(type(expected.type)), expected.color) << "type " << expected.type;

    expectNearBytes(colors.getColor(ColorConfiguration::SheetBoundaryColor), 60, 60, 60);
    expectNearBytes(colors.getColor(ColorConfiguration::ToolGeneric1), 163, 33, 104);
    expectNearBytes(colors.getColor(ColorConfiguration::ToolGeneric3), 163, 156, 33);
    expectNearBytes(colors.getColor(ColorConfiguration::ToolGeneric5), 33, 39, 163);
    EXPECT_EQ(colors.getApplicationType(), UndefinedApplication);
    EXPECT_FALSE(colors.getUseWhiteBackgroundColor());
}

TEST(ColorConfiguration, EditableFollowsTheGroupThenTheColour)
{
    ColorConfiguration colors;
    EXPECT_FALSE(colors.getEditable(ColorConfiguration::UndefinedOpColor));
    EXPECT_TRUE(colors.getEditable(ColorConfiguration::NoCadDataRed));
    EXPECT_TRUE(colors.getEditable(type(37)));
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::UndefinedOpColor),
              std::make_pair(ColorRGB(0.83f, 0.83f, 0.83f), false));
    EXPECT_TRUE(colors.hasNonEditableEntries());  // the undefined operation's colour is fixed

    colors.setEditable(false);
    for (const Type locked : {ColorConfiguration::BackgroundTopColor, ColorConfiguration::NoCadDataRed, type(37)})
        EXPECT_FALSE(colors.getEditable(locked)) << locked;
    EXPECT_EQ(colors.getColorEditable(type(37)), std::make_pair(ColorRGB::fallback(), false));
}

TEST(ColorConfiguration, SetColorStoresAndEmitsEvenWhenUnchangedButIgnoresUnknownTypes)
{
    ColorConfiguration colors;
    SignalLog log(colors);
    colors.setColor(ColorConfiguration::Loop, ColorRGB(0.1f, 0.2f, 0.3f));
    colors.setColor(ColorConfiguration::Loop, ColorRGB(0.1f, 0.2f, 0.3f));
    colors.setColor(type(37), ColorRGB(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(log.entries, (std::vector<std::string>{"12", "configuration", "12", "configuration"}));
    EXPECT_EQ(colors.getColor(ColorConfiguration::Loop), ColorRGB(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(colors.getColor(type(37)), ColorRGB::fallback());

    log.entries.clear();
    colors.setUseWhiteBackgroundColor(false);
    colors.setUseWhiteBackgroundColor(true);
    colors.setUseWhiteBackgroundColor(true);
    EXPECT_EQ(log.entries, (std::vector<std::string>{"configuration"}));
    EXPECT_TRUE(colors.getUseWhiteBackgroundColor());
}

TEST(ColorConfiguration, ApplicationSeriesReplacesItsFamilyOnlyOnAChange)
{
    const std::vector<ColorRGB> series{
        ColorRGB::fromBytes(0, 136, 204), ColorRGB::fromBytes(0, 204, 119), ColorRGB::fromBytes(34, 204, 0),
        ColorRGB::fromBytes(187, 204, 0), ColorRGB::fromBytes(204, 85, 0),  ColorRGB::fromBytes(204, 0, 85),
        ColorRGB::fromBytes(170, 0, 204), ColorRGB::fromBytes(34, 0, 204)};
    const struct
    {
        QVApplicationType application;
        int first;   // the family the series replaces
        int other;   // the other family, which keeps its palette colours
    } cases[] = {{GeometryGeneratorApplication, 1024, 1059}, {InnerPartApplication, 1059, 1024}};
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.application);
        ColorConfiguration colors;
        const ColorConfiguration defaults;
        colors.setColor(type(expected.first + 1), ColorRGB(0.0f, 0.0f, 0.0f));  // a user's change is overwritten
        SignalLog log(colors);
        colors.changeDefaultsForType(expected.application);
        EXPECT_EQ(log.entries, (std::vector<std::string>{"all", "configuration"}));
        for (int i = 0; i < 8; ++i)
        {
            EXPECT_EQ(colors.getColor(type(expected.first + i)), series[i]) << i;
            EXPECT_EQ(colors.getColor(type(expected.other + i)), defaults.getColor(type(expected.other + i))) << i;
        }
        EXPECT_EQ(colors.getColor(type(expected.first + 8)), defaults.getColor(type(expected.first + 8)));

        colors.changeDefaultsForType(expected.application);
        colors.changeDefaultsForType(static_cast<QVApplicationType>(5));
        EXPECT_EQ(log.entries.size(), 2u);
        EXPECT_EQ(colors.getApplicationType(), 5);
        EXPECT_EQ(colors.getColor(type(expected.first)), series[0]);
    }
}

TEST(ColorConfiguration, ResetRestoresDefaultsAndReappliesTheApplicationSeries)
{
    ColorConfiguration colors;
    colors.changeDefaultsForType(GeometryGeneratorApplication);
    colors.setColor(ColorConfiguration::GeometryGeneratorFaceColor1, ColorRGB(0.0f, 0.0f, 0.0f));
    colors.setColor(ColorConfiguration::BackgroundTopColor, ColorRGB(0.0f, 0.0f, 0.0f));
    colors.setUseWhiteBackgroundColor(true);
    SignalLog log(colors);
    colors.resetToDefaultValues();
    EXPECT_EQ(log.entries, (std::vector<std::string>{"all", "configuration"}));
    EXPECT_EQ(colors.getColor(ColorConfiguration::GeometryGeneratorFaceColor1), ColorRGB::fromBytes(0, 136, 204));
    EXPECT_EQ(colors.getColor(ColorConfiguration::BackgroundTopColor), ColorRGB(0.837f, 0.837f, 0.837f));
    EXPECT_EQ(colors.getConfigurationObjects().size(), 129u);

    colors.setColor(ColorConfiguration::GeometryGeneratorFaceColor2, ColorRGB(0.0f, 0.0f, 0.0f));
    colors.setDefaultValues();
    EXPECT_EQ(colors.getColor(ColorConfiguration::GeometryGeneratorFaceColor2), ColorRGB::fromBytes(0, 204, 119));
    EXPECT_EQ(log.entries.size(), 6u);
}

TEST(ColorConfiguration, CopyTakesColoursAndFlagsButNotTheObservers)
{
    ColorConfiguration original;
    original.changeDefaultsForType(InnerPartApplication);
    original.setUseWhiteBackgroundColor(true);
    original.setColor(ColorConfiguration::ToolDie, ColorRGB(0.1f, 0.1f, 0.1f));
    SignalLog originalLog(original);

    ColorConfiguration copy(original);
    EXPECT_EQ(copy.getColor(ColorConfiguration::ToolDie), ColorRGB(0.1f, 0.1f, 0.1f));
    EXPECT_EQ(copy.getApplicationType(), InnerPartApplication);
    EXPECT_TRUE(copy.getUseWhiteBackgroundColor());
    EXPECT_FALSE(copy.getEditable(ColorConfiguration::UndefinedOpColor));
    EXPECT_TRUE(copy.signalColorChanged.empty());

    copy.setColor(ColorConfiguration::ToolDie, ColorRGB(0.2f, 0.2f, 0.2f));
    EXPECT_EQ(original.getColor(ColorConfiguration::ToolDie), ColorRGB(0.1f, 0.1f, 0.1f));
    EXPECT_TRUE(originalLog.entries.empty());

    std::unique_ptr<ConfigurationObject> cloned(copy.clone());
    ASSERT_NE(dynamic_cast<ColorConfiguration*>(cloned.get()), nullptr);
    EXPECT_EQ(static_cast<ColorConfiguration&>(*cloned).getColor(ColorConfiguration::ToolDie), ColorRGB(0.2f, 0.2f, 0.2f));
    std::unique_ptr<ConfigurationObject> fresh(copy.createConfigurationObject());
    EXPECT_EQ(static_cast<ColorConfiguration&>(*fresh).getColor(ColorConfiguration::ToolDie),
              ColorConfiguration::getVivuzidaColor(VisualStyleDefinitions::Color9));
}

TEST(ColorConfiguration, AssignmentEmitsEveryColourInTypeOrderThenAllThenConfiguration)
{
    ColorConfiguration source;
    source.setColor(ColorConfiguration::ToolDie, ColorRGB(0.1f, 0.1f, 0.1f));
    source.changeDefaultsForType(GeometryGeneratorApplication);
    source.setEditable(false);
    ColorConfiguration target;
    SignalLog log(target);
    target = source;

    std::vector<std::string> expected;
    for (const auto& entry : source.getColorKeys())
        expected.push_back(std::to_string(entry.first));
    expected.push_back("all");
    expected.push_back("configuration");
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(target.getColor(ColorConfiguration::ToolDie), ColorRGB(0.1f, 0.1f, 0.1f));
    EXPECT_EQ(target.getApplicationType(), GeometryGeneratorApplication);
    EXPECT_FALSE(target.isEditable());

    // Assigning the group to itself keeps everything and still tells the observers.
    log.entries.clear();
    const ColorConfiguration& self = target;
    target = self;
    EXPECT_EQ(log.entries, expected);
    EXPECT_EQ(target.getColor(ColorConfiguration::ToolDie), ColorRGB(0.1f, 0.1f, 0.1f));
}

TEST(ColorNames, ComeFromTheRegisteredGroup)
{
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::BackgroundTopColor), "Background Top");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::StagixFormTrimStation), "Form/Trim Station");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), "Undefined Color");
    EXPECT_EQ(ColorConfiguration::getColorName(type(37)), "Undefined Color");

    ColorConfiguration::setColorName(ColorConfiguration::MarkedLine, QString::fromUtf8("Markierte Linie (grün)"));
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), QString::fromUtf8("Markierte Linie (grün)"));
}

// A catalogue with two texts of the group's context.
class ColorCatalogue : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) != "ColorConfiguration")
            return {};
        if (QByteArray(sourceText) == "Background Top")
            return QStringLiteral("Hintergrund oben");
        if (QByteArray(sourceText) == "Undefined Color")
            return QStringLiteral("Unbestimmte Farbe");
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(ColorNames, AreTranslatedInTheGroupsContext)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    ColorCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::BackgroundTopColor), "Hintergrund oben");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::BackgroundBottomColor), "Background Bottom");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), "Unbestimmte Farbe");
    QCoreApplication::removeTranslator(&catalogue);
}

TEST(ColorNames, WithoutARegisteredGroupColoursAreNotAvailable)
{
    ConfigurationManager::getInstance().addConfigurationObject(
        std::make_shared<ConfigurationObject>("ColorConfiguration", "", 0, 63), "ColorConfiguration");
    EXPECT_EQ(ColorConfiguration::findRegisteredInstance(), nullptr);
    EXPECT_THROW(ColorConfiguration::getRegisteredInstance(), std::logic_error);
    ColorConfiguration::setColorName(ColorConfiguration::MarkedLine, "Marked");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), "Colors not available");
}

}  // namespace
