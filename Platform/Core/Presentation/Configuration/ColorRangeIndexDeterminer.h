#pragma once

#include "Platform/Core/Presentation/Configuration/DecalColorPalette.h"
#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"

#include <utility>

namespace Quarvane
{

// Turns the two enumerated ways of asking for a colour range, a result variable's colour range
// type and a decal colour palette, into an index of the colour ranges catalogue, which is also
// the index of the range's colour map. Both go through the range's key, so the answers follow
// the catalogue rather than a second copy of its order.
class ColorRangeIndexDeterminer
{
public:
    // -1 for a type that names no range of the catalogue (12, 14, 41, anything outside 0..41)
    // and for the dominant-variable type 18, whose range depends on its number of levels.
    static int determineColorRangeIdx(ResVarPropertiesCommon::ColorRangeType type);
    // -1 for NoPalette and any value outside the enumeration, without touching the catalogue.
    static int determineColorRangeIdx(DecalColorPalette palette);
    // The decal palette with the same colours as the type, if there is one: (true, palette).
    // Type 12 gives (true, NoPalette); a type without one gives (false, NoPalette).
    static std::pair<bool, DecalColorPalette> toDecalColorPalette(ResVarPropertiesCommon::ColorRangeType type);
};

}  // namespace Quarvane
