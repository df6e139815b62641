#include "tools/qvconfig/ScaleCommand.h"

#include "tools/qvconfig/ColourScale.h"
#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include <QtCore/QString>

#include <exception>
#include <ostream>
#include <sstream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "scale";

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
    {"png", 0, true, false},
};

std::string bytesText(const QColor& color)
{
    return std::to_string(color.red()) + "," + std::to_string(color.green()) + "," + std::to_string(color.blue());
}

std::string numberText(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

void writeScaleText(const ColourScale& scale, std::ostream& out)
{
    out << scale.title << ": " << scale.scaleType << " scale, colour map " << scale.colourMap << '\n';
    if (scale.discrete)
    {
        std::vector<std::vector<std::string>> rows{{"POSITION", "UPTO", "COLOR", "NAME"}};
        for (std::size_t i = 0; i < scale.bands.size(); ++i)
        {
            const ScaleBand& band = scale.bands[i];
            rows.push_back({std::to_string(i), band.upTo ? numberText(*band.upTo) : "-", bytesText(band.color),
                            band.name.empty() ? "-" : band.name});
        }
        writeTable(rows, "", out);
    }
    else if (!scale.gradient.empty())
    {
        out << "min " << numberText(scale.min) << ": " << bytesText(scale.gradient.front()) << '\n'
            << "max " << numberText(scale.max) << ": " << bytesText(scale.gradient.back()) << '\n'
            << scale.gradient.size() << " colours\n";
    }
    for (const std::string& note : scale.notes)
        out << "note: " << note << '\n';
}
}  // namespace

int runScale(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    if (auto status = parseArguments(arguments, s_options, s_command, scaleUsage(), commandLine, out, err))
        return *status;
    std::string error;
    if (commandLine.positionals().size() != 1)
        return usageError(err, s_command, "scale takes one variable description FILE");

    const std::optional<VariableDescription> variable =
        readVariableDescription(QString::fromStdString(commandLine.positionals().front()), error);
    if (!variable)
    {
        err << "error: " << error << '\n';
        return ExitFailure;
    }
    ColourScale scale;
    try
    {
        scale = colourScaleOf(*variable);
    }
    catch (const std::exception& problem)
    {
        // A colour range type that names no range of the catalogue ("Unassigned12") has no map.
        err << "error: " << commandLine.positionals().front() << ": the scale has no colour map: " << problem.what()
            << '\n';
        return ExitFailure;
    }
    if (!commandLine.has("png"))
    {
        writeScaleText(scale, out);
        return ExitSuccess;
    }
    QString pictureError;
    const std::string path = commandLine.value("png");
    if (!writeScalePicture(scale, QString::fromStdString(path), pictureError))
    {
        err << "error: " << pictureError.toStdString() << '\n';
        return ExitFailure;
    }
    out << path << ": " << scale.title << ", " << scale.scaleType << " scale\n";
    return ExitSuccess;
}

}  // namespace QvConfig
}  // namespace Quarvane
