#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Quarvane
{

const std::string ColorRangesConfiguration::s_defaultContinuousColorRange = "DEFAULT_CONTINUOUS";
const std::string ColorRangesConfiguration::s_defaultContinuousReverseColorRange = "DEFAULT_CONTINUOUS_REVERSE";
const std::string ColorRangesConfiguration::s_defaultContinuousLowerLimitOnly = "DEFAULT_CONTINUOUS_LSL_ONLY";
const std::string ColorRangesConfiguration::s_defaultContinuousUpperLimitOnly = "DEFAULT_CONTINUOUS_USL_ONLY";
const std::string ColorRangesConfiguration::s_defaultFLDColorRange = "DEFAULT_FLD";
const std::string ColorRangesConfiguration::s_defaultGeomFLDColorRange = "DEFAULT_GEOM_FLD";
const std::string ColorRangesConfiguration::s_defaultDiscreteColorRange = "DEFAULT_DISCRETE";
const std::string ColorRangesConfiguration::s_defaultDiscreteGreenYellowRedRange = "DEFAULT_GREEN_YELLOW_RED";
const std::string ColorRangesConfiguration::s_defaultWearColorRange = "DEFAULT_WEAR";
const std::string ColorRangesConfiguration::s_defaultSymmetricalColorRange = "DEFAULT_SYMMETRICAL";
const std::string ColorRangesConfiguration::s_COLORRANGE_G_R = "COLORRANGE_G_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_G_Y_R = "COLORRANGE_G_Y_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_G_Y_O_R = "COLORRANGE_G_Y_O_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_G = "COLORRANGE_R_G";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_Y_G = "COLORRANGE_R_Y_G";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_O_Y_G = "COLORRANGE_R_O_Y_G";
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_G_R = "COLORRANGE_DM_G_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_B_G_Y_R = "COLORRANGE_DM_B_G_Y_R";
// Without the "COLORRANGE_" prefix the other colour-named keys carry: stored keys are kept as
// they were first written.
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_B_LB_G_Y_O_R = "DM_B_LB_G_Y_O_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_R = "COLORRANGE_DM_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_B_Y_R = "DM_B_Y_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_DM_B_LB_Y_O_R = "COLORRANGE_DM_B_LB_Y_O_R";
const std::string ColorRangesConfiguration::s_defaultAdvancedFormabilityColorRange = "DEFAULT_ADVANCED_FORMABILITY";
const std::string ColorRangesConfiguration::s_defaultFractureColorRange = "DEFAULT_FRACTURE";
const std::string ColorRangesConfiguration::s_defaultSurfaceCrackColorRange = "DEFAULT_SURFACECRACK";
const std::string ColorRangesConfiguration::s_defaultEdgeCrackColorRange = "DEFAULT_EDGECRACK";
const std::string ColorRangesConfiguration::s_COLORRANGE_B_R = "COLORRANGE_B_R";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_B = "COLORRANGE_R_B";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_G_DM = "COLORRANGE_R_G_DM";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_Y_G_B_DM = "COLORRANGE_R_Y_G_B_DM";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_O_Y_G_LB_B_DM = "COLORRANGE_R_O_Y_G_LB_B_DM";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_DM = "COLORRANGE_R_DM";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_Y_B_DM = "COLORRANGE_R_Y_B_DM";
const std::string ColorRangesConfiguration::s_COLORRANGE_R_O_Y_LB_B_DM = "COLORRANGE_R_O_Y_LB_B_DM";
const std::string ColorRangesConfiguration::s_variableDrawbeadsColorRange = "VARIABLE_DRAWBEADS";
const std::string ColorRangesConfiguration::s_variableTargetBoundaryColorRange = "VARIABLE_TARGET_BOUNDARY";
const std::string ColorRangesConfiguration::s_defaultCurvatureCasesColorRange = "DEFAULT_CURVATURE_CASES";
const std::string ColorRangesConfiguration::s_defaultToolRoughnessZonesColorRange = "DEFAULT_TOOL_ROUGHNESS_ZONES";
const std::string ColorRangesConfiguration::s_COLORRANGE_WRINKLES_3LEVEL = "COLORRANGE_WRINKLES_3LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_WRINKLES_5LEVEL = "COLORRANGE_WRINKLES_5LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_WRINKLES_7LEVEL = "COLORRANGE_WRINKLES_7LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_MAX_WRINKLES_2LEVEL = "COLORRANGE_MAX_WRINKLES_2LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_MAX_WRINKLES_3LEVEL = "COLORRANGE_MAX_WRINKLES_3LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_MAX_WRINKLES_4LEVEL = "COLORRANGE_MAX_WRINKLES_4LEVEL";
const std::string ColorRangesConfiguration::s_COLORRANGE_DOMINANT_VARIABLE = "COLORRANGE_DOMINANT_VARIABLE";

namespace
{
const char* const s_parameterizedColorRangeKey = "ParameterizedColorRange";
constexpr int s_parameterizedColorCount = 144;
// Colours per segment between two input colours of a continuous scale.
constexpr int s_stepsPerSegment = 20;
// The palette colours that tell the values of a dominant-variable range apart, after the two
// fixed first colours; cycled when more are needed.
constexpr int s_dominantVariableSequence[] = {9, 13, 11, 15, 10, 14, 12, 16, 1, 5, 3, 7, 2, 6, 4, 8};

QColor paletteColor(int index)
{
    const ColorRGB color = ColorConfiguration::getVivuzidaColor(
        static_cast<VisualStyleDefinitions::VivuZidaColorIndices>(index));
    return QColor::fromRgbF(color.red, color.green, color.blue, 1.0);
}

std::vector<QColor> paletteColors(const std::vector<int>& indices)
{
    std::vector<QColor> colors;
    colors.reserve(indices.size());
    for (const int index : indices)
        colors.push_back(paletteColor(index));
    return colors;
}

// A position on the closed hue wheel, brought into 0..1. A position that is no number counts
// as 0 rather than poisoning every colour computed from it.
double wrapPosition(double position)
{
    if (!std::isfinite(position))
        return 0.0;
    if (position < 0.0)
        position -= std::floor(position);
    if (position >= 1.0)
        position = std::fmod(position, 1.0);
    return position;
}

// The colour at `fraction` (0..1) of the way from `from` to `to` in HSV. The hue turns in the
// given direction, across the red end of the hue circle when that is the way to go; saturation
// and value change linearly.
QColor interpolateHsv(const QColor& from, const QColor& to, double fraction, bool hueIncreasing)
{
    qreal fromHue = 0, fromSaturation = 0, fromValue = 0;
    qreal toHue = 0, toSaturation = 0, toValue = 0;
    from.getHsvF(&fromHue, &fromSaturation, &fromValue);
    to.getHsvF(&toHue, &toSaturation, &toValue);

    double hue = 0.0;
    if (hueIncreasing)
    {
        const double distance = toHue > fromHue ? toHue - fromHue : toHue + 1.0 - fromHue;
        hue = fromHue + distance * fraction;
        if (hue > 1.0)
            hue -= 1.0;
    }
    else
    {
        const double distance = fromHue > toHue ? fromHue - toHue : fromHue + 1.0 - toHue;
        hue = fromHue - distance * fraction;
        if (hue < 0.0)
            hue += 1.0;
    }
    return QColor::fromHsvF(hue, fromSaturation + (toSaturation - fromSaturation) * fraction,
                            fromValue + (toValue - fromValue) * fraction, 1.0);
}

// Red to yellow to green to cyan to blue and back the same way, in steps of 17 in one component:
// 121 colours, symmetric about blue in the middle, for results whose sign matters less than
// their size.
std::vector<QColor> symmetricHueSeries()
{
    const QColor corners[] = {{255, 0, 0},   {255, 255, 0}, {0, 255, 0},   {0, 255, 255}, {0, 0, 255},
                              {0, 255, 255}, {0, 255, 0},   {255, 255, 0}, {255, 0, 0}};
    constexpr int steps = 15;
    std::vector<QColor> series{corners[0]};
    for (std::size_t corner = 1; corner < std::size(corners); ++corner)
    {
        const QColor& from = corners[corner - 1];
        const QColor& to = corners[corner];
        for (int step = 1; step <= steps; ++step)
            series.emplace_back(from.red() + (to.red() - from.red()) * step / steps,
                                from.green() + (to.green() - from.green()) * step / steps,
                                from.blue() + (to.blue() - from.blue()) * step / steps);
    }
    return series;
}

// A walk along the closed hue wheel from `start` to `end` in one direction; a start equal to the
// end walks the whole wheel once. `crossesZero` says the walk may pass position 0 (= 1), where
// positions jump.
struct HueWalk
{
    HueWalk(double startPosition, double endPosition, bool increasing)
        : start(startPosition), end(endPosition), hueIncreasing(increasing)
    {
        if (start == end)
            span = 1.0;
        else if (hueIncreasing)
            span = end > start ? end - start : 1.0 - start + end;
        else
            span = end < start ? start - end : start + 1.0 - end;
        crossesZero = start == end || (hueIncreasing ? end < start : end > start);
    }

    // The position a `fraction` (0..1) of the way along.
    double positionAt(double fraction) const
    {
        double position = hueIncreasing ? start + fraction * span : start - fraction * span;
        if (crossesZero && position > 1.0)
            position -= 1.0;
        if (crossesZero && position < 0.0)
            position += 1.0;
        return position;
    }

    // The position of the nearest of `levels` evenly spaced stops at or before `position`, the
    // first at the start and the last at the end (only the start for a single level). May lie
    // outside 0..1; the wheel wraps it.
    double quantised(double position, int levels) const
    {
        if (crossesZero && hueIncreasing && end >= position)
            position += 1.0;
        if (crossesZero && !hueIncreasing && position >= end)
            position -= 1.0;
        // Limited before the conversion: a tiny span makes the quotient too large for an int.
        const int level = static_cast<int>(
            std::min(std::floor(std::abs(position - start) / (span / levels)), static_cast<double>(levels - 1)));
        const double stopDistance = levels > 1 ? span / (levels - 1) : 0.0;
        return hueIncreasing ? start + level * stopDistance : start - level * stopDistance;
    }

    double start;
    double end;
    bool hueIncreasing;
    double span = 1.0;
    bool crossesZero = false;
};
}  // namespace

ColorRangesConfiguration* ColorRangesConfiguration::getInstance()
{
    static ColorRangesConfiguration instance;
    return &instance;
}

ColorRangesConfiguration::ColorRangesConfiguration()
    : m_hueWheel{{204, 0, 34},  {230, 134, 0}, {170, 204, 0}, {0, 178, 15}, {0, 178, 149},
                 {0, 74, 178},  {68, 0, 204},  {204, 0, 187}, {204, 0, 34}}
{
    addContinuousRange(s_defaultContinuousColorRange,
                       {{204, 0, 34}, {230, 134, 0}, {170, 204, 0}, {0, 178, 15}, {0, 178, 149}, {0, 74, 178},
                        {68, 0, 204}, {204, 0, 187}},
                       true, 0.875, 0.0);
    addContinuousRange(s_defaultContinuousReverseColorRange,
                       {{204, 0, 187}, {68, 0, 204}, {0, 74, 178}, {0, 178, 149}, {0, 178, 15}, {170, 204, 0},
                        {230, 134, 0}, {204, 0, 34}},
                       false, 0.0, 0.875);
    addContinuousRange(s_defaultContinuousLowerLimitOnly,
                       {{0, 74, 178}, {0, 178, 149}, {0, 178, 15}, {170, 204, 0}, {230, 134, 0}, {204, 0, 34}},
                       false, 0.0, 0.625);
    addContinuousRange(s_defaultContinuousUpperLimitOnly,
                       {{204, 0, 34}, {230, 134, 0}, {170, 204, 0}, {0, 178, 15}, {0, 178, 149}, {0, 74, 178}},
                       true, 0.625, 0.0);
    addPaletteRange(s_defaultFLDColorRange, {20, 21, 22, 23, 24, 25, 26});
    addPaletteRange(s_defaultGeomFLDColorRange, {20, 23, 24, 25});
    addColorList(s_defaultDiscreteColorRange,
                 {{0, 0, 255}, {42, 255, 158}, {255, 255, 0}, {255, 165, 0}, {255, 0, 0}});
    addColorList(s_defaultDiscreteGreenYellowRedRange, {{42, 255, 158}, {255, 255, 0}, {255, 0, 0}});
    addColorList(s_defaultWearColorRange,
                 {{192, 192, 192}, {0, 51, 102},    {255, 0, 0},     {102, 102, 153}, {51, 204, 204}, {51, 102, 255},
                  {204, 255, 204}, {0, 255, 100},   {0, 255, 0},     {153, 204, 0},   {153, 204, 100}, {255, 0, 0},
                  {255, 255, 0},   {255, 204, 0},   {255, 0, 0},     {255, 255, 0},   {255, 0, 0},     {51, 153, 102},
                  {255, 100, 0},   {255, 0, 100},   {255, 100, 100}, {255, 0, 0}});
    addColorList(s_defaultSymmetricalColorRange, symmetricHueSeries());
    addPaletteRange(s_COLORRANGE_G_R, {58, 61});
    addPaletteRange(s_COLORRANGE_G_Y_R, {58, 60, 61});
    addPaletteRange(s_COLORRANGE_G_Y_O_R, {58, 59, 60, 61});
    addPaletteRange(s_COLORRANGE_R_G, {61, 58});
    addPaletteRange(s_COLORRANGE_R_Y_G, {61, 60, 58});
    addPaletteRange(s_COLORRANGE_R_O_Y_G, {61, 60, 59, 58});
    addPaletteRange(s_COLORRANGE_DM_G_R, {58, 61, 64});
    addPaletteRange(s_COLORRANGE_DM_B_G_Y_R, {58, 60, 61, 63, 64});
    addPaletteRange(s_COLORRANGE_DM_B_LB_G_Y_O_R, {58, 59, 60, 61, 62, 63, 64});
    addPaletteRange(s_COLORRANGE_DM_R, {58, 64});
    addPaletteRange(s_COLORRANGE_DM_B_Y_R, {58, 60, 63, 64});
    addPaletteRange(s_COLORRANGE_DM_B_LB_Y_O_R, {58, 59, 60, 62, 63, 64});
    addPaletteRange(s_defaultAdvancedFormabilityColorRange, {35, 36, 37, 38, 39, 40, 41});
    addPaletteRange(s_defaultFractureColorRange, {42, 43, 44});
    addPaletteRange(s_defaultSurfaceCrackColorRange, {48, 49});
    addPaletteRange(s_defaultEdgeCrackColorRange, {52, 51, 50});
    addColorList(s_COLORRANGE_B_R, {{255, 0, 0}, {0, 0, 255}});
    addColorList(s_COLORRANGE_R_B, {{0, 0, 255}, {255, 0, 0}});
    addPaletteRange(s_COLORRANGE_R_G_DM, {64, 61, 58});
    addPaletteRange(s_COLORRANGE_R_Y_G_B_DM, {64, 63, 61, 60, 58});
    addPaletteRange(s_COLORRANGE_R_O_Y_G_LB_B_DM, {64, 63, 62, 61, 60, 59, 58});
    addPaletteRange(s_COLORRANGE_R_DM, {64, 58});
    addPaletteRange(s_COLORRANGE_R_Y_B_DM, {64, 63, 60, 58});
    addPaletteRange(s_COLORRANGE_R_O_Y_LB_B_DM, {64, 63, 62, 60, 59, 58});
    addPaletteRange(s_variableDrawbeadsColorRange, {1, 57, 3, 5});
    addPaletteRange(s_variableTargetBoundaryColorRange, {1, 2, -1});
    addColorList(s_defaultCurvatureCasesColorRange, {{164, 102, 16},
                                                     {255, 179, 71},
                                                     {82, 214, 91},
                                                     {175, 190, 205},
                                                     {24, 123, 31},
                                                     {82, 139, 214},
                                                     {24, 67, 123}});
    addPaletteRange(s_defaultToolRoughnessZonesColorRange, {0, -1});
    addColorList(s_COLORRANGE_WRINKLES_3LEVEL, {{0, 178, 149}, {0, 50, 183}, {141, 0, 229}});
    addColorList(s_COLORRANGE_WRINKLES_5LEVEL,
                 {{0, 178, 149}, {0, 155, 178}, {0, 50, 183}, {81, 0, 211}, {141, 0, 229}});
    addColorList(s_COLORRANGE_WRINKLES_7LEVEL, {{0, 178, 149},
                                                {0, 155, 178},
                                                {0, 100, 180},
                                                {0, 50, 183},
                                                {25, 0, 191},
                                                {81, 0, 211},
                                                {141, 0, 229}});
    addColorList(s_COLORRANGE_MAX_WRINKLES_2LEVEL, {{0, 50, 183}, {141, 0, 229}});
    addColorList(s_COLORRANGE_MAX_WRINKLES_3LEVEL, {{0, 50, 183}, {81, 0, 211}, {141, 0, 229}});
    addColorList(s_COLORRANGE_MAX_WRINKLES_4LEVEL, {{0, 50, 183}, {25, 0, 191}, {81, 0, 211}, {141, 0, 229}});
}

unsigned ColorRangesConfiguration::getColorRangeSize() const { return static_cast<unsigned>(m_ranges.size()); }

std::shared_ptr<const ColorRange> ColorRangesConfiguration::getColorRange(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_ranges.size())
        return nullptr;
    return m_ranges[static_cast<std::size_t>(index)];
}

int ColorRangesConfiguration::getColorRangeIdx(const std::string& key) const
{
    const auto found = std::find_if(m_ranges.begin(), m_ranges.end(),
                                    [&key](const std::shared_ptr<ColorRange>& range) { return range->getKey() == key; });
    return found == m_ranges.end() ? -1 : static_cast<int>(found - m_ranges.begin());
}

void ColorRangesConfiguration::getParametersForDefaultContinuousColorRange(double& start, double& end,
                                                                           bool& hueIncreasing)
{
    start = 0.0;
    end = 0.875;
    hueIncreasing = true;
}

std::shared_ptr<ColorRange> ColorRangesConfiguration::getParameterizedColorRange(double start, double end,
                                                                                 bool hueIncreasing,
                                                                                 int numColors) const
{
    const HueWalk walk(wrapPosition(start), wrapPosition(end), hueIncreasing);
    const int levels = std::min(numColors, s_parameterizedColorCount);
    std::vector<QColor> colors;
    colors.reserve(s_parameterizedColorCount);
    for (int sample = 0; sample < s_parameterizedColorCount; ++sample)
    {
        double position = walk.positionAt(static_cast<double>(sample) / (s_parameterizedColorCount - 1));
        if (levels > 0)
            position = walk.quantised(position, levels);
        colors.push_back(getColorForParam(position));
    }
    return std::make_shared<ColorRange>(s_parameterizedColorRangeKey, std::move(colors));
}

int ColorRangesConfiguration::initDominantVariableColorRange(unsigned count, std::string& key)
{
    if (count < 2)
        return -1;
    key = s_COLORRANGE_DOMINANT_VARIABLE + "_" + std::to_string(count);
    const int existing = getColorRangeIdx(key);
    if (existing >= 0)
        return existing;

    // Dark grey and the default colour first, then colours that contrast with their neighbours.
    std::vector<QColor> colors{paletteColor(65), paletteColor(0)};
    colors.reserve(count);
    for (unsigned position = 0; position + 2 < count; ++position)
        colors.push_back(paletteColor(s_dominantVariableSequence[position % std::size(s_dominantVariableSequence)]));
    return addColorRange(std::make_shared<ColorRange>(key, std::move(colors)));
}

int ColorRangesConfiguration::addColorRange(std::shared_ptr<ColorRange> range)
{
    m_ranges.push_back(std::move(range));
    signalColorRangesChanged();
    return static_cast<int>(m_ranges.size()) - 1;
}

void ColorRangesConfiguration::addContinuousColorScale(const std::vector<QColor>& colors,
                                                       std::shared_ptr<ColorRange> range, bool hueIncreasing)
{
    // Stored from the last input colour to the first: colour 0 is the last input, and each
    // segment's 20 steps fill the list from its far end.
    const std::size_t segments = colors.empty() ? 0 : colors.size() - 1;
    std::vector<QColor> scale(s_stepsPerSegment * segments + 1);
    scale.front() = colors.empty() ? QColor() : colors.back();
    for (std::size_t segment = 0; segment < segments; ++segment)
        for (int step = 0; step < s_stepsPerSegment; ++step)
            scale[s_stepsPerSegment * (segments - segment) - step] =
                interpolateHsv(colors[segment], colors[segment + 1], static_cast<double>(step) / s_stepsPerSegment,
                               hueIncreasing);
    range->m_colors = std::move(scale);
    addColorRange(std::move(range));
}

void ColorRangesConfiguration::addContinuousRange(const std::string& key, const std::vector<QColor>& colors,
                                                  bool hueIncreasing, double firstColorParameter,
                                                  double lastColorParameter)
{
    auto range = std::make_shared<ColorRange>(key);
    range->m_firstColorParameter = firstColorParameter;
    range->m_lastColorParameter = lastColorParameter;
    range->m_hueIncreasing = hueIncreasing;
    addContinuousColorScale(colors, std::move(range), hueIncreasing);
}

void ColorRangesConfiguration::addPaletteRange(const std::string& key, const std::vector<int>& paletteIndices)
{
    addColorRange(std::make_shared<ColorRange>(key, paletteColors(paletteIndices)));
}

void ColorRangesConfiguration::addColorList(const std::string& key, std::vector<QColor> colors)
{
    addColorRange(std::make_shared<ColorRange>(key, std::move(colors)));
}

QColor ColorRangesConfiguration::getColorForParam(double param) const
{
    param = wrapPosition(param);
    const int segments = static_cast<int>(m_hueWheel.size()) - 1;
    const int segment = std::min(static_cast<int>(segments * param), segments - 1);
    const double segmentStart = static_cast<double>(segment) / segments;
    const double fraction = (param - segmentStart) / (1.0 / segments);
    return interpolateHsv(m_hueWheel[static_cast<std::size_t>(segment)],
                          m_hueWheel[static_cast<std::size_t>(segment) + 1], fraction, true);
}

}  // namespace Quarvane
