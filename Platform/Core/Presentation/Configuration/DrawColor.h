#pragma once

#include "Platform/Core/Graphics/DrawingStyle/DrawColorMode.h"
#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"
#include "Platform/Core/Presentation/Configuration/DrawColorStyle.h"
#include "Platform/Core/Presentation/Configuration/VisualStyleDefinitions.h"

namespace Quarvane
{

// How an object is to be coloured: a mode, and a colour given in one of three ways (a fixed RGB
// value, a palette index, or an object colour type the user can configure), resolved to RGB on
// request. The three definitions are kept side by side, so switching between them loses none.
// The modes that colour without a colour of their own (result, vertex colours, hidden) leave
// the last definition in force.
class DrawColor
{
public:
    // Palette colour 0.
    DrawColor();
    explicit DrawColor(const ColorRGB& color);
    DrawColor(float red, float green, float blue);

    // Every member, components compared with float ==.
    bool operator==(const DrawColor& other) const;
    bool operator!=(const DrawColor& other) const { return !(*this == other); }

    DrawColorMode getMode() const { return m_mode; }
    const ColorRGB& getColorRGB() const { return m_colorRGB; }
    VisualStyleDefinitions::VivuZidaColorIndices getColorIndex() const { return m_colorIndex; }
    ColorConfiguration::ColorTypes getColorType() const { return m_colorType; }

    // Each stores its definition and, with `switchMode`, makes it the current one. True when the
    // stored definition changed or the mode was switched.
    bool setColorRGB(const ColorRGB& color, bool switchMode);
    bool setColorRGB(float red, float green, float blue, bool switchMode);
    bool setColorIndex(VisualStyleDefinitions::VivuZidaColorIndices index, bool switchMode);
    bool setColorType(ColorConfiguration::ColorTypes type, bool switchMode);
    // False when the mode is already `mode`.
    bool setMode(DrawColorMode mode);

    // The colour of the current definition. `fallback` answers when it cannot be resolved: an
    // object colour type without a registered colour configuration.
    ColorRGB getModeColor(const ColorRGB& fallback) const;
    DrawColorStyle asStyle(const ColorRGB& fallback) const;

private:
    bool switchTo(DrawColorMode mode);

    DrawColorMode m_mode;
    ColorRGB m_colorRGB;
    VisualStyleDefinitions::VivuZidaColorIndices m_colorIndex;
    ColorConfiguration::ColorTypes m_colorType;
    // Which of the three definitions is current: ColorRGBMode, ColorIndexMode or ColorTypeMode.
    DrawColorMode m_colorSource;
};

}  // namespace Quarvane
