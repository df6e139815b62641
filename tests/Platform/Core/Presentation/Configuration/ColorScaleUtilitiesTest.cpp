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
using Values = std::vector<double>;

int defaultDiscreteIndex()
{
    return ColorRangesConfiguration::getInstance()->getColorRangeIdx(ColorRangesConfiguration::s_defaultDiscreteColorRange);
}

// Settings whose discrete scale has ticks 10 "a", 20 "b", the last range "c", the default
// discrete colour range and the given omitted positions.
std::unique_ptr<ResVarSettings> settingsWithScale(const std::set<int>& omitted, ScaleType slot = ScaleType::Discrete)
{
    auto settings = std::make_unique<ResVarSettings>(nullptr, "THINNING");
    auto* scale = new DiscreteResVarProperty(nullptr, slot);
    scale->addTick(10, "a");
    scale->addTick(20, "b");
    scale->setLastRangeString("c");
    scale->setColorRangeIdx(defaultDiscreteIndex());
    scale->setOmittedColorsInColorRange(omitted);
    if (slot == ScaleType::Discrete)
        settings->setDiscreteProperty(scale);
    else
        settings->setManualDiscreteProperty(scale);
    return settings;
}

TEST(ColorScaleLevels, OmittedRangesAreLeftOut)
{
    const struct
    {
        std::set<int> omitted;
        Names names;
        Values values;
    } cases[] = {
        {{}, {"a", "b", "c"}, {10, 20}},
        {{1}, {"a", "c"}, {10}},
        {{2}, {"a", "b"}, {10, 20}},
        {{0, 1, 2}, {}, {}},
        {{-1, 7}, {"a", "b", "c"}, {10, 20}},  // positions of no range change nothing
    };
    for (const auto& c : cases)
    {
        const auto settings = settingsWithScale(c.omitted);
        Names names{"stale"};
        Values values{-1};
        ColorScaleUtilities::getDiscreteColorScaleLevelInformation(settings.get(), names, values);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(settings.get()), c.names);
    }
}

TEST(ColorScaleLevels, DiscreteScaleWinsOverTheManualOne)
{
    auto settingsOwner = settingsWithScale({}, ScaleType::ManualDiscrete);
    ResVarSettings& settings = *settingsOwner;
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(&settings), (Names{"a", "b", "c"}));

    auto* discrete = new DiscreteResVarProperty(nullptr, ScaleType::Discrete);
    discrete->addTick(1, "low");
    discrete->setLastRangeString("high");
    discrete->setColorRangeIdx(defaultDiscreteIndex());
    settings.setDiscreteProperty(discrete);
    settings.activatePropertyType(ScaleType::ManualDiscrete);  // which one is active does not matter
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleLevelNames(&settings), (Names{"low", "high"}));
}

TEST(ColorScaleColorMap, ReducedByOmittedPositions)
{
    const auto full = ColorMapManager::instance()->getColorMap(defaultDiscreteIndex());
    ASSERT_GE(full->size(), 3u);

    const auto nothingOmitted = settingsWithScale({});
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(nothingOmitted.get()), full);

    const auto secondOmitted = settingsWithScale({1});
    const auto reduced = ColorScaleUtilities::getDiscreteColorScaleColorMap(secondOmitted.get());
    ASSERT_NE(reduced, full);
    EXPECT_EQ(reduced->getKey(), full->getKey() + "_REDUCED");
    EXPECT_EQ(reduced->getIndex(), -1);
    std::vector<ColorRGB> expected = full->getColors();
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(reduced->getColors(), expected);
    EXPECT_EQ(ColorMapManager::instance()->getColorMap(defaultDiscreteIndex()), full);  // the managed map stays

    std::set<int> everything;
    for (int position = 0; position < static_cast<int>(full->size()); ++position)
        everything.insert(position);
    const auto allOmitted = settingsWithScale(everything);
    EXPECT_EQ(ColorScaleUtilities::getDiscreteColorScaleColorMap(allOmitted.get()), full);
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

    const auto map = ColorScaleUtilities::getDiscreteColorScaleColorMap(&settings);
    EXPECT_EQ(map->getColors(), (std::vector<ColorRGB>{{0.f, 1.f, 0.f}, {1.f, 1.f, 0.f}, {1.f, 0.f, 0.f}}));

    settings.getDiscreteProperty()->setOmittedColorsInColorRange({0});
    const auto reduced = ColorScaleUtilities::getDiscreteColorScaleColorMap(&settings);
    EXPECT_EQ(reduced->getKey(), "ParameterizedColorMap_REDUCED");
    EXPECT_EQ(reduced->getColors(), (std::vector<ColorRGB>{{1.f, 1.f, 0.f}, {1.f, 0.f, 0.f}}));
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
