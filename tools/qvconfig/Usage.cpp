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
                       "  show [NAME]         the configuration groups and their values\n"
                       "  get GROUP/KEY       one effective value, alone on a line\n"
                       "  describe NAME       the type, default, rule and meaning of a value or a group\n"
                       "  check FILE          every mistake in a configuration file, with its place\n"
                       "  set NAME VALUE      write one value into a user or system file\n"
                       "  reset NAME          remove a value or a group from a file\n"
                       "  lock NAME [VALUE]   lock a value or a group in a system file\n"
                       "  unlock NAME         remove that lock, keeping the value\n"
                       "  ranges              the colour ranges catalogue, as text or as a picture\n"
                       "  colors              the object colours, as text or as labelled swatches\n"
                       "  scale FILE          the colour bar of a result variable, as text or as a picture\n"
                       "  report              one HTML page of the configuration, for a support engineer\n"
                       "  help COMMAND        how to use COMMAND\n"
                       "\n"
                       "A value is named GROUP/KEY (a nested one GROUP/OBJECT/KEY); a colour is\n"
                       "ColorConfiguration/NAME and is written r,g,b as three bytes 0..255 or three floats 0..1.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help          this help; \"qvconfig help COMMAND\" explains a command\n"
                       "  --version           the tool's version\n"
                       "\n") +
           s_exitStatus;
}

std::string showUsage()
{
    return "Usage: qvconfig show [GROUP | GROUP/KEY] [--system FILE]... [--user FILE] [--product PRODUCT]\n"
           "                     [--origin] [--changed] [--wide] [--format text|json|xml]\n"
           "\n"
           "Shows every configuration group, or only GROUP or one value, with each value's type,\n"
           "current value, default, whether a user may change it (EDITABLE: neither the value nor its\n"
           "group is locked) and whether the settings dialog of the running product shows it\n"
           "(VISIBLE). Without configuration files the built-in defaults are shown. Secrets show as\n"
           "******** when they are set, never as their text. Text fits 100 columns.\n"
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
           "  --origin           add what set each value: default, FILE:LINE, \"locked by FILE:LINE\",\n"
           "                     and what the load refused for it\n"
           "  --changed          only the values that differ from their defaults; with --format xml\n"
           "                     written as a configuration file that loads back (a site file template)\n"
           "  --wide             do not shorten descriptions to fit 100 columns\n"
           "  --format FORMAT    text (the default), json, or xml (with --changed)\n"
           "  -h, --help         this help\n"
           "\n"
           "JSON output is versioned (\"format\": 1) and typed; docs/qvconfig-json-schema.json\n"
           "describes it. Every group has the same shape, colours included ({\"rgb\", \"bytes\"}).\n"
           "\n"
           "ColorConfiguration is shown as one table of its colours: KEY, TYPE (the colour type\n"
           "number), VALUE and DEFAULT as the nearest 0..255 bytes (\"-\" for a component outside\n"
           "0..1) and as the floats the file stores, EDITABLE, and the display NAME.\n"
           "\n"
           "Problems with the files are reported on stderr. A file that cannot be read makes the\n"
           "exit status 1, but the values are still shown; an unknown GROUP is a failure too.\n"
           "\n" +
           s_exitStatus;
}

std::string checkUsage()
{
    return std::string(
               "Usage: qvconfig check [--system FILE]... [--as-system] [--format text|json] FILE\n"
               "\n"
               "Loads FILE as the application would, as the user file over the system files given\n"
               "(with --as-system: as the last system file), and reports every finding, sorted by line,\n"
               "as FILE:LINE:COLUMN: SEVERITY: GROUP/KEY: MESSAGE:\n"
               "  unknown keys, objects, colours and attributes, with \"did you mean\";\n"
               "  values that are not of their type or outside their rule (range or allowed values),\n"
               "  locked ones included;\n"
               "  user values refused by a lock in a system file;\n"
               "  administrator and run-time values in a user file; colours that cannot be used.\n"
               "Groups no release knows are noted, not counted: a newer release may have written them.\n"
               "\n"
               "Options:\n"
               "  --system FILE      a system file FILE is read over; repeat it for several\n"
               "  --as-system        judge FILE as a system (site) file\n"
               "  --format FORMAT    text (the default) or json\n"
               "  -h, --help         this help\n"
               "\n") +
           "Exit status: 0 when FILE is clean, 1 when it has findings or cannot be read, 2 wrong\n"
           "command line.\n";
}

std::string getUsage()
{
    return std::string("Usage: qvconfig get GROUP/KEY [--system FILE]... [--user FILE] [--product PRODUCT]\n"
                       "                    [--format text|json]\n"
                       "\n"
                       "Prints the effective value alone on one line, as show writes it: strings in double\n"
                       "quotes, colours as r,g,b bytes. An unknown name fails and names the nearest known ones.\n"
                       "\n") +
           s_exitStatus;
}

std::string describeUsage()
{
    return std::string("Usage: qvconfig describe GROUP[/KEY] [--system FILE]... [--user FILE] [--wide]\n"
                       "                         [--format text|json]\n"
                       "\n"
                       "Tells what a value is: its type, value, default, rule (a range, or the allowed\n"
                       "values with their names), who may set it (user, administrator or run-time), the\n"
                       "products it belongs to, whether the settings dialog shows it, and its description.\n"
                       "For a GROUP, one line per value. Text fits 100 columns; --wide shows everything.\n"
                       "\n") +
           s_exitStatus;
}

std::string setUsage()
{
    return std::string("Usage: qvconfig set (--user FILE | --system FILE) [--system FILE]... GROUP/KEY VALUE\n"
                       "\n"
                       "Writes VALUE into the user file, or into the last system file given; the system files\n"
                       "before it are the layers it is read over. Every other entry of the file stays, entries\n"
                       "of other releases included, and the file is replaced in one step. Refused (exit 1,\n"
                       "nothing written) when VALUE is not of the value's type or outside its rule, when a\n"
                       "system file before the target locks it, and when the value is an administrator or\n"
                       "run-time value and the target is a user file.\n"
                       "\n") +
           s_exitStatus;
}

std::string resetUsage()
{
    return std::string("Usage: qvconfig reset (--user FILE | --system FILE) GROUP[/KEY]\n"
                       "\n"
                       "Removes the value, or the whole group, from the file, so that the value of the\n"
                       "layers below (a system file, or the default) applies again.\n"
                       "\n") +
           s_exitStatus;
}

std::string lockUsage()
{
    return std::string("Usage: qvconfig lock --system FILE GROUP/KEY [VALUE]\n"
                       "       qvconfig lock --system FILE GROUP\n"
                       "\n"
                       "Writes the value (VALUE, or the one the system files give now) into the system file\n"
                       "FILE, locked: files read after it, the user file included, cannot change it. With a\n"
                       "GROUP, locks the whole group. With several --system, the last is the one written.\n"
                       "\n") +
           s_exitStatus;
}

std::string unlockUsage()
{
    return std::string("Usage: qvconfig unlock --system FILE GROUP[/KEY]\n"
                       "\n"
                       "Removes the lock on the value (or on the group and everything in it) from the system\n"
                       "file FILE; the value stays.\n"
                       "\n") +
           s_exitStatus;
}

std::string rangesUsage()
{
    return "Usage: qvconfig ranges [--lightness] [--png FILE] [--dominant COUNT]... [--format text|json]\n"
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
           "  --format FORMAT   text (the default) or json: every range with all its colours, each\n"
           "                    as {\"rgb\", \"bytes\"}\n"
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
