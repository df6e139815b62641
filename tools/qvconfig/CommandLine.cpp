#include "tools/qvconfig/CommandLine.h"

#include <algorithm>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
bool looksLikeOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

// The accepted option a word names ("--system", "-h"), or null.
const AcceptedOption* findOption(const std::string& word, const std::vector<AcceptedOption>& accepted)
{
    const auto found = std::find_if(accepted.begin(), accepted.end(), [&word](const AcceptedOption& option) {
        return word == "--" + option.name || (option.shortName != 0 && word == std::string{'-', option.shortName});
    });
    return found == accepted.end() ? nullptr : &*found;
}
}  // namespace

std::vector<std::string> CommandLine::values(const std::string& name) const
{
    const auto found = m_options.find(name);
    return found == m_options.end() ? std::vector<std::string>{} : found->second;
}

std::string CommandLine::value(const std::string& name, const std::string& fallback) const
{
    const auto found = m_options.find(name);
    return found == m_options.end() || found->second.empty() ? fallback : found->second.back();
}

bool CommandLine::parse(const std::vector<std::string>& arguments, const std::vector<AcceptedOption>& accepted,
                        std::string& error)
{
    error.clear();
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index)
    {
        const std::string& argument = arguments[index];
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && looksLikeOption(argument))
        {
            if (!parseOption(argument, arguments, index, accepted, error))
                return false;
        }
        else
            m_positionals.push_back(argument);
    }
    return true;
}

bool CommandLine::parseOption(const std::string& argument, const std::vector<std::string>& arguments,
                              std::size_t& index, const std::vector<AcceptedOption>& accepted, std::string& error)
{
    const std::size_t equals = argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
    const std::string word = argument.substr(0, equals);
    const AcceptedOption* option = findOption(word, accepted);
    if (option == nullptr)
        error = "unknown option " + word;
    else if (has(option->name) && !option->repeatable)
        error = word + " is given more than once";
    else if (!option->takesArgument && equals != std::string::npos)
        error = word + " takes no argument";
    if (!error.empty())
        return false;

    std::vector<std::string>& values = m_options[option->name];
    if (!option->takesArgument)
        return true;
    if (equals != std::string::npos)
        values.push_back(argument.substr(equals + 1));
    else if (index + 1 < arguments.size() && !looksLikeOption(arguments[index + 1]))
        values.push_back(arguments[++index]);
    else
        error = word + " needs an argument";
    return error.empty();
}

}  // namespace QvConfig
}  // namespace Quarvane
