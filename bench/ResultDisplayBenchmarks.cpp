// The road a view takes for every frame it draws a result variable: the settings from the
// collection, the active scale, its limits (from the cache once computed), its colour range
// index and the colour map. And the first request for a variable's settings, which builds them
// from the defaults.

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"
#include "Platform/Core/Presentation/Configuration/DefaultResVarSettings.h"
#include "Platform/Core/Presentation/Configuration/ResVarMinMaxFactory.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
using namespace Quarvane;
using ScaleType = ResVarPropertiesCommon::ScaleType;

// A result with `count` continuous variables (VARIABLE_0, ...), each with values at two time
// steps, and their descriptions.
struct Evaluation
{
    std::shared_ptr<ResVarCollection> results = std::make_shared<ResVarCollection>();
    std::shared_ptr<ResultVariablePropertiesCollection> properties =
        std::make_shared<ResultVariablePropertiesCollection>();
    std::vector<std::string> names;

    explicit Evaluation(int count)
    {
        const GUIdentifier blank(0, 1);
        for (int i = 0; i < count; ++i)
        {
            const std::string name = "VARIABLE_" + std::to_string(i);
            names.push_back(name);
            results->addResultVariable(name, SkinInterpretElementSmooth, {SkinInterpretElementFlat}, ResVarGroupScalar);
            results->setValues(name, {1, blank, "Blank"}, {-0.1, 0.0, 0.2});
            results->setValues(name, {2, blank, "Blank"}, {-0.2, 0.1, 0.3});
            auto description = std::make_shared<ResultVariableProperties>();
            description->setSkinBaseName(name);
            description->setScaleType(static_cast<int>(ScaleType::Continuous));
            properties->addResVarProperty(name, description);
        }
    }
};

void TypicalRoadWarmCache(benchmark::State& state)
{
    const Evaluation evaluation(1);
    const std::string& name = evaluation.names.front();
    const SkinKey key(name);
    DefaultResVarSettings defaults;
    defaults.getSettings(name, evaluation.results, evaluation.properties);
    ColorMapManager* manager = ColorMapManager::instance();
    double min = 0;
    double max = 0;
    for (auto _ : state)
    {
        ResVarSettings* settings = defaults.getSettings(name, evaluation.results, evaluation.properties);
        ContResVarProperty* scale = settings->getActiveProperty();
        ResVarMinMaxFactory factory(key, evaluation.results, scale);
        factory.setTimeStepIdx(2);
        const bool found = factory.getMinMax(min, max);
        const auto colorMap = manager->getColorMap(scale->getColorRangeIdx());
        benchmark::DoNotOptimize(colorMap);
        if (!found || max != 0.3)
            state.SkipWithError("the limits were not found");
    }
}
BENCHMARK(TypicalRoadWarmCache);

// Includes making and destroying the (empty) defaults, which the measurement cannot separate
// without pausing the clock for longer than the request takes.
void FirstGetSettings(benchmark::State& state)
{
    const Evaluation evaluation(1);
    for (auto _ : state)
    {
        DefaultResVarSettings defaults;
        benchmark::DoNotOptimize(defaults.getSettings(evaluation.names.front(), evaluation.results,
                                                      evaluation.properties));
    }
}
BENCHMARK(FirstGetSettings);

void FirstGetSettingsOf1000Variables(benchmark::State& state)
{
    const Evaluation evaluation(1000);
    for (auto _ : state)
    {
        DefaultResVarSettings defaults;
        for (const std::string& name : evaluation.names)
            benchmark::DoNotOptimize(defaults.getSettings(name, evaluation.results, evaluation.properties));
        if (defaults.getSettingsCollection()->getNumberOfSettings() != 1000)
            state.SkipWithError("not every variable got settings");
    }
}
BENCHMARK(FirstGetSettingsOf1000Variables)->Unit(benchmark::kMillisecond);

}  // namespace
