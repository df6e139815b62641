#pragma once

#include "tools/qvconfig/RangesPicture.h"

#include <QtGui/QColor>

#include <cstddef>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// A colour in CIE L*a*b* (D65 white), from its sRGB bytes: sRGB -> linear -> XYZ -> L*a*b*.
struct CieLab
{
    double lightness = 0.0;  // L*, 0 (black) to 100 (white)
    double a = 0.0;
    double b = 0.0;
};

CieLab cieLab(const QColor& color);
// The CIE76 colour difference: the distance in L*a*b*. Below about 10, neighbouring patches are
// hard to tell apart at a glance; below about 2.3, not at all.
double deltaE76(const CieLab& first, const CieLab& second);

// Below this ΔE two neighbouring colours of a discrete range are flagged.
constexpr double s_indistinctDeltaE = 10.0;

// How the lightness runs along a range that should read as a smooth scale.
struct LightnessCurve
{
    IndexedColorRange range;
    std::vector<double> lightness;  // L* of each colour, colour 0 first
    bool monotonic = false;         // never rises and falls both
    double largestJump = 0.0;       // the largest |ΔL*| between neighbouring colours
};

// How far apart the neighbouring colours of a discrete range are.
struct NeighbourContrast
{
    IndexedColorRange range;
    std::vector<double> lightness;
    std::vector<double> deltaE;      // deltaE[i]: between colour i and i + 1
    double smallestDeltaE = 0.0;     // 0 for a range of one colour
    std::size_t indistinctPairs = 0; // neighbours closer than s_indistinctDeltaE
};

struct LightnessCheck
{
    std::vector<LightnessCurve> curves;        // the continuous and symmetric ranges
    std::vector<NeighbourContrast> discrete;   // every other range
};

// Reads the groups of groupRanges(): the continuous and symmetric ones as curves, the rest by
// their neighbours' contrast. It judges; it changes no colour.
LightnessCheck checkLightness(const std::vector<RangeGroup>& groups);

}  // namespace QvConfig
}  // namespace Quarvane
