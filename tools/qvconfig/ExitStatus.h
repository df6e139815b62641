#pragma once

namespace Quarvane
{
namespace QvConfig
{

// What the tool returns to the shell.
constexpr int ExitSuccess = 0;
// The command ran but found a problem: an unreadable file, an unknown group, a file that is not clean.
constexpr int ExitFailure = 1;
// The command line itself was wrong; nothing was done.
constexpr int ExitUsage = 2;

}  // namespace QvConfig
}  // namespace Quarvane
