#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace Quarvane
{
namespace
{
std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

template <class Number>
std::string formatNumber(Number value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <class Number>
bool parseNumber(std::string_view text, Number& value)
{
    // At most one sign. from_chars takes a '-' but not a '+', so a '+' is dropped here and must
    // not be followed by another sign.
    std::string_view digits = trimmed(text);
    const bool plus = !digits.empty() && digits.front() == '+';
    if (plus)
        digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+' || (plus && digits.front() == '-'))
        return false;
    Number parsed{};
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return false;
    value = parsed;
    return true;
}
}  // namespace

std::string ConfigValueText::format(int value) { return formatNumber(value); }
std::string ConfigValueText::format(unsigned int value) { return formatNumber(value); }
std::string ConfigValueText::format(bool value) { return value ? "true" : "false"; }
std::string ConfigValueText::format(double value) { return formatNumber(value); }
std::string ConfigValueText::format(float value) { return formatNumber(value); }

bool ConfigValueText::parse(std::string_view text, int& value) { return parseNumber(text, value); }
bool ConfigValueText::parse(std::string_view text, unsigned int& value) { return parseNumber(text, value); }
bool ConfigValueText::parse(std::string_view text, double& value) { return parseNumber(text, value); }
bool ConfigValueText::parse(std::string_view text, float& value) { return parseNumber(text, value); }

bool ConfigValueText::parse(std::string_view text, bool& value)
{
    const std::string_view word = trimmed(text);
    if (word == "true")
        value = true;
    else if (word == "false")
        value = false;
    else
        return false;
    return true;
}

bool ConfigValueText::parse(std::string_view text, std::string& value)
{
    value.assign(text.data(), text.size());
    return true;
}

}  // namespace Quarvane
