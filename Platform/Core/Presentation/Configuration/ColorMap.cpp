#include "Platform/Core/Presentation/Configuration/ColorMap.h"

#include <algorithm>
#include <utility>

namespace Quarvane
{

ColorMap::ColorMap(int index, const std::string& key, int numColors)
    : m_key(key), m_index(index), m_colors(static_cast<std::size_t>(std::max(numColors, 0)))
{
}

ColorMap::ColorMap(int index, const std::string& key, std::vector<ColorRGB> colors)
    : m_key(key), m_index(index), m_colors(std::move(colors))
{
}

}  // namespace Quarvane
