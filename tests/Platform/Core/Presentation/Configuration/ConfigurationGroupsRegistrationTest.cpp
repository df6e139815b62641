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

TEST(ConfigurationGroups, EachGroupRegistersOnceUnderItsClassNameForTools)
{
    const std::pair<const char*, ConfigurationObject* (*)()> groups[] = {
        {"DrawingEngineConfiguration", [] { return static_cast<ConfigurationObject*>(
                                                &DrawingEngineConfiguration::getRegisteredInstance()); }},
        {"ExportImageConfiguration",
         [] { return static_cast<ConfigurationObject*>(ExportImageConfiguration::getRegisteredInstance()); }},
        {"ExportOffsetSurfaceConfiguration",
         [] { return static_cast<ConfigurationObject*>(ExportOffsetSurfaceConfiguration::getRegisteredInstance()); }},
        {"InputModeConfiguration",
         [] { return static_cast<ConfigurationObject*>(InputModeConfiguration::getRegisteredInstance()); }},
        {"SoftwareManualConfiguration",
         [] { return static_cast<ConfigurationObject*>(SoftwareManualConfiguration::getRegisteredInstance()); }},
        {"TrevoaConfiguration",
         [] { return static_cast<ConfigurationObject*>(TrevoaConfiguration::getRegisteredInstance()); }},
        {"StartupWindowsConfiguration",
         [] { return static_cast<ConfigurationObject*>(StartupWindowsConfiguration::getRegisteredInstance()); }},
        {"ThreeDViewConfiguration",
         [] { return static_cast<ConfigurationObject*>(ThreeDViewConfiguration::getRegisteredInstance()); }},
        {"UpdateConfiguration",
         [] { return static_cast<ConfigurationObject*>(UpdateConfiguration::getRegisteredInstance()); }},
    };
    ConfigurationManager& manager = ConfigurationManager::getInstance();
    const std::vector<std::string> listed = ConfigurationGroups::registerAll();
    for (const auto& [name, registered] : groups)
    {
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
        ConfigurationObject* instance = registered();
        EXPECT_EQ(instance->getName(), name);
        EXPECT_EQ(manager.getConfigurationObject(name), instance) << name;
        EXPECT_EQ(registered(), instance) << name;
    }
    EXPECT_EQ(ConfigurationGroups::registerAll(), listed);
}

}  // namespace
