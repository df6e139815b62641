#include "Platform/Core/Presentation/Configuration/ColorRange.h"

#include <utility>

namespace Quarvane
{

ColorRange::ColorRange(std::string key) : m_key(std::move(key)) {}

ColorRange::ColorRange(std::string key, std::vector<QColor> colors) : m_colors(std::move(colors)), m_key(std::move(key))
{
}

}  // namespace Quarvane
