#pragma once

#include <cstdint>

namespace Quarvane
{

// Boost's hash_combine in its 64-bit form as of Boost 1.81, written out once. The Boost 1.74 we
// build with mixes differently, and hashes that callers keep (style hashes, min/max cache keys)
// must not change with the Boost release the library was built with.
inline void hashCombine(std::uint64_t& seed, std::uint64_t value)
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

}  // namespace Quarvane
