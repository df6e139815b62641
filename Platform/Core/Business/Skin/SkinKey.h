#pragma once

#include <string>
#include <utility>

namespace Quarvane
{

// Names the skin (the coloured result layer) of one result variable: the variable's base name,
// under which result collections store its values.
class SkinKey
{
public:
    explicit SkinKey(std::string base) : m_base(std::move(base)) {}

    const std::string& getBase() const { return m_base; }

    friend bool operator==(const SkinKey& a, const SkinKey& b) { return a.m_base == b.m_base; }
    friend bool operator!=(const SkinKey& a, const SkinKey& b) { return !(a == b); }

private:
    std::string m_base;
};

}  // namespace Quarvane
