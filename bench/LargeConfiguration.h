#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <cstddef>
#include <string>

namespace benchmark
{
class State;
}

namespace Quarvane
{
namespace Bench
{

// A configuration object the size of a large real group: 500 values, cycling through every
// supported type (int, unsigned int, bool, double, string) and each with a description, as a
// user file written by the application carries them.
class LargeConfiguration : public ConfigurationObject
{
public:
    // Descriptions are written into every file; leaving them out shows what they cost.
    enum class Descriptions
    {
        Included,
        Omitted
    };

    static const std::string s_name;
    static constexpr std::size_t s_valueCount = 500;

    explicit LargeConfiguration(Descriptions descriptions = Descriptions::Included);

    // Gives every value something other than its default, so that a file written from this
    // object holds all of them and loading it has to set all of them.
    void changeEveryValue();
    // How many values hold something other than their default.
    std::size_t countChangedValues() const;
};

// A folder of its own for the benchmark's files, removed when the program ends; empty when it
// could not be made.
const std::string& benchmarkFolder();

// A user file holding all values of a LargeConfiguration, each different from its default,
// written once per run through ConfigWriter; empty when it could not be written.
const std::string& largeUserFile(LargeConfiguration::Descriptions descriptions =
                                     LargeConfiguration::Descriptions::Included);
// The same, with the benchmark marked as failed when the file could not be written.
std::string userFileOrSkip(benchmark::State& state, LargeConfiguration::Descriptions descriptions =
                                                        LargeConfiguration::Descriptions::Included);

}  // namespace Bench
}  // namespace Quarvane
