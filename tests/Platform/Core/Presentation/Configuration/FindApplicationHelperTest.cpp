#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"

#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>

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
                                                 {4, ""},        {5, ""},        {-1, ""}};
    for (const auto& [number, name] : cases)
        EXPECT_EQ(App::mapQuarvaneApplicationsToName(static_cast<App::QuarvaneApplications>(number)), name) << number;
}

TEST(FindApplicationHelper, FindsAnUninstallEntryOfTheSuitesPublisherByKindAndVersion)
{
    TemporaryRegistry registry;
    const QString location = registry.install("P11", "QVPressanUI.exe");
    registry.addUninstallEntry("{11}", "Quarvane", "Pressan R11", location);
    const QString path = executableIn(location, "QVPressanUI.exe");

    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "R11"), path);
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "r11"), "");
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "R1"), "");
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Stagix, "R11"), "");
    EXPECT_EQ(App::findApplicationsByType(App::Pressan), (Installations{{path, "Pressan R11"}}));
    EXPECT_EQ(App::findAllInstalledApplicationNames(), std::set<QString>{"Pressan R11"});
}

// Each entry is the only one in its registry; `found` tells whether the finder lists it.
TEST(FindApplicationHelper, IgnoresEntriesOfOtherPublishersAndWithoutAnExecutable)
{
    const struct
    {
        const char* what;
        QString publisher;
        QString displayName;
        bool useLocation;
        QString executableOnDisk;
        bool found;
    } cases[] = {
        {"the suite's own", "Quarvane", "Pressan R12", true, "QVPressanUI.exe", true},
        {"publisher in capitals", "QUARVANE", "Pressan R12", true, "QVPressanUI.exe", false},
        {"text after the publisher", "Quarvane GmbH", "Pressan R12", true, "QVPressanUI.exe", false},
        {"publisher missing", "", "Pressan R12", true, "QVPressanUI.exe", false},
        {"empty install location", "Quarvane", "Pressan R12", false, "QVPressanUI.exe", false},
        {"executable of another kind", "Quarvane", "Pressan R12", true, "QVStagixUI.exe", false},
        {"no executable at all", "Quarvane", "Pressan R12", true, "", false},
    };
    for (const auto& testCase : cases)
    {
        SCOPED_TRACE(testCase.what);
        TemporaryRegistry registry;
        const QString location = registry.install("Suite", testCase.executableOnDisk);
        registry.addUninstallEntry("{1}", testCase.publisher, testCase.displayName,
                                   testCase.useLocation ? location : QString());
        EXPECT_EQ(App::findAllInstalledApplicationNames().size(), testCase.found ? 1u : 0u);
        EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "R12").isEmpty(), !testCase.found);
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
    const QString jointraPath = executableIn(jointra, "QVJointraUI.exe");
    const QString toolsPath = tools + "\\bin\\";

    EXPECT_EQ(App::findApplicationsByType(App::Jointra), (Installations{{jointraPath, "Stagix for Jointra R12"}}));
    EXPECT_EQ(App::findApplicationsByType(App::Stagix), (Installations{{jointraPath, "Stagix for Jointra R12"}}));
    EXPECT_EQ(App::findApplicationsByType(App::Hollex), Installations{});
    EXPECT_EQ(App::findApplicationsByType(App::NoApplication),
              (Installations{{jointraPath, "Stagix for Jointra R12"}, {toolsPath, "Suite Tools R12"}}));
    EXPECT_EQ(App::findAllInstalledApplicationNames(),
              (std::set<QString>{"Stagix for Jointra R12", "Suite Tools R12"}));
}

TEST(FindApplicationHelper, ReadsTheSuitesOwnKeyAfterTheUninstallEntries)
{
    TemporaryRegistry registry;
    const QString both = registry.install("Both", "QVHollexUI.exe");
    registry.addUninstallEntry("{b}", "Quarvane", "Hollex R12 (uninstall)", both);
    registry.addSuiteEntry("Hollex R12", both);
    // A trailing backslash is not doubled; the suite key names the kind through its group name.
    const QString own = registry.install("Own", "QVHollexUI.exe");
    registry.addSuiteEntry("Hollex R13", own + "\\");
    registry.addSuiteEntry("Hollex R14", registry.install("Empty", ""));

    EXPECT_EQ(App::findApplicationsByType(App::Hollex),
              (Installations{{executableIn(both, "QVHollexUI.exe"), "Hollex R12 (uninstall)"},
                             {executableIn(own, "QVHollexUI.exe"), "Hollex R13"}}));
}

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

    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, "R12"), executableIn(first, "QVPressanUI.exe"));
    // An empty version matches every installation of the kind.
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, ""), executableIn(older, "QVPressanUI.exe"));
    EXPECT_EQ(App::findAllInstalledApplicationNames(),
              (std::set<QString>{"Pressan Beta R12", "Pressan R11", "Pressan R12", "Stagix R12"}));
}

TEST(FindApplicationHelper, AMissingOrMalformedRegistryHoldsNoApplications)
{
    TemporaryRegistry registry;
    const QString location = registry.install("P", "QVPressanUI.exe");
    registry.writeRaw("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quarvane\\Pressan R12]\nPath=\"" + location.toUtf8() +
                      "\"\n[[broken\n");
    EXPECT_TRUE(App::findAllInstalledApplicationNames().empty());
    QFile::remove(registry.filePath());
    EXPECT_TRUE(App::findAllInstalledApplicationNames().empty());
    EXPECT_EQ(App::findApplicationByTypeAndVersion(App::Pressan, ""), "");
}

}  // namespace
