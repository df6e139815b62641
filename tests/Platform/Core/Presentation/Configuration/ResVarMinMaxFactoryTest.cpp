#include "Platform/Core/Business/ResultVariables/GeometryResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"
#include "Platform/Core/Presentation/Configuration/ResVarMinMaxFactory.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace Quarvane
{
namespace
{

using namespace Testing;

const GUIdentifier bodyA(0, 1);
const GUIdentifier bodyB(0, 2);
const SkinKey thinning("THINNING");

//   step 0, A, Blank         0.1 0.2
//   step 1, A, Blank/Flange  -0.05 0.3
//   step 1, B, Die           0.25
//   step 2, A, Blank         1 .. 9, 100   (100 is an outlier)
//   step 2, B, Blank         -7
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

// A continuous scale without description, with the given policy and known stored limits.
std::unique_ptr<ContResVarProperty> scaleWith(MinMaxType policy, ScaleType type = ScaleType::Continuous)
{
    std::unique_ptr<ContResVarProperty> scale = type == ScaleType::Continuous
                                                    ? std::make_unique<ContResVarProperty>(nullptr, type)
                                                    : std::make_unique<DiscreteResVarProperty>(nullptr, type);
    scale->editMinMax(2.0, 5.0);
    scale->setDefaultMin(-1.0);
    scale->setDefaultMax(1.0);
    scale->setMinMaxType(policy);
    return scale;
}

struct Extremes
{
    bool found = false;
    double min = 0.0;
    double max = 0.0;
};

// A derived factory: counts how often the overridden policies really compute (so the dispatch
// must reach the override), and exposes the hash.
class CountingFactory : public ResVarMinMaxFactory
{
public:
    using ResVarMinMaxFactory::computeHash;
    using ResVarMinMaxFactory::ResVarMinMaxFactory;

    mutable int computations = 0;

protected:
    bool getTimestepMinMax(double& min, double& max) const override
    {
        ++computations;
        return ResVarMinMaxFactory::getTimestepMinMax(min, max);
    }
    bool getGlobalMinMax(double& min, double& max) const override
    {
        ++computations;
        return ResVarMinMaxFactory::getGlobalMinMax(min, max);
    }
};

Extremes evaluate(const ResVarMinMaxFactory& factory, std::optional<GUIdentifier> body = std::nullopt)
{
    Extremes e{false, 123.0, 456.0};
    e.found = body ? factory.getBodyMinMax(*body, e.min, e.max) : factory.getMinMax(e.min, e.max);
    return e;
}

void expectExtremes(const Extremes& actual, bool found, double min, double max)
{
    EXPECT_EQ(actual.found, found);
    EXPECT_DOUBLE_EQ(actual.min, min);
    EXPECT_DOUBLE_EQ(actual.max, max);
}

// --- Policy dispatch -------------------------------------------------------------------------

TEST(ResVarMinMaxFactoryDispatch, EachPolicyTakesItsSource)
{
    const struct
    {
        MinMaxType policy;
        std::optional<GUIdentifier> body;
        double min;
        double max;
    } cases[] = {
        {MinMaxType::Global, std::nullopt, -7, 100},     {MinMaxType::Global, bodyA, -0.05, 100},
        {MinMaxType::TimeStep, std::nullopt, -0.05, 0.3}, {MinMaxType::TimeStep, bodyB, 0.25, 0.25},
        {MinMaxType::Object, std::nullopt, 0.25, 0.25},   {MinMaxType::Object, bodyA, -0.05, 0.3},
        {MinMaxType::Manual, std::nullopt, 2, 5},         {MinMaxType::Manual, bodyA, 2, 5},
        {MinMaxType::Default, std::nullopt, -1, 1},       {MinMaxType::Default, bodyB, -1, 1},
    };
    auto result = makeResult();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(number(c.policy));
        auto scale = scaleWith(c.policy);
        ResVarMinMaxFactory factory(thinning, result, scale.get());
        factory.setTimeStepIdx(1);
        factory.setPath(c.body ? "Blank/Flange" : "Die");
        expectExtremes(evaluate(factory, c.body), true, c.min, c.max);
    }
}

TEST(ResVarMinMaxFactoryDispatch, AutoUsesTheCollectionKind)
{
    double min = 0;
    double max = 0;
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onResult(thinning, result, scale.get());
    onResult.setTimeStepIdx(2);
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(result, thinning, min, max, 2u));
    expectExtremes(evaluate(onResult), true, min, max);
    EXPECT_LT(max, 100.0);  // the outlier is gone
    ASSERT_TRUE(MinMaxDeterminer::getBodyMinMaxAuto(result, bodyA, thinning, min, max, 2u));
    expectExtremes(evaluate(onResult, bodyA), true, min, max);

    // Rigid tools: the tool results over every step, for the whole model and any body.
    auto tools = makeResult<ToolResVarCollection>();
    auto toolScale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onTools(thinning, tools, toolScale.get());
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(tools, thinning, min, max));
    expectExtremes(evaluate(onTools), true, min, max);
    expectExtremes(evaluate(onTools, bodyB), true, min, max);

    // A geometry check: every object.
    auto geometry = std::make_shared<GeometryResVarCollection>();
    geometry->addResultVariable("THINNING", SkinInterpretNodalSmooth, {}, ResVarGroupScalar);
    geometry->setObjectValues("THINNING", bodyA, "Face1", {0.5, 0.7});
    geometry->setObjectValues("THINNING", bodyB, "Face2", {-0.2});
    auto geometryScale = scaleWith(MinMaxType::Auto);
    ResVarMinMaxFactory onGeometry(thinning, geometry, geometryScale.get());
    expectExtremes(evaluate(onGeometry), true, -0.2, 0.7);
    expectExtremes(evaluate(onGeometry, bodyA), false, 123, 456);  // no per-body automatic extremes
}

TEST(ResVarMinMaxFactoryDispatch, OnlySimulationResultsGiveTheTimeSteps)
{
    auto tools = std::make_shared<ToolResVarCollection>();
    auto scale = scaleWith(MinMaxType::TimeStep);
    ResVarMinMaxFactory factory(thinning, tools, scale.get());
    factory.setTimeStepIdx(2);
    expectExtremes(evaluate(factory), false, 123, 456);

    tools->setSimulationBodyToolResVarCollection(makeResult());
    expectExtremes(evaluate(factory), true, -7, 100);

    // A geometry check has no time steps to offer.
    ResVarMinMaxFactory onGeometry(thinning, makeResult<GeometryResVarCollection>(), scale.get());
    expectExtremes(evaluate(onGeometry), false, 123, 456);
}

TEST(ResVarMinMaxFactoryDispatch, NeutralWithoutScaleOrCollection)
{
    auto result = makeResult();
    for (int policy = 0; policy <= 6; ++policy)
    {
        SCOPED_TRACE(policy);
        const auto type = static_cast<MinMaxType>(policy);
        // No limits for a Discrete scale or none at all, whatever the policy.
        auto discrete = scaleWith(type, ScaleType::Discrete);
        expectExtremes(evaluate(ResVarMinMaxFactory(thinning, result, discrete.get())), false, 0, 0);
        expectExtremes(evaluate(ResVarMinMaxFactory(thinning, result, discrete.get()), bodyA), false, 0, 0);
        expectExtremes(evaluate(ResVarMinMaxFactory(thinning, result, nullptr)), false, 0, 0);

        // Without a collection only the stored limits; the cache is not read.
        auto scale = scaleWith(type, ScaleType::ManualDiscrete);
        CountingFactory factory(thinning, nullptr, scale.get());
        scale->cacheMinMax(factory.computeHash(), 8.0, 9.0);
        const Extremes e = evaluate(factory);
        if (type == MinMaxType::Manual)
            expectExtremes(e, true, 2, 5);
        else if (type == MinMaxType::Default)
            expectExtremes(e, true, -1, 1);
        else
            expectExtremes(e, false, type == MinMaxType::Undefined ? 0 : 123, type == MinMaxType::Undefined ? 0 : 456);
    }
}

// --- Caching ---------------------------------------------------------------------------------

TEST(ResVarMinMaxFactoryCache, OneEntryPerTimeStepSharedByLaterFactories)
{
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::TimeStep);
    CountingFactory factory(thinning, result, scale.get());
    factory.setTimeStepIdx(1);
    expectExtremes(evaluate(factory), true, -0.05, 0.3);
    factory.setTimeStepIdx(2);
    expectExtremes(evaluate(factory), true, -7, 100);
    EXPECT_EQ(factory.computations, 2);

    // The next frame: a new factory over the same scale finds step 1 in the cache.
    CountingFactory nextFrame(thinning, result, scale.get());
    nextFrame.setTimeStepIdx(1);
    expectExtremes(evaluate(nextFrame), true, -0.05, 0.3);
    EXPECT_EQ(nextFrame.computations, 0);

    // Another result or another variable has entries of its own.
    CountingFactory otherResult(thinning, makeResult(), scale.get());
    otherResult.setTimeStepIdx(1);
    evaluate(otherResult);
    const SkinKey otherVariable("THICKNESS");
    CountingFactory otherKey(otherVariable, result, scale.get());
    otherKey.setTimeStepIdx(1);
    evaluate(otherKey);
    EXPECT_EQ(otherResult.computations + otherKey.computations, 2);
}

TEST(ResVarMinMaxFactoryCache, GlobalExtremesFollowTheLastTimeStep)
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
    expectExtremes(evaluate(factory), true, -7, 500);
    EXPECT_EQ(factory.computations, 2);
}

TEST(ResVarMinMaxFactoryCache, ForcedUpdateRecomputesOnce)
{
    auto result = makeResult();
    auto scale = scaleWith(MinMaxType::TimeStep);
    CountingFactory factory(thinning, result, scale.get());
    factory.setTimeStepIdx(1);
    evaluate(factory);
    result->setValues("THINNING", {1, bodyB, "Die"}, {0.9});

    scale->setForceMinMaxUpdateState(true);
    expectExtremes(evaluate(factory), true, -0.05, 0.9);
    EXPECT_FALSE(scale->getForceMinMaxUpdateState());
    expectExtremes(evaluate(factory), true, -0.05, 0.9);  // the refreshed entry
    EXPECT_EQ(factory.computations, 2);

    scale->setAlwaysForceMinMaxUpdate();
    evaluate(factory);
    evaluate(factory);
    EXPECT_EQ(factory.computations, 4);
}

}  // namespace
}  // namespace Quarvane
