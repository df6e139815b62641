#pragma once

#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Quarvane
{

// The colours of a colour range as the drawing side uses them: a numbered, keyed list of RGB
// values. A map registered with the ColorMapManager carries the index and key of its catalogue
// range; a map made on request carries -1 and "ParameterizedColorMap".
class ColorMap
{
public:
    // `numColors` colours, all black (none for a negative count).
    ColorMap(int index, const std::string& key, int numColors);
    ColorMap(int index, const std::string& key, std::vector<ColorRGB> colors);

    const std::string& getKey() const { return m_key; }
    int getIndex() const { return m_index; }
    const std::vector<ColorRGB>& getColors() const { return m_colors; }
    std::size_t getNumberOfColors() const { return m_colors.size(); }
    std::size_t size() const { return m_colors.size(); }

    // Colour i, unchecked: drawing code asks for every colour of every vertex and keeps i below
    // size() itself.
    ColorRGB& operator()(std::size_t i) { return m_colors[i]; }
    const ColorRGB& operator()(std::size_t i) const { return m_colors[i]; }
    void setColor(std::size_t i, const ColorRGB& color) { m_colors[i] = color; }

private:
    std::string m_key;
    int m_index;
    std::vector<ColorRGB> m_colors;
};

}  // namespace Quarvane
