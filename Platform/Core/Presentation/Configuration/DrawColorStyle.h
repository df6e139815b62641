#pragma once

#include "Platform/Core/Graphics/DrawingStyle/DrawColorMode.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include <cstddef>

namespace Quarvane
{

// A draw colour resolved for drawing: the mode and the colour it comes to.
struct DrawColorStyle
{
    DrawColorMode mode = ColorRGBMode;
    ColorRGB color;
};

// For hashed containers. Zero components hash alike whatever their sign, as they compare equal.
std::size_t hash_value(const DrawColorStyle& style);

}  // namespace Quarvane
