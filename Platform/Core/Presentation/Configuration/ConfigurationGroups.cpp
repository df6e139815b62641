#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
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
