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

// The automatic limits leave out values beyond the outlier fences, a step's or a body's.
TEST(MinMaxDeterminer, AutomaticLimitsLeaveOutTheOutliers)
{
    const struct
    {
        const char* what;
        GUIdentifier body;  // null: every body
        unsigned int step;
        double min, max;
    } cases[] = {
        // Sorted: -7 1 2 ... 9 100; Q1 2.5, Q3 7.5, fences -5 and 15.
        {"step 2", all, 2, 1, 9},
        {"step 2 B", bodyB, 2, -7, -7},
        {"step 0", all, 0, 0.1, 0.2},
    };
    const Result result = makeResult();
    for (const auto& c : cases)
    {
        double min = 42.0, max = 43.0;
        EXPECT_TRUE(c.body.isNull() ? MinMaxDeterminer::getMinMaxAuto(result, thinning, min, max, c.step)
                                    : MinMaxDeterminer::getBodyMinMaxAuto(result, c.body, thinning, min, max, c.step))
            << c.what;
        EXPECT_EQ(Pair(c.min, c.max), Pair(min, max)) << c.what;
    }
}

}  // namespace
}  // namespace Quarvane
