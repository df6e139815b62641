#pragma once

#include <string>
#include <string_view>

namespace Quarvane
{

// The text form of typed configuration values, shared by the reader, the writer and tools that
// display values. Numbers use the C locale; doubles and floats are written with the fewest
// digits that read back to the identical bits.
class ConfigValueText
{
public:
    template <class T>
    static const char* typeName();

    static std::string format(int value);
    static std::string format(unsigned int value);
    static std::string format(bool value);
    static std::string format(double value);
    static std::string format(float value);
    static std::string format(const std::string& value) { return value; }

    // Each returns false, leaving `value` alone, when the text is not a value of the type or
    // does not fit it. Numbers may be surrounded by blanks; booleans are "true" or "false".
    static bool parse(std::string_view text, int& value);
    static bool parse(std::string_view text, unsigned int& value);
    static bool parse(std::string_view text, bool& value);
    static bool parse(std::string_view text, double& value);
    static bool parse(std::string_view text, float& value);
    static bool parse(std::string_view text, std::string& value);
};

template <> inline const char* ConfigValueText::typeName<int>() { return "int"; }
template <> inline const char* ConfigValueText::typeName<unsigned int>() { return "uint"; }
template <> inline const char* ConfigValueText::typeName<bool>() { return "bool"; }
template <> inline const char* ConfigValueText::typeName<double>() { return "double"; }
template <> inline const char* ConfigValueText::typeName<float>() { return "float"; }
template <> inline const char* ConfigValueText::typeName<std::string>() { return "string"; }

}  // namespace Quarvane
