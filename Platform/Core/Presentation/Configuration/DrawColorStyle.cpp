#include "Platform/Core/Presentation/Configuration/DrawColorStyle.h"

#include <cstdint>
#include <cstring>

namespace Quarvane
{
namespace
{
static_assert(sizeof(std::size_t) == 8, "style hashes are 64-bit values");

// Boost's hash_combine in its 64-bit form as of Boost 1.81. The Boost 1.74 we build with
// combines differently, and a style's hash must not depend on the Boost it was built with, so
// the step is written out here.
void combine(std::uint64_t& seed, std::uint64_t value)
{
    constexpr std::uint64_t multiplier = 0xe9846af9b1a615dULL;
    std::uint64_t mixed = seed + 0x9e3779b9ULL + value;
    mixed ^= mixed >> 32;
    mixed *= multiplier;
    mixed ^= mixed >> 32;
    mixed *= multiplier;
    mixed ^= mixed >> 28;
    seed = mixed;
}

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
    combine(seed, hashComponent(color.red));
    combine(seed, hashComponent(color.green));
    combine(seed, hashComponent(color.blue));
    return seed;
}
}  // namespace

std::size_t hash_value(const DrawColorStyle& style)
{
    std::uint64_t seed = 0;
    combine(seed, hash_value(style.mode));
    combine(seed, hashColor(style.color));
    return static_cast<std::size_t>(seed);
}

}  // namespace Quarvane
