#pragma once

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/LoadedConfiguration.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// --help, --system FILE..., --user FILE and --product: what every command that reads the
// configuration takes, followed by `more`.
std::vector<AcceptedOption> layerOptions(std::vector<AcceptedOption> more = {});

// Parses `arguments` for `command`: the exit status when the command ends here (its help, a
// wrong command line), nothing when it goes on.
std::optional<int> parseArguments(const std::vector<std::string>& arguments,
                                  const std::vector<AcceptedOption>& options, const std::string& command,
                                  const std::string& usage, CommandLine& commandLine, std::ostream& out,
                                  std::ostream& err);

// Checks that --format is one of `formats` (the first is the default) and sets the product of
// --product; the exit status of a wrong command line, or nothing.
std::optional<int> readCommonOptions(const CommandLine& commandLine, const std::vector<std::string>& formats,
                                     const std::string& command, std::string& format, std::ostream& err);

// Registers the groups and loads the layers the command line names.
LoadedConfiguration loadLayers(const CommandLine& commandLine);

// "cannot read x: No such file or directory" for a file that must exist; empty when it does.
std::string missingFileError(const std::string& path);

}  // namespace QvConfig
}  // namespace Quarvane
