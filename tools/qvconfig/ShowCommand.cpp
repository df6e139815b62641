#include "tools/qvconfig/ShowCommand.h"

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/LoadedConfiguration.h"
#include "tools/qvconfig/ObjectView.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <optional>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "show";

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
    {"system", 0, true, true},
    {"user", 0, true, false},
    {"product", 0, true, false},
    {"format", 0, true, false},
};

struct ShowRequest
{
    std::string group;  // empty: all
    std::vector<std::string> systemFiles;
    std::string userFile;
    ProductType product = 0;  // 0: the running product stays
    bool json = false;
};

// Fills `request` from the command line; returns the exit status when the command ends here
// (help or a wrong command line), nothing when it goes on.
std::optional<int> readRequest(const CommandLine& commandLine, ShowRequest& request, std::ostream& out,
                               std::ostream& err)
{
    if (commandLine.has("help"))
    {
        out << showUsage();
        return ExitSuccess;
    }
    if (commandLine.positionals().size() > 1)
        return usageError(err, s_command, "show takes at most one group, not " +
                                              std::to_string(commandLine.positionals().size()));
    if (!commandLine.positionals().empty())
        request.group = commandLine.positionals().front();
    const std::string format = commandLine.value("format", "text");
    if (format != "text" && format != "json")
        return usageError(err, s_command, "--format must be text or json, not \"" + format + "\"");
    request.json = format == "json";
    if (commandLine.has("product"))
    {
        const std::string product = commandLine.value("product");
        request.product = BuildInformation::productFromText(product);
        if (request.product == 0)
            return usageError(err, s_command, "--product \"" + product + "\" names no product (1..63 or a name)");
    }
    request.systemFiles = commandLine.values("system");
    request.userFile = commandLine.value("user");
    return std::nullopt;
}

std::string knownGroups(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list.empty() ? "none" : list;
}

// Every registered group, or only `group`; nothing (and a message) when no group has that name.
std::optional<std::vector<std::string>> selectGroups(const std::string& group, std::ostream& err)
{
    const std::vector<std::string> names = ConfigurationManager::getInstance().getConfigurationObjectNames();
    if (group.empty())
        return names;
    if (ConfigurationManager::getInstance().getConfigurationObject(group) != nullptr)
        return std::vector<std::string>{group};
    err << "error: unknown group " << group << "; known groups: " << knownGroups(names) << '\n';
    return std::nullopt;
}

ShowReport buildReport(const std::vector<std::string>& groupNames)
{
    ShowReport report;
    report.product = BuildInformation::getProductType();
    report.productName = BuildInformation::productName(report.product);
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : groupNames)
        if (const ConfigurationObject* group = manager.getConfigurationObject(name))
            report.groups.push_back(describeObject(*group, report.product));
    return report;
}
}  // namespace

int runShow(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string error;
    if (!commandLine.parse(arguments, s_options, error))
        return usageError(err, s_command, error);
    ShowRequest request;
    if (const std::optional<int> status = readRequest(commandLine, request, out, err))
        return *status;

    // The product decides which values are visible and may decide what groups do while loading,
    // so it is in place before any group exists.
    if (request.product != 0)
        BuildInformation::setProductType(request.product);
    ConfigurationGroups::registerAll();
    const std::optional<std::vector<std::string>> names = selectGroups(request.group, err);
    if (!names)
        return ExitFailure;

    const bool loaded = writeLoadProblems(loadConfiguration({request.systemFiles, request.userFile}), err);
    const ShowReport report = buildReport(*names);
    if (request.json)
        writeJson(report, out);
    else
        writeText(report, out);
    return loaded ? ExitSuccess : ExitFailure;
}

}  // namespace QvConfig
}  // namespace Quarvane
