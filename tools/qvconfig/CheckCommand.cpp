#include "tools/qvconfig/CheckCommand.h"

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <memory>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "check";

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
};

// Values whose loaded text differs between the group's own load and the framework's plain one:
// the plain copy shows what the file stores, the group what it made of it. Secrets are left out:
// a group keeps them in another form than the file (a password is stored scrambled), and their
// text is never shown.
void collectRepairs(const std::string& groupName, const ConfigurationObject& loaded, const ConfigurationObject& stored,
                    std::vector<std::string>& repairs)
{
    for (const auto& value : loaded.getConfigurationValues())
    {
        const ConfigurationValueBase* storedValue = stored.getConfigurationValue(value->getName());
        if (value->isSecret() || storedValue == nullptr || value->comapreValue(*storedValue))
            continue;
        repairs.push_back(groupName + "/" + value->getName() + ": stored " +
                          displayValue(storedValue->getTypeName(), storedValue->getValueText()) + ", now " +
                          displayValue(value->getTypeName(), value->getValueText()));
    }
}

void checkGroup(ConfigReader& reader, const std::string& name, const ConfigurationObject& registered,
                CheckFindings& findings)
{
    // The reader's findings grow with every read; only those of the group's own load belong to
    // the report (the plain load below finds nothing new about the file).
    const std::size_t warningsBefore = reader.warnings().size();
    const std::unique_ptr<ConfigurationObject> loaded(registered.createConfigurationObject());
    reader.readConfigurationObject(name, *loaded);
    const std::vector<std::string> warnings = reader.warnings();
    findings.warnings.insert(findings.warnings.end(), warnings.begin() + warningsBefore, warnings.end());
    for (const std::string& message : loaded->getUserWarningMessages())
        findings.warnings.push_back(name + ": " + message);

    // Sliced on purpose: the copy loads through ConfigurationObject::loadContent, which takes
    // the stored values as they are, without the group's corrections.
    const std::unique_ptr<ConfigurationObject> defaults(registered.createConfigurationObject());
    ConfigurationObject stored(*defaults);
    reader.readConfigurationObject(name, stored);
    collectRepairs(name, *loaded, stored, findings.repairs);
}

void report(const std::string& file, const CheckFindings& findings, std::ostream& out)
{
    for (const std::string& warning : findings.warnings)
        out << "warning: " << warning << '\n';
    for (const std::string& repair : findings.repairs)
        out << "repaired: " << repair << '\n';
    for (const std::string& name : findings.unknownObjects)
        out << "unknown object " << name << ": kept as is\n";
    if (findings.isClean())
    {
        out << file << ": clean\n";
        return;
    }
    const auto count = [](std::size_t n, const char* noun) {
        return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
    };
    out << file << ": " << count(findings.warnings.size(), "warning") << ", "
        << count(findings.repairs.size(), "repair") << '\n';
}
}  // namespace

CheckFindings checkConfiguration(ConfigReader& reader, const ConfigurationManager& manager)
{
    CheckFindings findings;
    for (const std::string& name : reader.getObjectNames())
    {
        if (const ConfigurationObject* registered = manager.getConfigurationObject(name))
            checkGroup(reader, name, *registered, findings);
        else
            findings.unknownObjects.push_back(name);
    }
    return findings;
}

int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string error;
    if (!commandLine.parse(arguments, s_options, error))
        return usageError(err, s_command, error);
    if (commandLine.has("help"))
    {
        out << checkUsage();
        return ExitSuccess;
    }
    if (commandLine.positionals().size() != 1)
        return usageError(err, s_command, "check takes exactly one file");

    const std::string& file = commandLine.positionals().front();
    ConfigReader reader = ConfigReader::fromFile(file);
    if (!reader.isValid())
    {
        err << "error: " << reader.errorString() << '\n';
        return ExitFailure;
    }
    ConfigurationGroups::registerAll();
    const CheckFindings findings = checkConfiguration(reader, ConfigurationManager::getInstance());
    report(file, findings, out);
    return findings.isClean() ? ExitSuccess : ExitFailure;
}

}  // namespace QvConfig
}  // namespace Quarvane
