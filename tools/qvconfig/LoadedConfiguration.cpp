#include "tools/qvconfig/LoadedConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QFile>

#include <algorithm>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
void recordValues(const ObjectView& object, std::map<std::string, std::string>& values)
{
    for (const ValueView& value : object.values)
        values[object.path + "/" + value.key] = value.value;
    if (object.listing)
    {
        const int column = listingValueColumn(*object.listing);
        for (const std::vector<std::string>& row : object.listing->rows)
            if (column >= 0)
                values[object.path + "/" + row.front()] = row[static_cast<std::size_t>(column)];
    }
    for (const ObjectView& child : object.objects)
        recordValues(child, values);
}

std::map<std::string, std::string> currentValues()
{
    std::map<std::string, std::string> values;
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    for (const std::string& name : manager.getConfigurationObjectNames())
        if (const ConfigurationObject* group = manager.getConfigurationObject(name))
            recordValues(describeObject(*group, BuildInformation::getProductType()), values);
    return values;
}
}  // namespace

std::string LoadedConfiguration::originOf(const std::string& path, const std::string& key, const std::string& value,
                                          const std::string& defaultValue) const
{
    if (value == defaultValue)
        return "default";
    const auto site = siteValues.find(path + "/" + key);
    return site != siteValues.end() && site->second == value ? "site file" : "user file";
}

std::vector<std::string> LoadedConfiguration::refusalsOf(const std::string& path, const std::string& key) const
{
    const std::string place = path + "/" + key;
    std::vector<std::string> found;
    std::copy_if(warnings.begin(), warnings.end(), std::back_inserter(found), [&place](const std::string& warning) {
        const std::size_t at = warning.find(place);
        // "Group/Key:" or "Group/Key " and not "Group/KeyLonger".
        return at != std::string::npos && (at + place.size() == warning.size() || warning[at + place.size()] == ':' ||
                                           warning[at + place.size()] == ' ');
    });
    return found;
}

LoadedConfiguration loadConfiguration(const ConfigurationFiles& files, bool recordSiteValues)
{
    ConfigurationGroups::registerAll();
    LoadedConfiguration loaded;
    if (files.systemFiles.empty() && files.userFile.empty())
        return loaded;
    ConfigurationManager& manager = ConfigurationManager::getInstance();
    if (recordSiteValues)
    {
        manager.loadConfiguration(files.systemFiles, "");
        loaded.siteValues = currentValues();
    }
    // The application treats a missing user file as "nothing changed yet"; asked for by name here,
    // its absence is most likely a typing mistake worth pointing out.
    if (!files.userFile.empty() && !QFile::exists(QString::fromStdString(files.userFile)))
        loaded.warnings.push_back(files.userFile + ": the user configuration file does not exist");
    const ConfigurationLoadResult result = manager.loadConfiguration(files.systemFiles, files.userFile);
    loaded.account = result;
    loaded.errors = result.errors;
    loaded.warnings.insert(loaded.warnings.end(), result.warnings.begin(), result.warnings.end());
    return loaded;
}

bool writeLoadProblems(const LoadedConfiguration& loaded, std::ostream& err)
{
    for (const std::string& error : loaded.errors)
        err << "error: " << error << '\n';
    for (const std::string& warning : loaded.warnings)
        err << "warning: " << warning << '\n';
    return loaded.usable();
}

int listingValueColumn(const ListingView& listing)
{
    const auto found = std::find(listing.fields.begin(), listing.fields.end(), "value");
    return found == listing.fields.end() ? -1 : static_cast<int>(found - listing.fields.begin());
}

}  // namespace QvConfig
}  // namespace Quarvane
