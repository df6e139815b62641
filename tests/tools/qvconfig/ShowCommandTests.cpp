#include "QvconfigTestSupport.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigShow = QvconfigTest;

const QString s_group = "AutoSaveConfiguration";

// AutoSaveEnabled belongs to the products of mask 37: Designer, Forming and Progressive.
TEST_F(QvconfigShow, ProductDecidesWhatIsVisible)
{
    const struct
    {
        std::string product;
        const char* visible;
    } cases[] = {{"1", "yes"}, {"Designer", "yes"}, {"2", "no"}, {"trimming", "no"}, {"32", "yes"}};
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.product);
        const std::vector<std::string> row = textRow(runTool({"show", "--product", expected.product}).out,
                                                     "AutoSaveEnabled");
        ASSERT_GE(row.size(), 6u);
        EXPECT_EQ(row[5], expected.visible);
    }
}

TEST_F(QvconfigShow, UnreadableFileFailsButTheValuesAreStillShown)
{
    const std::string broken = writeFile("broken.xml", "<QuarvaneConfiguration version=\"1\">\n<object name=\"x\">");
    const std::string user = writeFile("user.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "12"))));
    const ToolRun run = runTool({"show", "--system", broken, "--user", user});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind("error: " + broken + ":2:", 0), 0u) << run.err;
    EXPECT_EQ(textRow(run.out, "AutoSaveInterval").at(2), "12");
}

// Problems that leave the values usable are reported, and the command still succeeds.
TEST_F(QvconfigShow, WarningsGoToStderr)
{
    const std::string notANumber =
        writeFile("user.xml", configurationXml(autoSave(intValue("AutoSaveInterval", "ten"))));
    const struct
    {
        std::vector<std::string> arguments;
        std::string warning;
    } cases[] = {
        {{"--user", notANumber}, "AutoSaveInterval: the stored text is not a valid int"},
        {{"--system", "/nonexistent/site.xml"}, "warning: /nonexistent/site.xml: "},
        {{"--user", "/nonexistent/user.xml"}, "warning: /nonexistent/user.xml: "},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.warning);
        std::vector<std::string> arguments{"show"};
        arguments.insert(arguments.end(), expected.arguments.begin(), expected.arguments.end());
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.err.find(expected.warning), std::string::npos) << run.err;
        EXPECT_EQ(textRow(run.out, "AutoSaveInterval").at(2), "5");
    }
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
