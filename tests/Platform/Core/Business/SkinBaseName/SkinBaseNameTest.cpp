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

TEST(SkinBaseNamePredicates, ClassifyTheBaseOfAnyVariant)
{
    using U = SkinBaseNameUtilities;
    const std::string sigma = "~" + SigmaBaseName::INTERPOLATION;
    const std::string compare = "@" + SuperBaseName::COMPAREMODE;
    EXPECT_TRUE(U::isEdgeVariable(SkinBaseName::EDGE_CRACK + sigma));
    EXPECT_FALSE(U::isEdgeVariable("THINNING~EDGE_"));
    EXPECT_TRUE(U::isSheetLineScalar(SkinBaseName::LINE_MOVEMENT_D + compare));
    EXPECT_FALSE(U::isSheetLineScalar(SkinBaseName::LINE_JOIN_GAP));
    EXPECT_TRUE(U::isConnectorSheetSkin(SkinBaseName::CONNECTOR_FORCE + compare));
    EXPECT_TRUE(U::isOutOfSpecColorScalePossible(SkinBaseName::THINNING + sigma + compare));
    EXPECT_FALSE(U::isOutOfSpecColorScalePossible(SkinBaseName::CONTACT));
    EXPECT_TRUE(U::containsCompareBaseName(SkinBaseName::THINNING + compare));
    EXPECT_FALSE(U::containsCompareBaseName("COMPAREMODE"));
    EXPECT_TRUE(U::isVectorGroup("vectors") && !U::isVectorGroup("Scalar"));

    EXPECT_TRUE(SigmaBaseName::isSigmaVariation(SkinBaseName::DOMINANT_VARIABLE_N));
    EXPECT_TRUE(SigmaBaseName::isSigmaVariation(SigmaBaseName::PREFIX + "THINNING" + SigmaBaseName::_D));
    EXPECT_TRUE(SigmaBaseName::isSigmaVariation("THINNING" + sigma));
    EXPECT_FALSE(SigmaBaseName::isSigmaVariation(SkinBaseName::LINE_MOVEMENT_D));  // a suffix without the prefix
    EXPECT_FALSE(SigmaBaseName::isSigmaVariation("THINNING" + compare));
}

TEST(SkinBaseNameDisplay, NamesReadAsWords)
{
    EXPECT_EQ("Plastic strain", SkinBaseNameUtilities::getSkinDisplayName(SkinBaseName::PLASTIC_STRAIN));
    EXPECT_EQ("Thinning (sigma interpolation, comparison)",
              SkinBaseNameUtilities::getSkinDisplayName("THINNING~SIGMA_INTERPOLATION@COMPAREMODE"));
    EXPECT_EQ("", SkinBaseNameUtilities::getSkinDisplayName(""));
}

}  // namespace
}  // namespace Quarvane
