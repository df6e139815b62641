#include "tools/qvconfig/Qvconfig.h"

#include "tools/qvconfig/CheckCommand.h"
#include "tools/qvconfig/ColorsCommand.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/RangesCommand.h"
#include "tools/qvconfig/ReportCommand.h"
#include "tools/qvconfig/ScaleCommand.h"
#include "tools/qvconfig/ShowCommand.h"
#include "tools/qvconfig/Usage.h"
#include "tools/qvconfig/ValueCommands.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <exception>
#include <map>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
using Command = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

const std::map<std::string, Command> s_commands{
    {"show", runShow},     {"get", runGet},       {"describe", runDescribe}, {"check", runCheck},
    {"set", runSet},       {"reset", runReset},   {"lock", runLock},         {"unlock", runUnlock},
    {"ranges", runRanges}, {"colors", runColors}, {"scale", runScale},       {"report", runReport},
};

// "help COMMAND" is "COMMAND --help".
int help(const std::vector<std::string>& rest, std::ostream& out, std::ostream& err)
{
    if (rest.empty())
    {
        out << toolUsage();
        return ExitSuccess;
    }
    const auto found = s_commands.find(rest.front());
    if (rest.size() > 1 || found == s_commands.end())
        return usageError(err, "", "help takes one command, not \"" + rest.back() + "\"");
    return found->second({"--help"}, out, err);
}

int dispatch(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty())
    {
        err << toolUsage();
        return ExitUsage;
    }
    const std::string& command = arguments.front();
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h")
    {
        out << toolUsage();
        return ExitSuccess;
    }
    if (command == "--version")
    {
        out << "qvconfig " << QV_VERSION << '\n';
        return ExitSuccess;
    }
    if (command == "help")
        return help(rest, out, err);
    if (const auto found = s_commands.find(command); found != s_commands.end())
        return found->second(rest, out, err);
    if (command.size() > 1 && command[0] == '-')
        return usageError(err, "", "unknown option " + command);
    return usageError(err, "", "unknown command " + command);
}
}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    // A group that fails to register or load throws; the tool reports it like any other failure
    // instead of aborting with an uncaught exception.
    try
    {
        // A QUARVANE_PRODUCT that names no product stops the tool before it reads anything.
        BuildInformation::getProductType();
        return dispatch(arguments, out, err);
    }
    catch (const std::exception& exception)
    {
        err << "error: " << exception.what() << '\n';
        return ExitFailure;
    }
}

}  // namespace QvConfig
}  // namespace Quarvane
