#include "tools/qvconfig/Usage.h"

#include "tools/qvconfig/ExitStatus.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// The single products by name, from the library, so the help never lists a stale set.
std::string productNames()
{
    std::string names;
    for (ProductType product = 1; product <= Products::All; product <<= 1)
        names += (names.empty() ? "" : ", ") + BuildInformation::productName(product);
    return names;
}

const char* const s_exitStatus = "Exit status: 0 success, 1 failure, 2 wrong command line.\n";
}  // namespace

std::string toolUsage()
{
    return std::string("Usage: qvconfig COMMAND [OPTIONS]\n"
                       "\n"
                       "Shows the presentation configuration, checks configuration files and draws the colour model.\n"
                       "\n"
                       "Commands:\n"
                       "  show [GROUP]  the configuration groups and their values\n"
                       "  check FILE    whether a configuration file loads cleanly\n"
                       "  ranges        the colour ranges catalogue, as text or as a picture\n"
                       "  colors        the object colours, as text or as labelled swatches\n"
                       "  scale FILE    the colour bar of a result variable, as text or as a picture\n"
                       "  report        one HTML page of the configuration, for a support engineer\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help    this help; \"qvconfig COMMAND --help\" explains a command\n"
                       "\n") +
           s_exitStatus;
}

std::string showUsage()
{
    return "Usage: qvconfig show [GROUP] [--system FILE]... [--user FILE] [--product PRODUCT]\n"
           "                     [--format text|json]\n"
           "\n"
           "Shows every configuration group, or only GROUP, with each value's type, current value,\n"
           "default, whether a user may change it (EDITABLE: neither the value nor its group is\n"
           "locked) and whether the settings dialog of the running product shows it (VISIBLE).\n"
           "Without configuration files the built-in defaults are shown. Secrets (passwords) show as\n"
           "******** when they are set, and never as their text.\n"
           "\n"
           "Options:\n"
           "  --system FILE      a system (site) configuration file; repeat it for several, which\n"
           "                     apply in the order given and may lock values\n"
           "  --user FILE        the user configuration file, applied after the system files\n"
           "  --product PRODUCT  the running product, as a number 1..63 or a name:\n"
           "                     " +
           productNames() +
           ";\n"
           "                     without it, the one QUARVANE_PRODUCT names, else the default\n"
           "  --format FORMAT    text (the default) or json\n"
           "  -h, --help         this help\n"
           "\n"
           "JSON output: {\"product\": NAME, \"groups\": [OBJECT...]}, where OBJECT is\n"
           "{\"name\", \"editable\", \"values\": [VALUE...], \"objects\": [OBJECT...]} and VALUE is\n"
           "{\"key\", \"type\", \"value\", \"default\", \"editable\", \"visible\", \"description\"}.\n"
           "\"value\" and \"default\" are always JSON strings holding the text the configuration file\n"
           "stores, numbers and booleans included; \"editable\" and \"visible\" are JSON booleans.\n"
           "\n"
           "ColorConfiguration is shown as one table of its colours: KEY, TYPE (the colour type\n"
           "number), VALUE and DEFAULT as the nearest 0..255 bytes (\"-\" for a component outside\n"
           "0..1) and as the floats the file stores, EDITABLE, and the display NAME. In JSON the\n"
           "group's \"listing\" holds one object per colour with the strings \"key\", \"type\",\n"
           "\"value\", \"valueFloat\", \"default\", \"defaultFloat\", \"editable\" and \"name\".\n"
           "\n"
           "Problems with the files are reported on stderr. A file that cannot be read makes the\n"
           "exit status 1, but the values are still shown; an unknown GROUP is a failure too.\n"
           "\n" +
           s_exitStatus;
}

std::string checkUsage()
{
    return "Usage: qvconfig check FILE\n"
           "\n"
           "Reads FILE as a system configuration file and loads each group it holds into a fresh\n"
           "instance, as the application would. Reports:\n"
           "  warning:  values whose text is not a value of their type, or that are stored with\n"
           "            another type, and messages of the groups themselves\n"
           "  repaired: values the group corrected while loading, with the stored and the\n"
           "            corrected value\n"
           "  unknown object NAME: objects no group of this release knows; the application keeps\n"
           "            them as they are, so they are not a fault\n"
           "\n"
           "Options:\n"
           "  -h, --help  this help\n"
           "\n"
           "Exit status: 0 when FILE is clean, 1 when it cannot be read or has warnings or repairs,\n"
           "2 wrong command line.\n";
}

std::string rangesUsage()
{
    return "Usage: qvconfig ranges [--lightness] [--png FILE] [--dominant COUNT]...\n"
           "\n"
           "Lists the colour ranges catalogue, one range per line: INDEX, KEY, the number of\n"
           "COLORS, and the FIRST and LAST colour as 0..255 red,green,blue.\n"
           "\n"
           "Options:\n"
           "  --png FILE        draw the ranges into the PNG picture FILE instead: one row per\n"
           "                    range with its index, key and number of colours, and the range as a\n"
           "                    bar with colour 0 at the left, grouped by kind, with what colour 0\n"
           "                    means for a scale and a legend of the colour names in the keys; no\n"
           "                    window or display is needed\n"
           "  --lightness       check the ranges as a viewer perceives them instead: for each\n"
           "                    continuous or symmetric range the CIE L* lightness of its first and\n"
           "                    last colour, whether it is MONOTONIC and its LARGEST-JUMP between\n"
           "                    neighbours; for each discrete range the SMALLEST-DELTA-E (CIE76)\n"
           "                    between neighbouring colours and how many pairs fall below 10, which\n"
           "                    a viewer can hardly tell apart. With --png, the lightness curves are\n"
           "                    plotted in the ranges' colours and such pairs marked. Changes nothing\n"
           "  --dominant COUNT  first add the dominant-variable range of COUNT colours (2 to 1000),\n"
           "                    as the application does on demand; may be repeated\n"
           "  -h, --help        this help\n"
           "\n" +
           std::string(s_exitStatus);
}

std::string colorsUsage()
{
    return "Usage: qvconfig colors [--system FILE]... [--user FILE] [--png FILE]\n"
           "\n"
           "Lists the object colours of the 3D views, grouped by the kind of object they colour\n"
           "(background, sheet, lines, tools, ...): per colour its KEY, TYPE number, VALUE and\n"
           "DEFAULT as the nearest 0..255 red,green,blue, as show prints them (DEFAULT \"=\" when\n"
           "the colour is its default),\n"
           "whether the site LOCKED it, and its display NAME (\"-\" when it has none).\n"
           "\n"
           "Options:\n"
           "  --system FILE  a system (site) configuration file; repeat it for several\n"
           "  --user FILE    the user configuration file, applied after the system files\n"
           "  --png FILE     draw the colours into the PNG picture FILE instead, as labelled\n"
           "                 swatches; a changed colour shows its default beside it and a locked\n"
           "                 one a padlock\n"
           "  -h, --help     this help\n"
           "\n"
           "Problems with the files are reported on stderr; a file that cannot be read makes the\n"
           "exit status 1, but the colours are still shown.\n"
           "\n" +
           std::string(s_exitStatus);
}

std::string scaleUsage()
{
    return "Usage: qvconfig scale FILE [--png FILE]\n"
           "\n"
           "Reads FILE, a result variable described in JSON (docs/examples/README.md has the format),\n"
           "makes its display settings as the application does and prints the colour bar of the\n"
           "scale they show: for a discrete scale one line per range with its POSITION in the colour\n"
           "map, the value it goes UPTO (\"-\" for the last range), its COLOR as 0..255 red,green,blue\n"
           "and its NAME, omitted colours left out; for a continuous scale the colours at min and max.\n"
           "\n"
           "Options:\n"
           "  --png FILE  draw the colour bar into the PNG picture FILE instead, as the 3D view's\n"
           "              legend shows it: lowest values (colour 0) at the bottom\n"
           "  -h, --help  this help\n"
           "\n" +
           std::string(s_exitStatus);
}

std::string reportUsage()
{
    return "Usage: qvconfig report [--system FILE]... [--user FILE] [--product PRODUCT] --html FILE\n"
           "\n"
           "Loads the files as the application does and writes one self-contained HTML page (no\n"
           "external resources, pictures embedded) for whoever supports the installation: the\n"
           "product and the files; the values that were refused or repaired; every group with its\n"
           "values, those that differ from the default first, each with what set it (FROM: the\n"
           "default, a site file or the user file) and whether the site locked it; what \"qvconfig\n"
           "check\" finds in each file; the object colours and the colour ranges catalogue as\n"
           "pictures. Secrets show as ******** and never as their text.\n"
           "\n"
           "Options:\n"
           "  --system FILE      a system (site) configuration file; repeat it for several\n"
           "  --user FILE        the user configuration file, applied after the system files\n"
           "  --product PRODUCT  the running product, as a number 1..63 or a name\n"
           "  --html FILE        the page to write\n"
           "  -h, --help         this help\n"
           "\n"
           "The page is written even when a file has problems; they are on the page.\n"
           "\n" +
           std::string(s_exitStatus);
}

int usageError(std::ostream& err, const std::string& command, const std::string& message)
{
    const std::string helpCommand = command.empty() ? "qvconfig --help" : "qvconfig " + command + " --help";
    err << "qvconfig: " << message << "\n"
        << "Try '" << helpCommand << "'.\n";
    return ExitUsage;
}

}  // namespace QvConfig
}  // namespace Quarvane
