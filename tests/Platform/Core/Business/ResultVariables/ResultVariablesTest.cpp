#include "Platform/Core/Business/ResultVariables/ResVarCollectionBaseUtilities.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"

#include <gtest/gtest.h>

#include <tuple>

namespace Quarvane
{
namespace
{

TEST(PropertyChangedType, EverythingIsOnlyTheFullSet)
{
    using Case = std::tuple<int, PropertyChangedType, bool>;
    for (const auto& [changeSet, kind, set] :
         {Case{1, PropertyChangedScaleType, true}, Case{6, PropertyChangedScaleType, false},
          Case{6, PropertyChangedDefaultMinMax, true}, Case{-1, PropertyChangedDefaultMinMax, true},
          Case{-1, PropertyChangedEverything, true}, Case{7, PropertyChangedEverything, false}})
        EXPECT_EQ(set, isPropertyChangeTypeSet(changeSet, kind)) << changeSet << " " << kind;
}

TEST(ResultVariablePropertiesCollection, LookUpExactlyByBaseOrIgnoringCase)
{
    ResultVariablePropertiesCollection collection;
    auto thinning = std::make_shared<ResultVariableProperties>();
    collection.addResVarProperty("THINNING", thinning);
    collection.addResVarProperty("STRESS", nullptr);

    const std::string variant = "THINNING~SIGMA_INTERPOLATION";
    EXPECT_EQ(nullptr, collection.getResVarPropertyByName(variant, false, false));
    EXPECT_EQ(thinning, collection.getResVarPropertyByName(variant, true, false));
    EXPECT_EQ(nullptr, collection.getResVarPropertyByName("thinning", false, false));
    EXPECT_EQ(thinning, collection.getResVarPropertyByName("thinning", false, true));
    EXPECT_EQ(nullptr, collection.getResVarPropertyByName("STRESS", true, true));
}

TEST(ResVarCollections, AvailabilityAndRepresentations)
{
    auto bodies = std::make_shared<ResVarCollection>();
    bodies->addResultVariable("TOOL_STRESS", SkinInterpretElementFlat, {SkinInterpretElementSmooth}, ResVarGroupTensor);
    ToolResVarCollection tools;
    tools.addResultVariable("TOOL_DISPLACEMENT_X", SkinInterpretNodalSmooth, {SkinInterpretArrows}, ResVarGroupVector);

    std::string info = "stale";
    EXPECT_TRUE(tools.isResVarAvailable("TOOL_DISPLACEMENT_X", info) && info.empty());
    EXPECT_FALSE(tools.isResVarAvailable("TOOL_STRESS", info));
    EXPECT_NE(std::string::npos, info.find("TOOL_STRESS"));
    EXPECT_FALSE(tools.isResVarAvailableInRepresentation("TOOL_STRESS", SkinInterpretElementSmooth));

    tools.setSimulationBodyToolResVarCollection(bodies);
    EXPECT_TRUE(tools.isResVarAvailable("TOOL_STRESS", info));
    EXPECT_TRUE(tools.isResVarAvailableInRepresentation("TOOL_STRESS", SkinInterpretElementSmooth));
    EXPECT_TRUE(tools.isResVarAvailableInRepresentation("TOOL_DISPLACEMENT_X", SkinInterpretNodalSmooth));
    EXPECT_FALSE(tools.isResVarAvailableInRepresentation("TOOL_DISPLACEMENT_X", SkinInterpretLine));
    EXPECT_EQ(ResVarGroupVector, tools.getResVarGroup("TOOL_DISPLACEMENT_X"));
    EXPECT_EQ(ResVarGroupUnknown, tools.getResVarGroup("TOOL_STRESS"));

    EXPECT_EQ(SkinInterpretElementFlat, ResVarCollectionBaseUtilities::getResVarBaseRepresentation(bodies, "TOOL_STRESS"));
    EXPECT_EQ(SkinInterpretDefault, ResVarCollectionBaseUtilities::getResVarBaseRepresentation(nullptr, "TOOL_STRESS"));
}

}  // namespace
}  // namespace Quarvane
