#include "tools/qvconfig/CommandSupport.h"
#include "tools/qvconfig/ExitStatus.h"
#include "tools/qvconfig/Usage.h"
#include "tools/qvconfig/ValueAddress.h"
#include "tools/qvconfig/ValueCommands.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroups.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// What an edit changes: one file, one entry; the files read before it, which may lock it.
struct EditTarget
{
    std::string file;
    bool systemFile = false;
    std::vector<std::string> filesBefore;
    ValueAddress address;
};

// The entries to write: key, type and text; a colour is three floats.
struct StoredValue
{
    std::vector<std::array<std::string, 3>> entries;
};

template <class T>
bool normalise(const std::string& input, std::string& text)
{
    T value{};
    if (!ConfigValueText::parse(input, value))
        return false;
    text = ConfigValueText::format(value);
    return true;
}

// `input` as the file stores a value of that type; false when it is not one.
bool normaliseValue(const std::string& type, const std::string& input, std::string& text)
{
    if (type == "int")
        return normalise<int>(input, text);
    if (type == "uint")
        return normalise<unsigned int>(input, text);
    if (type == "bool")
        return normalise<bool>(input, text);
    if (type == "double")
        return normalise<double>(input, text);
    if (type == "float")
        return normalise<float>(input, text);
    text = input;
    return true;
}

// "r,g,b" as three bytes 0..255, or as three floats 0..1 when any has a point or an exponent.
std::optional<ColorRGB> parseColour(const std::string& input)
{
    const QStringList parts = QString::fromStdString(input).split(',');
    if (parts.size() != 3)
        return std::nullopt;
    const bool floats = QString::fromStdString(input).contains(QRegularExpression("[.eE]"));
    float components[3];
    for (int index = 0; index < 3; ++index)
    {
        bool ok = false;
        const double number = parts[index].trimmed().toDouble(&ok);
        const double limit = floats ? 1.0 : 255.0;
        if (!ok || !(number >= 0.0 && number <= limit) || (!floats && std::floor(number) != number))
            return std::nullopt;
        components[index] = floats ? static_cast<float>(number) : static_cast<float>(number) / 255.0f;
    }
    return ColorRGB(components[0], components[1], components[2]);
}

StoredValue colourEntries(const ColorRGB& colour)
{
    return {{{"r", "float", ConfigValueText::format(colour.red)},
             {"g", "float", ConfigValueText::format(colour.green)},
             {"b", "float", ConfigValueText::format(colour.blue)}}};
}

// What `input` stores for the addressed value, or why it cannot.
std::optional<StoredValue> storedValue(const ValueAddress& address, const std::string& input, std::string& error)
{
    if (address.kind == ValueAddress::Kind::Colour)
    {
        if (const std::optional<ColorRGB> colour = parseColour(input))
            return colourEntries(*colour);
        error = address.name() + ": \"" + input +
                "\" is no colour; give r,g,b as three bytes 0..255 or three floats 0..1";
        return std::nullopt;
    }
    const std::string type = address.value->getTypeName();
    std::string text;
    if (!normaliseValue(type, input, text))
    {
        error = address.name() + ": \"" + input + "\" is not a valid " + type;
        return std::nullopt;
    }
    const ValueRule& rule = address.value->getRule();
    double number = 0.0;
    if (rule.isDeclared() && ConfigValueText::parse(text, number) && !rule.allows(number))
    {
        error = address.name() + ": " + text + " is outside " + rule.describe();
        return std::nullopt;
    }
    return StoredValue{{{address.key, type, text}}};
}

std::string lockBefore(const EditTarget& target)
{
    const ConfigFileEditor::ObjectPath objects = target.address.entryObjects();
    const std::string key = target.address.kind == ValueAddress::Kind::Value ? target.address.key : std::string();
    for (const std::string& file : target.filesBefore)
    {
        ConfigFileEditor editor;
        if (!editor.open(file, nullptr))
            continue;
        const std::string lock = editor.lockOf(objects, key);
        if (!lock.empty())
            return lock;
    }
    return {};
}

// Why the target may not take the value at all; empty when it may.
std::string refusalFor(const EditTarget& target)
{
    const ValueAddress& address = target.address;
    const Persistence persistence =
        address.kind == ValueAddress::Kind::Value ? address.value->getPersistence() : address.group->getPersistence();
    if (persistence == Persistences::RuntimeValue)
        return address.name() + " is a run-time value; no file sets it";
    if (persistence == Persistences::AdminSetting && !target.systemFile)
        return address.name() + " is an administrator value; set it in a system file with --system";
    if (address.kind == ValueAddress::Kind::Value && address.value->isSecret())
        return address.name() + " is a secret; set it in the application, which stores it scrambled";
    // Some entries the application itself keeps from users (a colour it manages); no file changes them.
    const bool editable = address.kind == ValueAddress::Kind::Value ? address.value->isEditable()
                                                                     : address.object->isEditable();
    if (!target.systemFile && !editable)
        return address.name() + " is not editable by users";
    const std::string lock = lockBefore(target);
    return lock.empty() ? std::string() : address.name() + " is locked at " + lock;
}

// The command line of an edit: the file it changes (the user file, else the last system file)
// and the name, with `minimum` to `maximum` positionals in all.
std::optional<int> readTarget(const CommandLine& commandLine, const std::string& command, bool systemOnly,
                              std::size_t minimum, std::size_t maximum, bool groupAllowed, EditTarget& target,
                              std::ostream& err)
{
    const std::vector<std::string> systemFiles = commandLine.values("system");
    if (systemOnly && (commandLine.has("user") || systemFiles.empty()))
        return usageError(err, command, command + " writes a system file: give it with --system FILE");
    if (!commandLine.has("user") && systemFiles.empty())
        return usageError(err, command, command + " needs the file to change: --user FILE or --system FILE");
    const std::size_t count = commandLine.positionals().size();
    if (count < minimum || count > maximum)
        return usageError(err, command, "wrong number of arguments; see qvconfig help " + command);
    target.systemFile = !commandLine.has("user");
    target.file = target.systemFile ? systemFiles.back() : commandLine.value("user");
    target.filesBefore.assign(systemFiles.begin(), systemFiles.end() - (target.systemFile ? 1 : 0));
    ConfigurationGroups::registerAll();
    std::string error;
    std::optional<ValueAddress> address = resolveAddress(commandLine.positionals().front(), groupAllowed, error);
    if (!address)
    {
        err << "error: " << error << '\n';
        return ExitFailure;
    }
    target.address = std::move(*address);
    return std::nullopt;
}

int fail(std::ostream& err, const std::string& message)
{
    err << "error: " << message << '\n';
    return ExitFailure;
}

bool openTarget(ConfigFileEditor& editor, const EditTarget& target, std::ostream& err)
{
    std::string error;
    if (editor.open(target.file, &error))
        return true;
    fail(err, error + "; nothing was written");
    return false;
}

// Removing from a file that is not there is a mistake worth naming, not a silent success.
bool openExistingTarget(ConfigFileEditor& editor, const EditTarget& target, std::ostream& err)
{
    if (const std::string missing = missingFileError(target.file); !missing.empty())
    {
        fail(err, missing);
        return false;
    }
    return openTarget(editor, target, err);
}

int saveTarget(const ConfigFileEditor& editor, const EditTarget& target, std::ostream& err)
{
    // A site file is read by every user's application; a user file may hold passwords.
    const QFileDevice::Permissions permissions =
        target.systemFile ? QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                QFileDevice::ReadOther
                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    std::string error;
    if (!editor.save(&error, permissions))
        return fail(err, "cannot write " + target.file + ": " + error);
    return ExitSuccess;
}

void putStored(ConfigFileEditor& editor, const ValueAddress& address, const StoredValue& stored)
{
    for (const auto& [key, type, text] : stored.entries)
        editor.putValue(address.kind == ValueAddress::Kind::Colour ? address.entryObjects() : address.objects, key,
                        type, text);
}

// The value the system files give now, the target included, for "lock" without a value.
StoredValue currentValue(const EditTarget& target)
{
    std::vector<std::string> systemFiles = target.filesBefore;
    systemFiles.push_back(target.file);
    loadConfiguration({systemFiles, ""});
    if (target.address.kind == ValueAddress::Kind::Colour)
        return colourEntries(dynamic_cast<const ColorConfiguration::ObjectColor&>(*target.address.object).color);
    return {{{target.address.key, target.address.value->getTypeName(), target.address.value->getValueText()}}};
}

// For "reset" of a name the groups do not know: removes the entry the name spells out (its
// objects taken as named by their class), and ends the command; nothing when the file has no
// such entry or the name is known, so that the usual checks and messages follow.
std::optional<int> removeUnknownEntry(const CommandLine& commandLine, std::ostream& err)
{
    const std::vector<std::string> systemFiles = commandLine.values("system");
    if (commandLine.positionals().size() != 1 || (!commandLine.has("user") && systemFiles.empty()))
        return std::nullopt;
    ConfigurationGroups::registerAll();
    const std::string& name = commandLine.positionals().front();
    std::string error;
    if (resolveAddress(name, true, error))
        return std::nullopt;
    // A single name is a group; otherwise the last part is a value's key.
    const QStringList parts = QString::fromStdString(name).split('/');
    ConfigFileEditor::ObjectPath objects;
    for (int index = 0; index < std::max(1, static_cast<int>(parts.size()) - 1); ++index)
        objects.push_back({"", parts[index].toStdString()});
    const std::string key = parts.size() > 1 ? parts.last().toStdString() : std::string();
    const std::string file = commandLine.has("user") ? commandLine.value("user") : systemFiles.back();
    ConfigFileEditor editor;
    if (!editor.open(file, nullptr) || !editor.remove(objects, key))
        return std::nullopt;
    std::string saveError;
    if (editor.save(&saveError))
        return ExitSuccess;
    return fail(err, "cannot write " + file + ": " + saveError);
}

std::string entryKey(const ValueAddress& address)
{
    return address.kind == ValueAddress::Kind::Value ? address.key : std::string();
}
}  // namespace

int runSet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    EditTarget target;
    if (auto status = parseArguments(arguments, layerOptions(), "set", setUsage(), commandLine, out, err))
        return *status;
    if (auto status = readTarget(commandLine, "set", false, 2, 2, false, target, err))
        return *status;
    std::string error;
    const std::optional<StoredValue> stored = storedValue(target.address, commandLine.positionals()[1], error);
    if (!stored)
        return fail(err, error + "; nothing was written");
    if (const std::string refusal = refusalFor(target); !refusal.empty())
        return fail(err, refusal + "; nothing was written");
    ConfigFileEditor editor;
    if (!openTarget(editor, target, err))
        return ExitFailure;
    putStored(editor, target.address, *stored);
    return saveTarget(editor, target, err);
}

int runReset(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    EditTarget target;
    if (auto status = parseArguments(arguments, layerOptions(), "reset", resetUsage(), commandLine, out, err))
        return *status;
    // An entry no release knows (a misspelt key) is as much worth removing as a known one.
    if (const std::optional<int> removed = removeUnknownEntry(commandLine, err))
        return *removed;
    if (auto status = readTarget(commandLine, "reset", false, 1, 1, true, target, err))
        return *status;
    ConfigFileEditor editor;
    if (!openExistingTarget(editor, target, err))
        return ExitFailure;
    // Nothing to remove is no failure: the value already comes from the layers below.
    if (!editor.remove(target.address.entryObjects(), entryKey(target.address)))
        return ExitSuccess;
    return saveTarget(editor, target, err);
}

int runLock(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    EditTarget target;
    if (auto status = parseArguments(arguments, layerOptions(), "lock", lockUsage(), commandLine, out, err))
        return *status;
    if (auto status = readTarget(commandLine, "lock", true, 1, 2, true, target, err))
        return *status;
    const bool group = target.address.kind == ValueAddress::Kind::Group;
    if (group && commandLine.positionals().size() == 2)
        return usageError(err, "lock", "a whole group is locked without a value");
    if (const std::string refusal = refusalFor(target); !refusal.empty())
        return fail(err, refusal + "; nothing was written");
    std::optional<StoredValue> stored;
    std::string error;
    if (commandLine.positionals().size() == 2 &&
        !(stored = storedValue(target.address, commandLine.positionals()[1], error)))
        return fail(err, error + "; nothing was written");
    if (!group && !stored)
        stored = currentValue(target);
    ConfigFileEditor editor;
    if (!openTarget(editor, target, err))
        return ExitFailure;
    if (stored)
        putStored(editor, target.address, *stored);
    editor.setEditable(target.address.entryObjects(), entryKey(target.address), false);
    return saveTarget(editor, target, err);
}

int runUnlock(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CommandLine commandLine;
    EditTarget target;
    if (auto status = parseArguments(arguments, layerOptions(), "unlock", unlockUsage(), commandLine, out, err))
        return *status;
    if (auto status = readTarget(commandLine, "unlock", true, 1, 1, true, target, err))
        return *status;
    ConfigFileEditor editor;
    if (!openExistingTarget(editor, target, err))
        return ExitFailure;
    const ConfigFileEditor::ObjectPath objects = target.address.entryObjects();
    const std::string key = entryKey(target.address);
    const bool found = target.address.kind == ValueAddress::Kind::Group ? editor.unlockAll(objects)
                                                                         : editor.setEditable(objects, key, true);
    if (!found)
        return fail(err, target.address.name() + " is not in " + target.file);
    if (const std::string lock = editor.lockOf(objects, key); !lock.empty())
        err << "warning: " << target.address.name() << " stays locked by its group at " << lock << '\n';
    return saveTarget(editor, target, err);
}

}  // namespace QvConfig
}  // namespace Quarvane
