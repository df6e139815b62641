#include "Platform/Core/Graphics/DrawingStyle/DrawColorMode.h"

#include <boost/functional/hash.hpp>

namespace Quarvane
{

// A mode hashes as its number, so a value outside the named modes still hashes consistently.
std::size_t hash_value(DrawColorMode mode) { return boost::hash<std::int32_t>()(static_cast<std::int32_t>(mode)); }

}  // namespace Quarvane
