#pragma once

#include <string>
#include <vector>

namespace Quarvane
{

// What a numeric configuration value may hold, declared with the value: a closed range, or a set
// of numbers with their names. The declaration is the one place a rule lives: setters clamp by
// it, a load checks (and, where the group repairs, repairs) by it, and tools list it.
class ValueRule
{
public:
    // What a load does with a stored number outside the rule. Either way the load reports it.
    enum class OnLoad
    {
        Keep,     // keeps it as stored (setters may still clamp)
        Clamp,    // brings it to the nearer end of the range
        Replace   // replaces it by the rule's replacement
    };

    struct Choice
    {
        long long number;
        std::string name;
    };

    // No rule: every value of the type is allowed.
    ValueRule() = default;
    static ValueRule range(double low, double high, OnLoad onLoad = OnLoad::Keep);
    // Choices a load keeps even when a stored number is none of them.
    static ValueRule oneOf(std::vector<Choice> choices);
    // Choices a load enforces: a stored number that is none of them becomes `replacement`.
    static ValueRule oneOf(std::vector<Choice> choices, long long replacement);

    bool isDeclared() const { return m_kind != Kind::None; }
    bool isRange() const { return m_kind == Kind::Range; }
    bool isChoice() const { return m_kind == Kind::Choices; }
    double getLow() const { return m_low; }
    double getHigh() const { return m_high; }
    const std::vector<Choice>& getChoices() const { return m_choices; }
    OnLoad getOnLoad() const { return m_onLoad; }
    long long getReplacement() const { return m_replacement; }

    // Whether the rule allows `value`; NaN is never inside a range.
    bool allows(double value) const;
    // A range brings `value` inside; other rules leave it alone.
    double clamp(double value) const;
    // What a load makes of a stored `value`: itself when allowed or when the rule keeps it.
    double repairLoaded(double value) const;
    // "10..18" or "0 Disable, 1 Enable, 2 Ask the user"; empty without a rule.
    std::string describe() const;

private:
    enum class Kind
    {
        None,
        Range,
        Choices
    };

    Kind m_kind = Kind::None;
    double m_low = 0.0;
    double m_high = 0.0;
    std::vector<Choice> m_choices;
    OnLoad m_onLoad = OnLoad::Keep;
    long long m_replacement = 0;
};

}  // namespace Quarvane
