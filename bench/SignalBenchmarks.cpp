// What emitting through the signal wrapper costs next to calling a std::function, and what a
// signal costs to make: every configuration group holds several, and every setter emits one.

#include "Platform/Core/Service/Signals/Signals.h"

#include <benchmark/benchmark.h>

#include <functional>

namespace
{
// The same trivial slot body for every variant, so that only the call mechanism differs.
struct Receiver
{
    long long sum = 0;
    void operator()(int value) { sum += value; }
};

void StdFunctionCall(benchmark::State& state)
{
    Receiver receiver;
    std::function<void(int)> function = [&receiver](int value) { receiver(value); };
    // The optimiser must not see through the std::function to the lambda inside it.
    benchmark::DoNotOptimize(function);
    int argument = 1;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(argument);
        function(argument);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(receiver.sum);
}
BENCHMARK(StdFunctionCall);

void SignalEmitWithoutSlot(benchmark::State& state)
{
    Signals::Signal<void(int)> signal;
    benchmark::DoNotOptimize(signal);
    int argument = 1;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(argument);
        signal(argument);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SignalEmitWithoutSlot);

// Asking whether anybody listens, the check an emitter could make before emitting.
void SignalEmptyCheckWithoutSlot(benchmark::State& state)
{
    Signals::Signal<void(int)> signal;
    benchmark::DoNotOptimize(signal);
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(signal.empty());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SignalEmptyCheckWithoutSlot);

void SignalEmitToOneSlot(benchmark::State& state)
{
    Receiver receiver;
    Signals::Signal<void(int)> signal;
    signal.connect([&receiver](int value) { receiver(value); });
    benchmark::DoNotOptimize(signal);
    int argument = 1;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(argument);
        signal(argument);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(receiver.sum);
    if (receiver.sum != static_cast<long long>(state.iterations()))
        state.SkipWithError("the slot was not called once per emission");
}
BENCHMARK(SignalEmitToOneSlot);

// The signature the groups with two values use, to see whether a second argument matters.
void SignalEmitTwoArgumentsToOneSlot(benchmark::State& state)
{
    long long sum = 0;
    Signals::Signal<void(int, int)> signal;
    signal.connect([&sum](int first, int second) { sum += first + second; });
    benchmark::DoNotOptimize(signal);
    int first = 1;
    int second = 2;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(first);
        benchmark::DoNotOptimize(second);
        signal(first, second);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(sum);
}
BENCHMARK(SignalEmitTwoArgumentsToOneSlot);

void SignalConstructAndDestroy(benchmark::State& state)
{
    for (auto _ : state)
    {
        Signals::Signal<void(int)> signal;
        benchmark::DoNotOptimize(signal);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SignalConstructAndDestroy);

// A group's signal over its lifetime as the application sees it: made, one observer, gone.
void SignalConstructConnectAndDestroy(benchmark::State& state)
{
    Receiver receiver;
    for (auto _ : state)
    {
        Signals::Signal<void(int)> signal;
        signal.connect([&receiver](int value) { receiver(value); });
        benchmark::DoNotOptimize(signal);
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(receiver.sum);
}
BENCHMARK(SignalConstructConnectAndDestroy);

}  // namespace
