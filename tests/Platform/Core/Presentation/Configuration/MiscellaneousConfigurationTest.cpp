#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "EmissionLog.h"
#include "SignalRecorder.h"
#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;
using Testing::SignalRecorder;
using Testing::TemporaryRegistry;
using Misc = MiscellaneousConfiguration;
using Names = std::vector<std::string>;

// Restores the running product and release a test changes.
class BuildScope
{
public:
    BuildScope() : m_product(BuildInformation::getProductType()), m_release(BuildInformation::getReleaseVersion()) {}
    ~BuildScope()
    {
        BuildInformation::setProductType(m_product);
        BuildInformation::setReleaseVersion(m_release);
    }

private:
    ProductType m_product;
    std::string m_release;
};

#define WATCH(name) log.watch(#name, group.m_##name##ChangedSignal)

void watchAll(EmissionLog& log, Misc& group)
{
    WATCH(sheetShowRollAngle), WATCH(smoothingEnabled), WATCH(useSolidRepresentation);
    WATCH(useSolidToolRepresentation), WATCH(useThickSheetInSectionMode), WATCH(initiallyShowAxes);
    WATCH(usePilotDiameterAndAxisAdjustmentIfSnapped), WATCH(referenceOption), WATCH(showSolidPartsDefaultOption);
    WATCH(modifyPagesDualView), WATCH(highlightHovering), WATCH(spotlightSelected3DObjects);
    WATCH(showFldPointHulls), WATCH(discretePercentagesEnabled), WATCH(issueOverviewAsDefault);
    WATCH(useImportInvisibleGeometry), WATCH(useImportFittingGeometry), WATCH(showPreviewDialogOnImport);
    WATCH(defaultForReduceSTLDuringImport), WATCH(fastApply), WATCH(showExportForPAMenuEntry);
    WATCH(pressanAppPath), WATCH(stagixAppPath), WATCH(varDrawbeadsShowSegments), WATCH(varDrawbeadsScaleFactor);
    WATCH(coordinateSystemScaleFactor), WATCH(showPointNormals), WATCH(showLineNormals), WATCH(showMeshNormals);
    WATCH(normalScaleFactor), WATCH(showLineControlPolylines), WATCH(showMeshControlPolylines);
    WATCH(showMeshDebugPoints), WATCH(markLineStartPoint), WATCH(ambientLightingIntensity);
    WATCH(specularHighlightingIntensity), WATCH(firstLightSource), WATCH(secondLightSource);
    WATCH(forceUseFlatShading), WATCH(forceUnsmoothedElementResultvar), WATCH(showSolverTimeStepDescription);
    WATCH(controlMiscPageEnabledForRestart), WATCH(toolDeflectionFixturePlateGeneration);
    WATCH(writePressElasticityModelSupportDataToSolver);
}
#undef WATCH

// Sets a value through the framework, as a load or another instance would, without any signal.
template <class T>
void store(Misc& group, const std::string& key, const T& value)
{
    dynamic_cast<ConfigurationValue<T>&>(*group.getConfigurationValue(key)).setValue(value);
}

TEST(MiscellaneousConfiguration, NewGroupWithoutInstalledApplications)
{
    qunsetenv(RegistryKey::s_registryFileVariable);
    Misc group;
    EXPECT_EQ(group.getName(), "MiscellaneousConfiguration");
    EXPECT_EQ(group.getConfigurationValues().size(), 57u);
    EXPECT_EQ(group.getPressanNewWindow(), "");
    EXPECT_EQ(group.getStagixNewWindow(), "");
    EXPECT_EQ(group.getFirstLightSourceAzimuth(), -45);
    EXPECT_EQ(group.getSecondLightSourceAzimuth(), 45);
    EXPECT_EQ(group.getAmbientLightingIntensity(), 30);
    EXPECT_EQ(group.getSpecularHighlightingIntensity(), 80);
    EXPECT_EQ(group.getVarDrawbeadsScaleFactor(), 4.0);
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 200);
    EXPECT_FALSE(group.getIsDesignerInReadOnlyMode());
}

TEST(MiscellaneousConfiguration, ComputedDefaultsFollowTheProductAndTheInstalledRelease)
{
    BuildScope restore;
    TemporaryRegistry registry;
    const QString pressan12 = registry.install("P12", "QVPressanUI.exe");
    registry.addUninstallEntry("{p12}", "Quarvane", "Pressan R12", pressan12);
    registry.addUninstallEntry("{p11}", "Quarvane", "Pressan R11", registry.install("P11", "QVPressanUI.exe"));
    registry.addSuiteEntry("Stagix R12", registry.install("S12", "QVStagixUI.exe"));
    const std::string stagix12 = registry.install("S12", "QVStagixUI.exe").toStdString() + "\\bin\\QVStagixUI.exe";

    const struct
    {
        ProductType product;
        const char* release;
        bool issueOverview;
        std::string pressan;
        std::string stagix;
    } cases[] = {
        {Products::Designer, "R12", false, pressan12.toStdString() + "\\bin\\QVPressanUI.exe", stagix12},
        {Products::Planner, "R12", true, pressan12.toStdString() + "\\bin\\QVPressanUI.exe", stagix12},
        {Products::Progressive, "R13", true, "", ""},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.release + std::string(" ") + std::to_string(testCase.product));
        BuildInformation::setProductType(testCase.product);
        BuildInformation::setReleaseVersion(testCase.release);
        Misc group;
        EXPECT_EQ(group.getIssueOverviewAsDefault(), testCase.issueOverview);
        EXPECT_EQ(group.getIssueOverviewAsDefaultConfig().getDefaultValue(), testCase.issueOverview);
        EXPECT_EQ(group.getPressanNewWindow(), testCase.pressan);
        EXPECT_EQ(group.getStagixNewWindowConfig().getDefaultValue(), testCase.stagix);
    }
}

// Every setter that follows the common rule: it changes its own value, the getter reads that
// value back, and the value's signal carries it once per change.
template <class T, class Getter>
struct Setting
{
    const std::string& key;
    void (Misc::*set)(T);
    Getter get;
    Signals::Signal<void(T)> Misc::*changed;
    T other;
};
template <class T>
using ConstSetting = Setting<T, T (Misc::*)() const>;

template <class T, class Getter>
void checkCommonSetter(const Setting<T, Getter>& setting)
{
    SCOPED_TRACE(setting.key);
    Misc group;
    SignalRecorder<T> recorder(group.*setting.changed);
    const T initial = (group.*setting.get)();
    (group.*setting.set)(initial);
    EXPECT_TRUE(recorder.calls.empty());
    (group.*setting.set)(setting.other);
    EXPECT_EQ((group.*setting.get)(), setting.other);
    EXPECT_EQ(dynamic_cast<const ConfigurationValue<T>&>(*group.getConfigurationValue(setting.key)).getValue(),
              setting.other);
    (group.*setting.set)(setting.other);
    EXPECT_EQ(recorder.calls, std::vector<std::tuple<T>>{{setting.other}});
}

TEST(MiscellaneousConfiguration, CommonSettersChangeTheirOwnValueAndNotifyOncePerChange)
{
    const ConstSetting<bool> flags[] = {
        {Misc::s_sheetShowRollAngleTag, &Misc::setSheetShowRollAngle, &Misc::getSheetShowRollAngle,
         &Misc::m_sheetShowRollAngleChangedSignal, false},
        {Misc::s_smoothingEnabledTag, &Misc::setSmoothingEnabled, &Misc::getSmoothingEnabled,
         &Misc::m_smoothingEnabledChangedSignal, false},
        {Misc::s_useSolidRepresentationTag, &Misc::setInitialUseSolidRepresentation,
         &Misc::getInitialUseSolidRepresentation, &Misc::m_useSolidRepresentationChangedSignal, false},
        {Misc::s_useSolidToolRepresentationTag, &Misc::setInitialUseSolidToolRepresentation,
         &Misc::getInitialUseSolidToolRepresentation, &Misc::m_useSolidToolRepresentationChangedSignal, false},
        {Misc::s_useThickSheetInSectionModeTag, &Misc::setUseThickSheetInSectionMode,
         &Misc::getUseThickSheetInSectionMode, &Misc::m_useThickSheetInSectionModeChangedSignal, false},
        {Misc::s_initiallyShowAxesTag, &Misc::setInitiallyShowAxes, &Misc::getInitiallyShowAxes,
         &Misc::m_initiallyShowAxesChangedSignal, false},
        {Misc::s_usePilotDiameterAndAxisAdjustmentIfSnappedTag, &Misc::setUsePilotDiameterAndAxisAdjustmentIfSnapped,
         &Misc::getUsePilotDiameterAndAxisAdjustmentIfSnapped,
         &Misc::m_usePilotDiameterAndAxisAdjustmentIfSnappedChangedSignal, false},
        {Misc::s_showSolidPartsDefaultTag, &Misc::setShowSolidPartsDefaultOption,
         &Misc::getShowSolidPartsDefaultOption, &Misc::m_showSolidPartsDefaultOptionChangedSignal, false},
        {Misc::s_modifyPagesDualViewTag, &Misc::setModifyPagesDualView, &Misc::getModifyPagesDualViewOption,
         &Misc::m_modifyPagesDualViewChangedSignal, true},
        {Misc::s_highlightHoveringTag, &Misc::setHighlightHovering, &Misc::getHighlightHovering,
         &Misc::m_highlightHoveringChangedSignal, true},
        {Misc::s_spotlightSelected3DObjectsTag, &Misc::setSpotlightSelected3DObjects,
         &Misc::getSpotlightSelected3DObjects, &Misc::m_spotlightSelected3DObjectsChangedSignal, false},
        {Misc::s_issueOverviewAsDefaultTag, &Misc::setIssueOverviewAsDefault, &Misc::getIssueOverviewAsDefault,
         &Misc::m_issueOverviewAsDefaultChangedSignal, false},
        {Misc::s_importInvisibleGeometryTag, &Misc::setUseImportInvisibleGeometry,
         &Misc::getUseImportInvisibleGeometry, &Misc::m_useImportInvisibleGeometryChangedSignal, true},
        {Misc::s_importFittingGeometryTag, &Misc::setUseImportFittingGeometry, &Misc::getUseImportFittingGeometry,
         &Misc::m_useImportFittingGeometryChangedSignal, false},
        {Misc::s_showImportPreviewDialogTag, &Misc::setShowPreviewDialogOnImport, &Misc::getShowPreviewDialogOnImport,
         &Misc::m_showPreviewDialogOnImportChangedSignal, false},
        {Misc::s_defaultForReduceSTLDuringImportTag, &Misc::setDefaultForReduceSTLDuringImport,
         &Misc::getDefaultForReduceSTLDuringImport, &Misc::m_defaultForReduceSTLDuringImportChangedSignal, false},
        {Misc::s_fastApply, &Misc::setFastApply, &Misc::getFastApply, &Misc::m_fastApplyChangedSignal, false},
        {Misc::s_showExportForPAMenuEntry, &Misc::setShowExportForPAMenuEntry, &Misc::getShowExportForPAMenuEntry,
         &Misc::m_showExportForPAMenuEntryChangedSignal, true},
        {Misc::s_varDrawbeadsShowSegmentsTag, &Misc::setVarDrawbeadsShowSegments, &Misc::getVarDrawbeadsShowSegments,
         &Misc::m_varDrawbeadsShowSegmentsChangedSignal, false},
        {Misc::s_showPointNormalsTag, &Misc::setShowPointNormals, &Misc::getShowPointNormals,
         &Misc::m_showPointNormalsChangedSignal, true},
        {Misc::s_showLineNormalsTag, &Misc::setShowLineNormals, &Misc::getShowLineNormals,
         &Misc::m_showLineNormalsChangedSignal, true},
        {Misc::s_showMeshNormalsTag, &Misc::setShowMeshNormals, &Misc::getShowMeshNormals,
         &Misc::m_showMeshNormalsChangedSignal, true},
        {Misc::s_showLineControlPolylinesTag, &Misc::setShowLineControlPolylines, &Misc::getShowLineControlPolylines,
         &Misc::m_showLineControlPolylinesChangedSignal, true},
        {Misc::s_showMeshControlPolylinesTag, &Misc::setShowMeshControlPolylines, &Misc::getShowMeshControlPolylines,
         &Misc::m_showMeshControlPolylinesChangedSignal, true},
        {Misc::s_showMeshDebugPointsTag, &Misc::setShowMeshDebugPoints, &Misc::getShowMeshDebugPoints,
         &Misc::m_showMeshDebugPointsChangedSignal, true},
        {Misc::s_markLineStartPointTag, &Misc::setMarkLineStartPoint, &Misc::getMarkLineStartPoint,
         &Misc::m_markLineStartPointChangedSignal, true},
        {Misc::s_forceUnsmoothedElementResultvarTag, &Misc::setForceUnsmoothedElementResultvar,
         &Misc::getForceUnsmoothedElementResultvar, &Misc::m_forceUnsmoothedElementResultvarChangedSignal, true},
        {Misc::s_showSolverTimeStepDescriptionTag, &Misc::setShowSolverTimeStepDescription,
         &Misc::getShowSolverTimeStepDescription, &Misc::m_showSolverTimeStepDescriptionChangedSignal, true},
    };
    for (const auto& setting : flags)
        checkCommonSetter(setting);

    // The reference option takes any int.
    checkCommonSetter(ConstSetting<int>{Misc::s_referenceOptionTag, &Misc::setReferenceOptions,
                                        &Misc::getReferenceOption, &Misc::m_referenceOptionChangedSignal, -7});
    const ConstSetting<double> factors[] = {
        {Misc::s_varDrawbeadsScaleFactorTag, &Misc::setVarDrawbeadsScaleFactor, &Misc::getVarDrawbeadsScaleFactor,
         &Misc::m_varDrawbeadsScaleFactorChangedSignal, 0.25},
        {Misc::s_coordinateSystemScaleFactorTag, &Misc::setCoordinateSystemScaleFactor,
         &Misc::getCoordinateSystemScaleFactor, &Misc::m_coordinateSystemScaleFactorChangedSignal, 2.5},
        {Misc::s_normalScaleFactorTag, &Misc::setNormalScaleFactor, &Misc::getNormalScaleFactor,
         &Misc::m_normalScaleFactorChangedSignal, -3.0},
    };
    for (const auto& setting : factors)
        checkCommonSetter(setting);
    using PathSetting = Setting<std::string, std::string (Misc::*)()>;
    checkCommonSetter(PathSetting{Misc::s_pressanNewWindow, &Misc::setPressanNewWindow, &Misc::getPressanNewWindow,
                                  &Misc::m_pressanAppPathChangedSignal, "C:\\Pressan\\bin\\QVPressanUI.exe"});
    checkCommonSetter(PathSetting{Misc::s_stagixNewWindow, &Misc::setStagixNewWindow, &Misc::getStagixNewWindow,
                                  &Misc::m_stagixAppPathChangedSignal, "/opt/Stagix/bin/QVStagixUI.exe"});
}

// The comparison is made with the requested value; the clamped value is stored and emitted.
TEST(MiscellaneousConfiguration, LightingSettersCompareThenClamp)
{
    const struct
    {
        const std::string& key;
        void (Misc::*set)(int);
        int before;  // stored first, without a signal
        int requested;
        int stored;
        std::vector<std::string> emitted;
    } cases[] = {
        {Misc::s_ambientLightingIntensityTag, &Misc::setAmbientLightingIntensity, 30, 150, 100,
         {"ambientLightingIntensity"}},
        {Misc::s_ambientLightingIntensityTag, &Misc::setAmbientLightingIntensity, 100, 150, 100,
         {"ambientLightingIntensity"}},
        {Misc::s_ambientLightingIntensityTag, &Misc::setAmbientLightingIntensity, 100, 100, 100, {}},
        {Misc::s_specularHighlightingIntensityTag, &Misc::setSpecularHighlightingIntensity, 80, -5, 0,
         {"specularHighlightingIntensity"}},
        {Misc::s_firstLightSourceIntensityTag, &Misc::setFirstLightSourceIntensity, 100, 101, 100,
         {"firstLightSource"}},
        {Misc::s_firstLightSourceAzimuthTag, &Misc::setFirstLightSourceAzimuth, -45, 180, 180, {"firstLightSource"}},
        {Misc::s_firstLightSourceAzimuthTag, &Misc::setFirstLightSourceAzimuth, -45, 181, 180, {"firstLightSource"}},
        {Misc::s_firstLightSourceIncidenceTag, &Misc::setFirstLightSourceIncidence, 0, 120, 90, {"firstLightSource"}},
        {Misc::s_firstLightSourceIncidenceTag, &Misc::setFirstLightSourceIncidence, 0, -91, -90, {"firstLightSource"}},
        {Misc::s_secondLightSourceIntensityTag, &Misc::setSecondLightSourceIntensity, 100, -1, 0,
         {"secondLightSource"}},
        {Misc::s_secondLightSourceAzimuthTag, &Misc::setSecondLightSourceAzimuth, 45, -180, -180,
         {"secondLightSource"}},
        {Misc::s_secondLightSourceAzimuthTag, &Misc::setSecondLightSourceAzimuth, 45, -1000, -180,
         {"secondLightSource"}},
        {Misc::s_secondLightSourceIncidenceTag, &Misc::setSecondLightSourceIncidence, 0, 90, 90,
         {"secondLightSource"}},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.key + " " + std::to_string(testCase.before) + " -> " + std::to_string(testCase.requested));
        Misc group;
        store(group, testCase.key, testCase.before);
        EmissionLog log;
        watchAll(log, group);
        SignalRecorder<int> ambient(group.m_ambientLightingIntensityChangedSignal);
        SignalRecorder<int> specular(group.m_specularHighlightingIntensityChangedSignal);
        (group.*testCase.set)(testCase.requested);
        EXPECT_EQ(dynamic_cast<const ConfigurationValue<int>&>(*group.getConfigurationValue(testCase.key)).getValue(),
                  testCase.stored);
        EXPECT_EQ(log.emitted, testCase.emitted);
        for (const auto& call : ambient.calls)
            EXPECT_EQ(std::get<0>(call), testCase.stored);
        for (const auto& call : specular.calls)
            EXPECT_EQ(std::get<0>(call), testCase.stored);
    }
    Misc group;
    EXPECT_EQ(group.getFirstLightSourceAzimuth(), -45);
    group.setFirstLightSourceAzimuth(500);
    group.setSecondLightSourceIncidence(-500);
    group.setAmbientLightingIntensity(-500);
    EXPECT_EQ(group.getFirstLightSourceAzimuth(), 180);
    EXPECT_EQ(group.getSecondLightSourceIncidence(), -90);
    EXPECT_EQ(group.getAmbientLightingIntensity(), 0);
}

TEST(MiscellaneousConfiguration, SettersThatDepartFromTheCommonRule)
{
    Misc group;
    EmissionLog log;
    watchAll(log, group);

    // Stored without comparing and without a signal.
    group.setDiscretePercentagesEnabled(false);
    group.setDiscretePercentagesEnabled(true);
    EXPECT_TRUE(group.getDiscretePercentagesEnabled());
    group.setDiscretePercentagesEnabled(false);
    EXPECT_FALSE(group.getDiscretePercentagesEnabled());
    // Values without a signal.
    group.setMinAnimationTimeStepDuration(35);
    group.setInsertControlPointsOptionForPunchOpeningLine(true);
    group.setInsertControlPointsOptionForBarHeightLine(true);
    group.setInsertControlPointsOptionForCounterBarHeightLine(true);
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 35);
    EXPECT_TRUE(group.getInsertControlPointsOptionForPunchOpeningLine());
    EXPECT_TRUE(group.getInsertControlPointsOptionForBarHeightLine());
    EXPECT_TRUE(group.getInsertControlPointsOptionForCounterBarHeightLine());
    EXPECT_EQ(log.emitted, Names{});

    // Switched on once, for good.
    for (int i = 0; i < 2; ++i)
    {
        group.setControlMiscPageEnabledForRestart();
        group.setToolDeflectionFixturePlateGenerationEnabled();
        group.setWritePressElasticityModelSupportDataToSolverEnabled();
    }
    EXPECT_TRUE(group.getIsControlMiscPageEnabledForRestart());
    EXPECT_TRUE(group.getIsToolDeflectionFixturePlateGenerationEnabled());
    EXPECT_TRUE(group.getWritePressElasticityModelSupportDataToSolverEnabled());
    // Signals without an argument.
    group.setShowFldPointHulls(false);
    group.setShowFldPointHulls(false);
    group.setForceUseFlatMeshShading(true);
    group.setEnableFirstLightSource(false);
    group.setEnableSecondLightSource(false);
    EXPECT_FALSE(group.getShowFldPointHulls());
    EXPECT_TRUE(group.getForceUseFlatMeshShading());
    EXPECT_FALSE(group.getEnableFirstLightSource());
    EXPECT_FALSE(group.getEnableSecondLightSource());
    EXPECT_EQ(log.emitted,
              (Names{"controlMiscPageEnabledForRestart", "toolDeflectionFixturePlateGeneration",
                     "writePressElasticityModelSupportDataToSolver", "showFldPointHulls", "forceUseFlatShading",
                     "firstLightSource", "secondLightSource"}));
}

TEST(MiscellaneousConfiguration, ConnectOperationsReachTheirSignals)
{
    Misc group;
    Names calls;
    const auto note = [&calls](const char* name) { return [&calls, name](auto&&...) { calls.push_back(name); }; };
    std::string pressan;
    group.connectToPressanAppPathChangedSignal([&pressan](std::string path) { pressan = path; });
    group.connectToStagixAppPathChangedSignal(note("stagix"));
    group.connectToDefaultForReduceSTLDuringImportChangedSignal(note("stl"));
    group.connectToDiscretePercentagesEnabledChangedSignal(note("percentages"));
    group.connectToFastApplyChangedSignal(note("fastApply"));
    group.connectToIssueOverviewAsDefaultChangedSignal(note("issueOverview"));
    group.connectToShowFldPointHullsChangedSignal(note("hulls"));
    const Signals::Connection elasticity =
        group.connectToWritePressElasticityModelSupportDataToSolverChangedSignal(note("elasticity"));
    EXPECT_TRUE(elasticity.connected());

    group.setPressanNewWindow("D:\\Apps\\P12\\bin\\QVPressanUI.exe");
    group.setStagixNewWindow("x");
    group.setDefaultForReduceSTLDuringImport(false);
    group.setFastApply(false);
    group.setIssueOverviewAsDefault(!group.getIssueOverviewAsDefault());
    group.setShowFldPointHulls(false);
    group.setWritePressElasticityModelSupportDataToSolverEnabled();
    group.m_discretePercentagesEnabledChangedSignal(true);
    EXPECT_EQ(pressan, "D:\\Apps\\P12\\bin\\QVPressanUI.exe");
    EXPECT_EQ(calls, (Names{"stagix", "stl", "fastApply", "issueOverview", "hulls", "elasticity", "percentages"}));
}

// Locking each value in turn shows which number selects it.
TEST(MiscellaneousConfiguration, TypeNumbersSelectTheirValues)
{
    const std::pair<int, const char*> selected[] = {
        {0, "SheetShowRollAngle"},
        {1, "SmoothingEnabled"},
        {2, "UseSolidRepresentation"},
        {3, "UseSolidToolRepresentation"},
        {4, "UseThickSheetInSectionMode"},
        {5, "UsePilotDiameterAdjustmentIfSnapped"},
        {6, "MinAnimationTimeStepDuration"},
        {7, "SolverOptionsVisible"},
        {8, "ReferenceOption"},
        {9, "ModifyPagesDualView"},
        {10, "ShowSolidPartsAsDefault"},
        {11, "ReadOnlyMode"},
        {13, "InsertControlPointsOptionForPunchOpeningLine"},
        {14, "InsertControlPointsOptionForBarHeightLine"},
        {15, "InsertControlPointsOptionForCounterBarHeightLine"},
        {16, "HighlightHovering"},
        {17, "SpotlightSelected3DObjects"},
        {18, "InitiallyShowAxes"},
        {19, "ShowFldPointHulls"},
        {20, "DiscretePercentagesEnabled"},
        {21, "IssueOverviewAsDefault"},
        {22, "ImportInvisibleGeometry"},
        {23, "ImportFittingGeometry"},
        {24, "ShowPreviewDialog"},
        {25, "DefaultForSTLReduction"},
        {26, "PressanNewWindow"},
        {27, "StagixNewWindow"},
        {29, "ShowExportForPAMenuEntry"},
    };
    Misc group;
    for (const auto& value : group.getConfigurationValues())
    {
        SCOPED_TRACE(value->getName());
        value->setEditable(false);
        for (int number = -1; number <= 31; ++number)
        {
            const auto type = static_cast<Misc::MiscConfigurationTypes>(number);
            const bool selectsThis =
                std::any_of(std::begin(selected), std::end(selected),
                            [&](const auto& entry) { return entry.first == number && value->getName() == entry.second; });
            EXPECT_EQ(group.getEditable(type), !selectsThis) << number;
        }
        value->setEditable(true);
    }
    group.setEditable(false);
    EXPECT_FALSE(group.getEditable(Misc::SheetShowRollAngleType));
    EXPECT_FALSE(group.getEditable(static_cast<Misc::MiscConfigurationTypes>(30)));
    EXPECT_TRUE(group.hasNonEditableEntries());
}

TEST(MiscellaneousConfiguration, VisibilityFollowsGuiVisibilityAndTheRunningProduct)
{
    BuildScope restore;
    Misc group;
    group.setEditable(false);  // plays no part
    const struct
    {
        int number;
        bool inDesigner;
        bool inPlanner;
    } cases[] = {
        {8, true, false},    // ReferenceOption, mask 1
        {13, false, false},  // hidden from the dialog
        {3, false, true},    // UseSolidToolRepresentation, mask 2
        {0, true, true},     // mask 47
        {26, true, false},   // PressanNewWindow, mask 33
        {12, true, true},    // selects nothing
        {28, true, true},
        {30, true, true},
    };
    for (const auto& testCase : cases)
    {
        const auto type = static_cast<Misc::MiscConfigurationTypes>(testCase.number);
        BuildInformation::setProductType(Products::Designer);
        EXPECT_EQ(group.getVisibility(type), testCase.inDesigner) << testCase.number;
        BuildInformation::setProductType(Products::Planner);
        EXPECT_EQ(group.getVisibility(type), testCase.inPlanner) << testCase.number;
    }
    BuildInformation::setProductType(Products::Trimming);
    EXPECT_TRUE(group.getUseImportFittingGeometryVisibility());  // mask 14
    EXPECT_FALSE(group.getVarDrawbeadsScaleFactorVisibility());  // mask 33
    BuildInformation::setProductType(Products::Progressive);
    EXPECT_FALSE(group.getUseImportFittingGeometryVisibility());
    EXPECT_TRUE(group.getVarDrawbeadsScaleFactorVisibility());
}

TEST(MiscellaneousConfiguration, DesignerIsReadOnlyInThePresenterWhenForcedOrInReadOnlyMode)
{
    const struct
    {
        bool presenter;
        bool forced;
        bool readOnlyMode;
    } cases[] = {{false, false, false}, {true, false, false}, {false, true, false},
                 {false, false, true},  {true, true, true}};
    for (const auto& testCase : cases)
    {
        Misc group;
        group.setIsQVPresenter(testCase.presenter);
        group.setForceDesignerInReadOnlyMode(testCase.forced);
        store(group, Misc::s_readOnlyModeTag, testCase.readOnlyMode);
        EXPECT_EQ(group.getIsDesignerInReadOnlyMode(), testCase.presenter || testCase.forced || testCase.readOnlyMode);
    }
    Misc group;
    group.setIsQVPresenter(true);
    group.setIsQVPresenter(false);
    EXPECT_FALSE(group.getIsDesignerInReadOnlyMode());
}

TEST(MiscellaneousConfiguration, CopyFromNotifiesWhatDifferedInItsOwnOrder)
{
    Misc group;
    EmissionLog log;
    watchAll(log, group);
    group.copyFrom(Misc());
    EXPECT_EQ(log.emitted, Names{});

    Misc other;
    other.setShowExportForPAMenuEntry(true);
    other.setPressanNewWindow("P");
    other.setForceUseFlatMeshShading(true);
    other.setFirstLightSourceAzimuth(10);
    other.setFirstLightSourceIntensity(10);
    other.setAmbientLightingIntensity(5);
    other.setShowFldPointHulls(false);
    other.setVarDrawbeadsScaleFactor(8.0);
    other.setShowPointNormals(true);
    other.setSpotlightSelected3DObjects(false);
    other.setSheetShowRollAngle(false);
    other.setHighlightHovering(true);                // copied silently
    other.setMinAnimationTimeStepDuration(1);        // copied silently
    other.setControlMiscPageEnabledForRestart();     // copied silently
    store(other, Misc::s_readOnlyModeTag, true);     // copied silently
    other.getConfigurationValue(Misc::s_fastApply)->setEditable(false);
    SignalRecorder<int> ambient(group.m_ambientLightingIntensityChangedSignal);
    SignalRecorder<std::string> pressan(group.m_pressanAppPathChangedSignal);

    group.copyFrom(other);
    EXPECT_EQ(log.emitted, (Names{"sheetShowRollAngle", "spotlightSelected3DObjects", "showPointNormals",
                                  "varDrawbeadsScaleFactor", "showFldPointHulls", "ambientLightingIntensity",
                                  "firstLightSource", "forceUseFlatShading", "pressanAppPath",
                                  "showExportForPAMenuEntry"}));
    EXPECT_EQ(ambient.calls, std::vector<std::tuple<int>>{{5}});
    EXPECT_EQ(pressan.calls, std::vector<std::tuple<std::string>>{{"P"}});
    EXPECT_TRUE(group.getHighlightHovering());
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 1);
    EXPECT_TRUE(group.getIsControlMiscPageEnabledForRestart());
    EXPECT_TRUE(group.getIsDesignerInReadOnlyMode());
    EXPECT_FALSE(group.getFastApplyConfig().isEditable());
}

TEST(MiscellaneousConfiguration, CopyingOnlyOneLightSourceValueEmitsItsSignalOnce)
{
    Misc group;
    Misc other;
    other.setFirstLightSourceAzimuth(0);
    EmissionLog log;
    watchAll(log, group);
    group.copyFrom(other);
    EXPECT_EQ(log.emitted, Names{"firstLightSource"});
}

TEST(MiscellaneousConfiguration, ReportsAfterLoadingWithoutLightingAndHullsOnlyWhenEditable)
{
    const Names everything{"sheetShowRollAngle",
                           "smoothingEnabled",
                           "useSolidRepresentation",
                           "useSolidToolRepresentation",
                           "useThickSheetInSectionMode",
                           "initiallyShowAxes",
                           "usePilotDiameterAndAxisAdjustmentIfSnapped",
                           "referenceOption",
                           "showSolidPartsDefaultOption",
                           "modifyPagesDualView",
                           "highlightHovering",
                           "spotlightSelected3DObjects",
                           "showFldPointHulls",
                           "discretePercentagesEnabled",
                           "coordinateSystemScaleFactor",
                           "varDrawbeadsScaleFactor",
                           "useImportInvisibleGeometry",
                           "useImportFittingGeometry",
                           "showPreviewDialogOnImport",
                           "defaultForReduceSTLDuringImport",
                           "issueOverviewAsDefault",
                           "fastApply",
                           "pressanAppPath",
                           "stagixAppPath",
                           "showExportForPAMenuEntry"};
    Names withoutHulls = everything;
    withoutHulls.erase(std::find(withoutHulls.begin(), withoutHulls.end(), "showFldPointHulls"));

    Misc group;
    EmissionLog log;
    watchAll(log, group);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.emitted, everything);

    log.emitted.clear();
    group.getConfigurationValue(Misc::s_showFldPointHullsTag)->setEditable(false);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.emitted, withoutHulls);
}

TEST(MiscellaneousConfiguration, LoadsStoredValuesOnlyWhileTheGroupIsEditable)
{
    const std::string file = "<QuarvaneConfiguration><object name=\"MiscellaneousConfiguration\">"
                             "<value key=\"FastApply\" type=\"bool\">false</value>"
                             "<value key=\"ambientLightingIntensity\" type=\"int\">70</value>"
                             "<value key=\"MinAnimationTimeStepDuration\" type=\"string\">fast</value>"
                             "</object></QuarvaneConfiguration>";
    Misc group;
    ConfigReader reader = ConfigReader::fromXml(file, ConfigReader::Origin::UserFile);
    ASSERT_TRUE(reader.readConfigurationObject(group.getName(), group));
    EXPECT_FALSE(group.getFastApply());
    EXPECT_EQ(group.getAmbientLightingIntensity(), 30) << "a run-time value is never read from a file";
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 200);
    EXPECT_EQ(reader.warnings().size(), 1u);
    EXPECT_FALSE(group.hasNonEditableEntries());

    Misc locked;
    locked.setEditable(false);
    ConfigReader::fromXml(file).readConfigurationObject(locked.getName(), locked);
    EXPECT_TRUE(locked.getFastApply());
    EXPECT_TRUE(locked.hasNonEditableEntries());
}

TEST(MiscellaneousConfiguration, RegistersOnceWithTheManager)
{
    Misc* registered = Misc::getRegisteredInstance();
    EXPECT_EQ(Misc::getRegisteredInstance(), registered);
    EXPECT_EQ(ConfigurationManager::getInstance().getConfigurationObject("MiscellaneousConfiguration"), registered);
    std::unique_ptr<ConfigurationObject> fresh(registered->createConfigurationObject());
    EXPECT_NE(dynamic_cast<Misc*>(fresh.get()), nullptr);
    EXPECT_NE(fresh.get(), registered);
}

}  // namespace
