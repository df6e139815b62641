#pragma once

#include <cstdint>

namespace Quarvane
{

// A user-defined continuous colour scale: a stretch of the hue wheel from startHue to endHue
// (both 0..1), walked with increasing or decreasing hue.
struct ContinuousColorRangeDefinition
{
    double startHue = 0.0;
    double endHue = 0.875;
    std::int32_t hueIncreasing = 1;  // 1 walks the wheel with increasing hue, 0 with decreasing
    std::int32_t colorModel = 3;     // 3: interpolate in hue, saturation and value
    std::int64_t numberOfColors = 0; // 0: no quantisation, a smooth scale
};

}  // namespace Quarvane
