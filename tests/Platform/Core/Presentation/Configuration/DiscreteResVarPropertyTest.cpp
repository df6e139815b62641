#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"
#include "ResVarPropertyTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace Quarvane
{
namespace
{

using namespace Testing;
using TickList = std::vector<std::pair<double, std::string>>;
using Values = std::vector<double>;
using Pair = std::pair<double, double>;
const double nan = std::numeric_limits<double>::quiet_NaN();

TickList ticksOf(const DiscreteResVarProperty& p) { return TickList(p.beginTick(), p.endTick()); }
Pair manualOf(const DiscreteResVarProperty& p) { return {p.getManualMin(), p.getManualMax()}; }
std::string label(double value) { return "t" + std::to_string(static_cast<int>(value)); }

Values valuesOf(const DiscreteResVarProperty& property)
{
    Values values;
    for (auto tick = property.beginTick(); tick != property.endTick(); ++tick)
        values.push_back(DiscreteResVarProperty::getTickValue(tick));
    return values;
}

// A property without description holding the given ticks (added in order, labelled by label()).
DiscreteResVarProperty withTicks(ScaleType type, const Values& values)
{
    DiscreteResVarProperty property(nullptr, type);
    for (double value : values)
        property.addTick(value, label(value));
    return property;
}

TEST(DiscreteTicks, StringsByRangeByValueAndByIterator)
{
    DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {3, 1, 2});
    property.setLastRangeString("above");
    using P = std::pair<int, std::string>;
    for (const auto& c : {P{-1, "No result"}, P{0, "t1"}, P{2, "t3"}, P{3, "above"}, P{4, "Out of range"}})
        EXPECT_EQ(c.second, property.getStringForValue(c.first)) << c.first;

    EXPECT_TRUE(property.setTickString(2.0, "two"));
    EXPECT_FALSE(property.setTickString(2.5, "none"));
    property.setTickString(property.endTick(), "rest");
    EXPECT_EQ((TickList{{1, "t1"}, {2, "two"}, {3, "t3"}}), ticksOf(property));
    EXPECT_EQ("rest", property.getLastRangeString());
}

TEST(DiscreteTicks, AddTruncatesForDiscreteRefusesDuplicatesAndWidensLimits)
{
    using T = std::tuple<ScaleType, double, double>;
    const ScaleType D = ScaleType::Discrete;
    for (const auto& [type, value, stored] :
         {T{D, 2.7, 2.0}, T{D, -2.7, -2.0}, T{D, 3e10, 2147483647.0}, T{ScaleType::ManualDiscrete, 2.7, 2.7}})
    {
        DiscreteResVarProperty property(nullptr, type);
        EXPECT_TRUE(property.addTick(value, "a"));
        EXPECT_EQ(Values{stored}, valuesOf(property)) << value;
    }

    DiscreteResVarProperty property(nullptr, ScaleType::ManualDiscrete);
    EXPECT_TRUE(property.addTick(5.0, "first"));
    EXPECT_EQ(MinMaxType::Manual, property.getMinMaxType());
    EXPECT_FALSE(property.addTick(5.0, "second") || property.addTick(nan, "nan"));
    EXPECT_TRUE(property.addTick(-2.0, "low"));
    EXPECT_EQ((TickList{{-2.0, "low"}, {5.0, "first"}}), ticksOf(property));
    EXPECT_EQ(Pair(-2.0, 5.0), manualOf(property));
}

TEST(DiscreteTicks, ChangeMovesTheLabelAndSwallowsPassedTicks)
{
    struct Case { double from, to; bool result; Values after; };
    const Case cases[] = {
        {1, 3.5, true, {3.5, 4}},     {4, 1.5, true, {1, 1.5}},      {2, 3, true, {1, 3, 4}},
        {2, 2, true, {1, 2, 3, 4}},   {2.5, 3, false, {1, 2, 3, 4}}, {2, nan, false, {1, 2, 3, 4}},
        {nan, 2, false, {1, 2, 3, 4}}, {4, 9, true, {1, 2, 3, 9}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {1, 2, 3, 4});
        EXPECT_EQ(c.result, property.changeTick(c.from, c.to));
        EXPECT_EQ(c.after, valuesOf(property));
        // The moved tick keeps its label, also over a tick that sat at its new place.
        const TickList ticks = ticksOf(property);
        const auto moved = std::find_if(ticks.begin(), ticks.end(), [&](const auto& t) { return t.first == c.to; });
        EXPECT_TRUE(!c.result || c.from == c.to || (moved != ticks.end() && moved->second == label(c.from)));
        if (c.to == 9)
        {
            EXPECT_EQ(9.0, property.getManualMax());  // the manual limit follows a tick moved past it
        }
    }

    DiscreteResVarProperty relabelled = withTicks(ScaleType::Discrete, {1, 2});
    EXPECT_TRUE(relabelled.changeTick(2, 5.9, "five"));
    EXPECT_EQ((TickList{{1, "t1"}, {5, "five"}}), ticksOf(relabelled));
}

TEST(DiscreteTicks, DeleteLetsTheManualLimitsFollowTheOutermostTicks)
{
    DiscreteResVarProperty property = withTicks(ScaleType::ManualDiscrete, {1, 2, 3, 4});
    EXPECT_FALSE(property.deleteTick(2.5) || property.deleteTick(nan));
    using T = std::tuple<double, double, double>;
    for (const auto& [value, min, max] : {T{1, 2, 4}, T{4, 2, 3}, T{3, 2, 2}})
    {
        EXPECT_TRUE(property.deleteTick(value));
        EXPECT_EQ(Pair(min, max), manualOf(property)) << value;
    }
    // The only tick: nothing left to follow, the limits stay.
    property.editMinMax(-5, 5);
    EXPECT_TRUE(property.deleteTick(2));
    EXPECT_EQ(Pair(-5.0, 5.0), manualOf(property));
    EXPECT_FALSE(property.deleteTick(2));
}

TEST(DiscreteTicks, SetNumberOfTicksLaysOutEvenly)
{
    struct Case { ScaleType type; Values before; unsigned int count; bool inner; Values after;
                  std::optional<Pair> limits = std::nullopt; };
    const ScaleType M = ScaleType::ManualDiscrete;
    const Case cases[] = {
        {M, {0, 10}, 3, false, {0, 5, 10}}, {M, {0, 10}, 3, true, {2.5, 5, 7.5}}, {M, {0, 3}, 0, false, {0, 1, 2, 3}},
        {ScaleType::Discrete, {0, 3}, 0, false, {0, 1, 2, 3, 4}}, {M, {0, 4, 10}, 1, false, {5}},
        {M, {0, 4, 10}, 2, false, {0, 4, 10}}, {M, {0, 0.5}, 0, false, {0.5}},
        // Fewer than two ticks: between the manual limits; none and limits 0 and 0: one at 0; limits not numbers: none.
        {M, {4}, 3, false, {2, 4, 6}, Pair(2, 6)}, {M, {}, 3, false, {0}}, {M, {}, 3, false, {}, Pair(nan, nan)},
    };
    for (const Case& c : cases)
    {
        DiscreteResVarProperty property = withTicks(c.type, c.before);
        if (c.limits)
            property.editMinMax(c.limits->first, c.limits->second);
        property.setNumberOfTicks(c.count, c.inner);
        EXPECT_EQ(c.after, valuesOf(property)) << c.count << (c.inner ? " inner" : "");
        if (c.after != c.before && !c.after.empty())
        {
            EXPECT_EQ("", property.getTickString(property.beginTick())) << c.count;
        }
    }
    // A span that would need billions of ticks is limited, not exhausting memory.
    DiscreteResVarProperty huge = withTicks(ScaleType::ManualDiscrete, {0, 1e12});
    huge.setNumberOfTicks(0, false);
    EXPECT_EQ(DiscreteResVarProperty::s_maximumNumberOfLaidOutTicks, huge.getNumberOfTicks());
}

std::shared_ptr<ResultVariableProperties> makeLevelDescription(const std::vector<LevelInfo>& levels)
{
    auto description = makeThinningDescription(ScaleType::Discrete);
    for (const LevelInfo& level : levels)
        description->addDiscretizationLevel(std::make_shared<LevelInfo>(level));
    return description;
}

TEST(DiscreteUpdate, TicksFromLevelsAndManualLimitsEnclosingThem)
{
    struct Case { const char* what; std::vector<LevelInfo> levels; TickList ticks; std::string last; };
    const Case cases[] = {
        {"three levels", {{1, "safe", 0, 1, 0}, {2, "risk", 1, 1, 0}, {3, "crack", 1, 0, 0}},
         {{1, "safe"}, {2, "risk"}}, "crack"},
        {"one level", {{5, "only", 0, 0, 1}}, {}, "only"}, {"no level", {}, {}, ""},
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

    // Default limits -0.3 .. 0.1; levels at -1 and 2 widen both.
    auto description = makeLevelDescription({{-1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}, {3, "c", 0, 0, 0}});
    DiscreteResVarProperty manual(description, ScaleType::ManualDiscrete);
    EXPECT_EQ(Pair(-1.0, 2.0), manualOf(manual));
    EXPECT_EQ(MinMaxType::Manual, manual.getMinMaxType());
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
    EXPECT_EQ(MinMaxType::Object, property.getMinMaxType());  // the continuous part ran too
}

TEST(DiscreteUpdate, ColorRangeOfTheDescriptionOrTheDominantVariable)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 0}, {2, "b", 0, 0, 0}, {3, "c", 0, 0, 0}});
    EXPECT_EQ(11, DiscreteResVarProperty(description, ScaleType::Discrete).getColorRangeIdx());

    description->setDiscreteColorRangeType(ResVarPropertiesCommon::DominantVariable);
    description->setUseConfigurableContinuousColorRange(true);
    DiscreteResVarProperty dominant(description, ScaleType::Discrete);
    auto* catalogue = ColorRangesConfiguration::getInstance();
    EXPECT_EQ(catalogue->getColorRangeIdx("COLORRANGE_DOMINANT_VARIABLE_3"), dominant.getColorRangeIdx());
    EXPECT_NE(-1, dominant.getColorRangeIdx());
    EXPECT_FALSE(dominant.getUseConfigurableColorRange());

    // One level: no tick, one range, and a one-colour dominant range does not exist.
    auto singleDescription = makeLevelDescription({{1, "a", 0, 0, 0}});
    singleDescription->setDiscreteColorRangeType(ResVarPropertiesCommon::DominantVariable);
    EXPECT_EQ(-1, DiscreteResVarProperty(singleDescription, ScaleType::Discrete).getColorRangeIdx());
    description->setDiscreteColorRangeType(77);
    EXPECT_EQ(-1, DiscreteResVarProperty(description, ScaleType::Discrete).getColorRangeIdx());
}

TEST(DiscreteUpdate, ConfigurableColorsOnlyWhenAllAreValid)
{
    struct Case { const char* what; bool enabled; float component; bool used; };
    const Case cases[] = {{"valid", true, 0.5f, true}, {"above one", true, 1.5f, false},
                          {"not a number", true, std::numeric_limits<float>::quiet_NaN(), false},
                          {"not enabled", false, 0.5f, false}};
    for (const Case& c : cases)
    {
        auto description = makeLevelDescription({{1, "a", 0.0f, 0.0f, 1.0f}, {2, "b", 1.0f, c.component, 0.0f}});
        description->setUseConfigurableDiscreteColors(c.enabled);
        DiscreteResVarProperty property(description, ScaleType::Discrete);
        EXPECT_EQ(c.used, property.getUseConfigurableDiscreteColors()) << c.what;
        using Colors = std::vector<ColorRGB>;
        EXPECT_EQ((c.used ? Colors{{0.0f, 0.0f, 1.0f}, {1.0f, c.component, 0.0f}} : Colors{}),
                  property.getDiscreteColors()) << c.what;
    }
}

TEST(DiscreteLifecycle, CopyTakesTicksButNotTheColours)
{
    auto description = makeLevelDescription({{1, "a", 0, 0, 1}, {2, "b", 0, 1, 0}});
    description->setUseConfigurableDiscreteColors(true);
    DiscreteResVarProperty original(description, ScaleType::ManualDiscrete);
    original.setOmittedColorsInColorRange({1});
    original.setEditableTickState(false);
    original.activate();

    DiscreteResVarProperty copy(original), assigned(nullptr, ScaleType::Discrete);
    assigned.setOmittedColorsInColorRange({0, 2});
    assigned = original;
    for (const DiscreteResVarProperty* target : {&copy, &assigned})
    {
        EXPECT_EQ(ticksOf(original), ticksOf(*target));
        EXPECT_EQ("b", target->getLastRangeString());
        EXPECT_FALSE(target->isEditableTick());
        EXPECT_FALSE(target->isActive());
        EXPECT_TRUE(target->getOmittedColorsInColorRange().empty());
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

    EXPECT_EQ(0, DiscreteResVarProperty(nullptr, ScaleType::Discrete).getColorRangeIdx());
}

}  // namespace
}  // namespace Quarvane
