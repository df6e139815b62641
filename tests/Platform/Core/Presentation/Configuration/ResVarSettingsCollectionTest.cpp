#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsCollection.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace Quarvane
{
namespace
{

using namespace Testing;
using S = SkinInterpretType;

// Settings with an active continuous scale of the given representation, or none when inactive.
ResVarSettings* settingsFor(const std::shared_ptr<const ResultVariableProperties>& description,
                            const std::string& name, S representation = SkinInterpretElementSmooth, bool active = true)
{
    auto* settings = new ResVarSettings(description, name);
    auto* scale = new ContResVarProperty(description, ScaleType::Continuous);
    scale->setRepresentationType(representation);
    settings->setContinuousProperty(scale);
    active ? (void)settings->activatePropertyType(ScaleType::Continuous) : scale->deactivate();
    return settings;
}

TEST(ResVarSettingsCollectionOwnership, FirstStaysReplacedGoesBackToTheCaller)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    ResVarSettings* first = settingsFor(description, "THINNING");
    collection.addSettings(first);
    collection.addSettings(nullptr);
    std::unique_ptr<ResVarSettings> second(settingsFor(description, "THINNING"));
    collection.addSettings(second.get());
    EXPECT_EQ(collection.getSettings("THINNING"), first);
    EXPECT_EQ(collection.getNumberOfSettings(), 1u);

    EXPECT_TRUE(collection.replaceSettings(second.release()));
    std::unique_ptr<ResVarSettings> displaced(first);
    EXPECT_NE(collection.getSettings("THINNING"), first);
    std::unique_ptr<ResVarSettings> stranger(settingsFor(description, "THICKNESS"));
    EXPECT_FALSE(collection.replaceSettings(stranger.get()));
    EXPECT_FALSE(collection.replaceSettings(nullptr));
    EXPECT_EQ(collection.getSettings("THICKNESS"), nullptr);
}

TEST(ResVarSettingsCollectionOwnership, CopiesAreIndependent)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    collection.addSettings(settingsFor(description, "THINNING", SkinInterpretNodalSmooth));
    collection.addSettings(settingsFor(description, "THICKNESS"));
    std::unique_ptr<ResVarSettingsCollection> copy(collection.clone());
    ASSERT_EQ(copy->getNumberOfSettings(), 2u);
    EXPECT_NE(copy->getSettings("THINNING"), collection.getSettings("THINNING"));
    EXPECT_EQ(copy->getActiveRepresentationType("THINNING"), SkinInterpretNodalSmooth);

    ResVarSettingsCollection assigned;
    assigned.addSettings(settingsFor(description, "OTHER"));
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
    collection.addSettings(settingsFor(kept, "THINNING"));
    collection.addSettings(settingsFor(closed, "THICKNESS"));
    collection.addSettings(settingsFor(nullptr, "NO_DESCRIPTION"));  // never had one: not stale
    collection.addSettings(settingsFor(closed, "INACTIVE", SkinInterpretElementSmooth, false));
    EXPECT_EQ(collection.getSettings(""), nullptr);
    EXPECT_EQ(collection.getSettings(SkinBaseName::EMPTY), nullptr);
    EXPECT_EQ(collection.getSettings("THINNING~SIGMA_INTERPOLATION"), collection.getSettings("THINNING"));
    EXPECT_EQ(collection.getSettings("THINNING@COMPAREMODE"), nullptr);

    closed.reset();
    EXPECT_EQ(collection.getSettings("THICKNESS"), nullptr);
    EXPECT_EQ(collection.getNumberOfSettings(), 3u);
    for (const char* name : {"NO_DESCRIPTION", "INACTIVE" /* no active scale to judge by */, "THINNING"})
        EXPECT_NE(collection.getSettings(name), nullptr) << name;
}

TEST(ResVarSettingsCollectionLookup, ActiveAndSigmaAdjustedRepresentation)
{
    auto description = makeThinningDescription();
    ResVarSettingsCollection collection;
    for (const auto& [name, representation] :
         {std::pair<std::string, S>{"THINNING", SkinInterpretNodalSmooth}, {"EDGE_THINNING", SkinInterpretElementSmooth},
          {"LINE_MOVEMENT", SkinInterpretLine}, {"DRAW_IN", SkinInterpretElementFlat},
          {"THICKNESS", SkinInterpretElementFlat}})
        collection.addSettings(settingsFor(description, name, representation));
    collection.addSettings(new ResVarSettings(description, "MAJOR_STRAIN"));  // no scale at all

    // Name, active representation, the one adjusted to the sigma interpolation.
    const std::tuple<std::string, S, S> cases[] = {
        {"THINNING", SkinInterpretNodalSmooth, SkinInterpretNodalSmooth},  // no variant: unchanged
        {"THINNING~SIGMA_INTERPOLATION", SkinInterpretNodalSmooth, SkinInterpretElementSmooth},
        {"EDGE_THINNING~SIGMA_INTERPOLATION", SkinInterpretElementSmooth, SkinInterpretEdgeSmooth},
        {"LINE_MOVEMENT~SIGMA_INTERPOLATION", SkinInterpretLine, SkinInterpretLine},
        {"DRAW_IN~SIGMA_INTERPOLATION", SkinInterpretElementFlat, SkinInterpretNodalSmooth},
        {"THICKNESS~SIGMA_INTERPOLATION", SkinInterpretElementFlat, SkinInterpretElementFlat},
        {"MAJOR_STRAIN", SkinInterpretDefault, SkinInterpretDefault},
        {"UNKNOWN~SIGMA_INTERPOLATION", SkinInterpretDefault, SkinInterpretElementSmooth},
    };
    for (const auto& [name, active, adjusted] : cases)
    {
        EXPECT_EQ(collection.getActiveRepresentationType(name), active) << name;
        EXPECT_EQ(collection.getSigmaAdjustedActiveRepresentationType(name), adjusted) << name;
    }
    EXPECT_EQ(collection.getActivePropertyType("MAJOR_STRAIN"), ScaleType::Undefined);
    EXPECT_EQ(collection.getActivePropertyType("UNKNOWN"), ScaleType::Undefined);
}

}  // namespace
}  // namespace Quarvane
