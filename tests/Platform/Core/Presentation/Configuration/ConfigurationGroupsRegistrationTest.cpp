#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using namespace Quarvane;

template <class Group>
ConfigurationObject* registered()
{
    return Group::getRegisteredInstance();
}

ConfigurationObject* registeredDrawingEngine() { return &DrawingEngineConfiguration::getRegisteredInstance(); }

TEST(ConfigurationGroups, EachGroupRegistersOnceUnderItsClassNameForTools)
{
    const std::pair<const char*, ConfigurationObject* (*)()> groups[] = {
        {"DrawingEngineConfiguration", registeredDrawingEngine},
        {"ExportImageConfiguration", registered<ExportImageConfiguration>},
        {"ExportOffsetSurfaceConfiguration", registered<ExportOffsetSurfaceConfiguration>},
        {"InputModeConfiguration", registered<InputModeConfiguration>},
        {"SoftwareManualConfiguration", registered<SoftwareManualConfiguration>},
        {"TrevoaConfiguration", registered<TrevoaConfiguration>},
        {"StartupWindowsConfiguration", registered<StartupWindowsConfiguration>},
        {"ThreeDViewConfiguration", registered<ThreeDViewConfiguration>},
        {"UpdateConfiguration", registered<UpdateConfiguration>},
    };
    const std::vector<std::string> listed = ConfigurationGroups::registerAll();
    for (const auto& [name, registeredInstance] : groups)
    {
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
        ConfigurationObject* instance = registeredInstance();
        EXPECT_EQ(ConfigurationManager::getInstance().getConfigurationObject(name), instance) << name;
        EXPECT_EQ(registeredInstance(), instance) << name;
    }
    EXPECT_EQ(ConfigurationGroups::registerAll(), listed);
}

}  // namespace
