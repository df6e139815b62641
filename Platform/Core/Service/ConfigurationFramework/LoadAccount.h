#pragma once

#include <string>

namespace Quarvane
{

// One thing a load found worth telling: where it stands and what is wrong. A finding never
// quotes the text a file stores (it may be a secret); rule findings give the numbers involved.
struct ConfigurationFinding
{
    enum class Severity
    {
        Warning,  // the load went on; something in the files was not used as written
        Error     // a whole file was not used
    };

    Severity severity = Severity::Warning;
    std::string file;
    long long line = 0;  // 0: the finding concerns the whole file or no place in a file
    long long column = 0;
    std::string group;  // the object's path, "ColorConfiguration/BackgroundTopColor"
    std::string key;    // empty when the finding concerns the object itself
    std::string message;

    // "file:line:column: group/key: message", leaving out the parts that are empty.
    std::string toString() const;
};

bool operator==(const ConfigurationFinding& left, const ConfigurationFinding& right);

// Where a value's effective value came from.
struct ValueOrigin
{
    enum class Source
    {
        Default,  // no file set it
        SystemFile,
        UserFile
    };

    Source source = Source::Default;
    std::string file;
    long long line = 0;

    // "default", "system file site.xml:4" or "user file user.xml:7".
    std::string toString() const;
};

}  // namespace Quarvane
