#pragma once

#include <map>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// One option a command accepts: "--name", optionally also "-x".
struct AcceptedOption
{
    std::string name;
    char shortName = 0;
    bool takesArgument = false;
    bool repeatable = false;
};

// A command's arguments, sorted into options and positional arguments.
class CommandLine
{
public:
    bool has(const std::string& name) const { return m_options.count(name) != 0; }
    // Every argument given to the option, in order; empty for an absent option or a flag.
    std::vector<std::string> values(const std::string& name) const;
    // The option's argument, or `fallback` when the option is absent.
    std::string value(const std::string& name, const std::string& fallback = {}) const;
    const std::vector<std::string>& positionals() const { return m_positionals; }

    // Sorts `arguments` by the `accepted` options. Returns false with `error` set for an unknown
    // option, an option without its argument, a flag given an argument, or a single option given
    // twice.
    // "--name=value" and "--name value" are the same, except that the separate word must not look
    // like an option: "--user --product 2" is a forgotten argument, not a file called "--product".
    // After "--" everything is positional.
    bool parse(const std::vector<std::string>& arguments, const std::vector<AcceptedOption>& accepted,
               std::string& error);

private:
    bool parseOption(const std::string& argument, const std::vector<std::string>& arguments, std::size_t& index,
                     const std::vector<AcceptedOption>& accepted, std::string& error);

    std::map<std::string, std::vector<std::string>> m_options;
    std::vector<std::string> m_positionals;
};

}  // namespace QvConfig
}  // namespace Quarvane
