#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionUtilities.h"

#include <gtest/gtest.h>

#include <limits>

namespace Quarvane
{
namespace
{

using Result = std::shared_ptr<ResVarCollection>;
using Pair = std::pair<double, double>;
const GUIdentifier all, bodyA(0, 1), bodyB(0, 2);
const SkinKey thinning("THINNING");
const double nan = std::numeric_limits<double>::quiet_NaN();

// A small result whose extremes are known by heart:
//   step 0, A, Blank         0.1 0.2 NaN
//   step 1, A, Blank/Flange  -0.05 0.3
//   step 1, B, Die           0.25
//   step 2, A, Blank         1 2 3 4 5 6 7 8 9 100   (100 is an outlier)
//   step 2, B, Blank         -7
Result makeResult()
{
    auto result = std::make_shared<ResVarCollection>();
    result->addResultVariable(thinning.getBase(), SkinInterpretElementSmooth, {}, ResVarGroupScalar);
    result->setValues("THINNING", {0, bodyA, "Blank"}, {0.1, 0.2, nan});
    result->setValues("THINNING", {1, bodyA, "Blank/Flange"}, {-0.05, 0.3});
    result->setValues("THINNING", {1, bodyB, "Die"}, {0.25});
    result->setValues("THINNING", {2, bodyA, "Blank"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 100});
    result->setValues("THINNING", {2, bodyB, "Blank"}, {-7});
    return result;
}

enum Policy { Global, Step, Object, Auto };
struct Case { const char* what; Policy policy; GUIdentifier body; unsigned int step; std::string object;
              bool found; double min, max; };

// Each policy for every body (a null body) or for one body.
bool determine(const Case& c, const Result& r, double& lo, double& hi)
{
    using M = MinMaxDeterminer;
    const SkinKey& key = thinning;
    const bool every = c.body.isNull();
    switch (c.policy)
    {
    case Global: return every ? M::getMinMaxGlobal(r, key, lo, hi) : M::getBodyMinMaxGlobal(r, c.body, key, lo, hi);
    case Step: return every ? M::getMinMax(r, key, lo, hi, c.step) : M::getBodyMinMax(r, c.body, key, lo, hi, c.step);
    case Object:
        return every ? M::getMinMax(r, key, lo, hi, c.object) : M::getBodyMinMax(r, c.body, key, lo, hi, c.object);
    case Auto:
        return every ? M::getMinMaxAuto(r, key, lo, hi, c.step) : M::getBodyMinMaxAuto(r, c.body, key, lo, hi, c.step);
    }
    return false;
}

TEST(MinMaxDeterminer, EveryPolicyOnAKnownResult)
{
    const Case cases[] = {
        {"global", Global, all, 0, "", true, -7, 100},
        {"global A", Global, bodyA, 0, "", true, -0.05, 100},
        {"global B", Global, bodyB, 0, "", true, -7, 0.25},
        {"step 0 skips NaN", Step, all, 0, "", true, 0.1, 0.2},
        {"step 1", Step, all, 1, "", true, -0.05, 0.3},
        {"step 1 B", Step, bodyB, 1, "", true, 0.25, 0.25},
        {"step 5", Step, all, 5, "", false, 0, 0},
        {"object Blank and below", Object, all, 0, "Blank", true, -7, 100},
        {"object Blank/Flange", Object, all, 0, "Blank/Flange", true, -0.05, 0.3},
        {"object prefix is no parent", Object, all, 0, "Bla", false, 0, 0},
        {"object Die on A", Object, bodyA, 0, "Die", false, 0, 0},
        {"every object", Object, all, 0, "", true, -7, 100},
        // Sorted: -7 1 2 ... 9 100; Q1 2.5, Q3 7.5, fences -5 and 15.
        {"auto step 2", Auto, all, 2, "", true, 1, 9},
        {"auto step 2 B", Auto, bodyB, 2, "", true, -7, -7},
        {"auto step 0", Auto, all, 0, "", true, 0.1, 0.2},
    };
    const Result result = makeResult();
    for (const Case& c : cases)
    {
        double min = 42.0, max = 43.0;
        EXPECT_EQ(c.found, determine(c, result, min, max)) << c.what;
        EXPECT_EQ(c.found ? Pair(c.min, c.max) : Pair(42.0, 43.0), Pair(min, max)) << c.what;
    }
    double min = 0.0, max = 0.0;
    EXPECT_FALSE(MinMaxDeterminer::getMinMaxGlobal(result, SkinKey("STRESS"), min, max));
    EXPECT_FALSE(MinMaxDeterminer::getMinMax(Result(), thinning, min, max, 0u));
}

TEST(MinMaxDeterminer, ToolResultsAutomaticallyOverEveryStep)
{
    auto tools = std::make_shared<ToolResVarCollection>();
    tools->addResultVariable("TOOL_WEAR", SkinInterpretNodalSmooth, {}, ResVarGroupScalar);
    tools->setValues("TOOL_WEAR", {0, bodyA, ""}, {0.0, 0.5});
    tools->setValues("TOOL_WEAR", {3, bodyA, ""}, {0.25, 1.0, 0.75});
    double min = 0.0, max = 0.0;
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(tools, SkinKey("TOOL_WEAR"), min, max));
    EXPECT_EQ(Pair(0.0, 1.0), Pair(min, max));
}

TEST(ResVarCollectionUtilities, MaxTimeStepIsTheLastStepWithValues)
{
    EXPECT_EQ(2u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(makeResult(), "THINNING"));
    EXPECT_EQ(0u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(makeResult(), "STRESS"));
    EXPECT_EQ(0u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(nullptr, "THINNING"));
}

}  // namespace
}  // namespace Quarvane
