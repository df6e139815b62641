#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"

#include "Platform/Core/Presentation/Configuration/ColorRangeIndexDeterminer.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace Quarvane
{

namespace
{

const char* const s_noResultString = "No result";
const char* const s_outOfRangeString = "Out of range";

// Toward zero, to a whole number within the 32-bit range (beyond it, the range's end).
double truncatedToWholeNumber(double value)
{
    const double limited = std::clamp(value, static_cast<double>(std::numeric_limits<std::int32_t>::min()),
                                      static_cast<double>(std::numeric_limits<std::int32_t>::max()));
    return static_cast<double>(static_cast<std::int32_t>(limited));
}

// Not a number counts as outside: such a colour cannot be drawn either.
bool isColorComponent(float component)
{
    return component >= 0.0f && component <= 1.0f;
}

}  // namespace

DiscreteResVarProperty::DiscreteResVarProperty(std::shared_ptr<const ResultVariableProperties> properties,
                                               ScaleType type)
    : ContResVarProperty(properties, type)
{
    DiscreteResVarProperty::initFromResultVariableProperties(PropertyChangedEverything);
    m_initialising = false;
}

DiscreteResVarProperty::DiscreteResVarProperty(const DiscreteResVarProperty& other)
    : ContResVarProperty(other),
      m_ticks(other.m_ticks),
      m_editableTick(other.m_editableTick),
      m_lastRangeString(other.m_lastRangeString),
      m_initialising(other.m_initialising)
{
}

DiscreteResVarProperty& DiscreteResVarProperty::operator=(const DiscreteResVarProperty& other)
{
    if (this == &other)
        return *this;
    ContResVarProperty::operator=(other);
    m_ticks = other.m_ticks;
    m_editableTick = other.m_editableTick;
    m_lastRangeString = other.m_lastRangeString;
    m_initialising = other.m_initialising;
    m_omittedColorsInColorRange.clear();
    m_useConfigurableDiscreteColors = false;
    m_discreteColors.clear();
    return *this;
}

const ResVarPropertiesCommon::ContinuousColorRangeDefinition&
DiscreteResVarProperty::getConfigurableColorRangeDefinition() const
{
    return ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition;
}

const std::string& DiscreteResVarProperty::getTickString(ConstTickIterator tick) const
{
    return tick == m_ticks.cend() ? m_lastRangeString : tick->second;
}

bool DiscreteResVarProperty::setTickString(double value, const std::string& label)
{
    if (std::isnan(value))
        return false;
    const auto tick = m_ticks.find(value);
    if (tick == m_ticks.end())
        return false;
    tick->second = label;
    return true;
}

void DiscreteResVarProperty::setTickString(TickIterator tick, const std::string& label)
{
    if (tick == m_ticks.end())
        m_lastRangeString = label;
    else
        tick->second = label;
}

bool DiscreteResVarProperty::addTick(double value, std::string label)
{
    const double tickValue = tickValueFor(value);
    if (!insertTick(tickValue, label))
        return false;
    widenManualLimitsTo(tickValue);
    return true;
}

bool DiscreteResVarProperty::changeTick(double from, double to)
{
    if (from == to)
        return true;
    const double target = tickValueFor(to);
    // NaN is never a key, and a search for it would match an arbitrary tick.
    if (std::isnan(from) || std::isnan(target))
        return false;
    const auto moved = m_ticks.find(from);
    if (moved == m_ticks.end())
        return false;

    const std::string label = moved->second;
    // The moved tick swallows the ticks it passes, and one sitting at its new place.
    if (target > from)
        m_ticks.erase(moved, m_ticks.upper_bound(target));
    else
        m_ticks.erase(m_ticks.lower_bound(target), std::next(moved));

    insertTick(target, label);
    widenManualLimitsTo(target);
    return true;
}

bool DiscreteResVarProperty::changeTick(double from, double to, const std::string& label)
{
    return changeTick(from, to) && setTickString(tickValueFor(to), label);
}

bool DiscreteResVarProperty::deleteTick(double value)
{
    if (m_ticks.empty() || std::isnan(value))
        return false;
    const bool wasFirst = value == m_ticks.begin()->first;
    const bool wasLast = value == m_ticks.rbegin()->first;
    if (m_ticks.erase(value) == 0)
        return false;
    if (m_ticks.empty())
        return true;
    if (wasFirst)
        setManualMin(m_ticks.begin()->first);
    else if (wasLast)
        setManualMax(m_ticks.rbegin()->first);
    return true;
}

void DiscreteResVarProperty::setNumberOfTicks(unsigned int count, bool inner)
{
    if (m_ticks.size() < 2)
    {
        resetTicks();
        insertTick(getManualMin(), std::string());
        insertTick(getManualMax(), std::string());
        if (m_ticks.empty())  // both limits NaN: nothing to lay out between
            return;
    }

    double first = m_ticks.begin()->first;
    double last = m_ticks.rbegin()->first;
    const double span = last - first;

    if (count == 1 || span == 0.0)
    {
        resetTicks();
        insertTick(first + span * 0.5, std::string());
        return;
    }
    if (count == 2 && !inner)
        return;

    double step = 1.0;
    double laidOut = 0.0;
    if (count == 0)
    {
        // One tick per unit; a Discrete scale also closes the range above the last whole value.
        if (getType() == ScaleType::Discrete)
        {
            laidOut = std::trunc(span + 2.0);
            last += 1.0;
        }
        else
        {
            laidOut = std::trunc(span + 1.0);
        }
    }
    else
    {
        laidOut = count;
        step = inner ? span / (laidOut + 1.0) : span / (laidOut - 1.0);
        if (inner)
        {
            first += step;
            last -= step;
        }
    }
    if (!(laidOut <= s_maximumNumberOfLaidOutTicks))
        laidOut = s_maximumNumberOfLaidOutTicks;

    resetTicks();
    const long long ticks = static_cast<long long>(laidOut);
    for (long long i = 0; i + 2 <= ticks; ++i)
        insertTick(first + static_cast<double>(i) * step, std::string());
    insertTick(last, std::string());
}

void DiscreteResVarProperty::resetTicks()
{
    m_ticks.clear();
    m_lastRangeString.clear();
}

std::string DiscreteResVarProperty::getStringForValue(int index) const
{
    if (index < 0)
        return s_noResultString;
    const auto range = static_cast<std::size_t>(index);
    if (range < m_ticks.size())
        return std::next(m_ticks.begin(), index)->second;
    if (range == m_ticks.size())
        return m_lastRangeString;
    return s_outOfRangeString;
}

void DiscreteResVarProperty::initFromResultVariableProperties(int changeSet)
{
    const auto properties = getResVarProperties();
    if (!properties)
        return;

    if (!m_initialising)
    {
        // The continuous part must not notify: this update notifies once, at its end.
        const bool wasSuppressed = isNotificationSuppressed();
        setNotificationSuppressed(true);
        ContResVarProperty::initFromResultVariableProperties(changeSet);
        setNotificationSuppressed(wasSuppressed);
    }

    resetTicks();
    const unsigned int levels = properties->getNumberOfDiscretizationLevels();
    if (levels > 0)
    {
        // Each level's upper limit is a tick; the last level is the range above the last tick.
        for (unsigned int i = 0; i + 1 < levels; ++i)
        {
            if (const auto level = properties->getDiscretizationLevel(i))
                addTick(level->getAbsUpperLimit(), level->getLevelName());
        }
        if (const auto lastLevel = properties->getDiscretizationLevel(levels - 1))
            m_lastRangeString = lastLevel->getLevelName();
    }

    const auto colorRangeType =
        static_cast<ResVarPropertiesCommon::ColorRangeType>(properties->getDiscreteColorRangeType());
    setColorRangeIdx(colorRangeType == ResVarPropertiesCommon::DominantVariable
                         ? determineDominantVariableColorRangeIdx()
                         : ColorRangeIndexDeterminer::determineColorRangeIdx(colorRangeType));
    setUseConfigurableColorRange(false);
    initializeDiscreteColors(*properties);

    notifyResVarPropertyChanged();
}

double DiscreteResVarProperty::tickValueFor(double value) const
{
    if (getType() != ScaleType::Discrete || std::isnan(value))
        return value;
    return truncatedToWholeNumber(value);
}

bool DiscreteResVarProperty::insertTick(double value, const std::string& label)
{
    if (std::isnan(value))
        return false;
    return m_ticks.emplace(value, label).second;
}

void DiscreteResVarProperty::widenManualLimitsTo(double value)
{
    if (getManualMin() > value)
        setManualMin(value);
    else if (value > getManualMax())
        setManualMax(value);
}

int DiscreteResVarProperty::determineDominantVariableColorRangeIdx() const
{
    // One colour per range; the catalogue makes the range on first request.
    std::string key;
    return ColorRangesConfiguration::getInstance()->initDominantVariableColorRange(
        static_cast<unsigned>(getNumberOfTicks() + 1), key);
}

void DiscreteResVarProperty::initializeDiscreteColors(const ResultVariableProperties& properties)
{
    m_discreteColors.clear();
    m_useConfigurableDiscreteColors = properties.getUseConfigurableDiscreteColors();
    if (!m_useConfigurableDiscreteColors)
        return;
    for (unsigned int i = 0; i < properties.getNumberOfDiscretizationLevels(); ++i)
    {
        const auto level = properties.getDiscretizationLevel(i);
        if (!level)
            continue;
        m_discreteColors.emplace_back(level->getColorR(), level->getColorG(), level->getColorB());
        if (!isColorComponent(level->getColorR()) || !isColorComponent(level->getColorG()) ||
            !isColorComponent(level->getColorB()))
        {
            // A colour the user cannot have meant: fall back to the colour range.
            m_discreteColors.clear();
            m_useConfigurableDiscreteColors = false;
            return;
        }
    }
}

}  // namespace Quarvane
