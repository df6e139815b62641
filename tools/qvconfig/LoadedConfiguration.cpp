#include "tools/qvconfig/LoadedConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <QtCore/QFile>

namespace Quarvane
{
namespace QvConfig
{

std::vector<std::string> LoadedConfiguration::warningsAbout(const std::string& group) const
{
    std::vector<std::string> found;
    for (const std::string& warning : warnings)
        if (warning.find(group) != std::string::npos)
            found.push_back(warning);
    return found;
}

LoadedConfiguration loadConfiguration(const ConfigurationFiles& files)
{
    ConfigurationGroups::registerAll();
    LoadedConfiguration loaded;
    if (files.systemFiles.empty() && files.userFile.empty())
        return loaded;
    // The application treats a missing user file as "nothing changed yet"; asked for by name here,
    // its absence is most likely a typing mistake worth pointing out.
    if (!files.userFile.empty() && !QFile::exists(QString::fromStdString(files.userFile)))
        loaded.warnings.push_back(files.userFile + ": the user configuration file does not exist");
    const ConfigurationLoadResult result =
        ConfigurationManager::getInstance().loadConfiguration(files.systemFiles, files.userFile);
    loaded.errors = result.errors;
    loaded.warnings.insert(loaded.warnings.end(), result.warnings.begin(), result.warnings.end());
    return loaded;
}

}  // namespace QvConfig
}  // namespace Quarvane
