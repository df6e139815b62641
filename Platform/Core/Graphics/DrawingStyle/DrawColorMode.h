#pragma once

#include <cstddef>
#include <cstdint>

namespace Quarvane
{

// How the 3D views colour an object. The first three modes say where the colour comes from; the
// others colour the object without a colour of its own, so a draw colour keeps its last colour
// definition while one of them is in force.
enum DrawColorMode : std::int32_t
{
    ColorRGBMode = 0,     // a fixed RGB colour
    ColorIndexMode = 1,   // an entry of the ergonomic palette
    ColorTypeMode = 2,    // a user-configurable object colour
    ResultColorMode = 3,  // the colours of a result variable's colour scale
    VertexColorMode = 4,  // colours that come with the geometry, one per vertex
    HiddenMode = 5        // not drawn
};

// For hashed containers (found by argument-dependent lookup, as Boost's hash expects).
std::size_t hash_value(DrawColorMode mode);

}  // namespace Quarvane
