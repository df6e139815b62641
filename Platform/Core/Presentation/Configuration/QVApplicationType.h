#pragma once

#include <cstdint>

namespace Quarvane
{

// The application of the suite a configuration is set up for. Two of them draw a family of
// objects in a vivid colour series of their own (see ColorConfiguration::changeDefaultsForType).
enum QVApplicationType : std::int32_t
{
    UndefinedApplication = -1,        // none chosen yet
    GeometryGeneratorApplication = 0, // its generated faces use the vivid series
    InnerPartApplication = 1          // its inner parts use the vivid series
};

}  // namespace Quarvane
