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

TEST_F(QvconfigGlobalState, ShowPicksUpALaterGroupWithItsChildren)
{
    registerClampingGroup();
    const ToolRun run = runTool({"show", "ClampingTestGroup"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n  ClampingTestGroup/Limits (editable)\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("AutoSaveConfiguration"), std::string::npos) << run.out;
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
