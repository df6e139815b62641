#include "Platform/Core/Business/ResultVariables/GeometryResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"
#include "Platform/Core/Presentation/Configuration/ResVarMinMaxFactory.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>

namespace Quarvane
{
namespace
{

using namespace Testing;
using Extremes = std::tuple<bool, double, double>;  // found, min, max

const GUIdentifier bodyA(0, 1);
const GUIdentifier bodyB(0, 2);
const SkinKey thinning("THINNING");
const Extremes untouched{false, 123, 456};

// Step 0: A Blank 0.1 0.2. Step 1: A Blank/Flange -0.05 0.3, B Die 0.25.
// Step 2: A Blank 1 .. 9 and the outlier 100, B Blank -7.
template <class Collection = ResVarCollection>
std::shared_ptr<Collection> makeResult()
{
    auto result = std::make_shared<Collection>();
    result->addResultVariable(thinning.getBase(), SkinInterpretElementSmooth, {}, ResVarGroupScalar);
    result->setValues("THINNING", {0, bodyA, "Blank"}, {0.1, 0.2});
    result->setValues("THINNING", {1, bodyA, "Blank/Flange"}, {-0.05, 0.3});
    result->setValues("THINNING", {1, bodyB, "Die"}, {0.25});
    result->setValues("THINNING", {2, bodyA, "Blank"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 100});
    result->setValues("THINNING", {2, bodyB, "Blank"}, {-7});
    return result;
}

// A scale without description: stored limits 2 .. 5, default limits -1 .. 1.
std::unique_ptr<ContResVarProperty> scaleWith(MinMaxType policy, ScaleType type = ScaleType::Continuous)
{
    std::unique_ptr<ContResVarProperty> scale(type == ScaleType::Continuous ? new ContResVarProperty(nullptr, type)
                                                                            : new DiscreteResVarProperty(nullptr, type));
    scale->editMinMax(2.0, 5.0);
    scale->setDefaultMin(-1.0);
    scale->setDefaultMax(1.0);
    scale->setMinMaxType(policy);
    return scale;
}

// Counts how often the overridden policies really compute (the dispatch must reach the override).
class CountingFactory : public ResVarMinMaxFactory
{
public:
    using ResVarMinMaxFactory::computeHash;
    using ResVarMinMaxFactory::ResVarMinMaxFactory;
    mutable int computations = 0;

protected:
    bool getTimestepMinMax(double& min, double& max) const override
    {
        return ++computations, ResVarMinMaxFactory::getTimestepMinMax(min, max);
    }
    bool getGlobalMinMax(double& min, double& max) const override
    {
        return ++computations, ResVarMinMaxFactory::getGlobalMinMax(min, max);
    }
};

Extremes evaluate(const ResVarMinMaxFactory& factory, std::optional<GUIdentifier> body = std::nullopt)
{
    auto [found, min, max] = untouched;
    found = body ? factory.getBodyMinMax(*body, min, max) : factory.getMinMax(min, max);
    return {found, min, max};
}

TEST(ResVarMinMaxFactoryDispatch, EachPolicyTakesItsSource)
{
    const std::tuple<MinMaxType, std::optional<GUIdentifier>, double, double> cases[] = {
        {MinMaxType::Global, std::nullopt, -7, 100},      {MinMaxType::Global, bodyA, -0.05, 100},
        {MinMaxType::TimeStep, std::nullopt, -0.05, 0.3}, {MinMaxType::TimeStep, bodyB, 0.25, 0.25},
        {MinMaxType::Object, std::nullopt, 0.25, 0.25},   {MinMaxType::Object, bodyA, -0.05, 0.3},
        {MinMaxType::Manual, std::nullopt, 2, 5},         {MinMaxType::Manual, bodyA, 2, 5},
        {MinMaxType::Default, std::nullopt, -1, 1},       {MinMaxType::Default, bodyB, -1, 1},
    };
    auto result = makeResult();
    for (const auto& [policy, body, min, max] : cases)
    {
        auto scale = scaleWith(policy);
        ResVarMinMaxFactory factory(thinning, result, scale.get());
        factory.setTimeStepIdx(1);
        factory.setPath(body ? "Blank/Flange" : "Die");
        EXPECT_EQ(evaluate(factory, body), Extremes(true, min, max)) << number(policy);
    }
}

TEST(ResVarMinMaxFactoryDispatch, AutoUsesTheCollectionKind)
{
    double min = 0, max = 0;
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onResult(thinning, result, scale.get());
    onResult.setTimeStepIdx(2);
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(result, thinning, min, max, 2u));
    EXPECT_EQ(evaluate(onResult), Extremes(true, min, max));
    EXPECT_LT(max, 100.0);  // the outlier is gone
    ASSERT_TRUE(MinMaxDeterminer::getBodyMinMaxAuto(result, bodyA, thinning, min, max, 2u));
    EXPECT_EQ(evaluate(onResult, bodyA), Extremes(true, min, max));

    // Rigid tools: the tool results over every step, for the whole model and any body.
    auto tools = makeResult<ToolResVarCollection>();
    auto toolScale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onTools(thinning, tools, toolScale.get());
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(tools, thinning, min, max));
    EXPECT_EQ(evaluate(onTools), Extremes(true, min, max));
    EXPECT_EQ(evaluate(onTools, bodyB), Extremes(true, min, max));

    // A geometry check: every object, but no per-body automatic extremes.
    auto geometry = std::make_shared<GeometryResVarCollection>();
    geometry->addResultVariable("THINNING", SkinInterpretNodalSmooth, {}, ResVarGroupScalar);
    geometry->setObjectValues("THINNING", bodyA, "Face1", {0.5, 0.7});
    geometry->setObjectValues("THINNING", bodyB, "Face2", {-0.2});
    auto geometryScale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onGeometry(thinning, geometry, geometryScale.get());
    EXPECT_EQ(evaluate(onGeometry), Extremes(true, -0.2, 0.7));
    EXPECT_EQ(evaluate(onGeometry, bodyA), untouched);
}

TEST(ResVarMinMaxFactoryDispatch, OnlySimulationResultsGiveTheTimeSteps)
{
    auto tools = std::make_shared<ToolResVarCollection>();
    auto scale = scaleWith(MinMaxType::TimeStep);
    ResVarMinMaxFactory factory(thinning, tools, scale.get());
    factory.setTimeStepIdx(2);
    EXPECT_EQ(evaluate(factory), untouched);
    tools->setSimulationBodyToolResVarCollection(makeResult());
    EXPECT_EQ(evaluate(factory), Extremes(true, -7, 100));
    EXPECT_EQ(evaluate(ResVarMinMaxFactory(thinning, makeResult<GeometryResVarCollection>(), scale.get())), untouched);
}

TEST(ResVarMinMaxFactoryDispatch, NeutralWithoutScaleOrCollection)
{
    auto result = makeResult();
    const Extremes zero{false, 0, 0};
    for (int policy = 0; policy <= 6; ++policy)
    {
        SCOPED_TRACE(policy);
        const auto type = static_cast<MinMaxType>(policy);
        // No limits for a Discrete scale or none at all, whatever the policy.
        auto discrete = scaleWith(type, ScaleType::Discrete);
        EXPECT_EQ(evaluate(ResVarMinMaxFactory(thinning, result, discrete.get())), zero);
        EXPECT_EQ(evaluate(ResVarMinMaxFactory(thinning, result, discrete.get()), bodyA), zero);
        EXPECT_EQ(evaluate(ResVarMinMaxFactory(thinning, result, nullptr)), zero);

        // Without a collection only the stored limits; the cache is not read.
        auto scale = scaleWith(type, ScaleType::ManualDiscrete);
        CountingFactory factory(thinning, nullptr, scale.get());
        scale->cacheMinMax(factory.computeHash(), 8.0, 9.0);
        const Extremes expected = type == MinMaxType::Manual    ? Extremes(true, 2, 5)
                                  : type == MinMaxType::Default ? Extremes(true, -1, 1)
                                  : type == MinMaxType::Undefined ? zero
                                                                  : untouched;
        EXPECT_EQ(evaluate(factory), expected);
    }
}

TEST(ResVarMinMaxFactoryCache, OneEntryPerTimeStepSharedByLaterFactories)
{
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::TimeStep);
    auto computationsAt = [&](const SkinKey& key, const std::shared_ptr<ResVarCollection>& on, int step) {
        CountingFactory factory(key, on, scale.get());
        factory.setTimeStepIdx(step);
        const Extremes e = evaluate(factory);
        if (&key == &thinning)
        {
            EXPECT_EQ(e, step == 1 ? Extremes(true, -0.05, 0.3) : Extremes(true, -7, 100));
        }
        return factory.computations;
    };
    EXPECT_EQ(computationsAt(thinning, result, 1) + computationsAt(thinning, result, 2), 2);
    EXPECT_EQ(computationsAt(thinning, result, 1), 0);  // the next frame finds step 1 in the cache
    // Another result or another variable has entries of its own.
    EXPECT_EQ(computationsAt(thinning, makeResult(), 1), 1);
    EXPECT_EQ(computationsAt(SkinKey("THICKNESS"), result, 1), 1);
}

TEST(ResVarMinMaxFactoryCache, GlobalExtremesFollowTheLastTimeStepAndForcedUpdates)
{
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::Global);
    CountingFactory factory(thinning, result, scale.get());
    factory.setTimeStepIdx(1);
    evaluate(factory);
    factory.setTimeStepIdx(2);  // the global extremes do not depend on the shown step
    evaluate(factory);
    EXPECT_EQ(factory.computations, 1);
    result->setValues("THINNING", {3, bodyA, "Blank"}, {500});  // the simulation went on
    EXPECT_EQ(evaluate(factory), Extremes(true, -7, 500));
    EXPECT_EQ(factory.computations, 2);

    // A forced update recomputes once; an always forced scale every time.
    auto stepScale = scaleWith(MinMaxType::TimeStep);
    CountingFactory stepFactory(thinning, result, stepScale.get());
    stepFactory.setTimeStepIdx(1);
    evaluate(stepFactory);
    result->setValues("THINNING", {1, bodyB, "Die"}, {0.9});
    stepScale->setForceMinMaxUpdateState(true);
    EXPECT_EQ(evaluate(stepFactory), Extremes(true, -0.05, 0.9));
    EXPECT_FALSE(stepScale->getForceMinMaxUpdateState());
    EXPECT_EQ(evaluate(stepFactory), Extremes(true, -0.05, 0.9));  // the refreshed entry
    EXPECT_EQ(stepFactory.computations, 2);
    stepScale->setAlwaysForceMinMaxUpdate();
    evaluate(stepFactory);
    evaluate(stepFactory);
    EXPECT_EQ(stepFactory.computations, 4);
}

}  // namespace
}  // namespace Quarvane
