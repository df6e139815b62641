#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "ColorTestSupport.h"
#include "tests/Platform/Core/Gui/WidgetTools/GuiApplication.h"

#include <gtest/gtest.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QTranslator>

#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;
using Testing::watchColors;
using Type = ColorConfiguration::ColorTypes;
using Log = std::vector<std::string>;

Type type(int number) { return static_cast<Type>(number); }
const ColorRGB s_black(0.0f, 0.0f, 0.0f);

TEST(ColorConfiguration, DefaultsOfEveryKindOfRow)
{
    const ColorConfiguration colors;
    const std::pair<int, ColorRGB> cases[] = {
        {0, {0.837f, 0.837f, 0.837f}},                   // floats
        {2, {0.3f, 0.3f, 0.3f}},                         // created after types 3 to 9
        {1068, ColorRGB::fromBytes(89, 17, 63)},         // bytes
        {9, ColorRGB::fromBytes(156, 180, 255) * 0.5f},  // half of type 4
        {225, ColorRGB::fromBytes(50, 50, 50)},          // palette 65
        {1031, ColorRGB::fromBytes(83, 36, 178)},        // palette 16, no application series
        {37, ColorRGB::fallback()},                      // no such type
    };
    for (const auto& [number, color] : cases)
        EXPECT_EQ(colors.getColor(type(number)), color) << "type " << number;
    // Computed from HSV by QColor: within half a byte of (163, 33, 104).
    const ColorRGB hsv = colors.getColor(ColorConfiguration::ToolGeneric1);
    EXPECT_NEAR(hsv.red, 163 / 255.0f, 0.5f / 255.0f);
    EXPECT_NEAR(hsv.green, 33 / 255.0f, 0.5f / 255.0f);
    EXPECT_NEAR(hsv.blue, 104 / 255.0f, 0.5f / 255.0f);
}

TEST(ColorConfiguration, EditableFollowsTheGroupThenTheColour)
{
    ColorConfiguration colors;
    EXPECT_TRUE(colors.getEditable(type(37)));
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::UndefinedOpColor),
              std::make_pair(ColorRGB(0.83f, 0.83f, 0.83f), false));
    EXPECT_TRUE(colors.hasNonEditableEntries());

    colors.setEditable(false);
    for (const Type locked : {ColorConfiguration::BackgroundTopColor, ColorConfiguration::NoCadDataRed, type(37)})
        EXPECT_FALSE(colors.getEditable(locked)) << locked;
    EXPECT_EQ(colors.getColorEditable(type(37)), std::make_pair(ColorRGB::fallback(), false));
}

TEST(ColorConfiguration, SetColorStoresAndEmitsEvenWhenUnchangedButIgnoresUnknownTypes)
{
    ColorConfiguration colors;
    EmissionLog log;
    watchColors(log, colors);
    const ColorRGB color(0.1f, 0.2f, 0.3f);
    colors.setColor(ColorConfiguration::Loop, color);
    colors.setColor(ColorConfiguration::Loop, color);
    colors.setColor(type(37), color);
    EXPECT_EQ(log.entries, (Log{"color(12)", "configuration()", "color(12)", "configuration()"}));
    EXPECT_EQ(colors.getColor(ColorConfiguration::Loop), color);
    EXPECT_EQ(colors.getColor(type(37)), ColorRGB::fallback());

    log.entries.clear();
    for (const bool white : {false, true, true})
        colors.setUseWhiteBackgroundColor(white);
    EXPECT_EQ(log.entries, (Log{"configuration()"}));
    EXPECT_TRUE(colors.getUseWhiteBackgroundColor());
}

TEST(ColorConfiguration, ApplicationSeriesReplacesItsFamilyOnlyOnAChange)
{
    const ColorConfiguration defaults;
    ColorConfiguration geometry, inner;
    geometry.setColor(type(1025), s_black);  // a user's change is overwritten
    EmissionLog log;
    watchColors(log, geometry);
    geometry.changeDefaultsForType(GeometryGeneratorApplication);
    inner.changeDefaultsForType(InnerPartApplication);
    EXPECT_EQ(log.entries, (Log{"all()", "configuration()"}));
    // Both families take the same series of eight; each keeps the other family and its own ninth colour.
    for (int i = 0; i < 8; ++i)
    {
        EXPECT_EQ(geometry.getColor(type(1024 + i)), inner.getColor(type(1059 + i))) << i;
        EXPECT_EQ(geometry.getColor(type(1059 + i)), defaults.getColor(type(1059 + i))) << i;
        EXPECT_EQ(inner.getColor(type(1024 + i)), defaults.getColor(type(1024 + i))) << i;
    }
    EXPECT_EQ(geometry.getColor(type(1032)), defaults.getColor(type(1032)));
    EXPECT_EQ(inner.getColor(type(1067)), defaults.getColor(type(1067)));
    EXPECT_EQ(geometry.getColor(type(1025)), ColorRGB::fromBytes(0, 204, 119));
    EXPECT_EQ(inner.getColor(type(1066)), ColorRGB::fromBytes(34, 0, 204));

    geometry.changeDefaultsForType(GeometryGeneratorApplication);
    geometry.changeDefaultsForType(static_cast<QVApplicationType>(5));
    EXPECT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(geometry.getApplicationType(), 5);
    EXPECT_EQ(geometry.getColor(type(1024)), ColorRGB::fromBytes(0, 136, 204));
}

TEST(ColorConfiguration, ResetRestoresDefaultsAndReappliesTheApplicationSeries)
{
    ColorConfiguration colors;
    colors.changeDefaultsForType(GeometryGeneratorApplication);
    colors.setColor(ColorConfiguration::GeometryGeneratorFaceColor1, s_black);
    colors.setColor(ColorConfiguration::BackgroundTopColor, s_black);
    EmissionLog log;
    watchColors(log, colors);
    colors.resetToDefaultValues();
    EXPECT_EQ(log.entries, (Log{"all()", "configuration()"}));
    EXPECT_EQ(colors.getColor(ColorConfiguration::GeometryGeneratorFaceColor1), ColorRGB::fromBytes(0, 136, 204));
    EXPECT_EQ(colors.getColor(ColorConfiguration::BackgroundTopColor), ColorRGB(0.837f, 0.837f, 0.837f));

    colors.setColor(ColorConfiguration::GeometryGeneratorFaceColor2, s_black);
    colors.setDefaultValues();
    EXPECT_EQ(colors.getColor(ColorConfiguration::GeometryGeneratorFaceColor2), ColorRGB::fromBytes(0, 204, 119));
    EXPECT_EQ(log.entries.size(), 6u);
}

TEST(ColorConfiguration, CopyTakesColoursAndFlagsButNotTheObservers)
{
    const ColorRGB dark(0.1f, 0.1f, 0.1f), light(0.2f, 0.2f, 0.2f);
    ColorConfiguration original;
    original.changeDefaultsForType(InnerPartApplication);
    original.setUseWhiteBackgroundColor(true);
    original.setColor(ColorConfiguration::ToolDie, dark);
    EmissionLog originalLog;
    watchColors(originalLog, original);

    ColorConfiguration copy(original);
    EXPECT_EQ(copy.getApplicationType(), InnerPartApplication);
    EXPECT_TRUE(copy.getUseWhiteBackgroundColor());
    EXPECT_TRUE(copy.signalColorChanged.empty());
    copy.setColor(ColorConfiguration::ToolDie, light);
    EXPECT_EQ(original.getColor(ColorConfiguration::ToolDie), dark);
    EXPECT_TRUE(originalLog.entries.empty());

    std::unique_ptr<ConfigurationObject> cloned(copy.clone());
    ASSERT_NE(dynamic_cast<ColorConfiguration*>(cloned.get()), nullptr);
    EXPECT_EQ(static_cast<ColorConfiguration&>(*cloned).getColor(ColorConfiguration::ToolDie), light);
    std::unique_ptr<ConfigurationObject> fresh(copy.createConfigurationObject());
    EXPECT_EQ(static_cast<ColorConfiguration&>(*fresh).getColor(ColorConfiguration::ToolDie),
              ColorConfiguration::getVivuzidaColor(VisualStyleDefinitions::Color9));
}

// Also when the group is assigned to itself, which keeps everything.
TEST(ColorConfiguration, AssignmentEmitsEveryColourInTypeOrderThenAllThenConfiguration)
{
    ColorConfiguration source;
    source.setColor(ColorConfiguration::ToolDie, ColorRGB(0.1f, 0.1f, 0.1f));
    source.changeDefaultsForType(GeometryGeneratorApplication);
    source.setEditable(false);
    Log expected;
    for (const auto& entry : source.getColorKeys())
        expected.push_back("color(" + std::to_string(entry.first) + ")");
    expected.insert(expected.end(), {"all()", "configuration()"});

    ColorConfiguration target;
    EmissionLog log;
    watchColors(log, target);
    for (const ColorConfiguration* from : {&source, &target})
    {
        log.entries.clear();
        target = *from;
        EXPECT_EQ(log.entries, expected);
        EXPECT_EQ(target.getColor(ColorConfiguration::ToolDie), ColorRGB(0.1f, 0.1f, 0.1f));
        EXPECT_EQ(target.getApplicationType(), GeometryGeneratorApplication);
        EXPECT_FALSE(target.isEditable());
    }
}

// A catalogue with two texts of the group's context.
struct ColorCatalogue : QTranslator
{
    QString translate(const char* context, const char* text, const char*, int) const override
    {
        const QByteArray source = QByteArray(context) == "ColorConfiguration" ? text : "";
        if (source == "Background Top")
            return QStringLiteral("Hintergrund oben");
        return source == "Undefined Color" ? QStringLiteral("Unbestimmte Farbe") : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(ColorNames, ComeFromTheRegisteredGroup)
{
    EXPECT_EQ(ColorConfiguration::getColorName(type(37)), "Undefined Color");
    const QString german = QString::fromUtf8("Markierte Linie (grün)");
    ColorConfiguration::setColorName(ColorConfiguration::MarkedLine, german);
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), german);
}

TEST(ColorNames, AreTranslatedInTheGroupsContext)
{
    Testing::guiApplication();  // the process's one application, for the translator
    ColorCatalogue catalogue;
    QCoreApplication::installTranslator(&catalogue);
    // The names are translated when the group is made: a fresh one, made under the translator.
    ConfigurationManager::ScopedInstance scope;
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::BackgroundTopColor), "Hintergrund oben");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::BackgroundBottomColor), "Background Bottom");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), "Unbestimmte Farbe");
    QCoreApplication::removeTranslator(&catalogue);
}

TEST(ColorNames, WithoutARegisteredGroupColoursAreNotAvailable)
{
    ConfigurationManager::ScopedInstance scope;
    ConfigurationManager::getInstance().addConfigurationObject(
        std::make_shared<ConfigurationObject>("ColorConfiguration", "", 0, 63), "ColorConfiguration");
    EXPECT_EQ(ColorConfiguration::findRegisteredInstance(), nullptr);
    EXPECT_THROW(ColorConfiguration::getRegisteredInstance(), std::logic_error);
    ColorConfiguration::setColorName(ColorConfiguration::MarkedLine, "Marked");
    EXPECT_EQ(ColorConfiguration::getColorName(ColorConfiguration::MarkedLine), "Colors not available");
}

}  // namespace
