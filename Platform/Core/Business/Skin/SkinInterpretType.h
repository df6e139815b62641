#pragma once

#include <cstdint>

namespace Quarvane
{

// How the values of a result variable are laid onto the model when it is drawn. The numbers are
// what results and settings store.
enum SkinInterpretType : std::int32_t
{
    SkinInterpretPoints = 0,          // one mark per node
    SkinInterpretNodalSmooth = 1,     // nodal values, interpolated across elements
    SkinInterpretElementSmooth = 2,   // element values, averaged to the nodes and interpolated
    SkinInterpretNodalFlat = 3,       // nodal values, one colour per node patch
    SkinInterpretLine = 4,            // values along lines (feature lines, trim lines)
    SkinInterpretElementFlat = 5,     // one colour per element
    SkinInterpretElementLayered = 6,  // element values per through-thickness layer
    SkinInterpretArrows = 7,          // vector arrows
    SkinInterpretDefault = 8,         // no preference: the reader chooses
    SkinInterpretEdgeSmooth = 9,      // values on the sheet's boundary edges, interpolated
    SkinInterpretEdgeFlat = 10        // values on the sheet's boundary edges, one colour per segment
};

}  // namespace Quarvane
