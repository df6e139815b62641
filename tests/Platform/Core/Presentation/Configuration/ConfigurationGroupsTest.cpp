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
#include <functional>
#include <memory>
#include <vector>

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

struct TypeTable
{
    const char* group;
    std::function<std::unique_ptr<ConfigurationObject>()> make;
    std::function<bool(const ConfigurationObject&, int)> editable;
    std::vector<const char*> keysByType;  // null: the number selects nothing
    bool editableWhenNothingSelected;
};

template <class Group, class Types>
TypeTable typeTable(const char* name, std::vector<const char*> keysByType, bool editableWhenNothingSelected = true)
{
    return {name, [] { return std::make_unique<Group>(); },
            [](const ConfigurationObject& group, int type) {
                return static_cast<const Group&>(group).getEditable(static_cast<Types>(type));
            },
            std::move(keysByType), editableWhenNothingSelected};
}

// getEditable by type number: each number selects its own value, numbers that select nothing get
// the group's own answer, and a locked group is locked whatever the number.
TEST(ConfigurationGroups, EachTypeNumberReadsItsOwnFlagAndOthersGetTheGroupsAnswerUnlessTheGroupIsLocked)
{
    const TypeTable tables[] = {
        typeTable<DrawingEngineConfiguration, DrawingEngineConfiguration::DrawingEngineConfigTypes>(
            "DrawingEngine", {"DriverType", nullptr, "UseHardwareAcceleratedOffscreenRendering",
                              "NoOfBytesUsedForDssCache", "AntiAliasingMode", "ViewLabelFontSize"}),
        typeTable<ExportImageConfiguration, ExportImageConfiguration::ExportImageConfigTypes>(
            "ExportImage", {"ExportImageSizeFactor", "ExportAnimationCustomResolution", "ExportAnimationHeight",
                            "ExportAnimationWidth", "ExportAnimationFP"}),
        typeTable<InputModeConfiguration, InputModeConfiguration::InputModeConfigTypes>(
            "InputMode", {"InputMode", "FreeRotate", "SelectCrossing", "LeftMouseButtonMode", "SnapDuringMeasurement",
                          "MouseRotationSpeed", "MouseZoomSpeed", "MouseWheelZoomSpeed", "MouseZoomInvert"}),
        typeTable<SoftwareManualConfiguration, SoftwareManualConfiguration::Types>(
            "SoftwareManual", {"OnlineManual", "ManualLanguage"}),
        typeTable<TrevoaConfiguration, TrevoaConfiguration::TrevoaConfigurationTypes>(
            "Trevoa", {"DisableExportWithoutStandard"}),
        typeTable<StartupWindowsConfiguration, StartupWindowsConfiguration::StartupWindowsConfigTypes>(
            "StartupWindows",
            {"WelcomeDialog", "HelpDialog", "UseCustomStyle", "WindowFontSize", "UseLightVersion",
             "ShowImportFilterDialog", "FileVersionWarning", "DisclosureSingleMode", "ConfidentialNotice"},
            false),
        typeTable<ThreeDViewConfiguration, ThreeDViewConfiguration::ThreeDViewConfigurationTypes>(
            "ThreeDView",
            {"TimeStepCtrlPinned", "TimeStepTableCtrlPinned", "ViewOptionCtrlPinned", "ColorScaleCtrlPinned"}),
        typeTable<UpdateConfiguration, UpdateConfiguration::Types>(
            "Update", {"CheckOnNextStart", "ApplicationUpdates", "MaterialUpdates", "NewsUpdates"}),
    };
    for (const TypeTable& table : tables)
    {
        const int count = static_cast<int>(table.keysByType.size());
        for (int locked = -1; locked <= count; ++locked)  // -1: nothing locked; count: the whole group
        {
            const auto group = table.make();
            if (locked >= 0 && locked < count && table.keysByType[locked] != nullptr)
                group->getConfigurationValue(table.keysByType[locked])->setEditable(false);
            else if (locked == count)
                group->setEditable(false);
            for (int type = -1; type <= count; ++type)
            {
                const bool selected = type >= 0 && type < count && table.keysByType[type] != nullptr;
                const bool expected = locked == count ? false
                                      : selected      ? type != locked
                                                      : table.editableWhenNothingSelected;
                EXPECT_EQ(table.editable(*group, type), expected)
                    << table.group << ": type " << type << " with " << locked << " locked";
            }
        }
    }
}

}  // namespace
