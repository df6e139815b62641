#include "tools/qvconfig/ColorsCommand.h"

#include "tools/qvconfig/ColorView.h"
#include "tools/qvconfig/CommandLine.h"
#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/LoadedConfiguration.h"
#include "tools/qvconfig/ObjectColorSwatches.h"
#include "tools/qvconfig/TextFormat.h"
#include "tools/qvconfig/Usage.h"

#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
const char* const s_command = "colors";

const std::vector<AcceptedOption> s_options{
    {"help", 'h', false, false},
    {"system", 0, true, true},
    {"user", 0, true, false},
    {"png", 0, true, false},
};

void writeColorsText(const std::vector<ColorFamily>& families, std::ostream& out)
{
    for (const ColorFamily& family : families)
    {
        out << family.name.toStdString() << '\n';
        std::vector<std::vector<std::string>> rows{{"KEY", "TYPE", "VALUE", "DEFAULT", "LOCKED", "NAME"}};
        for (const ColorSwatch& swatch : family.swatches)
            rows.push_back({swatch.key, std::to_string(static_cast<int>(swatch.type)), colorBytesText(swatch.color),
                            swatch.differsFromDefault() ? colorBytesText(swatch.defaultColor) : "=",
                            swatch.editable ? "no" : "yes",
                            swatch.name.isEmpty() ? "-" : swatch.name.toStdString()});
        writeTable(rows, "  ", out);
    }
}
}  // namespace

int runColors(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    if (auto status = parseArguments(arguments, s_options, s_command, colorsUsage(), commandLine, out, err))
        return *status;
    std::string error;
    if (!commandLine.positionals().empty())
        return usageError(err, s_command, "colors takes no arguments, not \"" + commandLine.positionals().front() + "\"");

    const LoadedConfiguration loaded = loadConfiguration({commandLine.values("system"), commandLine.value("user")});
    const int status = writeLoadProblems(loaded, err) ? ExitSuccess : ExitFailure;
    const std::vector<ColorFamily> families = objectColorFamilies(*ColorConfiguration::getRegisteredInstance());
    if (!commandLine.has("png"))
    {
        writeColorsText(families, out);
        return status;
    }
    QString pictureError;
    const std::string path = commandLine.value("png");
    if (!writeColorsPicture(families, QString::fromStdString(path), pictureError))
    {
        err << "error: " << pictureError.toStdString() << '\n';
        return ExitFailure;
    }
    std::size_t count = 0;
    for (const ColorFamily& family : families)
        count += family.swatches.size();
    out << path << ": " << count << " colours in " << families.size() << " families\n";
    return status;
}

}  // namespace QvConfig
}  // namespace Quarvane
