#include "QvconfigTestSupport.h"

namespace Quarvane
{
namespace QvconfigTesting
{
namespace
{
using QvconfigCommandLine = QvconfigTest;

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += " " + word;
    return text;
}

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
        {{"check", "missing.xml", "--help"}, 0, "Usage: qvconfig check"},
        {{"show", "--format=json", "--product=1"}, 0, "\"product\": \"Designer\""},
        {{"show", "--", "--bogus"}, 1, "unknown group --bogus"},
        {{}, 2, "Usage: qvconfig COMMAND"},
        {{"frobnicate"}, 2, "unknown command frobnicate\nTry 'qvconfig --help'."},
        {{"show", "--bogus"}, 2, "unknown option --bogus\nTry 'qvconfig show --help'."},
        {{"show", "--system"}, 2, "--system needs an argument"},
        {{"show", "--user", "--product", "2"}, 2, "--user needs an argument"},
        {{"show", "--user", "a.xml", "--user=b.xml"}, 2, "--user is given more than once"},
        {{"show", "--help=yes"}, 2, "--help takes no argument"},
        {{"show", "--product", "64"}, 2, "names no product"},
        {{"show", "--format", "yaml"}, 2, "--format must be text or json or xml"},
        {{"show", "One", "Two"}, 2, "at most one group"},
        {{"check"}, 2, "exactly one file"},
        {{"show", "NoSuchGroup"}, 1, "error: unknown group NoSuchGroup"},
        {{"check", "/nonexistent/qvconfig.xml"}, 1, "error: cannot read /nonexistent/qvconfig.xml: No such file or directory"},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE("qvconfig" + joined(expected.arguments));
        const ToolRun run = runTool(expected.arguments);
        EXPECT_EQ(run.status, expected.status);
        EXPECT_NE((expected.status == 0 ? run.out : run.err).find(expected.expected), std::string::npos)
            << run.out << run.err;
        EXPECT_EQ(expected.status == 0 ? run.err : run.out, "");
    }
}

}  // namespace
}  // namespace QvconfigTesting
}  // namespace Quarvane
