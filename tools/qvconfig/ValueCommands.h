#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// Each takes the arguments after the command name.
// "get GROUP/KEY": the effective value alone.
int runGet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
// "describe GROUP[/KEY]": the declaration of a value, or of a group's values.
int runDescribe(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
// "set", "reset", "lock" and "unlock": change one entry of one configuration file.
int runSet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runReset(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runLock(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int runUnlock(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace QvConfig
}  // namespace Quarvane
