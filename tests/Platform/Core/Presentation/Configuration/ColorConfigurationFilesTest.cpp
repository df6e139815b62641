#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "ColorTestSupport.h"

#include <gtest/gtest.h>

#include <QtCore/QRegularExpression>

#include <memory>
#include <string>

namespace
{
using namespace Quarvane;
using Testing::colorGroupXml;
using Testing::colorXml;
using Testing::rgbXml;
using Type = ColorConfiguration::ColorTypes;

// The names of the colours a written file holds, in the order written.
QStringList writtenColors(const std::string& xml)
{
    QStringList names;
    QRegularExpressionMatchIterator match =
        QRegularExpression("<object class=\"ObjectColor\" name=\"(\\w+)\"").globalMatch(QString::fromStdString(xml));
    while (match.hasNext())
        names << match.next().captured(1);
    return names;
}

// A local manager with its own colour group, so that loading does not touch the registered one.
struct LoadedColors
{
    LoadedColors() { manager.addConfigurationObject(colors, colors->getName()); }
    ConfigurationManager manager;
    std::shared_ptr<ColorConfiguration> colors = std::make_shared<ColorConfiguration>();
};

TEST(ColorConfigurationFiles, SystemLocksHoldAgainstTheUserAndSavingWritesOnlyTheUsersChanges)
{
    Testing::ConfigurationFiles files;
    const std::string system = files.write(
        "site.xml", colorGroupXml(colorXml("ToolDie", rgbXml("0.1", "0.2", "0.3"), " editable=\"false\"") +
                                  colorXml("ToolPunch", rgbXml("0.4", "0.5", "0.6")) +
                                  colorXml("ToolPad", Testing::floatXml("r", "0.7") +
                                                          "<value key=\"g\" type=\"float\" editable=\"false\">0.7</value>" +
                                                          Testing::floatXml("b", "0.7"))));
    const std::string user = files.write(
        "user.xml", colorGroupXml(colorXml("ToolDie", rgbXml("1", "1", "1"), " editable=\"true\"") +
                                  colorXml("ToolPunch", rgbXml("0.9", "0.8", "0.7")) +
                                  colorXml("ToolPad", rgbXml("0.25", "0.5", "0.75")) +
                                  colorXml("Loop", rgbXml("0", "0.5", "1"))));
    LoadedColors loaded;
    Testing::SignalLog log(*loaded.colors);
    const ConfigurationLoadResult result = loaded.manager.loadConfiguration({system}, user);
    EXPECT_TRUE(result.isClean()) << (result.warnings.empty() ? "" : result.warnings.front());
    EXPECT_EQ(log.entries, (std::vector<std::string>{"all", "configuration"}));

    const ColorConfiguration& colors = *loaded.colors;
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolDie), std::make_pair(ColorRGB(0.1f, 0.2f, 0.3f), false));
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolPunch), std::make_pair(ColorRGB(0.9f, 0.8f, 0.7f), true));
    // A single locked component locks the whole colour.
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolPad), std::make_pair(ColorRGB(0.7f, 0.7f, 0.7f), false));
    EXPECT_EQ(colors.getColor(ColorConfiguration::Loop), ColorRGB(0.0f, 0.5f, 1.0f));

    loaded.colors->setColor(ColorConfiguration::HemmingOpColor, ColorRGB(0.125f, 0.25f, 0.5f));
    std::string error;
    ASSERT_TRUE(loaded.manager.saveUserConfiguration(user, &error)) << error;
    ConfigReader saved = ConfigReader::fromFile(user, ConfigReader::Origin::UserFile);
    ColorConfiguration savedColors;
    saved.readConfigurationObject("ColorConfiguration", savedColors);
    EXPECT_EQ(savedColors.getColor(ColorConfiguration::HemmingOpColor), ColorRGB(0.125f, 0.25f, 0.5f));

    ConfigWriter rewritten;
    ConfigReader reference = loaded.manager.getSystemReference();
    loaded.colors->saveContent(rewritten, reference, true);
    EXPECT_EQ(writtenColors(rewritten.toXml()), (QStringList{"Loop", "ToolPunch", "HemmingOpColor"}));

    LoadedColors reloaded;
    reloaded.manager.loadConfiguration({system}, user);
    for (const Type checked : {ColorConfiguration::ToolDie, ColorConfiguration::ToolPunch, ColorConfiguration::ToolPad,
                               ColorConfiguration::Loop, ColorConfiguration::HemmingOpColor})
        EXPECT_EQ(reloaded.colors->getColorEditable(checked), colors.getColorEditable(checked)) << checked;
}

TEST(ColorConfigurationFiles, ALockedGroupLoadsNothingFromTheUser)
{
    Testing::ConfigurationFiles files;
    const std::string system = files.write(
        "site.xml", colorGroupXml(colorXml("Loop", rgbXml("0", "0", "0")), " editable=\"false\""));
    const std::string user = files.write("user.xml", colorGroupXml(colorXml("OuterLoop", rgbXml("1", "1", "1"))));
    LoadedColors loaded;
    loaded.manager.loadConfiguration({system}, user);
    EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::Loop), ColorRGB(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::OuterLoop), ColorConfiguration::getVivuzidaColor(VisualStyleDefinitions::Color4));
    EXPECT_FALSE(loaded.colors->getEditable(ColorConfiguration::OuterLoop));

    // Nothing the user changes can be written while the site locks the group.
    loaded.colors->setColor(ColorConfiguration::OuterLoop, ColorRGB(1.0f, 1.0f, 1.0f));
    ConfigWriter writer;
    ConfigReader reference = loaded.manager.getSystemReference();
    loaded.colors->saveContent(writer, reference, true);
    EXPECT_TRUE(writtenColors(writer.toXml()).isEmpty());
}

TEST(ColorConfigurationFiles, OnlyChangedColoursAreSavedAndNaNAlwaysCountsAsChanged)
{
    ColorConfiguration colors;
    ConfigReader nothing;
    EXPECT_FALSE(colors.canBeSavedToUserConfig(nothing));
    ConfigWriter unchanged;
    colors.saveContent(unchanged, nothing, true);
    EXPECT_TRUE(writtenColors(unchanged.toXml()).isEmpty());

    colors.setColor(ColorConfiguration::GlueColor, ColorRGB(0.93f, 0.85f, 0.625f));
    colors.setColor(ColorConfiguration::BackgroundTopColor, ColorRGB(NAN, 0.837f, 0.837f));
    EXPECT_TRUE(colors.canBeSavedToUserConfig(nothing));
    ConfigWriter changed;
    colors.saveContent(changed, nothing, true);
    EXPECT_EQ(writtenColors(changed.toXml()), (QStringList{"BackgroundTopColor", "GlueColor"}));

    ConfigWriter everything;
    colors.saveContent(everything, nothing, false);
    const QStringList all = writtenColors(everything.toXml());
    EXPECT_EQ(all.size(), 129);
    EXPECT_EQ(all.front(), "BackgroundTopColor");
    EXPECT_NE(everything.toXml().find("<value key=\"r\" type=\"float\">nan</value>"), std::string::npos);
}

// A colour that cannot be used whole keeps what it had; the others load, and the user is told
// which colour it was.
TEST(ColorConfigurationFiles, AColourThatCannotBeUsedWholeKeepsItsValue)
{
    const struct
    {
        std::string stored;
        std::string warning;  // empty: none expected
    } cases[] = {
        {Testing::floatXml("r", "0.1") + Testing::floatXml("g", "0.2"), "\"b\" is missing"},
        {rgbXml("0.1", "green", "0.3"), "Loop/g: \"green\" is not a valid float"},
        {rgbXml("nan", "0.2", "0.3"), "\"r\" is nan, not a finite number"},
        {rgbXml("0.1", "inf", "-inf"), "\"g\" is inf, not a finite number, \"b\" is -inf, not a finite number"},
        {"<value key=\"r\" type=\"double\">0.1</value>" + Testing::floatXml("g", "0.2") + Testing::floatXml("b", "0.3"),
         "Loop/r: stored as double, expected float"},
        {"", ""},  // an entry without components, as a bare lock leaves, changes nothing and says nothing
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.stored);
        Testing::ConfigurationFiles files;
        const std::string user = files.write(
            "user.xml", colorGroupXml(colorXml("Loop", expected.stored) + colorXml("InnerLoop", rgbXml("0.5", "0.5", "0.5"))));
        LoadedColors loaded;
        const ConfigurationLoadResult result = loaded.manager.loadConfiguration({}, user);
        EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::Loop), ColorRGB::fromBytes(68, 204, 0));
        EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::InnerLoop), ColorRGB(0.5f, 0.5f, 0.5f));
        if (expected.warning.empty())
        {
            EXPECT_TRUE(result.warnings.empty());
            continue;
        }
        ASSERT_EQ(result.warnings.size(), 1u);
        EXPECT_NE(result.warnings.front().find(expected.warning), std::string::npos) << result.warnings.front();
        EXPECT_NE(result.warnings.front().find("Loop"), std::string::npos) << result.warnings.front();
    }
}

}  // namespace
