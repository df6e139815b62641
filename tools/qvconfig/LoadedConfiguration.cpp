#include "tools/qvconfig/LoadedConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <QtCore/QFile>

#include <algorithm>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
std::string LoadedConfiguration::originOf(const std::string& path, const std::string& key, const std::string& value,
                                          const std::string& defaultValue) const
{
    if (value == defaultValue)
        return "default";
    // A colour's components are the values of the colour's own object.
    ValueOrigin origin = account.originOf(path, key);
    if (origin.source == ValueOrigin::Source::Default)
        origin = account.originOf(path + "/" + key, "r");
    switch (origin.source)
    {
    case ValueOrigin::Source::SystemFile:
        return "site file";
    case ValueOrigin::Source::UserFile:
        return "user file";
    case ValueOrigin::Source::Default:
        break;
    }
    return "default";
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

LoadedConfiguration loadConfiguration(const ConfigurationFiles& files)
{
    ConfigurationGroups::registerAll();
    LoadedConfiguration loaded;
    if (files.systemFiles.empty() && files.userFile.empty())
        return loaded;
    ConfigurationManager& manager = ConfigurationManager::getInstance();
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
