#include "tools/qvconfig/CheckCommand.h"

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/Usage.h"
#include "tools/qvconfig/ValueAddress.h"
#include "tools/qvconfig/ValueRecord.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/NearestNames.h"

#include <algorithm>
#include <ostream>
#include <tuple>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "check";

// Findings of FILE first, then those of the files around it; each file's by line and column.
void sortFindings(std::vector<ConfigurationFinding>& findings, const std::string& file)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [&file](const ConfigurationFinding& left, const ConfigurationFinding& right) {
                         return std::make_tuple(left.file != file, left.line, left.column) <
                                std::make_tuple(right.file != file, right.line, right.column);
                     });
}

std::string findingText(const ConfigurationFinding& finding)
{
    std::string text = finding.file + ":";
    if (finding.line > 0)
        text += std::to_string(finding.line) + ":" + (finding.column > 0 ? std::to_string(finding.column) + ":" : "");
    text += finding.severity == ConfigurationFinding::Severity::Error ? " error: " : " warning: ";
    if (!finding.group.empty())
        text += finding.key.empty() ? finding.group + ": " : finding.group + "/" + finding.key + ": ";
    return text + finding.message;
}

// A load takes a locked value as the locking file has it, even outside its rule, and says
// nothing; for the administrator who wrote the file it is still a mistake.
std::vector<ConfigurationFinding> lockedOutsideRule(const ConfigurationLoadResult& account)
{
    std::vector<ConfigurationFinding> findings;
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : manager.getConfigurationObjectNames())
        for (const ValueRecord& record :
             recordsOf(*manager.getConfigurationObject(name), BuildInformation::getProductType(), account))
        {
            double number = 0.0;
            if (record.editable || record.isColour() || !record.rule.isDeclared() ||
                record.origin.source == ValueOrigin::Source::Default || !ConfigValueText::parse(record.text, number) ||
                record.rule.allows(number))
                continue;
            findings.push_back({ConfigurationFinding::Severity::Warning, record.origin.file, record.origin.line, 0,
                                record.path, record.key,
                                record.text + " is outside " + record.rule.describe() +
                                    "; kept, as the value is locked"});
        }
    return findings;
}

// Top-level objects no group claims are kept for a newer release, so they are no finding; but a
// name one slip away from a known group is most likely that group misspelt.
std::vector<ConfigurationFinding> misspeltGroups(const std::string& file, std::vector<std::string>& notes)
{
    std::vector<ConfigurationFinding> findings;
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : ConfigReader::fromFile(file).getObjectNames())
    {
        if (manager.getConfigurationObject(name) != nullptr)
            continue;
        const std::vector<std::string> near = nearestNames(name, manager.getConfigurationObjectNames());
        if (near.empty())
            notes.push_back(file + ": note: unknown group " + name + ", kept for the release that wrote it");
        else
            findings.push_back({ConfigurationFinding::Severity::Warning, file, 0, 0, name, "",
                                "unknown group; did you mean \"" + near.front() + "\"?"});
    }
    return findings;
}
}  // namespace

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string format;
    const std::vector<AcceptedOption> options{{"help", 'h', false, false},
                                              {"system", 0, true, true},
                                              {"as-system", 0, false, false},
                                              {"format", 0, true, false}};
    if (auto status = parseArguments(arguments, options, s_command, checkUsage(), commandLine, out, err))
        return *status;
    if (auto status = readCommonOptions(commandLine, {"text", "json"}, s_command, format, err))
        return *status;
    if (commandLine.positionals().size() != 1)
        return usageError(err, s_command, "check takes exactly one file");

    const std::string& file = commandLine.positionals().front();
    if (const std::string missing = missingFileError(file); !missing.empty())
    {
        err << "error: " << missing << '\n';
        return ExitFailure;
    }
    // Judged in groups of its own: the registered ones keep what the process loaded.
    ConfigurationManager::ScopedInstance scope;
    ConfigurationGroups::registerAll();
    std::vector<std::string> systemFiles = commandLine.values("system");
    const bool asSystem = commandLine.has("as-system");
    if (asSystem)
        systemFiles.push_back(file);
    ConfigurationLoadResult account =
        ConfigurationManager::getInstance().loadConfiguration(systemFiles, asSystem ? std::string() : file);
    std::vector<ConfigurationFinding> findings = account.findings;
    std::vector<std::string> notes;
    for (const auto& more : {misspeltGroups(file, notes), lockedOutsideRule(account)})
        findings.insert(findings.end(), more.begin(), more.end());
    sortFindings(findings, file);

    if (format == "json")
        writeJsonDocument({{"file", QString::fromStdString(file)}, {"clean", findings.empty()},
                           {"findings", toJson(findings)}},
                          out);
    else
    {
        for (const ConfigurationFinding& finding : findings)
            out << findingText(finding) << '\n';
        for (const std::string& note : notes)
            out << note << '\n';
        out << file << ": "
            << (findings.empty() ? "clean"
                                 : std::to_string(findings.size()) + (findings.size() == 1 ? " finding" : " findings"))
            << '\n';
    }
    return findings.empty() ? ExitSuccess : ExitFailure;
}

}  // namespace QvConfig
}  // namespace Quarvane
