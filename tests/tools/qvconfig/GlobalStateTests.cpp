#include "QvconfigTestSupport.h"
#include "TestGroups.h"

#include <memory>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigGlobalState = QvconfigTest;

const QString s_group = "AutoSaveConfiguration";

// A group registered after the library's own, as a later release adds them.
void registerClampingGroup()
{
    ASSERT_TRUE(ConfigurationManager::getInstance().addConfigurationObject(std::make_shared<ClampingTestGroup>(),
                                                                          "ClampingTestGroup"));
}

std::string percent(const std::string& text)
{
    return object("ClampingTestGroup", intValue("Percent", text));
}

// A file can only add locks, never lift them, so the stages run in this order within one test.
TEST_F(QvconfigGlobalState, SystemFileLocksAValueThenTheWholeGroup)
{
    const std::string lockOption =
        writeFile("lock-option.xml", configurationXml(autoSave(intValue("AutoSaveEnabled", "1", " editable=\"false\""))));
    const std::string user = writeFile(
        "user.xml", configurationXml(autoSave(intValue("AutoSaveEnabled", "2") + intValue("AutoSaveInterval", "10"))));
    const ToolRun valueLocked = runTool({"show", "--format", "json", "--system", lockOption, "--user", user});
    ASSERT_EQ(valueLocked.status, 0) << valueLocked.err;
    EXPECT_EQ(jsonGroup(valueLocked.json(), s_group).value("editable"), QJsonValue(true));
    EXPECT_EQ(jsonValue(valueLocked.json(), s_group, "AutoSaveEnabled").value("value"), QJsonValue("1"));
    EXPECT_EQ(jsonValue(valueLocked.json(), s_group, "AutoSaveEnabled").value("editable"), QJsonValue(false));
    EXPECT_EQ(jsonValue(valueLocked.json(), s_group, "AutoSaveInterval").value("value"), QJsonValue("10"));
    EXPECT_EQ(jsonValue(valueLocked.json(), s_group, "AutoSaveInterval").value("editable"), QJsonValue(true));
    EXPECT_EQ(textRow(runTool({"show"}).out, "AutoSaveEnabled").at(4), "no");

    const std::string lockGroup = writeFile(
        "lock-group.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "15"), " editable=\"false\"")));
    const ToolRun groupLocked = runTool({"show", "--system", lockGroup});
    ASSERT_EQ(groupLocked.status, 0) << groupLocked.err;
    EXPECT_NE(groupLocked.out.find("AutoSaveConfiguration (locked)\n"), std::string::npos) << groupLocked.out;
    EXPECT_EQ(textRow(groupLocked.out, "AutoSaveInterval"),
              (std::vector<std::string>{"AutoSaveInterval", "int", "15", "5", "no", "yes", "The", "interval", "in",
                                        "which", "each", "design", "is", "automatically", "saved", "in", "minutes."}));
}

TEST_F(QvconfigGlobalState, ShowPicksUpALaterGroupWithItsChildren)
{
    registerClampingGroup();
    const ToolRun run = runTool({"show", "ClampingTestGroup"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n  ClampingTestGroup/Limits (editable)\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("AutoSaveConfiguration"), std::string::npos) << run.out;
}

TEST_F(QvconfigGlobalState, CheckReportsWhatAGroupCorrectedWhileLoading)
{
    registerClampingGroup();
    const struct
    {
        std::string stored;
        std::string report;  // before the summary line
        std::string summary;
    } cases[] = {
        {"150", "repaired: ClampingTestGroup/Percent: stored 150, now 100\n", ": 0 warnings, 1 repair\n"},
        {"-3", "repaired: ClampingTestGroup/Percent: stored -3, now 0\n", ": 0 warnings, 1 repair\n"},
        {"100", "", ": clean\n"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.stored);
        const std::string file = writeFile("clamp.xml", configurationXml(percent(expected.stored)));
        const ToolRun run = runTool({"check", file});
        EXPECT_EQ(run.status, expected.report.empty() ? 0 : 1);
        EXPECT_EQ(run.out, expected.report + file + expected.summary);
    }
}

// Each warning is reported once, under the group whose load produced it.
TEST_F(QvconfigGlobalState, CheckReportsTheWarningsOfEachGroupOnce)
{
    registerClampingGroup();
    const std::string file =
        writeFile("two.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "soon")) + percent("half")));
    const ToolRun run = runTool({"check", file});
    EXPECT_EQ(run.status, 1);
    const std::string soon = "AutoSaveConfiguration/AutoSaveInterval: the stored text is not a valid int";
    const std::size_t first = run.out.find(soon);
    const std::size_t second = run.out.find("ClampingTestGroup/Percent: the stored text is not a valid int");
    EXPECT_LT(first, second) << run.out;
    EXPECT_EQ(run.out.find(soon, first + soon.size()), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(file + ": 2 warnings, 0 repairs\n"), std::string::npos) << run.out;
}

// The colours a site locks show locked, and a locked group locks them all.
TEST_F(QvconfigGlobalState, ColoursLockedByASystemFileShowLocked)
{
    const auto color = [](const std::string& key, const std::string& red, const std::string& attributes = {}) {
        return "<object class=\"ObjectColor\" name=\"" + key + "\"" + attributes + "><value key=\"r\" type=\"float\">" +
               red + "</value><value key=\"g\" type=\"float\">0</value><value key=\"b\" type=\"float\">0</value></object>";
    };
    const std::string site = writeFile(
        "site.xml", configurationXml(object("ColorConfiguration", color("Loop", "0.2", " editable=\"false\""))));
    const std::string user = writeFile(
        "user.xml", configurationXml(object("ColorConfiguration", color("Loop", "1") + color("OuterLoop", "1"))));
    const ToolRun valueLocked = runTool({"show", "ColorConfiguration", "--system", site, "--user", user});
    ASSERT_EQ(valueLocked.status, 0) << valueLocked.err;
    EXPECT_EQ(textRow(valueLocked.out, "Loop"),
              (std::vector<std::string>{"Loop", "12", "51,0,0", "0.2,0,0", "68,204,0", "0.26666668,0.8,0", "no", "Loop"}));
    EXPECT_EQ(textRow(valueLocked.out, "OuterLoop").at(2), "255,0,0");
    EXPECT_EQ(textRow(valueLocked.out, "OuterLoop").at(6), "yes");

    const std::string lockGroup =
        writeFile("lock-group.xml", configurationXml(object("ColorConfiguration", "", " editable=\"false\"")));
    const ToolRun groupLocked = runTool({"show", "ColorConfiguration", "--system", lockGroup});
    ASSERT_EQ(groupLocked.status, 0) << groupLocked.err;
    EXPECT_NE(groupLocked.out.find("ColorConfiguration (locked)\n"), std::string::npos) << groupLocked.out;
    EXPECT_EQ(textRow(groupLocked.out, "OuterLoop").at(6), "no");
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
