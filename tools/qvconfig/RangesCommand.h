#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// "qvconfig ranges": the arguments after the command name.
int runRanges(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
