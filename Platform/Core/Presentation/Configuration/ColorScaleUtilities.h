#pragma once

#include "Platform/Core/Presentation/Configuration/ColorMap.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{

// What a colour bar needs from the discrete scale of a variable's settings: the colour map,
// one colour per range, and the names (and tick values) of the ranges, both without the ranges
// the user chose to omit.
//
// Each reads the settings' discrete scale, or the manual discrete one when there is no discrete
// scale, whichever is active. Settings without either give a null map and no names.
class ColorScaleUtilities
{
public:
    ColorScaleUtilities() = delete;

    // The map of the scale's colour range (or of its configurable colours). With omitted
    // positions, a new unmanaged map of the remaining colours keyed "<key>_REDUCED"; when the
    // omitted positions leave no colour, the full map. Raises the colour map manager's error
    // for a colour range index it does not hold.
    static std::shared_ptr<ColorMap> getDiscreteColorScaleColorMap(const ResVarSettings* settings);

    // The names of the shown ranges with the tick value of each but the last; `names` has one
    // entry more than `values` when the last range (above the last tick) is shown.
    static void getDiscreteColorScaleLevelInformation(const ResVarSettings* settings, std::vector<std::string>& names,
                                                      std::vector<double>& values);
    static std::vector<std::string> getDiscreteColorScaleLevelNames(const ResVarSettings* settings);
};

}  // namespace Quarvane
