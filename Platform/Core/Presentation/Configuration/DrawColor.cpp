#include "Platform/Core/Presentation/Configuration/DrawColor.h"

namespace Quarvane
{
namespace
{
// These modes colour an object without a colour of its own, so the colour definition in force
// stays as it was and comes back with the next colour mode.
bool keepsColorSource(DrawColorMode mode)
{
    return mode == ResultColorMode || mode == VertexColorMode || mode == HiddenMode;
}
}  // namespace

DrawColor::DrawColor()
    : m_mode(ColorIndexMode),
      m_colorRGB(ColorRGB::fallback()),
      m_colorIndex(VisualStyleDefinitions::DefaultColor),
      m_colorType(ColorConfiguration::BackgroundTopColor),
      m_colorSource(ColorIndexMode)
{
}

DrawColor::DrawColor(const ColorRGB& color)
    : m_mode(ColorRGBMode),
      m_colorRGB(color),
      m_colorIndex(VisualStyleDefinitions::DefaultColor),
      m_colorType(ColorConfiguration::BackgroundTopColor),
      m_colorSource(ColorRGBMode)
{
}

DrawColor::DrawColor(float red, float green, float blue) : DrawColor(ColorRGB(red, green, blue)) {}

bool DrawColor::operator==(const DrawColor& other) const
{
    return m_mode == other.m_mode && m_colorRGB == other.m_colorRGB && m_colorIndex == other.m_colorIndex &&
           m_colorType == other.m_colorType && m_colorSource == other.m_colorSource;
}

bool DrawColor::switchTo(DrawColorMode mode)
{
    if (m_mode == mode)
        return false;
    m_mode = mode;
    m_colorSource = mode;
    return true;
}

bool DrawColor::setColorRGB(const ColorRGB& color, bool switchMode)
{
    const bool changed = m_colorRGB != color;
    m_colorRGB = color;
    const bool switched = switchMode && switchTo(ColorRGBMode);
    return changed || switched;
}

bool DrawColor::setColorRGB(float red, float green, float blue, bool switchMode)
{
    return setColorRGB(ColorRGB(red, green, blue), switchMode);
}

bool DrawColor::setColorIndex(VisualStyleDefinitions::VivuZidaColorIndices index, bool switchMode)
{
    const bool changed = m_colorIndex != index;
    m_colorIndex = index;
    const bool switched = switchMode && switchTo(ColorIndexMode);
    return changed || switched;
}

bool DrawColor::setColorType(ColorConfiguration::ColorTypes type, bool switchMode)
{
    const bool changed = m_colorType != type;
    m_colorType = type;
    const bool switched = switchMode && switchTo(ColorTypeMode);
    return changed || switched;
}

bool DrawColor::setMode(DrawColorMode mode)
{
    if (m_mode == mode)
        return false;
    m_mode = mode;
    if (!keepsColorSource(mode))
        m_colorSource = mode;
    return true;
}

ColorRGB DrawColor::getModeColor(const ColorRGB& fallback) const
{
    switch (m_colorSource)
    {
    case ColorRGBMode:
        return m_colorRGB;
    case ColorIndexMode:
        return ColorConfiguration::getVivuzidaColor(m_colorIndex);
    case ColorTypeMode:
        if (const ColorConfiguration* colors = ColorConfiguration::findRegisteredInstance())
            return colors->getColor(m_colorType);
        return fallback;
    default:
        return fallback;
    }
}

DrawColorStyle DrawColor::asStyle(const ColorRGB& fallback) const { return {m_mode, getModeColor(fallback)}; }

}  // namespace Quarvane
