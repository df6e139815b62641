#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionUtilities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace Quarvane
{
namespace
{

const GUIdentifier bodyA(0, 1);
const GUIdentifier bodyB(0, 2);
const SkinKey thinning("THINNING");
const double nan = std::numeric_limits<double>::quiet_NaN();

// A small result whose extremes are known by heart:
//   step 0, A, Blank         0.1 0.2 NaN
//   step 1, A, Blank/Flange  -0.05 0.3
//   step 1, B, Die           0.25
//   step 2, A, Blank         1 2 3 4 5 6 7 8 9 100   (100 is an outlier)
//   step 2, B, Blank         -7
std::shared_ptr<ResVarCollection> makeResult()
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

struct Case
{
    const char* policy;
    std::function<bool(const std::shared_ptr<ResVarCollection>&, double&, double&)> determine;
    bool found;
    double min;
    double max;
};

TEST(MinMaxDeterminer, EveryPolicyOnAKnownResult)
{
    using M = MinMaxDeterminer;
    using C = const std::shared_ptr<ResVarCollection>&;
    const Case cases[] = {
        {"global", [](C c, double& lo, double& hi) { return M::getMinMaxGlobal(c, thinning, lo, hi); }, true, -7, 100},
        {"global A", [](C c, double& lo, double& hi) { return M::getBodyMinMaxGlobal(c, bodyA, thinning, lo, hi); },
         true, -0.05, 100},
        {"global B", [](C c, double& lo, double& hi) { return M::getBodyMinMaxGlobal(c, bodyB, thinning, lo, hi); },
         true, -7, 0.25},
        {"step 0 skips NaN", [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, 0u); }, true,
         0.1, 0.2},
        {"step 1", [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, 1u); }, true, -0.05, 0.3},
        {"step 1 B", [](C c, double& lo, double& hi) { return M::getBodyMinMax(c, bodyB, thinning, lo, hi, 1u); },
         true, 0.25, 0.25},
        {"step 5", [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, 5u); }, false, 0, 0},
        {"object Blank and below",
         [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, std::string("Blank")); }, true,
         -7, 100},
        {"object Blank/Flange",
         [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, std::string("Blank/Flange")); },
         true, -0.05, 0.3},
        {"object prefix is no parent",
         [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, std::string("Bla")); }, false, 0,
         0},
        {"object Die on A",
         [](C c, double& lo, double& hi) { return M::getBodyMinMax(c, bodyA, thinning, lo, hi, std::string("Die")); },
         false, 0, 0},
        {"every object", [](C c, double& lo, double& hi) { return M::getMinMax(c, thinning, lo, hi, std::string()); },
         true, -7, 100},
        // Sorted: -7 1 2 ... 9 100; Q1 2.5, Q3 7.5, fences -5 and 15.
        {"auto step 2", [](C c, double& lo, double& hi) { return M::getMinMaxAuto(c, thinning, lo, hi, 2u); }, true, 1,
         9},
        {"auto step 2 B", [](C c, double& lo, double& hi) { return M::getBodyMinMaxAuto(c, bodyB, thinning, lo, hi, 2u); },
         true, -7, -7},
        {"auto step 0", [](C c, double& lo, double& hi) { return M::getMinMaxAuto(c, thinning, lo, hi, 0u); }, true,
         0.1, 0.2},
        {"unknown variable",
         [](C c, double& lo, double& hi) { return M::getMinMaxGlobal(c, SkinKey("STRESS"), lo, hi); }, false, 0, 0},
        {"no collection",
         [](C, double& lo, double& hi) { return M::getMinMax(std::shared_ptr<ResVarCollection>(), thinning, lo, hi, 0u); },
         false, 0, 0},
    };
    const auto result = makeResult();
    for (const Case& c : cases)
    {
        double min = 42.0;
        double max = 43.0;
        EXPECT_EQ(c.found, c.determine(result, min, max)) << c.policy;
        EXPECT_EQ(c.found ? c.min : 42.0, min) << c.policy;
        EXPECT_EQ(c.found ? c.max : 43.0, max) << c.policy;
    }
}

TEST(MinMaxDeterminer, ToolResultsAutomaticallyOverEveryStep)
{
    auto tools = std::make_shared<ToolResVarCollection>();
    tools->addResultVariable("TOOL_WEAR", SkinInterpretNodalSmooth, {}, ResVarGroupScalar);
    tools->setValues("TOOL_WEAR", {0, bodyA, ""}, {0.0, 0.5});
    tools->setValues("TOOL_WEAR", {3, bodyA, ""}, {0.25, 1.0, 0.75});
    double min = 0.0;
    double max = 0.0;
    ASSERT_TRUE(MinMaxDeterminer::getMinMaxAuto(tools, SkinKey("TOOL_WEAR"), min, max));
    EXPECT_EQ(0.0, min);
    EXPECT_EQ(1.0, max);
}

TEST(ResVarCollectionUtilities, MaxTimeStepIsTheLastStepWithValues)
{
    EXPECT_EQ(2u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(makeResult(), "THINNING"));
    EXPECT_EQ(0u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(makeResult(), "STRESS"));
    EXPECT_EQ(0u, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(nullptr, "THINNING"));
}

}  // namespace
}  // namespace Quarvane
