#pragma once

#include "Platform/Core/Presentation/Configuration/ColorRGB.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace Quarvane
{

// The discrete colour scale of a result variable: ticks (a value with a label each) that split
// the value axis into ranges, one colour per range. With n ticks there are n + 1 ranges: below
// the first tick, between neighbours, and above the last; range i < n carries tick i's label,
// range n the last range string.
//
// Type Discrete takes its ticks from the description's discretisation levels (at whole values);
// type ManualDiscrete has ticks the user edits. The manual minimum and maximum follow the
// outermost ticks whenever a tick is added or moved beyond them. Every change of the description
// rebuilds the ticks from the levels; edits do not survive it.
class DiscreteResVarProperty : public ContResVarProperty
{
public:
    using Ticks = std::map<double, std::string>;
    using TickIterator = Ticks::iterator;
    using ConstTickIterator = Ticks::const_iterator;

    // No scale has more ticks than this: setNumberOfTicks limits its count to it, so a huge span
    // or count cannot exhaust memory.
    static constexpr unsigned int s_maximumNumberOfLaidOutTicks = 10000;

    DiscreteResVarProperty(std::shared_ptr<const ResultVariableProperties> properties, ScaleType type);
    // Copies the scale and its ticks. The omitted colours and the configurable colours are not
    // copied: a copy has none until its description next changes.
    DiscreteResVarProperty(const DiscreteResVarProperty& other);
    DiscreteResVarProperty& operator=(const DiscreteResVarProperty& other);

    // Always the default definition: a discrete scale has no user-defined continuous range.
    const ResVarPropertiesCommon::ContinuousColorRangeDefinition& getConfigurableColorRangeDefinition() const override;

    TickIterator beginTick() { return m_ticks.begin(); }
    TickIterator endTick() { return m_ticks.end(); }
    ConstTickIterator beginTick() const { return m_ticks.begin(); }
    ConstTickIterator endTick() const { return m_ticks.end(); }
    static double getTickValue(ConstTickIterator tick) { return tick->first; }
    // The label of the tick; the last range string for the end iterator.
    const std::string& getTickString(ConstTickIterator tick) const;
    std::size_t getNumberOfTicks() const { return m_ticks.size(); }

    // False when no tick has exactly that value.
    bool setTickString(double value, const std::string& label);
    // Sets the last range string for the end iterator.
    void setTickString(TickIterator tick, const std::string& label);
    const std::string& getLastRangeString() const { return m_lastRangeString; }
    void setLastRangeString(const std::string& label) { m_lastRangeString = label; }

    bool isEditableTick() const { return m_editableTick; }
    void setEditableTickState(bool editable) { m_editableTick = editable; }

    // Adds a tick; false when a tick has that value already (its label stays) or the value is
    // NaN. A Discrete scale truncates the value toward zero to a whole number first (values
    // beyond the 32-bit range are limited to it). Widens the manual limits to the tick.
    bool addTick(double value, std::string label);
    // Moves the tick at `from` to `to`, keeping its label; the ticks it passes, and one at `to`,
    // are removed. False when no tick is at `from` or `to` is NaN.
    bool changeTick(double from, double to);
    bool changeTick(double from, double to, const std::string& label);
    // Removes the tick; when it was the first or the last, the manual minimum or maximum follows
    // the new first or last tick. Removing the only tick leaves the manual limits as they are:
    // there is no tick left for them to follow.
    bool deleteTick(double value);
    // Lays out `count` evenly spaced ticks with empty labels between the first and the last tick
    // (both included unless `inner`); 0 means one tick per unit. Leaves the manual limits alone.
    void setNumberOfTicks(unsigned int count, bool inner);
    // Removes every tick and empties the last range string.
    void resetTicks();

    // The label of range `index`: "No result" below 0, "Out of range" above the last range.
    std::string getStringForValue(int index) const;

    std::vector<ColorRGB> getDiscreteColors() const { return m_discreteColors; }
    bool getUseConfigurableDiscreteColors() const { return m_useConfigurableDiscreteColors; }

    // Positions of the colour range that the scale leaves out.
    void setOmittedColorsInColorRange(const std::set<int>& positions) { m_omittedColorsInColorRange = positions; }
    const std::set<int>& getOmittedColorsInColorRange() const { return m_omittedColorsInColorRange; }

protected:
    void initFromResultVariableProperties(int changeSet) override;

private:
    double tickValueFor(double value) const;
    bool insertTick(double value, const std::string& label);
    void widenManualLimitsTo(double value);
    int determineDominantVariableColorRangeIdx() const;
    void initializeDiscreteColors(const ResultVariableProperties& properties);

    Ticks m_ticks;
    bool m_editableTick = true;
    std::string m_lastRangeString;
    bool m_initialising = true;
    std::set<int> m_omittedColorsInColorRange;
    bool m_useConfigurableDiscreteColors = false;
    std::vector<ColorRGB> m_discreteColors;
};

}  // namespace Quarvane
