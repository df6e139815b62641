// The setters of a configuration group: look the value up by key, compare, store, emit. The
// auto-save group stands for all of them; a local instance keeps the registered one untouched.

#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"

#include <benchmark/benchmark.h>

namespace
{
using Quarvane::AutoSaveConfiguration;

// Alternates between two settings, so every call stores both values and emits exactly once.
void AutoSaveSetterEmitsToOneSlot(benchmark::State& state)
{
    AutoSaveConfiguration configuration;
    long long notifications = 0;
    configuration.m_autoSaveOptionsChangedSignal.connect([&notifications](int, int) { ++notifications; });
    bool enable = false;
    for (auto _ : state)
    {
        enable = !enable;
        configuration.setAutoSaveOptions(enable ? 1 : 2, enable ? 10 : 20);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(notifications);
    if (notifications != static_cast<long long>(state.iterations()))
        state.SkipWithError("the setter did not emit once per call");
}
BENCHMARK(AutoSaveSetterEmitsToOneSlot);
// The same, among the comparisons with other tools (--benchmark_filter=Peer).
BENCHMARK(AutoSaveSetterEmitsToOneSlot)->Name("PeerSetter_Library");

// The same setter with nobody listening: the difference to the one above is the slot call.
void AutoSaveSetterWithoutSlot(benchmark::State& state)
{
    AutoSaveConfiguration configuration;
    bool enable = false;
    for (auto _ : state)
    {
        enable = !enable;
        configuration.setAutoSaveOptions(enable ? 1 : 2, enable ? 10 : 20);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(configuration.getAutoSaveOption());
}
BENCHMARK(AutoSaveSetterWithoutSlot);

// Setting what is already there: only the two lookups and the comparison, no store, no emit.
void AutoSaveSetterUnchanged(benchmark::State& state)
{
    AutoSaveConfiguration configuration;
    long long notifications = 0;
    configuration.m_autoSaveOptionsChangedSignal.connect([&notifications](int, int) { ++notifications; });
    int option = configuration.getAutoSaveOption();
    int interval = configuration.getAutoSaveIntervalInMinutes();
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(option);
        benchmark::DoNotOptimize(interval);
        configuration.setAutoSaveOptions(option, interval);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(notifications);
}
BENCHMARK(AutoSaveSetterUnchanged);

// One getter: a lookup by key in the group's table and a checked downcast.
void AutoSaveGetter(benchmark::State& state)
{
    AutoSaveConfiguration configuration;
    for (auto _ : state)
        benchmark::DoNotOptimize(configuration.getAutoSaveIntervalInMinutes());
}
BENCHMARK(AutoSaveGetter);

void AutoSaveConstructAndDestroy(benchmark::State& state)
{
    for (auto _ : state)
    {
        AutoSaveConfiguration configuration;
        benchmark::DoNotOptimize(configuration);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(AutoSaveConstructAndDestroy);

}  // namespace
