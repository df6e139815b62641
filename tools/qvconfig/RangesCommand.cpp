#include "tools/qvconfig/RangesCommand.h"

#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/JsonFormat.h"
#include "tools/qvconfig/LightnessPicture.h"
#include "tools/qvconfig/RangesPicture.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <cstdio>
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
    {"lightness", 0, false, false},
    {"format", 0, true, false},
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

std::string oneDecimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void writeLightnessText(const LightnessCheck& check, std::ostream& out)
{
    out << "Continuous and symmetric ranges: CIE L* along the range, colour 0 first\n";
    std::vector<std::vector<std::string>> rows{
        {"INDEX", "KEY", "COLORS", "L*FIRST", "L*LAST", "MONOTONIC", "LARGEST-JUMP"}};
    for (const LightnessCurve& curve : check.curves)
        rows.push_back({std::to_string(curve.range.index), curve.range.range->getKey(),
                        std::to_string(curve.lightness.size()),
                        curve.lightness.empty() ? "-" : oneDecimal(curve.lightness.front()),
                        curve.lightness.empty() ? "-" : oneDecimal(curve.lightness.back()),
                        curve.monotonic ? "yes" : "no", oneDecimal(curve.largestJump)});
    writeTable(rows, "  ", out);
    out << "Discrete ranges: CIE76 difference of neighbouring colours (below 10: hard to tell apart)\n";
    rows = {{"INDEX", "KEY", "COLORS", "SMALLEST-DELTA-E", "PAIRS-BELOW-10", "FIRST-SUCH-PAIR"}};
    for (const NeighbourContrast& contrast : check.discrete)
    {
        std::string pair = "-";
        for (std::size_t i = 0; i < contrast.deltaE.size() && pair == "-"; ++i)
            if (contrast.deltaE[i] < s_indistinctDeltaE)
                pair = std::to_string(i) + "/" + std::to_string(i + 1);
        rows.push_back({std::to_string(contrast.range.index), contrast.range.range->getKey(),
                        std::to_string(contrast.lightness.size()),
                        contrast.deltaE.empty() ? "-" : oneDecimal(contrast.smallestDeltaE),
                        std::to_string(contrast.indistinctPairs), pair});
    }
    writeTable(rows, "  ", out);
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
void writeRangesJson(const std::vector<IndexedColorRange>& ranges, std::ostream& out)
{
    QJsonArray array;
    for (const IndexedColorRange& entry : ranges)
    {
        QJsonArray colors;
        for (const QColor& color : entry.range->getColors())
            colors.append(toJson(ColorRGB(static_cast<float>(color.redF()), static_cast<float>(color.greenF()),
                                          static_cast<float>(color.blueF()))));
        array.append(QJsonObject{{"index", static_cast<double>(entry.index)},
                                 {"key", QString::fromStdString(entry.range->getKey())},
                                 {"colors", colors}});
    }
    writeJsonDocument({{"ranges", array}}, out);
}

int writeLightness(const LightnessCheck& check, const CommandLine& commandLine, std::ostream& out, std::ostream& err)
{
    if (!commandLine.has("png"))
    {
        writeLightnessText(check, out);
        return ExitSuccess;
    }
    const std::string path = commandLine.value("png");
    QString pictureError;
    if (!writeLightnessPicture(check, QString::fromStdString(path), pictureError))
    {
        err << "error: " << pictureError.toStdString() << '\n';
        return ExitFailure;
    }
    out << path << ": " << check.curves.size() << " lightness curves, " << check.discrete.size()
        << " discrete ranges\n";
    return ExitSuccess;
}
}  // namespace

int runRanges(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    if (auto status = parseArguments(arguments, s_options, s_command, rangesUsage(), commandLine, out, err))
        return *status;
    std::string error;
    if (!commandLine.positionals().empty())
        return usageError(err, s_command, "ranges takes no arguments, not \"" + commandLine.positionals().front() + "\"");
    const std::string format = commandLine.value("format", "text");
    if (format != "text" && format != "json")
        return usageError(err, s_command, "--format must be text or json, not \"" + format + "\"");
    if (format == "json" && (commandLine.has("png") || commandLine.has("lightness")))
        return usageError(err, s_command, "--format json lists the ranges; it goes with neither --png nor --lightness");
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
    if (commandLine.has("lightness"))
        return writeLightness(checkLightness(groupRanges(ranges)), commandLine, out, err);
    if (format == "json")
        writeRangesJson(ranges, out);
    else if (!commandLine.has("png"))
        writeRangesText(ranges, out);
    if (format == "json" || !commandLine.has("png"))
        return ExitSuccess;
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
