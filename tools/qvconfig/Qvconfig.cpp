#include "tools/qvconfig/Qvconfig.h"

#include "tools/qvconfig/CheckCommand.h"
#include "tools/qvconfig/ColorsCommand.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/RangesCommand.h"
#include "tools/qvconfig/ReportCommand.h"
#include "tools/qvconfig/ScaleCommand.h"
#include "tools/qvconfig/ShowCommand.h"
#include "tools/qvconfig/Usage.h"

#include <exception>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
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
    if (command == "show")
        return runShow(rest, out, err);
    if (command == "check")
        return runCheck(rest, out, err);
    if (command == "ranges")
        return runRanges(rest, out, err);
    if (command == "colors")
        return runColors(rest, out, err);
    if (command == "scale")
        return runScale(rest, out, err);
    if (command == "report")
        return runReport(rest, out, err);
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
