#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "EmissionLog.h"
#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;
using Testing::TemporaryRegistry;
using Misc = MiscellaneousConfiguration;
using Names = std::vector<std::string>;

// Restores the running product and release a test changes.
struct BuildScope
{
    ProductType product = BuildInformation::getProductType();
    std::string release = BuildInformation::getReleaseVersion();
    ~BuildScope()
    {
        BuildInformation::setProductType(product);
        BuildInformation::setReleaseVersion(release);
    }
};

#define WATCH(name) log.watch(group.m_##name##ChangedSignal, #name)
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

template <class T>
const ConfigurationValue<T>& value(const Misc& group, const std::string& key)
{
    return dynamic_cast<const ConfigurationValue<T>&>(*group.getConfigurationValue(key));
}

// Sets a value through the framework, as a load or another instance would, without any signal.
template <class T>
void store(Misc& group, const std::string& key, const T& stored)
{
    dynamic_cast<ConfigurationValue<T>&>(*group.getConfigurationValue(key)).setValue(stored);
}

TEST(MiscellaneousConfiguration, ComputedDefaultsFollowTheProductAndTheInstalledRelease)
{
    BuildScope restore;
    TemporaryRegistry registry;
    const QString pressan12 = registry.install("P12", "QVPressanUI.exe");
    registry.addUninstallEntry("{p12}", "Quarvane", "Pressan R12", pressan12);
    registry.addUninstallEntry("{p11}", "Quarvane", "Pressan R11", registry.install("P11", "QVPressanUI.exe"));
    registry.addSuiteEntry("Stagix R12", registry.install("S12", "QVStagixUI.exe"));
    const std::string stagix = registry.install("S12", "QVStagixUI.exe").toStdString() + "\\bin\\QVStagixUI.exe";
    const std::string pressan = pressan12.toStdString() + "\\bin\\QVPressanUI.exe";
    const struct
    {
        ProductType product;
        const char* release;
        bool issueOverview;
        std::string pressan, stagix;
    } cases[] = {{Products::Designer, "R12", false, pressan, stagix},
                 {Products::Planner, "R12", true, pressan, stagix},
                 {Products::Progressive, "R13", true, "", ""}};
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

// The comparison is made with the requested value; the clamped value is stored and emitted.
TEST(MiscellaneousConfiguration, LightingSettersCompareThenClamp)
{
    const std::string& ambient = Misc::s_ambientLightingIntensityTag;
    const auto setAmbient = &Misc::setAmbientLightingIntensity;
    const struct
    {
        const std::string& key;
        void (Misc::*set)(int);
        int before, requested, stored;  // `before` is stored first, without a signal
        Names emitted;
    } cases[] = {
        {ambient, setAmbient, 30, 150, 100, {"ambientLightingIntensity(100)"}},
        {ambient, setAmbient, 100, 150, 100, {"ambientLightingIntensity(100)"}},
        {ambient, setAmbient, 100, 100, 100, {}},
        {Misc::s_specularHighlightingIntensityTag, &Misc::setSpecularHighlightingIntensity, 80, -5, 0,
         {"specularHighlightingIntensity(0)"}},
        {Misc::s_firstLightSourceAzimuthTag, &Misc::setFirstLightSourceAzimuth, -45, 180, 180, {"firstLightSource()"}},
        {Misc::s_firstLightSourceIncidenceTag, &Misc::setFirstLightSourceIncidence, 0, 120, 90, {"firstLightSource()"}},
        {Misc::s_secondLightSourceIntensityTag, &Misc::setSecondLightSourceIntensity, 100, -1, 0,
         {"secondLightSource()"}},
        {Misc::s_secondLightSourceAzimuthTag, &Misc::setSecondLightSourceAzimuth, 45, -1000, -180,
         {"secondLightSource()"}},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.key + " " + std::to_string(testCase.before) + " -> " +
                     std::to_string(testCase.requested));
        Misc group;
        store(group, testCase.key, testCase.before);
        EmissionLog log;
        watchAll(log, group);
        (group.*testCase.set)(testCase.requested);
        EXPECT_EQ(value<int>(group, testCase.key).getValue(), testCase.stored);
        EXPECT_EQ(log.entries, testCase.emitted);
    }
}

TEST(MiscellaneousConfiguration, SettersThatDepartFromTheCommonRule)
{
    Misc group;
    EmissionLog log;
    watchAll(log, group);
    // Stored without the signal the value has.
    group.setDiscretePercentagesEnabled(true);
    EXPECT_TRUE(group.getDiscretePercentagesEnabled());
    EXPECT_EQ(log.emitted, Names{});

    // Switched on once, for good; then signals without an argument.
    for (int i = 0; i < 2; ++i)
    {
        group.setControlMiscPageEnabledForRestart();
        group.setToolDeflectionFixturePlateGenerationEnabled();
        group.setWritePressElasticityModelSupportDataToSolverEnabled();
    }
    EXPECT_TRUE(group.getIsControlMiscPageEnabledForRestart());
    EXPECT_TRUE(group.getIsToolDeflectionFixturePlateGenerationEnabled());
    EXPECT_TRUE(group.getWritePressElasticityModelSupportDataToSolverEnabled());
    group.setShowFldPointHulls(false);
    group.setShowFldPointHulls(false);
    group.setForceUseFlatMeshShading(true);
    group.setEnableFirstLightSource(false);
    group.setEnableSecondLightSource(false);
    EXPECT_FALSE(group.getEnableSecondLightSource());
    EXPECT_EQ(log.emitted, (Names{"controlMiscPageEnabledForRestart", "toolDeflectionFixturePlateGeneration",
                                  "writePressElasticityModelSupportDataToSolver", "showFldPointHulls",
                                  "forceUseFlatShading", "firstLightSource", "secondLightSource"}));
}

TEST(MiscellaneousConfiguration, DesignerIsReadOnlyInThePresenterWhenForcedOrInReadOnlyMode)
{
    for (const int bits : {0, 1, 2, 4, 7})
    {
        Misc group;
        group.setIsQVPresenter(true);  // not sticky
        group.setIsQVPresenter((bits & 1) != 0);
        group.setForceDesignerInReadOnlyMode((bits & 2) != 0);
        store(group, Misc::s_readOnlyModeTag, (bits & 4) != 0);
        EXPECT_EQ(group.getIsDesignerInReadOnlyMode(), bits != 0) << bits;
    }
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
    other.setSheetShowRollAngle(false);
    other.setHighlightHovering(true);             // copied silently
    other.setMinAnimationTimeStepDuration(1);     // copied silently
    other.setControlMiscPageEnabledForRestart();  // copied silently
    store(other, Misc::s_readOnlyModeTag, true);  // copied silently
    other.getConfigurationValue(Misc::s_fastApply)->setEditable(false);
    group.copyFrom(other);
    EXPECT_EQ(log.entries, (Names{"sheetShowRollAngle(false)", "varDrawbeadsScaleFactor(8)", "showFldPointHulls()",
                                  "ambientLightingIntensity(5)", "firstLightSource()", "forceUseFlatShading()",
                                  "pressanAppPath(P)", "showExportForPAMenuEntry(true)"}));
    EXPECT_TRUE(group.getHighlightHovering());
    EXPECT_EQ(group.getMinAnimationTimeStepDuration(), 1);
    EXPECT_TRUE(group.getIsControlMiscPageEnabledForRestart());
    EXPECT_TRUE(group.getIsDesignerInReadOnlyMode());
    EXPECT_FALSE(group.getFastApplyConfig().isEditable());

    Misc fresh, onlyAzimuth;
    onlyAzimuth.setFirstLightSourceAzimuth(0);
    log.take();
    watchAll(log, fresh);
    fresh.copyFrom(onlyAzimuth);
    EXPECT_EQ(log.emitted, Names{"firstLightSource"});
}

// Also checks that the connect operations reach their signals.
TEST(MiscellaneousConfiguration, ReportsAfterLoadingWithoutLightingAndHullsOnlyWhenEditable)
{
    Names everything{"sheetShowRollAngle", "smoothingEnabled", "useSolidRepresentation", "useSolidToolRepresentation",
                     "useThickSheetInSectionMode", "initiallyShowAxes", "usePilotDiameterAndAxisAdjustmentIfSnapped",
                     "referenceOption", "showSolidPartsDefaultOption", "modifyPagesDualView", "highlightHovering",
                     "spotlightSelected3DObjects", "showFldPointHulls", "discretePercentagesEnabled",
                     "coordinateSystemScaleFactor", "varDrawbeadsScaleFactor", "useImportInvisibleGeometry",
                     "useImportFittingGeometry", "showPreviewDialogOnImport", "defaultForReduceSTLDuringImport",
                     "issueOverviewAsDefault", "fastApply", "pressanAppPath", "stagixAppPath",
                     "showExportForPAMenuEntry"};
    Misc group;
    EmissionLog log;
    watchAll(log, group);
    Names calls;
    const auto note = [&calls](const char* name) { return [&calls, name](auto&&...) { calls.push_back(name); }; };
    group.connectToPressanAppPathChangedSignal(note("pressan"));
    group.connectToStagixAppPathChangedSignal(note("stagix"));
    group.connectToDefaultForReduceSTLDuringImportChangedSignal(note("stl"));
    group.connectToDiscretePercentagesEnabledChangedSignal(note("percentages"));
    group.connectToFastApplyChangedSignal(note("fastApply"));
    group.connectToIssueOverviewAsDefaultChangedSignal(note("issueOverview"));
    group.connectToShowFldPointHullsChangedSignal(note("hulls"));
    EXPECT_TRUE(group.connectToWritePressElasticityModelSupportDataToSolverChangedSignal(note("x")).connected());
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.emitted, everything);
    group.m_writePressElasticityModelSupportDataToSolverChangedSignal();
    EXPECT_EQ(calls, (Names{"hulls", "percentages", "stl", "issueOverview", "fastApply", "pressan", "stagix", "x"}));

    log.take();
    group.getConfigurationValue(Misc::s_showFldPointHullsTag)->setEditable(false);
    group.emitSignalsAfterConfigLoading();
    everything.erase(std::find(everything.begin(), everything.end(), "showFldPointHulls"));
    EXPECT_EQ(log.emitted, everything);
}

}  // namespace
