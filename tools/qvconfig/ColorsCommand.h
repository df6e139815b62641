#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// "qvconfig colors": the arguments after the command name.
int runColors(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
