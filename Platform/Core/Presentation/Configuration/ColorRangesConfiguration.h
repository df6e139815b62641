#pragma once

#include "Platform/Core/Presentation/Configuration/ColorRange.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <QtGui/QColor>

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{

// The process-wide catalogue of named colour ranges from which result colour scales are drawn:
// continuous hue scales, discrete level lists (limit diagrams, fracture, cracks, wear, wrinkles,
// curvature) and the families named after their colours (G green, Y yellow, O orange, R red,
// LB light blue, B blue, DM dark magenta).
//
// A range is known by its key and by its index, its position in the catalogue. Indices are what
// colour maps and result scales pass around, so the catalogue only ever grows: ranges are never
// removed or reordered. Nothing here is loaded or saved; the signal only tells the colour maps
// that a range was added.
class ColorRangesConfiguration
{
public:
    // The keys of the fixed catalogue, in index order (0 to 43).
    static const std::string s_defaultContinuousColorRange;
    static const std::string s_defaultContinuousReverseColorRange;
    static const std::string s_defaultContinuousLowerLimitOnly;
    static const std::string s_defaultContinuousUpperLimitOnly;
    static const std::string s_defaultFLDColorRange;
    static const std::string s_defaultGeomFLDColorRange;
    static const std::string s_defaultDiscreteColorRange;
    static const std::string s_defaultDiscreteGreenYellowRedRange;
    static const std::string s_defaultWearColorRange;
    static const std::string s_defaultSymmetricalColorRange;
    static const std::string s_COLORRANGE_G_R;
    static const std::string s_COLORRANGE_G_Y_R;
    static const std::string s_COLORRANGE_G_Y_O_R;
    static const std::string s_COLORRANGE_R_G;
    static const std::string s_COLORRANGE_R_Y_G;
    static const std::string s_COLORRANGE_R_O_Y_G;
    static const std::string s_COLORRANGE_DM_G_R;
    static const std::string s_COLORRANGE_DM_B_G_Y_R;
    static const std::string s_COLORRANGE_DM_B_LB_G_Y_O_R;
    static const std::string s_COLORRANGE_DM_R;
    static const std::string s_COLORRANGE_DM_B_Y_R;
    static const std::string s_COLORRANGE_DM_B_LB_Y_O_R;
    static const std::string s_defaultAdvancedFormabilityColorRange;
    static const std::string s_defaultFractureColorRange;
    static const std::string s_defaultSurfaceCrackColorRange;
    static const std::string s_defaultEdgeCrackColorRange;
    static const std::string s_COLORRANGE_B_R;
    static const std::string s_COLORRANGE_R_B;
    static const std::string s_COLORRANGE_R_G_DM;
    static const std::string s_COLORRANGE_R_Y_G_B_DM;
    static const std::string s_COLORRANGE_R_O_Y_G_LB_B_DM;
    static const std::string s_COLORRANGE_R_DM;
    static const std::string s_COLORRANGE_R_Y_B_DM;
    static const std::string s_COLORRANGE_R_O_Y_LB_B_DM;
    static const std::string s_variableDrawbeadsColorRange;
    static const std::string s_variableTargetBoundaryColorRange;
    static const std::string s_defaultCurvatureCasesColorRange;
    static const std::string s_defaultToolRoughnessZonesColorRange;
    static const std::string s_COLORRANGE_WRINKLES_3LEVEL;
    static const std::string s_COLORRANGE_WRINKLES_5LEVEL;
    static const std::string s_COLORRANGE_WRINKLES_7LEVEL;
    static const std::string s_COLORRANGE_MAX_WRINKLES_2LEVEL;
    static const std::string s_COLORRANGE_MAX_WRINKLES_3LEVEL;
    static const std::string s_COLORRANGE_MAX_WRINKLES_4LEVEL;
    // Names no range: the prefix of the dominant-variable ranges, which are made on demand.
    static const std::string s_COLORRANGE_DOMINANT_VARIABLE;

    // The catalogue of the process, created with the fixed ranges on the first call.
    static ColorRangesConfiguration* getInstance();

    // A catalogue of its own with the fixed ranges, independent of the process-wide one (whose
    // ranges the colour maps follow). For tools and measurements; the application uses
    // getInstance().
    ColorRangesConfiguration();
    ColorRangesConfiguration(const ColorRangesConfiguration&) = delete;
    ColorRangesConfiguration& operator=(const ColorRangesConfiguration&) = delete;

    unsigned getColorRangeSize() const;
    // Null for an index outside the catalogue.
    std::shared_ptr<const ColorRange> getColorRange(int index) const;
    // The index of the first range with this key, or -1.
    int getColorRangeIdx(const std::string& key) const;

    // The arguments (0, 0.875, increasing) with which getParameterizedColorRange reproduces the
    // default continuous range, walked from its last colour to its first.
    static void getParametersForDefaultContinuousColorRange(double& start, double& end, bool& hueIncreasing);

    // A new range "ParameterizedColorRange" of 144 colours sampled from the hue wheel, walking
    // from `start` to `end` (positions 0..1, wrapped into the wheel) in the given hue direction;
    // equal positions walk the whole wheel once. It is not added to the catalogue.
    //
    // With `numColors` > 0 (at most 144 count) the samples are quantised to that many evenly
    // spaced colours, the first at `start` and the last at `end`; one colour gives 144 copies of
    // the start colour. 0 or less means a continuous run.
    std::shared_ptr<ColorRange> getParameterizedColorRange(double start, double end, bool hueIncreasing,
                                                           int numColors) const;

    // The index of the range with `count` distinct colours for the dominant-variable result,
    // added on the first request; sets `key` to its key. A count below 2 gives -1 and leaves
    // `key` alone.
    int initDominantVariableColorRange(unsigned count, std::string& key);

    // Emitted after each range is added (also for each fixed range, before anybody can listen).
    Signals::Signal<void()> signalColorRangesChanged;

private:
    // Appends the range, emits the signal and returns the new range's index.
    int addColorRange(std::shared_ptr<ColorRange> range);
    // Fills `range` with the continuous scale through `colors` and adds it.
    void addContinuousColorScale(const std::vector<QColor>& colors, std::shared_ptr<ColorRange> range,
                                 bool hueIncreasing);
    void addContinuousRange(const std::string& key, const std::vector<QColor>& colors, bool hueIncreasing,
                            double firstColorParameter, double lastColorParameter);
    void addPaletteRange(const std::string& key, const std::vector<int>& paletteIndices);
    void addColorList(const std::string& key, std::vector<QColor> colors);
    // The colour at `param` on the closed hue wheel (wrapped into 0..1).
    QColor getColorForParam(double param) const;

    std::vector<std::shared_ptr<ColorRange>> m_ranges;
    // Closed: the first colour is repeated at the end.
    std::vector<QColor> m_hueWheel;
};

}  // namespace Quarvane
