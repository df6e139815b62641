#pragma once

#include <string>
#include <utility>

namespace Quarvane
{

// One discretisation level of a result variable: the values up to absUpperLimit (from the level
// below) carry this level's name and colour. Colour components are nominally 0..1; nothing here
// checks them, readers decide what to do with colours outside.
class LevelInfo
{
public:
    LevelInfo(double absUpperLimit, const std::string& levelName, float r, float g, float b)
        : m_absUpperLimit(absUpperLimit), m_levelName(levelName), m_red(r), m_green(g), m_blue(b)
    {
    }

    double getAbsUpperLimit() const { return m_absUpperLimit; }
    const std::string& getLevelName() const { return m_levelName; }
    float getColorR() const { return m_red; }
    float getColorG() const { return m_green; }
    float getColorB() const { return m_blue; }

private:
    double m_absUpperLimit;
    std::string m_levelName;
    float m_red;
    float m_green;
    float m_blue;
};

}  // namespace Quarvane
