#include "QvconfigTestSupport.h"

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigCheck = QvconfigTest;

TEST_F(QvconfigCheck, MalformedFileIsRejectedWithItsPlace)
{
    const std::string file = writeFile("broken.xml", configurationXml(autoSave(
                                                         "\n<value key=\"AutoSaveInterval\">10</value>")));
    const ToolRun run = runTool({"check", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("error: " + file + ":4:", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(": <value> has no type attribute"), std::string::npos) << run.err;
}

// Objects of a newer release are reported but are no fault; the live groups never see the file.
TEST_F(QvconfigCheck, CleanFileWithAnUnknownObjectPasses)
{
    const std::string file = writeFile(
        "clean.xml", configurationXml(object("FutureGroup", intValue("Anything", "1")) +
                                      autoSave(intValue("AutoSaveEnabled", "1") + intValue("AutoSaveInterval", "42"))));
    const ToolRun run = runTool({"check", file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "unknown object FutureGroup: kept as is\n" + file + ": clean\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(AutoSaveConfiguration::getRegisteredInstance()->getAutoSaveIntervalInMinutes(), 5);
}

TEST_F(QvconfigCheck, UnusableValuesAreWarningsAndFail)
{
    const struct
    {
        std::string value;
        std::string warning;
    } cases[] = {
        {intValue("AutoSaveInterval", "ten"), "AutoSaveConfiguration/AutoSaveInterval: the stored text is not a valid int"},
        {intValue("AutoSaveInterval", "99999999999"), "is not a valid int"},
        {intValue("AutoSaveInterval", "2.5"), "is not a valid int"},
        {"<value key=\"AutoSaveInterval\" type=\"string\">7</value>", "stored as string, expected int"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(expected.value);
        const std::string file = writeFile("bad.xml", configurationXml(autoSave("\n" + expected.value)));
        const ToolRun run = runTool({"check", file});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out.rfind("warning: " + file + ":4:", 0), 0u) << run.out;
        EXPECT_NE(run.out.find(expected.warning), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("\n" + file + ": 1 warning, 0 repairs\n"), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
