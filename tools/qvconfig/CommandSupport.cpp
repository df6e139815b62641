#include "tools/qvconfig/CommandSupport.h"

#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <QtCore/QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{

std::vector<AcceptedOption> layerOptions(std::vector<AcceptedOption> more)
{
    std::vector<AcceptedOption> options{
        {"help", 'h', false, false},
        {"system", 0, true, true},
        {"user", 0, true, false},
        {"product", 0, true, false},
    };
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

std::optional<int> parseArguments(const std::vector<std::string>& arguments,
                                  const std::vector<AcceptedOption>& options, const std::string& command,
                                  const std::string& usage, CommandLine& commandLine, std::ostream& out,
                                  std::ostream& err)
{
    std::string error;
    if (!commandLine.parse(arguments, options, error))
        return usageError(err, command, error);
    if (commandLine.has("help"))
    {
        out << usage;
        return ExitSuccess;
    }
    return std::nullopt;
}

std::optional<int> readCommonOptions(const CommandLine& commandLine, const std::vector<std::string>& formats,
                                     const std::string& command, std::string& format, std::ostream& err)
{
    format = commandLine.value("format", formats.front());
    if (std::find(formats.begin(), formats.end(), format) == formats.end())
    {
        std::string list;
        for (const std::string& known : formats)
            list += (list.empty() ? "" : " or ") + known;
        return usageError(err, command, "--format must be " + list + ", not \"" + format + "\"");
    }
    if (commandLine.has("product"))
    {
        const std::string text = commandLine.value("product");
        const ProductType product = BuildInformation::productFromText(text);
        if (product == 0)
            return usageError(err, command, "--product \"" + text + "\" names no product (1..63 or a name)");
        // The product decides what groups do while loading, so it is in place before any exists.
        BuildInformation::setProductType(product);
    }
    return std::nullopt;
}

LoadedConfiguration loadLayers(const CommandLine& commandLine)
{
    return loadConfiguration({commandLine.values("system"), commandLine.value("user")});
}

std::string missingFileError(const std::string& path)
{
    if (QFileInfo::exists(QString::fromStdString(path)))
        return {};
    return "cannot read " + path + ": " + std::strerror(ENOENT);
}

}  // namespace QvConfig
}  // namespace Quarvane
