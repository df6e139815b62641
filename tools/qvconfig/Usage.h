#pragma once

#include <iosfwd>
#include <string>

namespace Quarvane
{
namespace QvConfig
{

std::string toolUsage();
std::string showUsage();
std::string checkUsage();
std::string getUsage();
std::string describeUsage();
std::string setUsage();
std::string resetUsage();
std::string lockUsage();
std::string unlockUsage();
std::string rangesUsage();
std::string colorsUsage();
std::string scaleUsage();
std::string reportUsage();

// Reports a wrong command line on `err` with a pointer to the help of `command` (empty for the
// tool itself) and returns ExitUsage.
int usageError(std::ostream& err, const std::string& command, const std::string& message);

}  // namespace QvConfig
}  // namespace Quarvane
