// The command line, show and the text it writes, run in-process with groups of the tests' own.
#include "QvconfigTestSupport.h"
#include "TestGroups.h"

#include "tools/qvconfig/ObjectView.h"
#include "tools/qvconfig/TextFormat.h"

#include "Platform/Core/Service/Security/SecurityTools.h"

#include <memory>

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigCommandLine = QvconfigTest;

// A command that succeeds writes only to stdout; one that fails or is misused only to stderr.
TEST_F(QvconfigCommandLine, ExitStatusAndStream)
{
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string expected;
    } cases[] = {
        {{"--help"}, 0, "Usage: qvconfig COMMAND"},
        {{"show", "NoSuchGroup", "--format", "json", "--help"}, 0, "Usage: qvconfig show"},
        {{"show", "--format=json", "--product=1"}, 0, "\"product\": \"Designer\""},
        {{"show", "--", "--bogus"}, 1, "error: unknown group --bogus"},
        {{}, 2, "Usage: qvconfig COMMAND"},
        {{"frobnicate"}, 2, "unknown command frobnicate\nTry 'qvconfig --help'."},
        {{"show", "--bogus"}, 2, "unknown option --bogus\nTry 'qvconfig show --help'."},
        {{"show", "--system"}, 2, "--system needs an argument"},
        {{"show", "--user", "a.xml", "--user=b.xml"}, 2, "--user is given more than once"},
        {{"show", "--product", "64"}, 2, "names no product"},
        {{"show", "--format", "yaml"}, 2, "--format must be text or json or xml"},
        {{"show", "One", "Two"}, 2, "at most one group"},
        {{"check"}, 2, "exactly one file"},
        {{"ranges", "extra"}, 2, "ranges takes no arguments"},
        {{"ranges", "--dominant", "1"}, 2, "--dominant takes a number of colours from 2 to 1000"},
        {{"ranges", "--dominant", "1001"}, 2, "not \"1001\""},
        {{"ranges", "--png", "/nonexistent/folder/ranges.png"}, 1, "error: cannot write /nonexistent/folder/"},
        {{"report"}, 2, "report needs --html FILE"},
        {{"report", "--html", "a.html", "extra"}, 2, "report takes no arguments"},
        {{"report", "--html", "/nonexistent/folder/report.html"}, 1, "error: cannot write /nonexistent/folder/report.html"},
        {{"colors", "extra"}, 2, "colors takes no arguments"},
        {{"check", "/nonexistent/qvconfig.xml"}, 1, "error: cannot read /nonexistent/qvconfig.xml: No such file or directory"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(expected.arguments));
        const ToolRun run = runTool(expected.arguments);
        EXPECT_EQ(run.status, expected.status);
        EXPECT_NE((expected.status == 0 ? run.out : run.err).find(expected.expected), std::string::npos)
            << run.out << run.err;
        EXPECT_EQ(expected.status == 0 ? run.err : run.out, "");
    }
}

// A value must stay on one line, and an empty or blank string must still be visible.
TEST(QvconfigTextFormat, DisplayValueKeepsAValueOnOneReadableLine)
{
    const struct
    {
        std::string type;
        std::string text;
        std::string shown;
    } cases[] = {
        {"string", "", "\"\""},
        {"string", "a\nb\tc\rd", "\"a\\nb\\tc\\rd\""},
        {"string", "say \"hi\" \\o/", "\"say \\\"hi\\\" \\\\o/\""},
        {"string", std::string("x\x01y", 3), "\"x\\x01y\""},
    };
    for (const auto& expected : cases)
        EXPECT_EQ(QvConfig::displayValue(expected.type, expected.text), expected.shown);
}

TEST(QvconfigObjectView, LocksReachInwardAndVisibilityNeedsTheDialog)
{
    NestingTestGroup group;
    group.getConfigurationValue("Percent")->setEditable(false);
    const QvConfig::ObjectView open = QvConfig::describeObject(group, Products::Designer);
    EXPECT_TRUE(open.editable);
    EXPECT_FALSE(open.values[0].editable);  // Percent, locked itself
    EXPECT_TRUE(open.values[1].editable);   // Label, hidden from the dialog in every product
    EXPECT_FALSE(open.values[1].visible);
    EXPECT_TRUE(open.objects.at(0).values.at(0).editable);

    group.setEditable(false);
    const QvConfig::ObjectView locked = QvConfig::describeObject(group, Products::Designer);
    EXPECT_FALSE(locked.values[1].editable);
    EXPECT_EQ(locked.objects.at(0).path, "NestingTestGroup/Limits");
    EXPECT_FALSE(locked.objects.at(0).editable);
    EXPECT_FALSE(locked.objects.at(0).values.at(0).editable);
}

using QvconfigGlobalState = QvconfigTest;

// A group registered after the library's own, as a later release adds them.
TEST_F(QvconfigGlobalState, ShowPicksUpALaterGroupWithItsChildren)
{
    ASSERT_TRUE(ConfigurationManager::getInstance().addConfigurationObject(std::make_shared<NestingTestGroup>(),
                                                                          "NestingTestGroup"));
    const ToolRun run = runTool({"show", "NestingTestGroup"});
    ASSERT_EQ(run.status, 0) << run.err;
    // A child's table is indented under its own heading; the guide's examples pin the columns.
    EXPECT_NE(run.out.find("\n  NestingTestGroup/Limits (editable)\n    KEY      TYPE    VALUE  DEFAULT  EDITABLE  VISIBLE  "
                           "DESCRIPTION\n    Maximum  double  2.5    2.5      yes       yes      Upper limit\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find("AutoSaveConfiguration"), std::string::npos) << run.out;
}

// The colours a site locks show locked.
TEST_F(QvconfigGlobalState, ColoursLockedByASystemFileShowLocked)
{
    const std::string site = writeFile(
        "site.xml", configurationXml(storedObject("ColorConfiguration", storedColor("Loop", "0.2", " editable=\"false\""))));
    const std::string user = writeFile("user.xml", configurationXml(storedObject(
                                                       "ColorConfiguration", storedColor("Loop", "1") + storedColor("OuterLoop", "1"))));
    const ToolRun valueLocked = runTool({"show", "ColorConfiguration", "--system", site, "--user", user});
    ASSERT_EQ(valueLocked.status, 0) << valueLocked.err;
    EXPECT_EQ(textRow(valueLocked.out, "Loop"),
              (std::vector<std::string>{"Loop", "12", "51,0,0", "0.2,0,0", "68,204,0", "0.26666668,0.8,0", "no", "Loop"}));
    EXPECT_EQ(textRow(valueLocked.out, "OuterLoop").at(2), "255,0,0");
    EXPECT_EQ(textRow(valueLocked.out, "OuterLoop").at(6), "yes");
}

using QvconfigShow = QvconfigTest;

// AutoSaveEnabled belongs to the products of mask 37: Designer, Forming and Progressive. The
// guide's examples show it visible in the default product.
TEST_F(QvconfigShow, ProductDecidesWhatIsVisible)
{
    const std::vector<std::string> row = textRow(runTool({"show", "--product", "trimming"}).out, "AutoSaveEnabled");
    EXPECT_EQ(row.size() > 5 ? row[5] : "", "no");
}

// A file that cannot be used fails the command; the values are shown all the same and the problem
// goes to stderr. (Warnings that leave the values usable exit 0: the administrator's guide shows them.)
TEST_F(QvconfigShow, ABrokenFileFailsTheCommandAndTheValuesAreStillShown)
{
    const std::string broken = writeFile("broken.xml", "<QuarvaneConfiguration version=\"1\">\n<object name=\"x\">");
    const std::string user =
        writeFile("user.xml", configurationXml(storedObject("AutoSaveConfiguration", storedValue("AutoSaveInterval", "int", "12"))));
    const ToolRun run = runTool({"show", "--system", broken, "--user", user});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: " + broken + ":2:"), std::string::npos) << run.err;
    EXPECT_EQ(textRow(run.out, "AutoSaveInterval").at(2), "12");
}

using QvconfigSecrets = QvconfigTest;

// Passwords the user file holds scrambled, one of them stored with the wrong type so that the
// load warns about it.
std::string userFileWithPasswords()
{
    return configurationXml(storedObject(
        "StandardFilesConfiguration",
        "<value key=\"ToolingPassword\" type=\"string\">" + SecurityTools::scrambleStringBase64("t0p-secret") +
            "</value><value key=\"CoilPricesPassword\" type=\"int\">5</value>"));
}

TEST_F(QvconfigSecrets, ShowMasksPasswordsInTextAndJson)
{
    const std::string user = writeFile("user.xml", userFileWithPasswords());
    const ToolRun text = runTool({"show", "StandardFilesConfiguration", "--user", user});
    ASSERT_EQ(text.status, 0) << text.err;
    const ToolRun json = runTool({"show", "StandardFilesConfiguration", "--user", user, "--format", "json"});
    for (const ToolRun& run : {text, json})
    {
        EXPECT_EQ((run.out + run.err).find("t0p-secret"), std::string::npos);
        EXPECT_EQ((run.out + run.err).find(SecurityTools::scrambleStringBase64("t0p-secret")), std::string::npos);
    }
    EXPECT_EQ(textRow(text.out, "ToolingPassword")[2], "\"********\"");
    EXPECT_EQ(textRow(text.out, "CoilPricesPassword")[2], "\"\"") << "an empty password shows as empty";
    const QJsonObject password = jsonValue(json.json(), "StandardFilesConfiguration", "ToolingPassword");
    EXPECT_EQ(password.value("value"), QJsonValue("********"));
    EXPECT_EQ(password.value("default"), QJsonValue(""));
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
