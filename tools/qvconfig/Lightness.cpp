#include "tools/qvconfig/Lightness.h"

#include "Platform/Core/Presentation/Configuration/ColorRange.h"

#include <algorithm>
#include <cmath>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// The sRGB transfer curve undone: a 0..1 component as linear light.
double linear(double component)
{
    return component <= 0.04045 ? component / 12.92 : std::pow((component + 0.055) / 1.055, 2.4);
}

// CIE's f(t) of the L*a*b* definition, with its linear part near black.
double labF(double t)
{
    constexpr double delta = 6.0 / 29.0;
    return t > delta * delta * delta ? std::cbrt(t) : t / (3.0 * delta * delta) + 4.0 / 29.0;
}

std::vector<double> lightnessOf(const ColorRange& range)
{
    std::vector<double> lightness;
    for (const QColor& color : range.getColors())
        lightness.push_back(cieLab(color).lightness);
    return lightness;
}

LightnessCurve curveOf(const IndexedColorRange& entry)
{
    LightnessCurve curve{entry, lightnessOf(*entry.range), true, 0.0};
    bool rises = false;
    bool falls = false;
    for (std::size_t i = 1; i < curve.lightness.size(); ++i)
    {
        const double step = curve.lightness[i] - curve.lightness[i - 1];
        rises = rises || step > 0.0;
        falls = falls || step < 0.0;
        curve.largestJump = std::max(curve.largestJump, std::abs(step));
    }
    curve.monotonic = !(rises && falls);
    return curve;
}

NeighbourContrast contrastOf(const IndexedColorRange& entry)
{
    NeighbourContrast contrast{entry, lightnessOf(*entry.range), {}, 0.0, 0};
    const std::vector<QColor>& colors = entry.range->getColors();
    for (std::size_t i = 1; i < colors.size(); ++i)
    {
        const double difference = deltaE76(cieLab(colors[i - 1]), cieLab(colors[i]));
        contrast.deltaE.push_back(difference);
        contrast.indistinctPairs += difference < s_indistinctDeltaE ? 1 : 0;
    }
    if (!contrast.deltaE.empty())
        contrast.smallestDeltaE = *std::min_element(contrast.deltaE.begin(), contrast.deltaE.end());
    return contrast;
}
}  // namespace

CieLab cieLab(const QColor& color)
{
    const QColor rgb = color.toRgb();
    const double red = linear(rgb.redF());
    const double green = linear(rgb.greenF());
    const double blue = linear(rgb.blueF());
    // The sRGB primaries in XYZ, each row divided by the D65 white point's own coordinate.
    const double x = (0.4124564 * red + 0.3575761 * green + 0.1804375 * blue) / 0.95047;
    const double y = 0.2126729 * red + 0.7151522 * green + 0.0721750 * blue;
    const double z = (0.0193339 * red + 0.1191920 * green + 0.9503041 * blue) / 1.08883;
    return {116.0 * labF(y) - 16.0, 500.0 * (labF(x) - labF(y)), 200.0 * (labF(y) - labF(z))};
}

double deltaE76(const CieLab& first, const CieLab& second)
{
    return std::hypot(first.lightness - second.lightness, first.a - second.a, first.b - second.b);
}

LightnessCheck checkLightness(const std::vector<RangeGroup>& groups)
{
    LightnessCheck check;
    for (const RangeGroup& group : groups)
        for (const IndexedColorRange& entry : group.ranges)
        {
            if (group.title == s_continuousGroup || group.title == s_symmetricGroup)
                check.curves.push_back(curveOf(entry));
            else
                check.discrete.push_back(contrastOf(entry));
        }
    return check;
}

}  // namespace QvConfig
}  // namespace Quarvane
