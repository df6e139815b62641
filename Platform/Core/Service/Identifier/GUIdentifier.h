#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace Quarvane
{

// A globally unique identifier of a model object (a body, a tool, a part), 128 bits. The null
// identifier (all zero) names nothing.
class GUIdentifier
{
public:
    GUIdentifier() = default;
    GUIdentifier(std::uint64_t high, std::uint64_t low) : m_high(high), m_low(low) {}

    // A fresh random identifier, never null.
    static GUIdentifier generate();
    // Parses the text of toString() (with or without braces, any letter case); a text that is not
    // an identifier gives the null identifier.
    static GUIdentifier fromString(const std::string& text);

    // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in lower-case hexadecimal.
    std::string toString() const;
    bool isNull() const { return m_high == 0 && m_low == 0; }

    std::uint64_t high() const { return m_high; }
    std::uint64_t low() const { return m_low; }

    friend bool operator==(const GUIdentifier& a, const GUIdentifier& b)
    {
        return a.m_high == b.m_high && a.m_low == b.m_low;
    }
    friend bool operator!=(const GUIdentifier& a, const GUIdentifier& b) { return !(a == b); }
    friend bool operator<(const GUIdentifier& a, const GUIdentifier& b)
    {
        return a.m_high != b.m_high ? a.m_high < b.m_high : a.m_low < b.m_low;
    }

private:
    std::uint64_t m_high = 0;
    std::uint64_t m_low = 0;
};

// For boost::hash and hash_combine: equal identifiers hash equally.
std::size_t hash_value(const GUIdentifier& identifier);

}  // namespace Quarvane

template <>
struct std::hash<Quarvane::GUIdentifier>
{
    std::size_t operator()(const Quarvane::GUIdentifier& identifier) const { return hash_value(identifier); }
};
