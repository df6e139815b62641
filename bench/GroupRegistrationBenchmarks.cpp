// The first use of the settings groups (creating each with its defaults and registering it with
// the configuration manager), and a getter and a setter of one of them.

#include "Platform/Core/Presentation/Configuration/DrawingEngineConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"
#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"
#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"
#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"
#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <benchmark/benchmark.h>

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>

#include <memory>

namespace
{
using namespace Quarvane;

std::size_t registerEveryGroupOnFirstUse()
{
    std::size_t registered = 0;
    registered += &DrawingEngineConfiguration::getRegisteredInstance() != nullptr;
    registered += ExportImageConfiguration::getRegisteredInstance() != nullptr;
    registered += ExportOffsetSurfaceConfiguration::getRegisteredInstance() != nullptr;
    registered += InputModeConfiguration::getRegisteredInstance() != nullptr;
    registered += SoftwareManualConfiguration::getRegisteredInstance() != nullptr;
    registered += TrevoaConfiguration::getRegisteredInstance() != nullptr;
    registered += StartupWindowsConfiguration::getRegisteredInstance() != nullptr;
    registered += ThreeDViewConfiguration::getRegisteredInstance() != nullptr;
    registered += UpdateConfiguration::getRegisteredInstance() != nullptr;
    return registered;
}

// The first calls of the process, measured once: there is only one first call per group. The
// figure is one sample and so noisier than the others; the benchmark below repeats the same work.
void FirstGetRegisteredInstanceOfNineGroups(benchmark::State& state)
{
    if (!ConfigurationManager::getInstance().getConfigurationObjectNames().empty())
        state.SkipWithError("a group was registered before: this is no first use");
    for (auto _ : state)
        benchmark::DoNotOptimize(registerEveryGroupOnFirstUse());
    if (ConfigurationManager::getInstance().getConfigurationObjectNames().size() != 9)
        state.SkipWithError("not every group registered");
}
BENCHMARK(FirstGetRegisteredInstanceOfNineGroups)->Iterations(1)->Repetitions(1)->Unit(benchmark::kMicrosecond);

template <class Group>
void registerFresh(ConfigurationManager& manager)
{
    auto group = std::make_shared<Group>();
    manager.addConfigurationObject(group, group->getName());
}

void registerEveryGroupWith(ConfigurationManager& manager)
{
    registerFresh<DrawingEngineConfiguration>(manager);
    registerFresh<ExportImageConfiguration>(manager);
    registerFresh<ExportOffsetSurfaceConfiguration>(manager);
    registerFresh<InputModeConfiguration>(manager);
    registerFresh<SoftwareManualConfiguration>(manager);
    registerFresh<TrevoaConfiguration>(manager);
    registerFresh<StartupWindowsConfiguration>(manager);
    registerFresh<ThreeDViewConfiguration>(manager);
    registerFresh<UpdateConfiguration>(manager);
}

// What each first call does (create with defaults, register), repeated with a new manager per
// iteration. With a user file loaded before, each registration also reads the group from it and
// emits its signals, as when the application touches a group after start-up.
void RegisterNineGroupsWithAManager(benchmark::State& state)
{
    const bool afterLoad = state.range(0) != 0;
    QTemporaryDir dir;
    const QString userFile = dir.filePath("user.xml");
    QFile file(userFile);
    if (!file.open(QIODevice::WriteOnly))
        state.SkipWithError("the user file could not be written");
    file.write("<QuarvaneConfiguration version=\"1\">"
               "<object name=\"InputModeConfiguration\"><value key=\"MouseZoomSpeed\" type=\"int\">40</value></object>"
               "<object name=\"ExportOffsetSurfaceConfiguration\"><object class=\"SkinConfiguration\" "
               "name=\"OffsetSkinAbove\"><value key=\"Offset\" type=\"double\">12.5</value></object></object>"
               "<object name=\"SoftwareManualConfiguration\"><value key=\"ManualLanguage\" type=\"string\">German"
               "</value></object></QuarvaneConfiguration>");
    file.close();
    for (auto _ : state)
    {
        state.PauseTiming();
        auto manager = std::make_unique<ConfigurationManager>();
        if (afterLoad)
            manager->loadConfiguration({}, userFile.toStdString());
        state.ResumeTiming();
        registerEveryGroupWith(*manager);
        state.PauseTiming();
        if (manager->getConfigurationObjectNames().size() != 9)
            state.SkipWithError("not every group registered");
        manager.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(RegisterNineGroupsWithAManager)->ArgName("after_load")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Every later call: the lock and a pointer.
void LaterGetRegisteredInstance(benchmark::State& state)
{
    InputModeConfiguration::getRegisteredInstance();
    for (auto _ : state)
        benchmark::DoNotOptimize(InputModeConfiguration::getRegisteredInstance());
}
BENCHMARK(LaterGetRegisteredInstance);

void InputModeGetter(benchmark::State& state)
{
    InputModeConfiguration configuration;
    for (auto _ : state)
        benchmark::DoNotOptimize(configuration.getMouseZoomSpeed());
}
BENCHMARK(InputModeGetter);

// Alternates between two speeds, so every call compares, clamps, stores and emits once.
void InputModeSetterEmitsToOneSlot(benchmark::State& state)
{
    InputModeConfiguration configuration;
    long long notifications = 0;
    configuration.m_mouseZoomSpeedChangedSignal.connect([&notifications](int) { ++notifications; });
    bool faster = false;
    for (auto _ : state)
    {
        faster = !faster;
        configuration.setMouseZoomSpeed(faster ? 20 : 10);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(notifications);
    if (notifications != static_cast<long long>(state.iterations()))
        state.SkipWithError("the setter did not emit once per call");
}
BENCHMARK(InputModeSetterEmitsToOneSlot);

}  // namespace
