#include "tools/qvconfig/RangesCommand.h"

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/RangesPicture.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <optional>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "ranges";
// Enough for any scale a person reads; more only costs memory.
constexpr unsigned s_maximumDominantColors = 1000;

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
    {"png", 0, true, false},
    {"dominant", 0, true, true},
};

// Digits only (std::stoul alone would take "-1" and " 5"), and few enough that they cannot overflow.
std::optional<unsigned> dominantCount(const std::string& text)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long count = std::stoul(text);
    if (count < 2 || count > s_maximumDominantColors)
        return std::nullopt;
    return static_cast<unsigned>(count);
}

std::string bytesText(const QColor& color)
{
    return std::to_string(color.red()) + "," + std::to_string(color.green()) + "," + std::to_string(color.blue());
}

void writeRangesText(const std::vector<IndexedColorRange>& ranges, std::ostream& out)
{
    std::vector<std::vector<std::string>> rows{{"INDEX", "KEY", "COLORS", "FIRST", "LAST"}};
    for (const IndexedColorRange& entry : ranges)
    {
        const std::vector<QColor>& colors = entry.range->getColors();
        rows.push_back({std::to_string(entry.index), entry.range->getKey(), std::to_string(colors.size()),
                        colors.empty() ? "-" : bytesText(colors.front()),
                        colors.empty() ? "-" : bytesText(colors.back())});
    }
    writeTable(rows, "", out);
}
}  // namespace

int runRanges(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    std::string error;
    if (!commandLine.parse(arguments, s_options, error))
        return usageError(err, s_command, error);
    if (commandLine.has("help"))
    {
        out << rangesUsage();
        return ExitSuccess;
    }
    if (!commandLine.positionals().empty())
        return usageError(err, s_command, "ranges takes no arguments, not \"" + commandLine.positionals().front() + "\"");
    std::vector<unsigned> dominantCounts;
    for (const std::string& text : commandLine.values("dominant"))
    {
        const std::optional<unsigned> count = dominantCount(text);
        if (!count)
            return usageError(err, s_command,
                              "--dominant takes a number of colours from 2 to " +
                                  std::to_string(s_maximumDominantColors) + ", not \"" + text + "\"");
        dominantCounts.push_back(*count);
    }

    ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    for (const unsigned count : dominantCounts)
    {
        std::string key;
        catalogue.initDominantVariableColorRange(count, key);
    }
    const std::vector<IndexedColorRange> ranges = catalogueRanges(catalogue);
    if (!commandLine.has("png"))
    {
        writeRangesText(ranges, out);
        return ExitSuccess;
    }
    const std::string path = commandLine.value("png");
    QString pictureError;
    if (!writeRangesPicture(groupRanges(ranges), QString::fromStdString(path), pictureError))
    {
        err << "error: " << pictureError.toStdString() << '\n';
        return ExitFailure;
    }
    out << path << ": " << ranges.size() << " ranges\n";
    return ExitSuccess;
}

}  // namespace QvConfig
}  // namespace Quarvane
