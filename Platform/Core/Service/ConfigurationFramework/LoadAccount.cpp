#include "Platform/Core/Service/ConfigurationFramework/LoadAccount.h"

#include <tuple>

namespace Quarvane
{

std::string ConfigurationFinding::toString() const
{
    std::string text;
    if (!file.empty())
        text = line > 0 || severity == Severity::Error
                   ? file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": "
                   : file + ": ";
    if (!group.empty())
        text += key.empty() ? group + ": " : group + "/" + key + ": ";
    return text + message;
}

bool operator==(const ConfigurationFinding& left, const ConfigurationFinding& right)
{
    return std::tie(left.severity, left.file, left.line, left.column, left.group, left.key, left.message) ==
           std::tie(right.severity, right.file, right.line, right.column, right.group, right.key, right.message);
}

std::string ValueOrigin::toString() const
{
    switch (source)
    {
    case Source::SystemFile:
        return "system file " + file + ":" + std::to_string(line);
    case Source::UserFile:
        return "user file " + file + ":" + std::to_string(line);
    case Source::Default:
        break;
    }
    return "default";
}

}  // namespace Quarvane
