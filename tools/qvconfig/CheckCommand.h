#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// "qvconfig check": the arguments after the command name.
int runCheck(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
