#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <gtest/gtest.h>

namespace Quarvane
{
namespace
{

TEST(SkinBaseNameDecomposition, SplitsAndComposesBack)
{
    struct Case { std::string name, base, firstPart, secondPart; };
    const Case cases[] = {{"THINNING", "THINNING", "", ""},
                          {"THINNING~SIGMA_INTERPOLATION", "THINNING", "SIGMA_INTERPOLATION", ""},
                          {"THINNING@COMPAREMODE", "THINNING", "", "COMPAREMODE"},
                          {"LINE_MOVEMENT_D~SIGMA_INTERPOLATION@COMPAREMODE", "LINE_MOVEMENT_D", "SIGMA_INTERPOLATION",
                           "COMPAREMODE"},
                          {"", "", "", ""},
                          // A marker inside the second part belongs to it.
                          {"A@B~C", "A", "", "B~C"}};
    for (const Case& c : cases)
    {
        std::string firstPart = "stale", secondPart = "stale";
        EXPECT_EQ(c.base, SkinBaseNameUtilities::decomposeSkinBaseName(c.name, firstPart, secondPart)) << c.name;
        EXPECT_EQ(std::make_pair(c.firstPart, c.secondPart), std::make_pair(firstPart, secondPart)) << c.name;
        EXPECT_EQ(c.base, SkinBaseNameUtilities::getDecomposedSkinBaseName(c.name)) << c.name;
        EXPECT_EQ(c.name, SkinBaseNameUtilities::composeSkinBaseName(c.base, firstPart, secondPart)) << c.name;
    }
}

}  // namespace
}  // namespace Quarvane
