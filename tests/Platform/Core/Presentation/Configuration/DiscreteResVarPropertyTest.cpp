#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;

using TickList = std::vector<std::pair<double, std::string>>;

TickList ticksOf(const DiscreteResVarProperty& property)
{
    return TickList(property.beginTick(), property.endTick());
}

std::vector<double> valuesOf(const DiscreteResVarProperty& property)
{
    std::vector<double> values;
    for (auto tick = property.beginTick(); tick != property.endTick(); ++tick)
        values.push_back(DiscreteResVarProperty::getTickValue(tick));
    return values;
}

// A property of the given type without description, holding the given ticks (added in order).
DiscreteResVarProperty withTicks(ScaleType type, const std::vector<double>& values)
{
    DiscreteResVarProperty property(nullptr, type);
    for (double value : values)
        property.addTick(value, "t" + std::to_string(static_cast<int>(value)));
    return property;
}

const double nan = std::numeric_limits<double>::quiet_NaN();

// --- Tick operations -------------------------------------------------------------------------

TEST(DiscreteTicks, StringForEveryRange)
{
    DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {3, 1, 2});
    property.setLastRangeString("above");
    const std::pair<int, std::string> cases[] = {{-1, "No result"}, {0, "t1"},  {2, "t3"},
                                                 {3, "above"},      {4, "Out of range"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, property.getStringForValue(c.first)) << c.first;
    EXPECT_EQ("above", property.getTickString(property.endTick()));
}

TEST(DiscreteTicks, AddTruncatesForDiscreteRefusesDuplicatesAndWidensLimits)
{
    struct Case
    {
        ScaleType type;
        double value;
        double stored;
    };
    const Case cases[] = {{ScaleType::Discrete, 2.7, 2.0},
                          {ScaleType::Discrete, -2.7, -2.0},
                          {ScaleType::Discrete, 3e10, 2147483647.0},
                          {ScaleType::ManualDiscrete, 2.7, 2.7}};
    for (const Case& c : cases)
    {
        DiscreteResVarProperty property(nullptr, c.type);
        EXPECT_TRUE(property.addTick(c.value, "a"));
        EXPECT_EQ(std::vector<double>{c.stored}, valuesOf(property)) << c.value;
    }

    DiscreteResVarProperty property(nullptr, ScaleType::ManualDiscrete);
    EXPECT_TRUE(property.addTick(5.0, "first"));
    EXPECT_EQ(MinMaxType::Manual, property.getMinMaxType());
    EXPECT_FALSE(property.addTick(5.0, "second"));
    EXPECT_FALSE(property.addTick(nan, "nan"));
    EXPECT_TRUE(property.addTick(-2.0, "low"));
    EXPECT_EQ((TickList{{-2.0, "low"}, {5.0, "first"}}), ticksOf(property));
    EXPECT_EQ(-2.0, property.getManualMin());
    EXPECT_EQ(5.0, property.getManualMax());
}

TEST(DiscreteTicks, ChangeMovesTheLabelAndSwallowsPassedTicks)
{
    struct Case
    {
        double from;
        double to;
        bool result;
        std::vector<double> after;
    };
    const Case cases[] = {
        {1, 3.5, true, {3.5, 4}},     {4, 1.5, true, {1, 1.5}},    {2, 3, true, {1, 3, 4}},
        {2, 2, true, {1, 2, 3, 4}},   {2.5, 3, false, {1, 2, 3, 4}}, {2, nan, false, {1, 2, 3, 4}},
        {nan, 2, false, {1, 2, 3, 4}}, {4, 9, true, {1, 2, 3, 9}},
    };
    for (const Case& c : cases)
    {
        DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {1, 2, 3, 4});
        EXPECT_EQ(c.result, property.changeTick(c.from, c.to)) << c.from << " -> " << c.to;
        EXPECT_EQ(c.after, valuesOf(property)) << c.from << " -> " << c.to;
        if (c.result && c.from != c.to)
        {
            // The moved tick keeps its label, also over a tick that sat at its new place.
            const auto movedTo = ticksOf(property);
            const auto tick = std::find_if(movedTo.begin(), movedTo.end(), [&](const auto& t) { return t.first == c.to; });
            ASSERT_NE(movedTo.end(), tick);
            EXPECT_EQ("t" + std::to_string(static_cast<int>(c.from)), tick->second) << c.from << " -> " << c.to;
        }
    }

    DiscreteResVarProperty moved = withTicks(ScaleType::ManualDiscrete, {1, 2, 3, 4});
    moved.changeTick(4, 9);
    EXPECT_EQ(9.0, moved.getManualMax());

    DiscreteResVarProperty relabelled = withTicks(ScaleType::Discrete, {1, 2});
    EXPECT_TRUE(relabelled.changeTick(2, 5.9, "five"));
    EXPECT_EQ((TickList{{1, "t1"}, {5, "five"}}), ticksOf(relabelled));
}

TEST(DiscreteTicks, DeleteLetsTheManualLimitsFollowTheOutermostTicks)
{
    DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {1, 2, 3, 4});
    EXPECT_FALSE(property.deleteTick(2.5));
    EXPECT_FALSE(property.deleteTick(nan));
    EXPECT_TRUE(property.deleteTick(1));
    EXPECT_EQ(2.0, property.getManualMin());
    EXPECT_TRUE(property.deleteTick(4));
    EXPECT_EQ(3.0, property.getManualMax());
    EXPECT_TRUE(property.deleteTick(3));
    EXPECT_EQ(2.0, property.getManualMax());
    // The only tick: nothing left to follow, the limits stay.
    property.editMinMax(-5, 5);
    EXPECT_TRUE(property.deleteTick(2));
    EXPECT_EQ(-5.0, property.getManualMin());
    EXPECT_EQ(5.0, property.getManualMax());
    EXPECT_FALSE(property.deleteTick(2));
}

TEST(DiscreteTicks, SetNumberOfTicksLaysOutEvenly)
{
    struct Case
    {
        ScaleType type;
        std::vector<double> before;
        unsigned int count;
        bool inner;
        std::vector<double> after;
    };
    const Case cases[] = {
        {ScaleType::ManualDiscrete, {0, 10}, 3, false, {0, 5, 10}},
        {ScaleType::ManualDiscrete, {0, 10}, 3, true, {2.5, 5, 7.5}},
        {ScaleType::ManualDiscrete, {0, 3}, 0, false, {0, 1, 2, 3}},
        {ScaleType::Discrete, {0, 3}, 0, false, {0, 1, 2, 3, 4}},
        {ScaleType::ManualDiscrete, {0, 4, 10}, 1, false, {5}},
        {ScaleType::ManualDiscrete, {0, 4, 10}, 2, false, {0, 4, 10}},
        {ScaleType::ManualDiscrete, {0, 4, 10}, 5, false, {0, 2.5, 5, 7.5, 10}},
        {ScaleType::ManualDiscrete, {-1, 8}, 2, true, {2, 5}},
        {ScaleType::ManualDiscrete, {0, 0.5}, 0, false, {0.5}},
        // Fewer than two ticks: laid out between the manual limits (set to 2 and 6 below).
        {ScaleType::ManualDiscrete, {4}, 3, false, {2, 4, 6}},
        // No tick and limits 0 and 0: a single tick at 0.
        {ScaleType::ManualDiscrete, {}, 3, false, {0}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
    {
        const Case& c = cases[i];
        DiscreteResVarProperty property = withTicks(c.type, c.before);
        if (i == 9)
            property.editMinMax(2, 6);
        property.setLastRangeString("above");
        property.setNumberOfTicks(c.count, c.inner);
        EXPECT_EQ(c.after, valuesOf(property)) << "case " << i;
        if (c.after != c.before)
        {
            EXPECT_EQ("", property.getTickString(property.beginTick())) << "case " << i;
        }
    }

    // A span that would need billions of ticks is limited, not exhausting memory.
    DiscreteResVarProperty huge = withTicks(ScaleType::ManualDiscrete, {0, 1e12});
    huge.setNumberOfTicks(0, false);
    EXPECT_EQ(DiscreteResVarProperty::s_maximumNumberOfLaidOutTicks, huge.getNumberOfTicks());
    // Manual limits that are not numbers give no ticks.
    DiscreteResVarProperty undefined(nullptr, ScaleType::ManualDiscrete);
    undefined.editMinMax(nan, nan);
    undefined.setNumberOfTicks(3, false);
    EXPECT_EQ(0u, undefined.getNumberOfTicks());
}

TEST(DiscreteTicks, TickStringsByValueAndByIterator)
{
    DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {1, 2});
    EXPECT_TRUE(property.setTickString(2.0, "two"));
    EXPECT_FALSE(property.setTickString(2.5, "none"));
    property.setTickString(property.endTick(), "rest");
    property.setTickString(property.beginTick(), "one");
    EXPECT_EQ((TickList{{1, "one"}, {2, "two"}}), ticksOf(property));
    EXPECT_EQ("rest", property.getLastRangeString());
    property.resetTicks();
    EXPECT_EQ(0u, property.getNumberOfTicks());
    EXPECT_EQ("", property.getLastRangeString());
}

// --- The update from the description ---------------------------------------------------------

std::shared_ptr<ResultVariableProperties> makeLevelDescription(const std::vector<LevelInfo>& levels)
{
    auto description = makeThinningDescription(ScaleType::Discrete);
    for (const LevelInfo& level : levels)
        description->addDiscretizationLevel(std::make_shared<LevelInfo>(level));
    return description;
}

TEST(DiscreteUpdate, TicksFromLevels)
{
    struct Case
    {
        const char* what;
        std::vector<LevelInfo> levels;
        TickList ticks;
        std::string last;
    };
    const Case cases[] = {
        {"three levels", {{1, "safe", 0, 1, 0}, {2, "risk", 1, 1, 0}, {3, "crack", 1, 0, 0}},
         {{1, "safe"}, {2, "risk"}}, "crack"},
        {"one level", {{5, "only", 0, 0, 1}}, {}, "only"},
        {"no level", {}, {}, ""},
        {"out of order", {{2, "b", 0, 0, 0}, {1, "a", 0, 0, 0}, {9, "top", 0, 0, 0}}, {{1, "a"}, {2, "b"}}, "top"},
        {"limits truncated", {{-1.5, "neg", 0, 0, 0}, {2.9, "pos", 0, 0, 0}, {9, "top", 0, 0, 0}},
         {{-1, "neg"}, {2, "pos"}}, "top"},
        {"NaN limit dropped", {{nan, "nan", 0, 0, 0}, {2, "two", 0, 0, 0}, {9, "top", 0, 0, 0}}, {{2, "two"}}, "top"},
    };
    for (const Case& c : cases)
    {
        DiscreteResVarProperty property(makeLevelDescription(c.levels), ScaleType::Discrete);
        EXPECT_EQ(c.ticks, ticksOf(property)) << c.what;
        EXPECT_EQ(c.last, property.getLastRangeString()) << c.what;
    }
}

TEST(DiscreteUpdate, ManualLimitsEncloseTheLevels)
{
    // Default limits -0.3 .. 0.1; levels at -1 and 2 widen both.
    auto description = makeLevelDescription({{-1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}, {3, "c", 0, 0, 0}});
    DiscreteResVarProperty property(description, ScaleType::ManualDiscrete);
    EXPECT_EQ(-1.0, property.getManualMin());
    EXPECT_EQ(2.0, property.getManualMax());
    EXPECT_EQ(MinMaxType::Manual, property.getMinMaxType());
}

TEST(DiscreteUpdate, ChangeRebuildsTicksAndNotifiesOnce)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}});
    DiscreteResVarProperty property(description, ScaleType::Discrete);
    int notifications = 0;
    property.connectToSignalResVarPropertyChanged([&] { ++notifications; });
    property.addTick(7, "mine");

    description->addDiscretizationLevel(std::make_shared<LevelInfo>(3, "c", 0, 0, 0));
    description->setMinMaxType(MinMaxType::Object);
    description->notifyPropertiesChanged(PropertyChangedMinMaxType);
    EXPECT_EQ(1, notifications);
    EXPECT_EQ((TickList{{1, "a"}, {2, "b"}}), ticksOf(property));
    EXPECT_EQ("c", property.getLastRangeString());
    // The continuous part ran: the policy followed the description.
    EXPECT_EQ(MinMaxType::Object, property.getMinMaxType());
}

TEST(DiscreteUpdate, ColorRangeOfTheDescriptionOrTheDominantVariable)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}, {3, "c", 0, 0, 0}});
    DiscreteResVarProperty greenYellowRed(description, ScaleType::Discrete);
    EXPECT_EQ(11, greenYellowRed.getColorRangeIdx());
    EXPECT_FALSE(greenYellowRed.getUseConfigurableColorRange());

    description->setDiscreteColorRangeType(ResVarPropertiesCommon::DominantVariable);
    description->setUseConfigurableContinuousColorRange(true);
    DiscreteResVarProperty dominant(description, ScaleType::Discrete);
    auto* catalogue = ColorRangesConfiguration::getInstance();
    EXPECT_EQ(catalogue->getColorRangeIdx("COLORRANGE_DOMINANT_VARIABLE_3"), dominant.getColorRangeIdx());
    EXPECT_GE(dominant.getColorRangeIdx(), 44);
    EXPECT_FALSE(dominant.getUseConfigurableColorRange());

    // One level: no tick, one range, and a one-colour dominant range does not exist.
    auto singleDescription = makeLevelDescription({{1, "a", 0, 0, 0}});
    singleDescription->setDiscreteColorRangeType(ResVarPropertiesCommon::DominantVariable);
    DiscreteResVarProperty singleDominant(singleDescription, ScaleType::Discrete);
    EXPECT_EQ(-1, singleDominant.getColorRangeIdx());

    description->setDiscreteColorRangeType(77);
    DiscreteResVarProperty unknown(description, ScaleType::Discrete);
    EXPECT_EQ(-1, unknown.getColorRangeIdx());
}

TEST(DiscreteUpdate, ConfigurableColorsOnlyWhenAllAreValid)
{
    struct Case
    {
        const char* what;
        bool enabled;
        float badComponent;
        bool used;
    };
    const Case cases[] = {{"valid", true, 0.5f, true},
                          {"above one", true, 1.5f, false},
                          {"below zero", true, -0.1f, false},
                          {"not a number", true, std::numeric_limits<float>::quiet_NaN(), false},
                          {"not enabled", false, 0.5f, false}};
    for (const Case& c : cases)
    {
        auto description = makeLevelDescription({{1, "a", 0.0f, 0.0f, 1.0f}, {2, "b", 1.0f, c.badComponent, 0.0f}});
        description->setUseConfigurableDiscreteColors(c.enabled);
        DiscreteResVarProperty property(description, ScaleType::Discrete);
        EXPECT_EQ(c.used, property.getUseConfigurableDiscreteColors()) << c.what;
        const std::vector<ColorRGB> expected =
            c.used ? std::vector<ColorRGB>{{0.0f, 0.0f, 1.0f}, {1.0f, c.badComponent, 0.0f}} : std::vector<ColorRGB>{};
        EXPECT_EQ(expected, property.getDiscreteColors()) << c.what;
    }
}

// --- Lifecycle -------------------------------------------------------------------------------

TEST(DiscreteLifecycle, CopyTakesTicksButNotTheColours)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 1}, {2, "b", 0, 1, 0}});
    description->setUseConfigurableDiscreteColors(true);
    DiscreteResVarProperty original(description, ScaleType::ManualDiscrete);
    original.setOmittedColorsInColorRange({1});
    original.setEditableTickState(false);
    original.activate();

    DiscreteResVarProperty copy(original);
    DiscreteResVarProperty assigned(nullptr, ScaleType::Discrete);
    assigned.setOmittedColorsInColorRange({0, 2});
    assigned = original;
    for (const DiscreteResVarProperty* target : {&copy, &assigned})
    {
        EXPECT_EQ(ticksOf(original), ticksOf(*target));
        EXPECT_EQ("b", target->getLastRangeString());
        EXPECT_FALSE(target->isEditableTick());
        EXPECT_FALSE(target->isActive());
        EXPECT_EQ(ScaleType::ManualDiscrete, target->getType());
        EXPECT_TRUE(target->getOmittedColorsInColorRange().empty());
        EXPECT_FALSE(target->getUseConfigurableDiscreteColors());
        EXPECT_TRUE(target->getDiscreteColors().empty());
    }

    // The next change of the description brings the colours back.
    description->notifyPropertiesChanged(PropertyChangedEverything);
    EXPECT_EQ(2u, copy.getDiscreteColors().size());
    EXPECT_EQ(2u, assigned.getDiscreteColors().size());
}

TEST(DiscreteLifecycle, WithoutDescriptionTheScaleKeepsWorking)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}});
    DiscreteResVarProperty property(description, ScaleType::Discrete);
    description.reset();
    EXPECT_EQ("a", property.getStringForValue(0));
    EXPECT_TRUE(property.addTick(4, "d"));
    EXPECT_EQ(&ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition,
              &property.getConfigurableColorRangeDefinition());

    DiscreteResVarProperty none(nullptr, ScaleType::Discrete);
    EXPECT_EQ(0, none.getColorRangeIdx());
    EXPECT_EQ("", none.getStringForValue(0));
}

}  // namespace
}  // namespace Quarvane
