#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorScaleUtilities.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;
using Names = std::vector<std::string>;
using Colors = std::vector<ColorRGB>;

int defaultDiscrete()
{
    return ColorRangesConfiguration::getInstance()->getColorRangeIdx(ColorRangesConfiguration::s_defaultDiscreteColorRange);
}

// A discrete scale in the given slot with ticks 10, 20 .. labelled as given (by default "a", "b",
// the last range "c"), the default discrete colour range and the given omitted positions.
DiscreteResVarProperty* scaleWith(ResVarSettings& settings, const std::set<int>& omitted, ScaleType slot,
                                  Names labels = {"a", "b", "c"})
{
    auto* scale = new DiscreteResVarProperty(nullptr, slot);
    for (std::size_t i = 0; i + 1 < labels.size(); ++i)
        scale->addTick(10.0 * (i + 1), labels[i]);
    scale->setLastRangeString(labels.back());
    scale->setColorRangeIdx(defaultDiscrete());
    scale->setOmittedColorsInColorRange(omitted);
    slot == ScaleType::Discrete ? settings.setDiscreteProperty(scale) : settings.setManualDiscreteProperty(scale);
    return scale;
}

std::unique_ptr<ResVarSettings> settingsWith(const std::set<int>& omitted, ScaleType slot = ScaleType::Discrete)
{
    auto settings = std::make_unique<ResVarSettings>(nullptr, "THINNING");
    scaleWith(*settings, omitted, slot);
    return settings;
}

TEST(ColorScaleLevels, OmittedRangesAreLeftOutAndTheDiscreteScaleWins)
{
    const struct
    {
        std::set<int> omitted;
        Names names;
        std::vector<double> values;
    } cases[] = {
        {{}, {"a", "b", "c"}, {10, 20}},
        {{1}, {"a", "c"}, {10}},
        {{2}, {"a", "b"}, {10, 20}},
        {{0, 1, 2}, {}, {}},
        {{-1, 7}, {"a", "b", "c"}, {10, 20}},  // positions of no range change nothing
    };
    for (const auto& c : cases)
    {
        const auto settings = settingsWith(c.omitted);
        Names names{"stale"};
        std::vector<double> values{-1};
        ColorScaleUtilities::getDiscreteColorScaleLevelInformation(settings.get(), names, values);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings.get()), c.names);
    }

    // Without a discrete scale the manual one; with both the discrete one, whichever is active.
    auto settings = settingsWith({}, ScaleType::ManualDiscrete);
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings.get()), (Names{"a", "b", "c"}));
    scaleWith(*settings, {}, ScaleType::Discrete, {"low", "high"});
    settings->activatePropertyType(ScaleType::ManualDiscrete);
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings.get()), (Names{"low", "high"}));
}

TEST(ColorScaleColorMap, ReducedByOmittedPositions)
{
    const auto full = ColorMapManager::instance()->getColorMap(defaultDiscrete());
    ASSERT_GE(full->size(), 3u);
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(settingsWith({}).get()), full);

    const auto reduced = ColorScaleUtilities::getDiscreteColorScaleColorMap(settingsWith({1}).get());
    ASSERT_NE(reduced, full);
    EXPECT_EQ(reduced->getKey(), full->getKey() + "_REDUCED");
    EXPECT_EQ(reduced->getIndex(), -1);
    Colors expected = full->getColors();
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(reduced->getColors(), expected);
    EXPECT_EQ(ColorMapManager::instance()->getColorMap(defaultDiscrete()), full);  // the managed map stays

    std::set<int> everything;
    for (int position = 0; position < static_cast<int>(full->size()); ++position)
        everything.insert(position);
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(settingsWith(everything).get()), full);
}

TEST(ColorScaleColorMap, ConfigurableColorsMakeTheMap)
{
    auto description = makeThinningDescription(ScaleType::Discrete);
    description->setUseConfigurableDiscreteColors(true);
    description->addDiscretizationLevel(std::make_shared<LevelInfo>(1.0, "ok", 0.0f, 1.0f, 0.0f));
    description->addDiscretizationLevel(std::make_shared<LevelInfo>(2.0, "risk", 1.0f, 1.0f, 0.0f));
    description->addDiscretizationLevel(std::make_shared<LevelInfo>(3.0, "crack", 1.0f, 0.0f, 0.0f));
    ResVarSettings settings(description, "THINNING");
    settings.setDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::Discrete));
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(&settings)->getColors(),
              (Colors{{0.f, 1.f, 0.f}, {1.f, 1.f, 0.f}, {1.f, 0.f, 0.f}}));

    settings.getDiscreteProperty()->setOmittedColorsInColorRange({0});
    const auto reduced = ColorScaleUtilities::getDiscreteColorScaleColorMap(&settings);
    EXPECT_EQ(reduced->getKey(), "ParameterizedColorMap_REDUCED");
    EXPECT_EQ(reduced->getColors(), (Colors{{1.f, 1.f, 0.f}, {1.f, 0.f, 0.f}}));
}

TEST(ColorScaleBadInput, NeutralAnswersOrTheManagersError)
{
    ResVarSettings withoutDiscreteScale(nullptr, "THINNING");
    withoutDiscreteScale.setContinuousProperty(new ContResVarProperty(nullptr, ScaleType::Continuous));
    for (const ResVarSettings* settings : {static_cast<const ResVarSettings*>(nullptr),
                                          static_cast<const ResVarSettings*>(&withoutDiscreteScale)})
    {
        EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(settings), nullptr);
        EXPECT_TRUE(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings).empty());
    }

    // A description asking for a colour range type that names no range.
    auto description = makeThinningDescription(ScaleType::Discrete);
    description->setDiscreteColorRangeType(ResVarPropertiesCommon::Unassigned12);
    ResVarSettings orphan(description, "THINNING");
    orphan.setDiscreteProperty(new DiscreteResVarProperty(description, ScaleType::Discrete));
    ASSERT_EQ(orphan.getDiscreteProperty()->getColorRangeIdx(), -1);
    EXPECT_THROW(ColorScaleUtilities::getDiscreteColorScaleColorMap(&orphan), QvLogicException);
}

}  // namespace
}  // namespace Quarvane
