// getEditable by type number, for every group with a type enumeration: each number selects its own
// value, numbers that select nothing get the group's own answer, and a locked group is locked
// whatever the number.

#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace
{
using namespace Quarvane;

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

const std::vector<TypeTable>& tables()
{
    static const std::vector<TypeTable> all{
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
    return all;
}

TEST(GroupTypeNumbers, EachNumberReadsTheFlagOfItsOwnValue)
{
    for (const TypeTable& table : tables())
    {
        const int count = static_cast<int>(table.keysByType.size());
        for (int locked = 0; locked < count; ++locked)
        {
            if (table.keysByType[locked] == nullptr)
                continue;
            const auto group = table.make();
            group->getConfigurationValue(table.keysByType[locked])->setEditable(false);
            for (int type = 0; type < count; ++type)
            {
                const bool expected =
                    table.keysByType[type] == nullptr ? table.editableWhenNothingSelected : type != locked;
                EXPECT_EQ(table.editable(*group, type), expected)
                    << table.group << ": type " << type << " with " << table.keysByType[locked] << " locked";
            }
        }
    }
}

TEST(GroupTypeNumbers, NumbersThatSelectNothingGetTheGroupsAnswerUnlessTheGroupIsLocked)
{
    for (const TypeTable& table : tables())
    {
        const auto group = table.make();
        const int beyond = static_cast<int>(table.keysByType.size());
        EXPECT_EQ(table.editable(*group, beyond), table.editableWhenNothingSelected) << table.group;
        EXPECT_EQ(table.editable(*group, -1), table.editableWhenNothingSelected) << table.group;
        group->setEditable(false);
        for (int type = -1; type <= beyond; ++type)
            EXPECT_FALSE(table.editable(*group, type)) << table.group << ": type " << type;
    }
}

}  // namespace
