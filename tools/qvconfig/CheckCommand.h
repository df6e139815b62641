#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigReader;
class ConfigurationManager;

namespace QvConfig
{

// What loading a configuration file into fresh groups turns up.
struct CheckFindings
{
    // Stored values that could not be used, and the groups' own messages.
    std::vector<std::string> warnings;
    // "Group/Key: stored X, now Y" for each value a group corrected while loading.
    std::vector<std::string> repairs;
    // Top-level objects of the file that no registered group owns.
    std::vector<std::string> unknownObjects;

    bool isClean() const { return warnings.empty() && repairs.empty(); }
};

// Loads every object of `reader` that `manager` has a group for into a fresh instance of that
// group; the registered groups themselves stay untouched.
CheckFindings checkConfiguration(ConfigReader& reader, const ConfigurationManager& manager);

// "qvconfig check": the arguments after the command name.
int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
