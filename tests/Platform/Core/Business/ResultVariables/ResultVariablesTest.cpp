#include "Platform/Core/Business/ResultVariables/ResVarCollectionBaseUtilities.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"

#include <gtest/gtest.h>


namespace Quarvane
{
namespace
{

TEST(PropertyChangedType, EverythingIsOnlyTheFullSet)
{
    struct Case
    {
        int changeSet;
        PropertyChangedType kind;
        bool set;
    };
    const Case cases[] = {
        {1, PropertyChangedScaleType, true},       {6, PropertyChangedScaleType, false},
        {6, PropertyChangedMinMaxType, true},      {6, PropertyChangedDefaultMinMax, true},
        {-1, PropertyChangedDefaultMinMax, true},  {-1, PropertyChangedEverything, true},
        {7, PropertyChangedEverything, false},     {0, PropertyChangedScaleType, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.set, isPropertyChangeTypeSet(c.changeSet, c.kind)) << c.changeSet << " " << c.kind;
}

TEST(ResultVariablePropertiesCollection, LookUpExactlyByBaseOrIgnoringCase)
{
    ResultVariablePropertiesCollection collection;
    auto thinning = std::make_shared<ResultVariableProperties>();
    collection.addResVarProperty("THINNING", thinning);
    collection.addResVarProperty("STRESS", nullptr);

    const std::string variant = "THINNING~SIGMA_INTERPOLATION";
    EXPECT_EQ(thinning, collection.getResVarPropertyByName("THINNING", false, false));
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
    EXPECT_TRUE(tools.isResVarAvailable("TOOL_DISPLACEMENT_X", info));
    EXPECT_EQ("", info);
    EXPECT_FALSE(tools.isResVarAvailable("TOOL_STRESS", info));
    EXPECT_NE(std::string::npos, info.find("TOOL_STRESS"));
    EXPECT_FALSE(tools.isResVarAvailableInRepresentation("TOOL_STRESS", SkinInterpretElementSmooth));

    tools.setSimulationBodyToolResVarCollection(bodies);
    EXPECT_TRUE(tools.isResVarAvailable("TOOL_STRESS", info));
    EXPECT_TRUE(tools.isResVarAvailableInRepresentation("TOOL_STRESS", SkinInterpretElementSmooth));

    EXPECT_TRUE(tools.isResVarAvailableInRepresentation("TOOL_DISPLACEMENT_X", SkinInterpretNodalSmooth));
    EXPECT_TRUE(tools.isResVarAvailableInRepresentation("TOOL_DISPLACEMENT_X", SkinInterpretArrows));
    EXPECT_FALSE(tools.isResVarAvailableInRepresentation("TOOL_DISPLACEMENT_X", SkinInterpretLine));
    EXPECT_EQ(ResVarGroupVector, tools.getResVarGroup("TOOL_DISPLACEMENT_X"));
    EXPECT_EQ(ResVarGroupUnknown, tools.getResVarGroup("TOOL_STRESS"));

    EXPECT_EQ(SkinInterpretElementFlat, ResVarCollectionBaseUtilities::getResVarBaseRepresentation(bodies, "TOOL_STRESS"));
    EXPECT_EQ(SkinInterpretDefault, ResVarCollectionBaseUtilities::getResVarBaseRepresentation(bodies, "THINNING"));
    EXPECT_EQ(SkinInterpretDefault, ResVarCollectionBaseUtilities::getResVarBaseRepresentation(nullptr, "TOOL_STRESS"));
}

}  // namespace
}  // namespace Quarvane
