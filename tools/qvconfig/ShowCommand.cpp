#include "tools/qvconfig/ShowCommand.h"

#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/LoadedConfiguration.h"
#include "tools/qvconfig/ObjectView.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"
#include "tools/qvconfig/ValueAddress.h"
#include "tools/qvconfig/ValueRecord.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <algorithm>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "show";

struct ShowRequest
{
    std::optional<ValueAddress> address;  // none: every group
    std::string format;
    bool origin = false;
    bool changed = false;
    int width = TextWidth;
    std::vector<std::string> systemFiles;
    std::string userFile;
};

std::optional<int> readRequest(const CommandLine& commandLine, ShowRequest& request, std::ostream& err)
{
    if (auto status = readCommonOptions(commandLine, {"text", "json", "xml"}, s_command, request.format, err))
        return *status;
    if (commandLine.positionals().size() > 1)
        return usageError(err, s_command, "show takes at most one group or value, not " +
                                              std::to_string(commandLine.positionals().size()));
    request.origin = commandLine.has("origin");
    request.changed = commandLine.has("changed");
    if (request.format == "xml" && !request.changed)
        return usageError(err, s_command, "--format xml writes a configuration file: use it with --changed");
    request.width = commandLine.has("wide") ? 0 : TextWidth;
    request.systemFiles = commandLine.values("system");
    request.userFile = commandLine.value("user");
    ConfigurationGroups::registerAll();
    if (commandLine.positionals().empty())
        return std::nullopt;
    std::string error;
    request.address = resolveAddress(commandLine.positionals().front(), true, error);
    if (!request.address)
    {
        err << "error: " << error << '\n';
        return ExitFailure;
    }
    return std::nullopt;
}

std::vector<const ConfigurationObject*> selectedGroups(const ShowRequest& request)
{
    if (request.address)
        return {request.address->group};
    std::vector<const ConfigurationObject*> groups;
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : manager.getConfigurationObjectNames())
        groups.push_back(manager.getConfigurationObject(name));
    return groups;
}

bool isChanged(const ValueRecord& record)
{
    return record.isColour() ? !(record.colour == record.defaultColour) : record.text != record.defaultText;
}

std::vector<ValueRecord> recordsFor(const ConfigurationObject& group, const ShowRequest& request,
                                    const LoadedConfiguration& loaded)
{
    const ProductType product = BuildInformation::getProductType();
    std::vector<ValueRecord> records =
        request.address && request.address->kind != ValueAddress::Kind::Group
            ? std::vector<ValueRecord>{recordOf(*request.address, product, loaded.account)}
            : recordsOf(group, product, loaded.account);
    if (request.changed)
        records.erase(std::remove_if(records.begin(), records.end(), [](const ValueRecord& r) { return !isChanged(r); }),
                      records.end());
    findLocks(records, request.systemFiles);
    return records;
}

// The changed values as a configuration file: what a site file needs to give the same
// configuration. Secrets and run-time values are left out; a template carries neither.
void writeChangedXml(const ShowRequest& request, const LoadedConfiguration& loaded, std::ostream& out,
                     std::ostream& err)
{
    ConfigFileEditor file;
    for (const ConfigurationObject* group : selectedGroups(request))
        for (const ValueRecord& record : recordsFor(*group, request, loaded))
        {
            if (record.secret || record.persistence == Persistences::RuntimeValue)
            {
                err << "note: " << record.name() << " left out (" << (record.secret ? "a secret" : "run-time") << ")\n";
                continue;
            }
            if (!record.isColour())
            {
                file.putValue(record.entryObjects, record.entryKey, record.type, record.text);
                continue;
            }
            file.putValue(record.entryObjects, "r", "float", ConfigValueText::format(record.colour.red));
            file.putValue(record.entryObjects, "g", "float", ConfigValueText::format(record.colour.green));
            file.putValue(record.entryObjects, "b", "float", ConfigValueText::format(record.colour.blue));
        }
    out << file.toXml();
}

void writeJsonReport(const ShowRequest& request, const LoadedConfiguration& loaded, std::ostream& out)
{
    std::vector<JsonGroup> groups;
    for (const ConfigurationObject* group : selectedGroups(request))
        groups.push_back({group->getName(), group->isEditable(), recordsFor(*group, request, loaded)});
    writeShowJson(BuildInformation::productName(BuildInformation::getProductType()), groups,
                  loaded.account.findings, out);
}

// One value as a one-row table, with the columns of "show".
void writeValueRow(const ShowRequest& request, const LoadedConfiguration& loaded, std::ostream& out)
{
    const ValueRecord record = recordsFor(*request.address->group, request, loaded).front();
    const std::string value = record.isColour() ? record.text : displayValue(record.type, record.text);
    const std::string defaultValue = record.isColour() ? record.defaultText : displayValue(record.type, record.defaultText);
    std::vector<std::vector<std::string>> rows{{"NAME", "TYPE", "VALUE", "DEFAULT", "EDITABLE", "VISIBLE", "DESCRIPTION"},
                                               {record.name(), record.type, value, defaultValue,
                                                record.editable ? "yes" : "no", record.visible ? "yes" : "no",
                                                record.description}};
    if (request.origin)
    {
        rows[0].insert(rows[0].end() - 1, "ORIGIN");
        rows[1].insert(rows[1].end() - 1, originText(record, request.userFile));
    }
    writeTable(rows, "", out, request.width);
}

// Adds what set each value to the views, and with --changed keeps only changed values.
void annotate(ObjectView& view, const std::vector<ValueRecord>& records, const ShowRequest& request)
{
    const auto recordFor = [&](const std::string& key) -> const ValueRecord* {
        const auto found = std::find_if(records.begin(), records.end(), [&](const ValueRecord& record) {
            return record.path == view.path && record.key == key;
        });
        return found == records.end() ? nullptr : &*found;
    };
    auto& values = view.values;
    values.erase(std::remove_if(values.begin(), values.end(),
                                [&](const ValueView& value) { return recordFor(value.key) == nullptr; }),
                 values.end());
    for (ValueView& value : values)
        value.origin = request.origin ? originText(*recordFor(value.key), request.userFile) : std::string();
    if (view.listing)
    {
        auto& rows = view.listing->rows;
        rows.erase(std::remove_if(rows.begin(), rows.end(),
                                  [&](const std::vector<std::string>& row) { return recordFor(row.front()) == nullptr; }),
                   rows.end());
        if (request.origin)
        {
            view.listing->headers.insert(view.listing->headers.end() - 1, "ORIGIN");
            for (std::vector<std::string>& row : rows)
                row.insert(row.end() - 1, originText(*recordFor(row.front()), request.userFile));
        }
    }
    for (ObjectView& child : view.objects)
        annotate(child, records, request);
}

// With --changed, objects left without values go.
bool isEmpty(ObjectView& view)
{
    auto& children = view.objects;
    children.erase(std::remove_if(children.begin(), children.end(), isEmpty), children.end());
    return view.values.empty() && (!view.listing || view.listing->rows.empty()) && children.empty();
}

void writeTextReport(const ShowRequest& request, const LoadedConfiguration& loaded, std::ostream& out)
{
    if (request.address && request.address->kind != ValueAddress::Kind::Group)
        return writeValueRow(request, loaded, out);
    ShowReport report;
    report.product = BuildInformation::getProductType();
    report.productName = BuildInformation::productName(report.product);
    for (const ConfigurationObject* group : selectedGroups(request))
    {
        ObjectView view = describeObject(*group, report.product);
        if (request.origin || request.changed)
            annotate(view, recordsFor(*group, request, loaded), request);
        if (!request.changed || !isEmpty(view))
            report.groups.push_back(std::move(view));
    }
    writeText(report, out, request.width, request.origin);
}
}  // namespace

int runShow(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    const auto options = layerOptions({{"format", 0, true, false},
                                       {"origin", 0, false, false},
                                       {"changed", 0, false, false},
                                       {"wide", 0, false, false}});
    if (auto status = parseArguments(arguments, options, s_command, showUsage(), commandLine, out, err))
        return *status;
    ShowRequest request;
    if (auto status = readRequest(commandLine, request, err))
        return *status;

    const LoadedConfiguration loaded = loadConfiguration({request.systemFiles, request.userFile});
    const bool usable = writeLoadProblems(loaded, err);
    if (request.format == "json")
        writeJsonReport(request, loaded, out);
    else if (request.format == "xml")
        writeChangedXml(request, loaded, out, err);
    else
        writeTextReport(request, loaded, out);
    return usable ? ExitSuccess : ExitFailure;
}

}  // namespace QvConfig
}  // namespace Quarvane
