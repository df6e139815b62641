#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"

#include <optional>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;
class ConfigurationValueBase;

namespace QvConfig
{

// A group, a value or a colour of the registered groups, as the commands name it:
// "AutoSaveConfiguration", "AutoSaveConfiguration/AutoSaveInterval",
// "ExportOffsetSurfaceConfiguration/OffsetSkin/Thickness" or
// "ColorConfiguration/BackgroundTopColor".
struct ValueAddress
{
    enum class Kind
    {
        Group,
        Value,
        Colour
    };

    Kind kind = Kind::Group;
    // The objects from the group down to the one holding the value (for a colour: the group).
    ConfigFileEditor::ObjectPath objects;
    // The value's key or the colour's name; empty for a group.
    std::string key;
    const ConfigurationObject* group = nullptr;
    // The object that holds the value; the colour's own object for a colour.
    const ConfigurationObject* object = nullptr;
    const ConfigurationValueBase* value = nullptr;

    // "Group/Child", the path the load account files the value under.
    std::string objectPath() const;
    // "Group/Child/Key".
    std::string name() const;
    // Where the file keeps the entry: the colour's own object for a colour.
    ConfigFileEditor::ObjectPath entryObjects() const;
};

// The address `name` names in the registered groups. Nothing, with `error` naming the nearest
// known names, when it names nothing (or a group where `groupAllowed` is false).
std::optional<ValueAddress> resolveAddress(const std::string& name, bool groupAllowed, std::string& error);

}  // namespace QvConfig
}  // namespace Quarvane
