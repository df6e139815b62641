#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include <functional>

namespace Quarvane
{
namespace
{
// Add each new group here, and it appears in every tool.
ConfigurationObject* registeredGroups(std::size_t index)
{
    static const std::function<ConfigurationObject*()> groups[] = {
        [] { return AutoSaveConfiguration::getRegisteredInstance(); },
        [] { return MiscellaneousConfiguration::getRegisteredInstance(); },
        [] { return StandardFilesConfiguration::getRegisteredInstance(); },
        [] { return &DrawingEngineConfiguration::getRegisteredInstance(); },
        [] { return ExportImageConfiguration::getRegisteredInstance(); },
        [] { return ExportOffsetSurfaceConfiguration::getRegisteredInstance(); },
        [] { return InputModeConfiguration::getRegisteredInstance(); },
        [] { return SoftwareManualConfiguration::getRegisteredInstance(); },
        [] { return TrevoaConfiguration::getRegisteredInstance(); },
        [] { return StartupWindowsConfiguration::getRegisteredInstance(); },
        [] { return ThreeDViewConfiguration::getRegisteredInstance(); },
        [] { return UpdateConfiguration::getRegisteredInstance(); },
        [] { return ColorConfiguration::getRegisteredInstance(); },
    };
    return index < std::size(groups) ? groups[index]() : nullptr;
}
}  // namespace

std::vector<std::string> ConfigurationGroups::registerAll()
{
    std::vector<std::string> names;
    for (std::size_t index = 0; ConfigurationObject* group = registeredGroups(index); ++index)
        names.push_back(group->getName());
    return names;
}

}  // namespace Quarvane
