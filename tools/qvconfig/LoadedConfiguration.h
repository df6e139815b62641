#pragma once

#include "tools/qvconfig/ObjectView.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <iosfwd>
#include <map>
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

// What loading the files told about them, and where each value came from, as the framework's
// account of the load has it.
struct LoadedConfiguration
{
    std::vector<std::string> errors;    // a file that could not be used at all
    std::vector<std::string> warnings;  // values refused or repaired, a user file that is missing
    // The framework's account of the load: every finding with its place, and each value's origin.
    ConfigurationLoadResult account;

    bool usable() const { return errors.empty(); }
    // "default", "site file" or "user file": what set the value the group holds now. A value a
    // file sets to its default reads as the default.
    std::string originOf(const std::string& path, const std::string& key, const std::string& value,
                         const std::string& defaultValue) const;
    // The warnings about the value at "path/key": what a file held that the group refused.
    std::vector<std::string> refusalsOf(const std::string& path, const std::string& key) const;
};

// Registers every configuration group and loads the files into them, as the application does at
// start-up. Without files the groups keep their defaults.
LoadedConfiguration loadConfiguration(const ConfigurationFiles& files);

// Writes the errors and warnings of the load to `err`, one per line; false when a file could not
// be used.
bool writeLoadProblems(const LoadedConfiguration& loaded, std::ostream& err);

// The value column of a class view's listing (the colours' "value"), or -1.
int listingValueColumn(const ListingView& listing);

}  // namespace QvConfig
}  // namespace Quarvane
