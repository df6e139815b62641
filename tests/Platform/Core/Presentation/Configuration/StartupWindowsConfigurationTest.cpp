#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Startup = StartupWindowsConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, Startup& group)
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
    struct Case
    {
        const char* what;
        void (*act)(Startup&);
        Log emitted;
    };
    const Case cases[] = {
        {"same welcome with signal", [](Startup& g) { g.setWelcomeDialogEnabled(true, true); }, {"welcome(true)"}},
        {"welcome without signal", [](Startup& g) { g.setWelcomeDialogEnabled(false, false); }, {}},
        {"font size out of the described range", [](Startup& g) { g.setWindowFontSize(40, true); },
         {"fontSize(40)"}},
        {"light version", [](Startup& g) { g.setUseLightVersion(true, true); }, {"light(true)"}},
        {"import filter", [](Startup& g) { g.setImportFilterDialogEnabled(false, true); }, {"importFilter(false)"}},
        {"file version", [](Startup& g) { g.setFileVersionWarningEnabled(true, true); }, {"fileVersion(true)"}},
        {"disclosure", [](Startup& g) { g.setDisclosureSingleMode(true, true); }, {"disclosure(true)"}},
        {"help dialog", [](Startup& g) { g.setHelpDialogEnabled(false); }, {}},
    };
    for (const Case& c : cases)
    {
        Startup group;
        EmissionLog log;
        watchAll(log, group);
        c.act(group);
        EXPECT_EQ(log.entries, c.emitted) << c.what;
    }
    Startup group;
    group.setWindowFontSize(40, false);
    group.setWelcomeDialogEnabled(false, false);
    group.setHelpDialogEnabled(false);
    EXPECT_EQ(group.getWindowFontSize(), 40);
    EXPECT_FALSE(group.getWelcomeDialogEnabled());
    EXPECT_FALSE(group.getHelpDialogEnabled());
}

TEST(StartupWindowsConfiguration, CopyAlwaysReportsThreeDialogsAndTheFontSizeOnlyWhenItDiffered)
{
    Startup source;
    source.setUseLightVersion(true, false);
    source.setDisclosureSingleMode(true, false);
    Startup group;
    EmissionLog log;
    watchAll(log, group);
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

TEST(StartupWindowsConfiguration, VisibilityFollowsTheProductAndIsFalseForNumbersThatSelectNothing)
{
    Startup group;
    EXPECT_FALSE(group.getVisibility(static_cast<Startup::StartupWindowsConfigTypes>(9)));
    EXPECT_FALSE(group.getVisibility(static_cast<Startup::StartupWindowsConfigTypes>(-1)));
    EXPECT_FALSE(group.getVisibility(Startup::ConfidentialNoticeType));

    const ProductType running = BuildInformation::getProductType();
    BuildInformation::setProductType(16);
    EXPECT_FALSE(group.getVisibility(Startup::FileVersionWarningType));
    EXPECT_TRUE(group.getVisibility(Startup::UseCustomStyleType));
    BuildInformation::setProductType(running);
}

TEST(StartupWindowsConfiguration, RoundTripThroughFilesTakesTheNoticeFromTheSystemFileOnly)
{
    const std::string system = storedObject("StartupWindowsConfiguration",
                                            storedValue("WindowFontSize", "int", "12", true) +
                                                storedValue("ConfidentialNotice", "string", "Internal use only"));
    ManagedGroup<Startup> first;
    first.load(system, storedObject("StartupWindowsConfiguration",
                                    storedValue("ConfidentialNotice", "string", "user text")));
    EXPECT_EQ(first->getConfidentialNotice(), "Internal use only");
    first->setUseLightVersion(true, false);
    first->setWindowFontSize(9, false);
    ASSERT_TRUE(first.save());
    EXPECT_EQ(first.userFileText().find("Internal use only"), std::string::npos);

    ManagedGroup<Startup> second;
    EmissionLog log;
    watchAll(log, *second);
    second.loadFilesOf(first);
    EXPECT_TRUE(second->isUseLightVersion());
    EXPECT_EQ(second->getWindowFontSize(), 12);
    EXPECT_EQ(log.entries.size(), 6u);
}

}  // namespace
