// Finding the suite's installed applications, and what it costs the miscellaneous settings group,
// whose constructor asks for the default Pressan and Stagix paths: every instance made (the
// registered one, each default copy a save or a tool makes) reads the registry twice.

#include "Platform/Core/Presentation/Configuration/FindApplicationHelper.h"
#include "Platform/Core/Presentation/Configuration/MiscellaneousConfiguration.h"
#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "tests/Platform/Core/Service/Registry/TemporaryRegistry.h"

#include <benchmark/benchmark.h>

namespace
{
using namespace Quarvane;

// 50 installations of the four applications and three releases, half registered as uninstall
// entries and half under the suite's own key, each with its executable on disk; and ten uninstall
// entries of other publishers, which the finder reads and drops.
class FiftyInstallations
{
public:
    static constexpr int s_count = 50;

    FiftyInstallations()
    {
        const char* const applications[][2] = {{"Pressan", "QVPressanUI.exe"},
                                               {"Jointra", "QVJointraUI.exe"},
                                               {"Hollex", "QVHollexUI.exe"},
                                               {"Stagix", "QVStagixUI.exe"}};
        const char* const releases[] = {"R10", "R11", "R12"};
        for (int i = 0; i < s_count; ++i)
        {
            const auto& application = applications[i % 4];
            const QString name =
                QString("%1 %2 build %3 %4").arg(application[0]).arg(i).arg(i / 12).arg(releases[i % 3]);
            const QString location = m_registry.install(QString("install-%1").arg(i), application[1]);
            if (i % 2 == 0)
                m_registry.addUninstallEntry(QString("{%1}").arg(i), "Quarvane", name, location);
            else
                m_registry.addSuiteEntry(name, location);
        }
        for (int i = 0; i < 10; ++i)
            m_registry.addUninstallEntry(QString("{other-%1}").arg(i), "Someone Else", QString("Viewer %1").arg(i),
                                         "C:\\Viewer");
        BuildInformation::setReleaseVersion("R12");
    }

private:
    Testing::TemporaryRegistry m_registry;
};

FiftyInstallations& registry()
{
    static FiftyInstallations installations;
    return installations;
}

void ConstructMiscellaneousConfiguration(benchmark::State& state)
{
    registry();
    for (auto _ : state)
    {
        MiscellaneousConfiguration configuration;
        benchmark::DoNotOptimize(configuration);
    }
    if (MiscellaneousConfiguration().getPressanNewWindow().empty())
        state.SkipWithError("no Pressan of the release was found");
}
BENCHMARK(ConstructMiscellaneousConfiguration)->Unit(benchmark::kMicrosecond);

void FindApplicationByTypeAndVersion(benchmark::State& state)
{
    registry();
    QString path;
    for (auto _ : state)
    {
        path = FindApplicationHelper::findApplicationByTypeAndVersion(FindApplicationHelper::Stagix, "R12");
        benchmark::DoNotOptimize(path);
    }
    if (path.isEmpty())
        state.SkipWithError("no Stagix of the release was found");
}
BENCHMARK(FindApplicationByTypeAndVersion)->Unit(benchmark::kMicrosecond);

// The same group without any registry, for the share the finder takes of the construction.
void ConstructMiscellaneousConfigurationWithoutRegistry(benchmark::State& state)
{
    const QByteArray saved = qgetenv(RegistryKey::s_registryFileVariable);
    qunsetenv(RegistryKey::s_registryFileVariable);
    for (auto _ : state)
    {
        MiscellaneousConfiguration configuration;
        benchmark::DoNotOptimize(configuration);
    }
    qputenv(RegistryKey::s_registryFileVariable, saved);
}
BENCHMARK(ConstructMiscellaneousConfigurationWithoutRegistry)->Unit(benchmark::kMicrosecond);

}  // namespace
