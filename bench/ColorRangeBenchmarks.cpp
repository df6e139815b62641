// The colour ranges catalogue and the colour maps: building them (at start-up, and the maps again
// whenever a dominant-variable range is added), looking a map up (once per drawn result) and
// sampling a section of the hue wheel (whenever a user edits a continuous scale).

#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"
#include "Platform/Core/Presentation/Configuration/ColorRangeIndexDeterminer.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <benchmark/benchmark.h>

namespace
{
using Quarvane::ColorMapManager;
using Quarvane::ColorRangesConfiguration;

// A catalogue of its own each time: the 44 fixed ranges, four of them continuous scales.
void BuildColorRangesCatalogue(benchmark::State& state)
{
    unsigned ranges = 0;
    for (auto _ : state)
    {
        ColorRangesConfiguration catalogue;
        ranges = catalogue.getColorRangeSize();
        benchmark::DoNotOptimize(ranges);
    }
    if (ranges != 44)
        state.SkipWithError("the catalogue did not have its 44 ranges");
}
BENCHMARK(BuildColorRangesCatalogue);

// Rebuilding every map from the catalogue, as the manager does when the catalogue announces a
// range; announcing is what triggers it, so the benchmark announces.
void BuildAllColorMaps(benchmark::State& state)
{
    ColorMapManager& manager = *ColorMapManager::instance();
    ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    auto before = manager.getColorMap(0);
    for (auto _ : state)
    {
        catalogue.signalColorRangesChanged();
        benchmark::ClobberMemory();
    }
    if (manager.getColorMap(0) == before || manager.getColorMap(43)->size() != 4)
        state.SkipWithError("the maps were not rebuilt");
}
BENCHMARK(BuildAllColorMaps);

void GetColorMapByIndex(benchmark::State& state)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    int index = 20;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(index);
        benchmark::DoNotOptimize(manager.getColorMap(index));
    }
}
BENCHMARK(GetColorMapByIndex);

// 144 hue-wheel samples, each an HSV interpolation through QColor; the argument is the number of
// colours to quantise to (0: continuous).
void ParameterizedColorRange(benchmark::State& state)
{
    const ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    const int numColors = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue.getParameterizedColorRange(0.75, 0.5, true, numColors));
}
BENCHMARK(ParameterizedColorRange)->Arg(0)->Arg(7);

// The same as a colour map, converted to RGB floats: what a user-defined continuous scale draws.
void ParameterizedColorMap(benchmark::State& state)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    for (auto _ : state)
        benchmark::DoNotOptimize(manager.getColorMap(0.75, 0.5, true, false, 0));
}
BENCHMARK(ParameterizedColorMap);

// A result property's colour range type to its map index: a key lookup in the catalogue.
void DetermineColorRangeIndex(benchmark::State& state)
{
    auto type = Quarvane::ResVarPropertiesCommon::MaxWrinkles4Level;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(type);
        benchmark::DoNotOptimize(Quarvane::ColorRangeIndexDeterminer::determineColorRangeIdx(type));
    }
}
BENCHMARK(DetermineColorRangeIndex);

}  // namespace
