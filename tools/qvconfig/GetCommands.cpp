#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"
#include "tools/qvconfig/ValueAddress.h"
#include "tools/qvconfig/ValueCommands.h"
#include "tools/qvconfig/ValueRecord.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"

#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// The value as "show" writes it: strings quoted, colours as their bytes.
std::string shownValue(const ValueRecord& record, const std::string& text)
{
    return record.isColour() ? text : displayValue(record.type, text);
}

std::string ruleText(const ValueRecord& record)
{
    if (record.isColour())
        return "three components 0..1 (or 0..255 bytes)";
    const std::string rule = record.rule.describe();
    return rule.empty() ? "any " + record.type : rule;
}

std::string visibilityText(const ValueRecord& record)
{
    return record.visible ? "shown in the settings dialog" : "not shown in the settings dialog";
}

void describeValue(const ValueRecord& record, int width, std::ostream& out)
{
    const std::vector<std::vector<std::string>> rows{
        {record.name(), ""},
        {"type", record.type},
        {"value", shownValue(record, record.text)},
        {"default", shownValue(record, record.defaultText)},
        {"rule", ruleText(record)},
        {"set by", persistenceName(record.persistence) + (record.editable ? "" : " (locked)")},
        {"products", productsText(record.products)},
        {"visibility", visibilityText(record)},
        {"description", record.description},
    };
    out << rows.front().front() << '\n';
    writeTable({rows.begin() + 1, rows.end()}, "  ", out, width);
}

void describeGroup(const std::vector<ValueRecord>& records, const std::string& group, int width, std::ostream& out)
{
    std::vector<std::vector<std::string>> rows{{"KEY", "TYPE", "DEFAULT", "RULE", "SET BY", "DESCRIPTION"}};
    for (const ValueRecord& record : records)
    {
        const std::string key = record.path == group ? record.key : record.name().substr(group.size() + 1);
        rows.push_back({key, record.type, shownValue(record, record.defaultText),
                        record.isColour() ? "0..1" : record.rule.describe(), persistenceName(record.persistence),
                        record.description});
    }
    out << group << '\n';
    writeTable(rows, "  ", out, width);
}

std::optional<ValueAddress> resolveOrReport(const std::string& name, bool groupAllowed, std::ostream& err)
{
    std::string error;
    std::optional<ValueAddress> address = resolveAddress(name, groupAllowed, error);
    if (!address)
        err << "error: " << error << '\n';
    return address;
}
}  // namespace

int runGet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string format;
    if (auto status = parseArguments(arguments, layerOptions({{"format", 0, true, false}}), "get", getUsage(),
                                     commandLine, out, err))
        return *status;
    if (auto status = readCommonOptions(commandLine, {"text", "json"}, "get", format, err))
        return *status;
    if (commandLine.positionals().size() != 1)
        return usageError(err, "get", "get takes one GROUP/KEY");
    ConfigurationGroups::registerAll();
    const std::optional<ValueAddress> address = resolveOrReport(commandLine.positionals().front(), false, err);
    if (!address)
        return ExitFailure;
    const LoadedConfiguration loaded = loadLayers(commandLine);
    const bool usable = writeLoadProblems(loaded, err);
    const ValueRecord record = recordOf(*address, BuildInformation::getProductType(), loaded.account);
    if (format == "json")
        writeJsonDocument({{"value", toJson(record)}, {"findings", toJson(loaded.account.findings)}}, out);
    else
        out << shownValue(record, record.text) << '\n';
    return usable ? ExitSuccess : ExitFailure;
}

int runDescribe(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string format;
    const auto options = layerOptions({{"format", 0, true, false}, {"wide", 0, false, false}});
    if (auto status = parseArguments(arguments, options, "describe", describeUsage(), commandLine, out, err))
        return *status;
    if (auto status = readCommonOptions(commandLine, {"text", "json"}, "describe", format, err))
        return *status;
    if (commandLine.positionals().size() != 1)
        return usageError(err, "describe", "describe takes one GROUP or GROUP/KEY");
    ConfigurationGroups::registerAll();
    const std::optional<ValueAddress> address = resolveOrReport(commandLine.positionals().front(), true, err);
    if (!address)
        return ExitFailure;
    const LoadedConfiguration loaded = loadLayers(commandLine);
    const bool usable = writeLoadProblems(loaded, err);
    const ProductType product = BuildInformation::getProductType();
    const std::vector<ValueRecord> records =
        address->kind == ValueAddress::Kind::Group
            ? recordsOf(*address->group, product, loaded.account)
            : std::vector<ValueRecord>{recordOf(*address, product, loaded.account)};
    const int width = commandLine.has("wide") ? 0 : TextWidth;
    if (format == "json")
    {
        QJsonArray values;
        for (const ValueRecord& record : records)
            values.append(toJson(record));
        writeJsonDocument({{"values", values}, {"findings", toJson(loaded.account.findings)}}, out);
    }
    else if (address->kind == ValueAddress::Kind::Group)
        describeGroup(records, address->name(), width, out);
    else
        describeValue(records.front(), width, out);
    return usable ? ExitSuccess : ExitFailure;
}

}  // namespace QvConfig
}  // namespace Quarvane
