#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "EmissionLog.h"
#include "SignalRecorder.h"
#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <gtest/gtest.h>

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
    const std::string pressan = pressan12.toStdString() + "\\bin\\QVPressanUI.exe";

    const struct
    {
        ProductType product;
        const char* release;
        bool issueOverview;
        std::string pressan;
        std::string stagix;
    } cases[] = {
        {Products::Designer, "R12", false, pressan, stagix12},
        {Products::Planner, "R12", true, pressan, stagix12},
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

// A setter that follows the common rule changes its own value, the getter reads that value back,
// and the value's signal carries it once per change.
template <class T>
void checkCommonSetter(const std::string& key, void (Misc::*set)(T), T (Misc::*get)() const,
                       Signals::Signal<void(T)> Misc::*changed, T other)
{
    SCOPED_TRACE(key);
    Misc group;
    SignalRecorder<T> recorder(group.*changed);
    (group.*set)((group.*get)());
    EXPECT_TRUE(recorder.calls.empty());
    (group.*set)(other);
    (group.*set)(other);
    EXPECT_EQ((group.*get)(), other);
    EXPECT_EQ(dynamic_cast<const ConfigurationValue<T>&>(*group.getConfigurationValue(key)).getValue(), other);
    EXPECT_EQ(recorder.calls, std::vector<std::tuple<T>>{{other}});
}

TEST(MiscellaneousConfiguration, CommonSettersChangeTheirOwnValueAndNotifyOncePerChange)
{
    checkCommonSetter(Misc::s_useSolidRepresentationTag, &Misc::setInitialUseSolidRepresentation,
                      &Misc::getInitialUseSolidRepresentation, &Misc::m_useSolidRepresentationChangedSignal, false);
    checkCommonSetter(Misc::s_importInvisibleGeometryTag, &Misc::setUseImportInvisibleGeometry,
                      &Misc::getUseImportInvisibleGeometry, &Misc::m_useImportInvisibleGeometryChangedSignal, true);
    checkCommonSetter(Misc::s_referenceOptionTag, &Misc::setReferenceOptions, &Misc::getReferenceOption,
                      &Misc::m_referenceOptionChangedSignal, -7);  // any int
    checkCommonSetter(Misc::s_normalScaleFactorTag, &Misc::setNormalScaleFactor, &Misc::getNormalScaleFactor,
                      &Misc::m_normalScaleFactorChangedSignal, 0.1);
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
        {Misc::s_ambientLightingIntensityTag,
         &Misc::setAmbientLightingIntensity,
         30,
         150,
         100,
         {"ambientLightingIntensity"}},
        {Misc::s_ambientLightingIntensityTag,
         &Misc::setAmbientLightingIntensity,
         100,
         150,
         100,
         {"ambientLightingIntensity"}},
        {Misc::s_ambientLightingIntensityTag, &Misc::setAmbientLightingIntensity, 100, 100, 100, {}},
        {Misc::s_specularHighlightingIntensityTag,
         &Misc::setSpecularHighlightingIntensity,
         80,
         -5,
         0,
         {"specularHighlightingIntensity"}},
        {Misc::s_firstLightSourceAzimuthTag, &Misc::setFirstLightSourceAzimuth, -45, 180, 180, {"firstLightSource"}},
        {Misc::s_firstLightSourceIncidenceTag, &Misc::setFirstLightSourceIncidence, 0, 120, 90, {"firstLightSource"}},
        {Misc::s_secondLightSourceIntensityTag,
         &Misc::setSecondLightSourceIntensity,
         100,
         -1,
         0,
         {"secondLightSource"}},
        {Misc::s_secondLightSourceAzimuthTag,
         &Misc::setSecondLightSourceAzimuth,
         45,
         -1000,
         -180,
         {"secondLightSource"}},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.key + " " + std::to_string(testCase.before) + " -> " +
                     std::to_string(testCase.requested));
        Misc group;
        store(group, testCase.key, testCase.before);
        EmissionLog log;
        watchAll(log, group);
        SignalRecorder<int> ambient(group.m_ambientLightingIntensityChangedSignal);
        (group.*testCase.set)(testCase.requested);
        EXPECT_EQ(dynamic_cast<const ConfigurationValue<int>&>(*group.getConfigurationValue(testCase.key)).getValue(),
                  testCase.stored);
        EXPECT_EQ(log.emitted, testCase.emitted);
        for (const auto& call : ambient.calls)
            EXPECT_EQ(std::get<0>(call), testCase.stored);
    }
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
    EXPECT_EQ(log.emitted, (Names{"controlMiscPageEnabledForRestart", "toolDeflectionFixturePlateGeneration",
                                  "writePressElasticityModelSupportDataToSolver", "showFldPointHulls",
                                  "forceUseFlatShading", "firstLightSource", "secondLightSource"}));
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

// The numbers follow neither the value order nor the keys' order everywhere; 12, 28 and numbers
// past the list select nothing.
TEST(MiscellaneousConfiguration, TypeNumbersSelectTheValueTheyName)
{
    const std::pair<int, const char*> selected[] = {
        {0, "SheetShowRollAngle"},       {10, "ShowSolidPartsAsDefault"}, {11, "ReadOnlyMode"},
        {18, "InitiallyShowAxes"},       {19, "ShowFldPointHulls"},       {27, "StagixNewWindow"},
        {29, "ShowExportForPAMenuEntry"}};
    for (const auto& [number, key] : selected)
    {
        Misc group;
        group.getConfigurationValue(key)->setEditable(false);
        for (int other = -1; other <= 31; ++other)
            EXPECT_EQ(group.getEditable(static_cast<Misc::MiscConfigurationTypes>(other)), other != number)
                << key << " " << other;
    }
    Misc group;
    for (const auto& value : group.getConfigurationValues())
        value->setEditable(false);
    for (const int none : {12, 28, 30, -1})
        EXPECT_TRUE(group.getEditable(static_cast<Misc::MiscConfigurationTypes>(none))) << none;
    EXPECT_TRUE(group.hasNonEditableEntries());
    group.setEditable(false);
    EXPECT_FALSE(group.getEditable(static_cast<Misc::MiscConfigurationTypes>(30)));
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
        {28, true, true},   {30, true, true},
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
    } cases[] = {
        {false, false, false}, {true, false, false}, {false, true, false}, {false, false, true}, {true, true, true}};
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
    other.setHighlightHovering(true);             // copied silently
    other.setMinAnimationTimeStepDuration(1);     // copied silently
    other.setControlMiscPageEnabledForRestart();  // copied silently
    store(other, Misc::s_readOnlyModeTag, true);  // copied silently
    other.getConfigurationValue(Misc::s_fastApply)->setEditable(false);
    SignalRecorder<int> ambient(group.m_ambientLightingIntensityChangedSignal);
    SignalRecorder<std::string> pressan(group.m_pressanAppPathChangedSignal);

    group.copyFrom(other);
    EXPECT_EQ(log.emitted,
              (Names{"sheetShowRollAngle", "spotlightSelected3DObjects", "showPointNormals", "varDrawbeadsScaleFactor",
                     "showFldPointHulls", "ambientLightingIntensity", "firstLightSource", "forceUseFlatShading",
                     "pressanAppPath", "showExportForPAMenuEntry"}));
    EXPECT_EQ(ambient.calls, std::vector<std::tuple<int>>{{5}});
    EXPECT_EQ(pressan.calls, std::vector<std::tuple<std::string>>{{"P"}});
    EXPECT_TRUE(group.getHighlightHovering());
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 1);
    EXPECT_TRUE(group.getIsControlMiscPageEnabledForRestart());
    EXPECT_TRUE(group.getIsDesignerInReadOnlyMode());
    EXPECT_FALSE(group.getFastApplyConfig().isEditable());

    Misc fresh;
    Misc onlyAzimuth;
    onlyAzimuth.setFirstLightSourceAzimuth(0);
    log.emitted.clear();
    watchAll(log, fresh);
    fresh.copyFrom(onlyAzimuth);
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

TEST(MiscellaneousConfiguration, ALockedGroupLoadsNothing)
{
    const std::string file =
        "<QuarvaneConfiguration><object name=\"MiscellaneousConfiguration\">"
        "<value key=\"FastApply\" type=\"bool\">false</value></object></QuarvaneConfiguration>";
    for (const bool locked : {false, true})
    {
        Misc group;
        group.setEditable(!locked);
        ConfigReader::fromXml(file).readConfigurationObject(group.getName(), group);
        EXPECT_EQ(group.getFastApply(), locked);
        EXPECT_EQ(group.hasNonEditableEntries(), locked);
    }
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
