#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"

#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using Testing::TemporaryRegistry;
using App = FindApplicationHelper;
using Installations = std::map<QString, QString>;

// The path the finder composes for an installation folder on this machine.
QString executableIn(const QString& location, const QString& executable) { return location + "\\bin\\" + executable; }

TEST(FindApplicationHelper, NamesTheFourApplications)
{
    const std::pair<int, const char*> cases[] = {{0, "Pressan"}, {1, "Jointra"}, {2, "Hollex"}, {3, "Stagix"},
                                                 {4, ""},        {-1, ""}};
    for (const auto& [number, name] : cases)
        EXPECT_EQ(App::mapQuarvaneApplicationsToName(static_cast<App::QuarvaneApplications>(number)), name) << number;
}

// Each entry is the only one in its registry; `found` tells whether the finder lists it.
TEST(FindApplicationHelper, IgnoresEntriesOfOtherPublishersAndWithoutAnExecutable)
{
    const std::tuple<const char*, bool, const char*, bool> cases[] = {
        // {publisher, install location given, executable on disk, found}
        {"Quarvane", true, "QVPressanUI.exe", true},       {"QUARVANE", true, "QVPressanUI.exe", false},
        {"Quarvane GmbH", true, "QVPressanUI.exe", false}, {"", true, "QVPressanUI.exe", false},
        {"Quarvane", false, "QVPressanUI.exe", false},     {"Quarvane", true, "QVStagixUI.exe", false},
        {"Quarvane", true, "", false}};
    for (const auto& [publisher, useLocation, executable, found] : cases)
    {
        SCOPED_TRACE(std::string(publisher) + " " + executable + (useLocation ? "" : " without a location"));
        TemporaryRegistry registry;
        const QString location = registry.install("Suite", executable);
        registry.addUninstallEntry("{1}", publisher, "Pressan R12", useLocation ? location : QString());
        EXPECT_EQ(App::findAllInstalledApplicationNames().size(), found ? 1u : 0u);
        EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "R12").isEmpty(), !found);
    }
}

TEST(FindApplicationHelper, KindComesFromTheFirstApplicationTheNameContains)
{
    TemporaryRegistry registry;
    // Jointra is tested before Stagix, so this is a Jointra whose executable the finder looks for.
    const QString jointra = registry.install("SJ", "QVJointraUI.exe");
    registry.addUninstallEntry("{sj}", "Quarvane", "Stagix for Jointra R12", jointra);
    // Names no application: its bin folder is what must exist.
    const QString tools = registry.install("Tools", "");
    registry.addUninstallEntry("{t}", "Quarvane", "Suite Tools R12", tools);
    const Installations both{{executableIn(jointra, "QVJointraUI.exe"), "Stagix for Jointra R12"}};

    EXPECT_EQ(App::findApplicationsByType(App::Jointra), both);
    EXPECT_EQ(App::findApplicationsByType(App::Stagix), both);
    EXPECT_EQ(App::findApplicationsByType(App::Hollex), Installations{});
    EXPECT_EQ(App::findApplicationsByType(App::NoApplication),
              (Installations{*both.begin(), {tools + "\\bin\\", "Suite Tools R12"}}));
}

// Uninstall entries come first, then the suite's own key, which names the kind through its group
// name; a trailing backslash is not doubled.
TEST(FindApplicationHelper, ReadsTheSuitesOwnKeyAfterTheUninstallEntries)
{
    TemporaryRegistry registry;
    const QString both = registry.install("Both", "QVHollexUI.exe");
    registry.addUninstallEntry("{b}", "Quarvane", "Hollex R12 (uninstall)", both);
    registry.addSuiteEntry("Hollex R12", both);
    const QString own = registry.install("Own", "QVHollexUI.exe");
    registry.addSuiteEntry("Hollex R13", own + "\\");
    registry.addSuiteEntry("Hollex R14", registry.install("Empty", ""));

    EXPECT_EQ(App::findApplicationsByType(App::Hollex),
              (Installations{{executableIn(both, "QVHollexUI.exe"), "Hollex R12 (uninstall)"},
                             {executableIn(own, "QVHollexUI.exe"), "Hollex R13"}}));
}

// The version must appear in the name as written; among matches the smallest path wins.
TEST(FindApplicationHelper, ChoosesTheSmallestPathAmongMatchingVersions)
{
    TemporaryRegistry registry;
    const QString second = registry.install("b-second", "QVPressanUI.exe");
    const QString first = registry.install("a-first", "QVPressanUI.exe");
    const QString older = registry.install("0-older", "QVPressanUI.exe");
    registry.addUninstallEntry("{2}", "Quarvane", "Pressan R12", second);
    registry.addUninstallEntry("{1}", "Quarvane", "Pressan Beta R12", first);
    registry.addUninstallEntry("{0}", "Quarvane", "Pressan R11", older);
    registry.addSuiteEntry("Stagix R12", registry.install("c-stagix", "QVStagixUI.exe"));

    const QString beta = executableIn(first, "QVPressanUI.exe"), r11 = executableIn(older, "QVPressanUI.exe");
    const std::pair<const char*, QString> cases[] = {{"R12", beta}, {"R11", r11}, {"", r11}, {"r11", ""}, {"R1", ""}};
    for (const auto& [version, path] : cases)
        EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, version), path) << version;
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Stagix, "R11"), "");
    EXPECT_EQ(App::findAllInstalledApplicationNames(),
              (std::set<QString>{"Pressan Beta R12", "Pressan R11", "Pressan R12", "Stagix R12"}));
}

}  // namespace
