#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsCollection.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace Quarvane
{
namespace
{

using namespace Testing;

// Settings with an active continuous scale of the given representation.
ResVarSettings* continuousSettings(const std::shared_ptr<const ResultVariableProperties>& description,
                                   const std::string& name, SkinInterpretType representation = SkinInterpretElementSmooth)
{
    auto* settings = new ResVarSettings(description, name);
    auto* scale = new ContResVarProperty(description, ScaleType::Continuous);
    scale->setRepresentationType(representation);
    settings->setContinuousProperty(scale);
    settings->activatePropertyType(ScaleType::Continuous);
    return settings;
}

TEST(ResVarSettingsCollectionOwnership, FirstStaysReplacedGoesBackToTheCaller)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    ResVarSettings* first = continuousSettings(description, "THINNING");
    collection.addSettings(first);
    collection.addSettings(nullptr);
    std::unique_ptr<ResVarSettings> second(continuousSettings(description, "THINNING"));
    collection.addSettings(second.get());
    EXPECT_EQ(collection.getSettings("THINNING"), first);
    EXPECT_EQ(collection.getNumberOfSettings(), 1u);

    EXPECT_TRUE(collection.replaceSettings(second.release()));
    std::unique_ptr<ResVarSettings> displaced(first);
    EXPECT_NE(collection.getSettings("THINNING"), first);

    std::unique_ptr<ResVarSettings> stranger(continuousSettings(description, "THICKNESS"));
    EXPECT_FALSE(collection.replaceSettings(stranger.get()));
    EXPECT_FALSE(collection.replaceSettings(nullptr));
    EXPECT_EQ(collection.getSettings("THICKNESS"), nullptr);
}

TEST(ResVarSettingsCollectionOwnership, CopiesAreIndependent)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    collection.addSettings(continuousSettings(description, "THINNING", SkinInterpretNodalSmooth));
    collection.addSettings(continuousSettings(description, "THICKNESS"));

    std::unique_ptr<ResVarSettingsCollection> copy(collection.clone());
    ASSERT_EQ(copy->getNumberOfSettings(), 2u);
    EXPECT_NE(copy->getSettings("THINNING"), collection.getSettings("THINNING"));
    EXPECT_EQ(copy->getActiveRepresentationType("THINNING"), SkinInterpretNodalSmooth);

    ResVarSettingsCollection assigned;
    assigned.addSettings(continuousSettings(description, "OTHER"));
    assigned = *copy;
    copy.reset();
    EXPECT_EQ(assigned.getNumberOfSettings(), 2u);
    EXPECT_EQ(assigned.getSettings("OTHER"), nullptr);
    EXPECT_EQ(assigned.getActivePropertyType("THICKNESS"), ScaleType::Continuous);

    assigned.setForceMinMaxUpdateForAllSettings();
    EXPECT_TRUE(assigned.getSettings("THINNING")->getContinuousProperty()->getForceMinMaxUpdateState());
    EXPECT_FALSE(collection.getSettings("THINNING")->getContinuousProperty()->getForceMinMaxUpdateState());
}

TEST(ResVarSettingsCollectionLookup, NamesAndStaleEntries)
{
    auto kept = makeThinningDescription();
    auto closed = makeThinningDescription();
    ResVarSettingsCollection collection;
    collection.addSettings(continuousSettings(kept, "THINNING"));
    collection.addSettings(continuousSettings(closed, "THICKNESS"));
    collection.addSettings(continuousSettings(nullptr, "NO_DESCRIPTION"));  // never had one: not stale
    auto* inactive = new ResVarSettings(closed, "INACTIVE");
    inactive->setContinuousProperty(new ContResVarProperty(closed, ScaleType::Continuous));
    inactive->getContinuousProperty()->deactivate();
    collection.addSettings(inactive);

    EXPECT_EQ(collection.getSettings(""), nullptr);
    EXPECT_EQ(collection.getSettings(SkinBaseName::EMPTY), nullptr);
    EXPECT_EQ(collection.getSettings("THINNING~SIGMA_INTERPOLATION"), collection.getSettings("THINNING"));
    EXPECT_EQ(collection.getSettings("THINNING@COMPAREMODE"), nullptr);

    closed.reset();
    EXPECT_EQ(collection.getSettings("THICKNESS"), nullptr);
    EXPECT_EQ(collection.getNumberOfSettings(), 3u);
    EXPECT_NE(collection.getSettings("NO_DESCRIPTION"), nullptr);
    EXPECT_NE(collection.getSettings("INACTIVE"), nullptr);  // no active scale to judge by
    EXPECT_NE(collection.getSettings("THINNING"), nullptr);
}

TEST(ResVarSettingsCollectionLookup, ActiveAndSigmaAdjustedRepresentation)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    for (const auto& [name, representation] :
         {std::pair<std::string, SkinInterpretType>{"THINNING", SkinInterpretNodalSmooth},
          {"EDGE_THINNING", SkinInterpretElementSmooth},
          {"LINE_MOVEMENT", SkinInterpretLine},
          {"DRAW_IN", SkinInterpretElementFlat},
          {"THICKNESS", SkinInterpretElementFlat}})
        collection.addSettings(continuousSettings(description, name, representation));
    auto* inactive = new ResVarSettings(description, "MAJOR_STRAIN");
    collection.addSettings(inactive);

    const struct
    {
        std::string name;
        SkinInterpretType active;
        SkinInterpretType adjusted;
    } cases[] = {
        {"THINNING", SkinInterpretNodalSmooth, SkinInterpretNodalSmooth},  // no variant: unchanged
        {"THINNING~SIGMA_INTERPOLATION", SkinInterpretNodalSmooth, SkinInterpretElementSmooth},
        {"EDGE_THINNING~SIGMA_INTERPOLATION", SkinInterpretElementSmooth, SkinInterpretEdgeSmooth},
        {"LINE_MOVEMENT~SIGMA_INTERPOLATION", SkinInterpretLine, SkinInterpretLine},
        {"DRAW_IN~SIGMA_INTERPOLATION", SkinInterpretElementFlat, SkinInterpretNodalSmooth},
        {"THICKNESS~SIGMA_INTERPOLATION", SkinInterpretElementFlat, SkinInterpretElementFlat},
        {"MAJOR_STRAIN", SkinInterpretDefault, SkinInterpretDefault},
        {"UNKNOWN~SIGMA_INTERPOLATION", SkinInterpretDefault, SkinInterpretElementSmooth},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(collection.getActiveRepresentationType(c.name), c.active);
        EXPECT_EQ(collection.getSigmaAdjustedActiveRepresentationType(c.name), c.adjusted);
    }
    EXPECT_EQ(collection.getActivePropertyType("MAJOR_STRAIN"), ScaleType::Undefined);
    EXPECT_EQ(collection.getActivePropertyType("UNKNOWN"), ScaleType::Undefined);
}

}  // namespace
}  // namespace Quarvane
