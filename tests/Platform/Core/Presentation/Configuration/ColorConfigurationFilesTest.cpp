#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "ColorTestSupport.h"
#include "tests/Platform/Core/Service/ConfigurationFramework/SampleObjects.h"

#include <gmock/gmock.h>

#include <QtCore/QRegularExpression>
#include <QtCore/QTemporaryDir>

#include <memory>
#include <string>

namespace
{
using namespace Quarvane;
using Type = ColorConfiguration::ColorTypes;
using std::string;

string floatXml(const string& key, const string& text, const string& attributes = {})
{
    return "<value key=\"" + key + "\" type=\"float\"" + attributes + ">" + text + "</value>";
}
string rgbXml(const string& r, const string& g, const string& b)
{
    return floatXml("r", r) + floatXml("g", g) + floatXml("b", b);
}
string colorXml(const string& key, const string& values, const string& attributes = {})
{
    return "<object class=\"ObjectColor\" name=\"" + key + "\"" + attributes + ">" + values + "</object>";
}

// Writes a file holding a colour group into `folder`.
string writeGroup(const QTemporaryDir& folder, const char* name, const string& colors, const string& attributes = {})
{
    const string group = "<object name=\"ColorConfiguration\"" + attributes + ">" + colors + "</object>";
    return Testing::writeFile(folder, name, Testing::configurationXml(group));
}

// The names of the colours a written file holds, in the order written.
QStringList writtenColors(const string& xml)
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
    QStringList savedForUser()
    {
        ConfigWriter writer;
        ConfigReader reference = manager.getSystemReference();
        colors->saveContent(writer, reference, true);
        return writtenColors(writer.toXml());
    }
    ConfigurationManager manager;
    std::shared_ptr<ColorConfiguration> colors = std::make_shared<ColorConfiguration>();
};

TEST(ColorConfigurationFiles, SystemLocksHoldAgainstTheUserAndSavingWritesOnlyTheUsersChanges)
{
    QTemporaryDir folder;
    const string locked = " editable=\"false\"";
    const string lockedGreen = floatXml("r", "0.7") + floatXml("g", "0.7", locked) + floatXml("b", "0.7");
    const string system = writeGroup(folder, "site.xml",
                                     colorXml("ToolDie", rgbXml("0.1", "0.2", "0.3"), locked) +
                                         colorXml("ToolPunch", rgbXml("0.4", "0.5", "0.6")) +
                                         colorXml("ToolPad", lockedGreen));
    const string user = writeGroup(folder, "user.xml",
                                   colorXml("ToolDie", rgbXml("1", "1", "1"), " editable=\"true\"") +
                                       colorXml("ToolPunch", rgbXml("0.9", "0.8", "0.7")) +
                                       colorXml("ToolPad", rgbXml("0.25", "0.5", "0.75")) +
                                       colorXml("Loop", rgbXml("0", "0.5", "1")));
    LoadedColors loaded;
    Testing::EmissionLog log;
    Testing::watchColors(log, *loaded.colors);
    const ConfigurationLoadResult result = loaded.manager.loadConfiguration({system}, user);
    // The user's components of the two locked colours are refused, each naming the lock.
    ASSERT_EQ(result.findings.size(), 6u);
    for (const ConfigurationFinding& refused : result.findings)
        EXPECT_THAT(refused.toString(),
                    ::testing::MatchesRegex(".*user\\.xml:[0-9]+:[0-9]+: ColorConfiguration/"
                                            "Tool(Die|Pad)/[rgb]: ignored: .* locked at .*site\\.xml:3"));
    EXPECT_EQ(log.entries, (std::vector<string>{"all()", "configuration()"}));

    const ColorConfiguration& colors = *loaded.colors;
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolDie), std::make_pair(ColorRGB(0.1f, 0.2f, 0.3f), false));
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolPunch), std::make_pair(ColorRGB(0.9f, 0.8f, 0.7f), true));
    // A single locked component locks the whole colour.
    EXPECT_EQ(colors.getColorEditable(ColorConfiguration::ToolPad), std::make_pair(ColorRGB(0.7f, 0.7f, 0.7f), false));
    EXPECT_EQ(colors.getColor(ColorConfiguration::Loop), ColorRGB(0.0f, 0.5f, 1.0f));

    loaded.colors->setColor(ColorConfiguration::HemmingOpColor, ColorRGB(0.125f, 0.25f, 0.5f));
    string error;
    ASSERT_TRUE(loaded.manager.saveUserConfiguration(user, &error)) << error;
    EXPECT_EQ(loaded.savedForUser(), (QStringList{"Loop", "ToolPunch", "HemmingOpColor"}));
    LoadedColors reloaded;
    reloaded.manager.loadConfiguration({system}, user);
    for (const Type checked : {ColorConfiguration::ToolDie, ColorConfiguration::ToolPunch, ColorConfiguration::ToolPad,
                               ColorConfiguration::Loop, ColorConfiguration::HemmingOpColor})
        EXPECT_EQ(reloaded.colors->getColorEditable(checked), colors.getColorEditable(checked)) << checked;
}

TEST(ColorConfigurationFiles, ALockedGroupLoadsNothingFromTheUser)
{
    QTemporaryDir folder;
    const string system =
        writeGroup(folder, "site.xml", colorXml("Loop", rgbXml("0", "0", "0")), " editable=\"false\"");
    const string user = writeGroup(folder, "user.xml", colorXml("OuterLoop", rgbXml("1", "1", "1")));
    LoadedColors loaded;
    loaded.manager.loadConfiguration({system}, user);
    EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::Loop), ColorRGB(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(loaded.colors->getColorEditable(ColorConfiguration::OuterLoop),
              std::make_pair(ColorConfiguration::getVivuzidaColor(VisualStyleDefinitions::Color4), false));
    // Nothing the user changes can be written while the site locks the group.
    loaded.colors->setColor(ColorConfiguration::OuterLoop, ColorRGB(1.0f, 1.0f, 1.0f));
    EXPECT_TRUE(loaded.savedForUser().isEmpty());
}

TEST(ColorConfigurationFiles, OnlyChangedColoursAreSavedAndNaNAlwaysCountsAsChanged)
{
    ColorConfiguration colors;
    ConfigReader nothing;
    EXPECT_FALSE(colors.canBeSavedToUserConfig(nothing));
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
    EXPECT_NE(everything.toXml().find(floatXml("r", "nan")), string::npos);
}

// A colour that cannot be used whole keeps what it had; the others load, and the user is told which.
TEST(ColorConfigurationFiles, AColourThatCannotBeUsedWholeKeepsItsValue)
{
    const std::pair<string, string> cases[] = {  // stored, warning (empty: none expected)
        {floatXml("r", "0.1") + floatXml("g", "0.2"), "\"b\" is missing"},
        {rgbXml("0.1", "green", "0.3"), "Loop/g: the stored text is not a valid float"},
        {rgbXml("0.1", "inf", "-inf"), "\"g\" is inf, not a finite number, \"b\" is -inf, not a finite number"},
        {"<value key=\"r\" type=\"double\">0.1</value>" + floatXml("g", "0.2") + floatXml("b", "0.3"),
         "Loop/r: stored as double, expected float"},
        {"", ""},  // an entry without components, as a bare lock leaves, changes nothing and says nothing
    };
    for (const auto& [stored, warning] : cases)
    {
        SCOPED_TRACE(stored);
        QTemporaryDir folder;
        const string user = writeGroup(folder, "user.xml",
                                       colorXml("Loop", stored) + colorXml("InnerLoop", rgbXml("0.5", "0.5", "0.5")));
        LoadedColors loaded;
        const ConfigurationLoadResult result = loaded.manager.loadConfiguration({}, user);
        EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::Loop), ColorRGB::fromBytes(68, 204, 0));
        EXPECT_EQ(loaded.colors->getColor(ColorConfiguration::InnerLoop), ColorRGB(0.5f, 0.5f, 0.5f));
        ASSERT_EQ(result.warnings.size(), warning.empty() ? 0u : 1u);
        if (warning.empty())
            continue;
        for (const string& part : {warning, string("Loop")})
            EXPECT_NE(result.warnings.front().find(part), string::npos) << result.warnings.front();
    }
}

}  // namespace
