#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"
#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StandardFilesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "GroupTestSupport.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <typeinfo>
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
        {"AutoSaveConfiguration", registered<AutoSaveConfiguration>},
        {"MiscellaneousConfiguration", registered<MiscellaneousConfiguration>},
        {"StandardFilesConfiguration", registered<StandardFilesConfiguration>},
        {"DrawingEngineConfiguration", registeredDrawingEngine},
        {"ExportImageConfiguration", registered<ExportImageConfiguration>},
        {"ExportOffsetSurfaceConfiguration", registered<ExportOffsetSurfaceConfiguration>},
        {"InputModeConfiguration", registered<InputModeConfiguration>},
        {"SoftwareManualConfiguration", registered<SoftwareManualConfiguration>},
        {"TrevoaConfiguration", registered<TrevoaConfiguration>},
        {"StartupWindowsConfiguration", registered<StartupWindowsConfiguration>},
        {"ThreeDViewConfiguration", registered<ThreeDViewConfiguration>},
        {"UpdateConfiguration", registered<UpdateConfiguration>},
        {"ColorConfiguration", registered<ColorConfiguration>},
    };
    const std::vector<std::string> listed = ConfigurationGroups::registerAll();
    ASSERT_EQ(listed.size(), std::size(groups));
    for (const auto& [name, registeredInstance] : groups)
    {
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name;
        ConfigurationObject* instance = registeredInstance();
        EXPECT_EQ(ConfigurationManager::getInstance().getConfigurationObject(name), instance) << name;
        EXPECT_EQ(registeredInstance(), instance) << name;
        // Tools make fresh groups of the same kind from the registered one.
        const std::unique_ptr<ConfigurationObject> fresh(instance->createConfigurationObject());
        EXPECT_EQ(typeid(*fresh), typeid(*instance)) << name;
        EXPECT_EQ(fresh->getConfigurationValues().size(), instance->getConfigurationValues().size()) << name;
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
    using Misc = MiscellaneousConfiguration;
    using Files = StandardFilesConfiguration;
    const TypeTable tables[] = {
        typeTable<AutoSaveConfiguration, AutoSaveConfiguration::Types>("AutoSave",
                                                                       {"AutoSaveEnabled", "AutoSaveInterval"}),
        typeTable<Misc, Misc::MiscConfigurationTypes>(
            "Miscellaneous",
            {Misc::s_sheetShowRollAngleTag.c_str(), Misc::s_smoothingEnabledTag.c_str(),
             Misc::s_useSolidRepresentationTag.c_str(), Misc::s_useSolidToolRepresentationTag.c_str(),
             Misc::s_useThickSheetInSectionModeTag.c_str(), Misc::s_usePilotDiameterAndAxisAdjustmentIfSnappedTag.c_str(),
             Misc::s_minAnimationTimeStepDurationTag.c_str(), Misc::s_solverOptionsVisibleTag.c_str(),
             Misc::s_referenceOptionTag.c_str(), Misc::s_modifyPagesDualViewTag.c_str(),
             Misc::s_showSolidPartsDefaultTag.c_str(), Misc::s_readOnlyModeTag.c_str(), nullptr,
             Misc::s_insertControlPointsOptionForPunchOpeningLineTag.c_str(),
             Misc::s_insertControlPointsOptionForBarHeightLineTag.c_str(),
             Misc::s_insertControlPointsOptionForCounterBarHeightLineTag.c_str(), Misc::s_highlightHoveringTag.c_str(),
             Misc::s_spotlightSelected3DObjectsTag.c_str(), Misc::s_initiallyShowAxesTag.c_str(),
             Misc::s_showFldPointHullsTag.c_str(), Misc::s_discretePercentagesEnabledTag.c_str(),
             Misc::s_issueOverviewAsDefaultTag.c_str(), Misc::s_importInvisibleGeometryTag.c_str(),
             Misc::s_importFittingGeometryTag.c_str(), Misc::s_showImportPreviewDialogTag.c_str(),
             Misc::s_defaultForReduceSTLDuringImportTag.c_str(), Misc::s_pressanNewWindow.c_str(),
             Misc::s_stagixNewWindow.c_str(), nullptr, Misc::s_showExportForPAMenuEntry.c_str()}),
        typeTable<Files, Files::StandardFilesConfigTypes>(  // 3, the legacy item, is a value of its own
            "StandardFiles",
            {"Language", Files::s_setToolingFilePathTag.c_str(), "DiesetFilePath", nullptr,
             Files::s_setDieFaceFilePathTag.c_str(), Files::s_setCtrlParamFilepathTag.c_str(),
             Files::s_setSigmaFilePathTag.c_str(), Files::s_setEvaluationFilepathTag.c_str(),
             Files::s_loadDieFaceFilePathTag.c_str(), Files::s_loadCtrlParamFilepathTag.c_str(),
             Files::s_loadSigmaFilePathTag.c_str(), Files::s_loadEvaluationFilepathTag.c_str(), "ToolingPassword",
             Files::s_coilPricesPasswordTag.c_str(), "StandardRestrictionDirectory",
             Files::s_enableNewWithStandardTag.c_str()}),
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

// getVisibility by product and type number, for the groups whose answer depends on them.
template <class Group, class Types>
bool visibleIn(ProductType product, int type)
{
    BuildInformation::setProductType(product);
    Group group;
    group.setEditable(false);  // plays no part
    return group.getVisibility(static_cast<Types>(type));
}

TEST(ConfigurationGroups, VisibilityFollowsTheRunningProductAndTheGroupsAnswerForNumbersThatSelectNothing)
{
    using Drawing = DrawingEngineConfiguration;
    using Misc = MiscellaneousConfiguration;
    using Startup = StartupWindowsConfiguration;
    const auto drawing = visibleIn<Drawing, Drawing::DrawingEngineConfigTypes>;
    const auto misc = visibleIn<Misc, Misc::MiscConfigurationTypes>;
    const auto startup = visibleIn<Startup, Startup::StartupWindowsConfigTypes>;
    const struct
    {
        const char* what;
        bool (*visible)(ProductType, int);
        ProductType product;
        int type;
        bool expected;
    } cases[] = {
        {"drawing: selects nothing", drawing, Products::Tube, 1, true},
        {"drawing: past the last", drawing, Products::Tube, 6, true},
        {"drawing: driver", drawing, Products::Tube, Drawing::GraphicsDriverType, false},
        {"drawing: driver", drawing, Products::Forming, Drawing::GraphicsDriverType, true},
        {"drawing: label font", drawing, Products::Tube, Drawing::ViewLabelFontSizeType, false},
        {"drawing: cache", drawing, Products::Tube, Drawing::DssCacheSizeType, true},
        {"misc 8", misc, Products::Designer, 8, true},
        {"misc 8", misc, Products::Planner, 8, false},
        {"misc 13, hidden from the dialog", misc, Products::Designer, 13, false},
        {"misc 3", misc, Products::Designer, 3, false},
        {"misc 3", misc, Products::Planner, 3, true},
        {"misc 0", misc, Products::Planner, 0, true},
        {"misc 26", misc, Products::Designer, 26, true},
        {"misc 26", misc, Products::Planner, 26, false},
        {"misc 12 selects nothing", misc, Products::Planner, 12, true},
        {"misc 28 selects nothing", misc, Products::Designer, 28, true},
        {"misc 30 selects nothing", misc, Products::Planner, 30, true},
        {"startup: selects nothing", startup, Products::Forming, 9, false},
        {"startup: negative", startup, Products::Forming, -1, false},
        {"startup: notice", startup, Products::Forming, Startup::ConfidentialNoticeType, false},
        {"startup: version warning", startup, Products::Tube, Startup::FileVersionWarningType, false},
        {"startup: custom style", startup, Products::Tube, Startup::UseCustomStyleType, true},
    };
    const ProductType running = BuildInformation::getProductType();
    for (const auto& c : cases)
        EXPECT_EQ(c.visible(c.product, c.type), c.expected) << c.what << " in product " << c.product;
    BuildInformation::setProductType(Products::Trimming);
    EXPECT_TRUE(Misc().getUseImportFittingGeometryVisibility());
    EXPECT_FALSE(Misc().getVarDrawbeadsScaleFactorVisibility());
    BuildInformation::setProductType(Products::Progressive);
    EXPECT_FALSE(Misc().getUseImportFittingGeometryVisibility());
    EXPECT_TRUE(Misc().getVarDrawbeadsScaleFactorVisibility());
    BuildInformation::setProductType(running);
}

// Gives a value another value its rule allows; false when it has none to give.
template <class T>
bool changeNumber(ConfigurationValueBase& value)
{
    auto* typed = dynamic_cast<ConfigurationValue<T>*>(&value);
    if (typed == nullptr)
        return false;
    const T now = typed->getValue();
    for (const T candidate : {T(now + 1), T(now - 1), T(0), T(1), T(2), T(3)})
        if (candidate != now && value.getRule().allows(static_cast<double>(candidate)))
        {
            typed->setValue(candidate);
            return true;
        }
    return false;
}

// Changes every editable value the user file stores, in the group and in its unlocked nested objects.
void changeEveryUserValue(ConfigurationObject& group)
{
    if (!group.isEditable())
        return;
    for (const auto& value : group.getConfigurationValues())
    {
        if (value->getPersistence() != Persistences::UserSetting || !value->isEditable())
            continue;
        if (auto* flag = dynamic_cast<ConfigurationValue<bool>*>(value.get()))
            flag->setValue(!flag->getValue());
        else if (!changeNumber<int>(*value) && !changeNumber<unsigned int>(*value) && !changeNumber<float>(*value))
            changeNumber<double>(*value);
    }
    for (const auto& child : group.getConfigurationObjects())
        changeEveryUserValue(*child);
}

std::string xmlOf(const ConfigurationObject& group)
{
    ConfigWriter writer;
    writer.putClassContents(group.getName(), group.getName(), group, "");
    return writer.toXml();
}

// Each registered group, loaded from a system file that locks its first value, changed and saved,
// comes back whole in a fresh group at the next start, the lock included; and its defaults keep
// its own rules.
TEST(ConfigurationGroups, EveryGroupComesBackFromItsFilesAsSavedAndKeepsTheSystemFilesLock)
{
    ConfigurationManager::ScopedInstance scope;
    for (const std::string& name : ConfigurationGroups::registerAll())
    {
        SCOPED_TRACE(name);
        const ConfigurationObject& prototype = *scope.manager().getConfigurationObject(name);
        const std::shared_ptr<ConfigurationObject> edited(prototype.createConfigurationObject());
        const std::shared_ptr<ConfigurationObject> reloaded(prototype.createConfigurationObject());
        ConfigurationManager first, second;
        first.addConfigurationObject(edited, name);
        second.addConfigurationObject(reloaded, name);

        // The system file locks the group's first value or, in a group without values of its own,
        // its first object. Names only: a load may replace the objects.
        const bool own = !edited->getConfigurationValues().empty();
        ASSERT_TRUE(own || !edited->getConfigurationObjects().empty());
        const ConfigurationValueBase* value = own ? edited->getConfigurationValues().front().get() : nullptr;
        const ConfigurationObject* object = own ? nullptr : edited->getConfigurationObjects().front().get();
        const std::string locked = own ? value->getName() : object->getName();
        const std::string lock =
            own ? Testing::storedValue(locked, value->getTypeName(), value->getValueText(), true)
                : "<object class=\"" + object->getClassName() + "\" name=\"" + locked + "\" editable=\"false\"/>";
        QTemporaryDir dir;
        // Written whole at its defaults, as a site file starts, the group loads without a finding:
        // every default lies within its own rule.
        const std::string defaults = Testing::writeFile(dir, "defaults.xml", xmlOf(*reloaded));
        EXPECT_TRUE(second.loadConfiguration({defaults}, "").isClean());
        const std::string system =
            Testing::writeFile(dir, "system.xml", Testing::configurationXml(Testing::storedObject(name, lock)));
        const std::string user = dir.filePath("user.xml").toStdString();
        EXPECT_TRUE(first.loadConfiguration({system}, user).isClean());
        changeEveryUserValue(*edited);
        std::string error;
        ASSERT_TRUE(first.saveUserConfiguration(user, &error)) << error;

        const ConfigurationLoadResult loaded = second.loadConfiguration({system}, user);
        EXPECT_TRUE(loaded.isClean()) << (loaded.warnings.empty() ? "" : loaded.warnings.front());
        EXPECT_EQ(xmlOf(*reloaded), xmlOf(*edited));
        const ConfigurationItemBase* reloadedLocked =
            own ? static_cast<const ConfigurationItemBase*>(reloaded->getConfigurationValue(locked))
                : reloaded->getConfigurationObject(locked);
        ASSERT_NE(reloadedLocked, nullptr) << locked;
        EXPECT_FALSE(reloadedLocked->isEditable());
    }
}

}  // namespace
