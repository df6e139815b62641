#include "Platform/Core/Service/ConfigurationFramework/ValueRule.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Quarvane
{

ValueRule ValueRule::range(double low, double high, OnLoad onLoad)
{
    ValueRule rule;
    rule.m_kind = Kind::Range;
    rule.m_low = low;
    rule.m_high = high;
    rule.m_onLoad = onLoad == OnLoad::Replace ? OnLoad::Keep : onLoad;
    return rule;
}

ValueRule ValueRule::oneOf(std::vector<Choice> choices)
{
    ValueRule rule;
    rule.m_kind = Kind::Choices;
    rule.m_choices = std::move(choices);
    return rule;
}

ValueRule ValueRule::oneOf(std::vector<Choice> choices, long long replacement)
{
    ValueRule rule = oneOf(std::move(choices));
    rule.m_onLoad = OnLoad::Replace;
    rule.m_replacement = replacement;
    return rule;
}

bool ValueRule::allows(double value) const
{
    switch (m_kind)
    {
    case Kind::Range:
        return value >= m_low && value <= m_high;
    case Kind::Choices:
        return std::any_of(m_choices.begin(), m_choices.end(),
                           [value](const Choice& choice) { return static_cast<double>(choice.number) == value; });
    case Kind::None:
        break;
    }
    return true;
}

double ValueRule::clamp(double value) const
{
    return m_kind == Kind::Range && !std::isnan(value) ? std::clamp(value, m_low, m_high) : value;
}

double ValueRule::repairLoaded(double value) const
{
    if (allows(value))
        return value;
    switch (m_onLoad)
    {
    case OnLoad::Clamp:
        return clamp(value);
    case OnLoad::Replace:
        return static_cast<double>(m_replacement);
    case OnLoad::Keep:
        break;
    }
    return value;
}

std::string ValueRule::describe() const
{
    if (m_kind == Kind::Range)
        return ConfigValueText::format(m_low) + ".." + ConfigValueText::format(m_high);
    std::string text;
    for (const Choice& choice : m_choices)
        text += (text.empty() ? "" : ", ") + std::to_string(choice.number) + " " + choice.name;
    return text;
}

}  // namespace Quarvane
