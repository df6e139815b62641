#pragma once

#include <string>
#include <vector>

namespace Quarvane
{

// The registered configuration groups of this library, for tools that show or check all of
// them. Groups register on first use; registerAll makes every one of them exist.
class ConfigurationGroups
{
public:
    // Registers every group (those already registered stay as they are) and returns their
    // object names in a fixed order.
    static std::vector<std::string> registerAll();
};

}  // namespace Quarvane
