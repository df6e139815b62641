#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <gtest/gtest.h>

namespace Quarvane
{
namespace
{

struct Decomposition
{
    std::string name;
    std::string base;
    std::string firstPart;
    std::string secondPart;
};

class SkinBaseNameDecomposition : public testing::TestWithParam<Decomposition>
{
};

TEST_P(SkinBaseNameDecomposition, SplitsAndComposesBack)
{
    const Decomposition& expected = GetParam();
    std::string firstPart = "stale";
    std::string secondPart = "stale";
    EXPECT_EQ(expected.base, SkinBaseNameUtilities::decomposeSkinBaseName(expected.name, firstPart, secondPart));
    EXPECT_EQ(expected.firstPart, firstPart);
    EXPECT_EQ(expected.secondPart, secondPart);
    EXPECT_EQ(expected.base, SkinBaseNameUtilities::getDecomposedSkinBaseName(expected.name));
    EXPECT_EQ(expected.name, SkinBaseNameUtilities::composeSkinBaseName(expected.base, firstPart, secondPart));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SkinBaseNameDecomposition,
    testing::Values(Decomposition{"THINNING", "THINNING", "", ""},
                    Decomposition{"THINNING~SIGMA_INTERPOLATION", "THINNING", "SIGMA_INTERPOLATION", ""},
                    Decomposition{"THINNING@COMPAREMODE", "THINNING", "", "COMPAREMODE"},
                    Decomposition{"LINE_MOVEMENT_D~SIGMA_INTERPOLATION@COMPAREMODE", "LINE_MOVEMENT_D",
                                  "SIGMA_INTERPOLATION", "COMPAREMODE"},
                    Decomposition{"", "", "", ""}));

TEST(SkinBaseNameDecomposition, AMarkerInsideTheSecondPartBelongsToIt)
{
    std::string firstPart;
    std::string secondPart;
    EXPECT_EQ("A", SkinBaseNameUtilities::decomposeSkinBaseName("A@B~C", firstPart, secondPart));
    EXPECT_EQ("", firstPart);
    EXPECT_EQ("B~C", secondPart);
}

TEST(SkinBaseNamePredicates, ClassifyTheBaseOfAnyVariant)
{
    const std::string sigma = "~" + SigmaBaseName::INTERPOLATION;
    const std::string compare = "@" + SuperBaseName::COMPAREMODE;

    EXPECT_TRUE(SkinBaseNameUtilities::isEdgeVariable(SkinBaseName::EDGE_CRACK + sigma));
    EXPECT_FALSE(SkinBaseNameUtilities::isEdgeVariable("THINNING~EDGE_"));
    EXPECT_TRUE(SkinBaseNameUtilities::isSheetLineScalar(SkinBaseName::LINE_MOVEMENT_D + compare));
    EXPECT_FALSE(SkinBaseNameUtilities::isSheetLineScalar(SkinBaseName::LINE_JOIN_GAP));
    EXPECT_TRUE(SkinBaseNameUtilities::isLineJoinSheetSkin(SkinBaseName::LINE_JOIN_GAP));
    EXPECT_TRUE(SkinBaseNameUtilities::isConnectorSheetSkin(SkinBaseName::CONNECTOR_FORCE + compare));
    EXPECT_TRUE(SkinBaseNameUtilities::isJointraPreProcessingSkinBaseName(SkinBaseName::PREPROCESS_TOOL_DISTANCE));
    EXPECT_TRUE(SkinBaseNameUtilities::isOutOfSpecColorScalePossible(SkinBaseName::THINNING + sigma + compare));
    EXPECT_FALSE(SkinBaseNameUtilities::isOutOfSpecColorScalePossible(SkinBaseName::CONTACT));
    EXPECT_TRUE(SkinBaseNameUtilities::containsCompareBaseName(SkinBaseName::THINNING + compare));
    EXPECT_FALSE(SkinBaseNameUtilities::containsCompareBaseName("COMPAREMODE"));
    EXPECT_TRUE(SkinBaseNameUtilities::isVectorGroup("vectors"));
    EXPECT_FALSE(SkinBaseNameUtilities::isVectorGroup("Scalar"));
}

TEST(SkinBaseNamePredicates, SigmaVariations)
{
    EXPECT_TRUE(SigmaBaseName::isSigmaVariation(SkinBaseName::DOMINANT_VARIABLE_N));
    EXPECT_TRUE(SigmaBaseName::isSigmaVariation(SigmaBaseName::PREFIX + "THINNING" + SigmaBaseName::_D));
    EXPECT_TRUE(SigmaBaseName::isSigmaVariation("THINNING~" + SigmaBaseName::INTERPOLATION));
    EXPECT_FALSE(SigmaBaseName::isSigmaVariation(SkinBaseName::LINE_MOVEMENT_D));
    EXPECT_FALSE(SigmaBaseName::isSigmaVariation("THINNING@" + SuperBaseName::COMPAREMODE));
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
