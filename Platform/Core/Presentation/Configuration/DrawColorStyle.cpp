#include "Platform/Core/Presentation/Configuration/DrawColorStyle.h"

#include "Platform/Core/Presentation/Configuration/HashCombine.h"

#include <cstdint>
#include <cstring>

namespace Quarvane
{
namespace
{
static_assert(sizeof(std::size_t) == 8, "style hashes are 64-bit values");

// The bit pattern, after adding +0 turns a negative zero into a positive one.
std::uint64_t hashComponent(float component)
{
    const float normalized = component + 0.0f;
    std::uint32_t bits = 0;
    std::memcpy(&bits, &normalized, sizeof bits);
    return bits;
}

std::uint64_t hashColor(const ColorRGB& color)
{
    std::uint64_t seed = 0;
    hashCombine(seed, hashComponent(color.red));
    hashCombine(seed, hashComponent(color.green));
    hashCombine(seed, hashComponent(color.blue));
    return seed;
}
}  // namespace

std::size_t hash_value(const DrawColorStyle& style)
{
    std::uint64_t seed = 0;
    hashCombine(seed, hash_value(style.mode));
    hashCombine(seed, hashColor(style.color));
    return static_cast<std::size_t>(seed);
}

}  // namespace Quarvane
