#pragma once

#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// The files a command loads, as "--system FILE... --user FILE" name them.
struct ConfigurationFiles
{
    std::vector<std::string> systemFiles;
    std::string userFile;
};

// What loading the files told about them. This is the one place the commands learn where the
// values came from; when the framework reports per value which file set it, only this changes.
struct LoadedConfiguration
{
    std::vector<std::string> errors;    // a file that could not be used at all
    std::vector<std::string> warnings;  // values refused or repaired, a user file that is missing

    bool usable() const { return errors.empty(); }
    // The warnings that mention the group (by its object name), for showing beside its values.
    std::vector<std::string> warningsAbout(const std::string& group) const;
};

// Registers every configuration group and loads the files into them, as the application does at
// start-up. Without files the groups keep their defaults.
LoadedConfiguration loadConfiguration(const ConfigurationFiles& files);

}  // namespace QvConfig
}  // namespace Quarvane
