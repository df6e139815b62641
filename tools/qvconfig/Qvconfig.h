#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// Runs the tool on its arguments (without the program name), writing results to `out` and
// problems to `err`; returns the exit status (see ExitStatus.h).
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
