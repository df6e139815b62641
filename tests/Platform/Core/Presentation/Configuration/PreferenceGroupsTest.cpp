#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"

#include "GroupTestSupport.h"

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Startup = StartupWindowsConfiguration;
using Manual = SoftwareManualConfiguration;
using ThreeD = ThreeDViewConfiguration;
using Update = UpdateConfiguration;

void watchStartup(EmissionLog& log, Startup& group)
{
    log.watch(group.m_welcomeDialogEnabledChangedSignal, "welcome")
        .watch(group.m_windowFontSizeChangedSignal, "fontSize")
        .watch(group.m_useLightVersionChangedSignal, "light")
        .watch(group.m_importFilterDialogEnabledChangedSignal, "importFilter")
        .watch(group.m_fileVersionWarningEnabledChangedSignal, "fileVersion")
        .watch(group.m_disclosureSingleModeChangedSignal, "disclosure");
}

TEST(StartupWindowsConfiguration, SettersStoreAlwaysAndEmitOnlyOnRequest)
{
    expectEmissions(watchStartup, {
        {"same welcome with signal", [](Startup& g) { g.setWelcomeDialogEnabled(true, true); }, {"welcome(true)"}},
        {"welcome without signal", [](Startup& g) { g.setWelcomeDialogEnabled(false, false); }, {}},
        {"font size out of the described range", [](Startup& g) { g.setWindowFontSize(40, true); },
         {"fontSize(40)"}},
        {"each flag to its own signal", [](Startup& g) {
             g.setUseLightVersion(true, true); g.setImportFilterDialogEnabled(false, true);
             g.setFileVersionWarningEnabled(true, true); g.setDisclosureSingleMode(true, true);
         }, {"light(true)", "importFilter(false)", "fileVersion(true)", "disclosure(true)"}},
        {"help dialog", [](Startup& g) { g.setHelpDialogEnabled(false); }, {}},
    });
    Startup group;  // stored without a signal, and without a range
    group.setWindowFontSize(40, false);
    group.setWelcomeDialogEnabled(false, false);
    EXPECT_TRUE(group.getWindowFontSize() == 40 && !group.getWelcomeDialogEnabled());
}

TEST(StartupWindowsConfiguration, CopyAlwaysReportsThreeDialogsAndTheFontSizeOnlyWhenItDiffered)
{
    Startup source, group;
    source.setUseLightVersion(true, false);
    source.setDisclosureSingleMode(true, false);
    EmissionLog log;
    watchStartup(log, group);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"welcome(true)", "importFilter(true)", "fileVersion(false)"}));
    EXPECT_TRUE(group.isUseLightVersion());
    source.setWindowFontSize(13, false);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"welcome(true)", "importFilter(true)", "fileVersion(false)", "fontSize(13)"}));
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), (Log{"welcome(true)", "fontSize(13)", "light(true)", "importFilter(true)",
                               "fileVersion(false)", "disclosure(true)"}));
}

TEST(SoftwareManualConfiguration, SetterStoresTheNameAndEmitsOnceWhenEitherDiffers)
{
    const std::tuple<QLocale::Language, bool, std::size_t, const char*> cases[] = {
        {QLocale::English, true, 0, "English"},  // the defaults
        {QLocale::German, true, 1, "German"},
        {QLocale::English, false, 1, "English"},
        {QLocale::NorwegianBokmal, true, 1, "Norwegian Bokmal"},
    };
    for (const auto& [language, online, emissions, stored] : cases)
    {
        Manual group;
        EmissionLog log;
        log.watch(group.m_softwareManualChangedSignal, "manual");
        group.setManualLanguage(language, online);
        EXPECT_EQ(log.entries.size(), emissions) << stored;
        EXPECT_EQ(group.getManualLanguageConfig().getValue(), stored);
        EXPECT_EQ(group.getOnlineManualFlag(), online);
        EXPECT_EQ(group.getManualLanguage(), language);
    }
}

TEST(SoftwareManualConfiguration, CopyFromIsSilentLoadingEmitsOnce)
{
    Manual source, group;
    source.setManualLanguage(QLocale::French, false);
    EmissionLog log;
    log.watch(group.m_softwareManualChangedSignal, "manual");
    group.copyFrom(source);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_EQ(group.getManualLanguage(), QLocale::French);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.entries, Log{"manual()"});
}

TEST(SoftwareManualConfiguration, UnknownStoredLanguageLoadsAsTheDefaultUnlessLockedEarlier)
{
    const auto language = [](const char* name, bool locked = false) {
        return configurationXml(
            storedObject("SoftwareManualConfiguration", storedValue("ManualLanguage", "string", name, locked)));
    };
    const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
        {{language("Klingon")}, "English"},
        {{language("german")}, "german"},
        {{language("Klingon", true)}, "English"},  // repaired in the very file that locks it
        {{language("French", true), language("Klingon")}, "French"},
    };
    for (const auto& [files, stored] : cases)
    {
        Manual group;
        std::vector<ConfigReader> layers;
        for (const std::string& file : files)
            layers.push_back(ConfigReader::fromXml(file));
        ConfigReader::layered(layers).readConfigurationObject(group.getName(), group);
        EXPECT_EQ(group.getManualLanguageConfig().getValue(), stored) << files.front();
    }
    // An unknown name already held and locked (an earlier load cannot leave one; a copy can).
    Manual group;
    auto& held = dynamic_cast<ConfigurationValue<std::string>&>(*group.getConfigurationValue("ManualLanguage"));
    held.setValue("Klingon");
    held.setEditable(false);
    ConfigReader::fromXml(language("German")).readConfigurationObject(group.getName(), group);
    EXPECT_EQ(group.getManualLanguageConfig().getValue(), "Klingon");
    EXPECT_EQ(group.getManualLanguage(), QLocale::English);
}

void watchThreeD(EmissionLog& log, ThreeD& group)
{
    log.watch(group.m_timeStepCtrlPinnedChangedSignal, "timeStep")
        .watch(group.m_timeStepTableCtrlPinnedChangedSignal, "timeStepTable")
        .watch(group.m_viewOptionCtrlPinnedChangedSignal, "viewOption")
        .watch(group.m_colorScaleCtrlPinnedChangedSignal, "colorScale");
}

void watchUpdate(EmissionLog& log, Update& group)
{
    log.watch(group.m_checkOnNextStartChangedSignal, "nextStart")
        .watch(group.m_applicationUpdatesChangedSignal, "application")
        .watch(group.m_materialUpdatesChangedSignal, "material")
        .watch(group.m_newsUpdatesChangedSignal, "news");
}

TEST(ThreeDViewConfiguration, SettersEmitOnRequestCopyReportsWhatDifferedAndLoadingIsSilent)
{
    ThreeD group;
    EmissionLog log;
    watchThreeD(log, group);
    group.setTimeStepCtrlPinned(false, true);
    group.setViewOptionCtrlPinned(true, false);
    group.setColorScaleCtrlPinned(true, true);
    EXPECT_EQ(log.take(), (Log{"timeStep(false)", "colorScale(true)"}));
    ThreeD source;
    source.setTimeStepTableCtrlPinned(true, false);
    source.setColorScaleCtrlPinned(true, false);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"timeStepTable(true)", "viewOption(false)"}));
    group.emitSignalsAfterConfigLoading();
    EXPECT_TRUE(log.entries.empty());
}

TEST(UpdateConfiguration, SettersEmitTheChangeAsEditableCopyIsSilentAndLoadingReportsEachLock)
{
    Update group;
    EmissionLog log;
    watchUpdate(log, group);
    group.setNewsUpdates(true);
    group.setNewsUpdates(true);
    group.setApplicationUpdates(false);
    group.setMaterialUpdates(true);
    group.setCheckOnNextStart(true);
    EXPECT_EQ(log.take(), (Log{"news(true,true)", "material(true,true)", "nextStart(true,true)"}));

    Update source, copy;
    source.setMaterialUpdates(true);
    source.getConfigurationValue("MaterialUpdates")->setEditable(false);
    watchUpdate(log, copy);
    copy.copyFrom(source);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_FALSE(copy.getEditable(Update::MaterialUpdatesType));
    copy.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), (Log{"application(true,false)", "material(false,true)", "news(true,false)",
                               "nextStart(true,false)"}));
}

TEST(TrevoaConfiguration, SetterCopyAndLoadingNotify)
{
    TrevoaConfiguration group, same;
    EmissionLog log;
    log.watch(group.m_disableExportWithoutStandardChangedSignal, "disable");
    group.setDisableExportWithoutStandard(false);
    group.setDisableExportWithoutStandard(true);
    same.setDisableExportWithoutStandard(true);
    group.copyFrom(same);
    group.copyFrom(TrevoaConfiguration());
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.entries, (Log{"disable(true)", "disable(false)", "disable(false)"}));
}

}  // namespace
