// The scale properties of a result variable: building a discrete scale from a description, the
// label lookup a colour bar makes for each range, and the min/max cache that every redraw asks
// before it would compute extremes.

#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace
{
using Quarvane::DiscreteResVarProperty;
using Quarvane::LevelInfo;
using Quarvane::ResultVariableProperties;
using Quarvane::ResVarPropertiesCommon;
using ScaleType = ResVarPropertiesCommon::ScaleType;

// A forming-limit description: ten levels at 1, 2, ..., 10 with names and colours.
std::shared_ptr<ResultVariableProperties> makeTenLevelDescription()
{
    auto description = std::make_shared<ResultVariableProperties>();
    description->setSkinBaseName("FLD");
    description->setScaleType(ScaleType::Discrete);
    description->setDiscreteColorRangeType(ResVarPropertiesCommon::FormingLimitDiagram);
    description->setUseConfigurableDiscreteColors(true);
    for (int level = 1; level <= 10; ++level)
    {
        const float shade = static_cast<float>(level) / 10.0f;
        description->addDiscretizationLevel(
            std::make_shared<LevelInfo>(level, "Level " + std::to_string(level), shade, 1.0f - shade, 0.5f));
    }
    return description;
}

// Construction runs the continuous and the discrete initialisation: ticks from the levels, the
// colour range index, the configurable colours, and the connection to the description.
void ConstructDiscreteFromTenLevels(benchmark::State& state)
{
    const auto description = makeTenLevelDescription();
    for (auto _ : state)
    {
        DiscreteResVarProperty property(description, ScaleType::Discrete);
        benchmark::DoNotOptimize(property);
        if (property.getNumberOfTicks() != 9)
            state.SkipWithError("the levels did not become nine ticks");
    }
}
BENCHMARK(ConstructDiscreteFromTenLevels);

// Every range label of a ten-level scale in turn, plus the two out-of-scale answers.
void GetStringForValue(benchmark::State& state)
{
    const auto description = makeTenLevelDescription();
    const DiscreteResVarProperty property(description, ScaleType::Discrete);
    int index = -1;
    for (auto _ : state)
    {
        std::string label = property.getStringForValue(index);
        benchmark::DoNotOptimize(label);
        index = index == 10 ? -1 : index + 1;
    }
}
BENCHMARK(GetStringForValue);

// A hit among 64 cached entries, as after a session of switching time steps and policies.
void MinMaxCacheHit(benchmark::State& state)
{
    DiscreteResVarProperty property(nullptr, ScaleType::ManualDiscrete);
    for (std::size_t hash = 0; hash < 64; ++hash)
        property.cacheMinMax(hash * 0x9e3779b97f4a7c15ULL, -static_cast<double>(hash), static_cast<double>(hash));
    std::size_t hash = 37 * 0x9e3779b97f4a7c15ULL;
    double min = 0.0;
    double max = 0.0;
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(hash);
        const bool hit = property.getMinMaxFromCache(hash, min, max);
        benchmark::DoNotOptimize(hit);
        benchmark::DoNotOptimize(min);
        benchmark::DoNotOptimize(max);
    }
    if (min != -37.0 || max != 37.0)
        state.SkipWithError("the cache did not hit");
}
BENCHMARK(MinMaxCacheHit);

}  // namespace
