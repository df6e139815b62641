#pragma once

#include <QtGui/QColor>

#include <string>
#include <vector>

namespace Quarvane
{

class ColorRangesConfiguration;

// A named, ordered list of colours from which a result colour scale is drawn, colour 0 first.
// The catalogue (ColorRangesConfiguration) fills it before handing it out and never changes it
// afterwards, so callers share it read-only.
//
// The two positions and the hue direction describe a range sampled from the hue wheel: where on
// the wheel (0..1) its first and last stored colours lie, and whether the hue increases going
// from the last stored colour to the first. Only the continuous ranges of the catalogue carry
// them; every other range keeps 0, 1 and false.
class ColorRange
{
public:
    explicit ColorRange(std::string key);
    ColorRange(std::string key, std::vector<QColor> colors);

    const std::vector<QColor>& getColors() const { return m_colors; }
    std::size_t getNumberOfColors() const { return m_colors.size(); }
    const std::string& getKey() const { return m_key; }
    double getFirstColorParameter() const { return m_firstColorParameter; }
    double getLastColorParameter() const { return m_lastColorParameter; }
    bool isHueIncreasing() const { return m_hueIncreasing; }

private:
    // The catalogue builds its continuous ranges in place.
    friend class ColorRangesConfiguration;

    std::vector<QColor> m_colors;
    std::string m_key;
    double m_firstColorParameter = 0.0;
    double m_lastColorParameter = 1.0;
    bool m_hueIncreasing = false;
};

}  // namespace Quarvane
