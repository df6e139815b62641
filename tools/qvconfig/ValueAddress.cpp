#include "tools/qvconfig/ValueAddress.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"
#include "Platform/Core/Service/ConfigurationFramework/NearestNames.h"

namespace Quarvane
{
namespace QvConfig
{
namespace
{
std::vector<std::string> split(const std::string& name)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', start))
    {
        parts.push_back(name.substr(start, slash - start));
        start = slash + 1;
    }
    parts.push_back(name.substr(start));
    return parts;
}

bool isColour(const ConfigurationObject& object)
{
    return dynamic_cast<const ColorConfiguration::ObjectColor*>(&object) != nullptr;
}

std::vector<std::string> namesIn(const ConfigurationObject& object)
{
    std::vector<std::string> names;
    for (const auto& value : object.getConfigurationValues())
        names.push_back(value->getName());
    for (const auto& child : object.getConfigurationObjects())
        names.push_back(child->getName());
    return names;
}

std::string unknown(const std::string& what, const std::string& name, const std::vector<std::string>& known)
{
    std::string message = "unknown " + what + " " + name;
    const std::vector<std::string> nearest = nearestNames(split(name).back(), known);
    for (std::size_t index = 0; index < nearest.size(); ++index)
        message += (index == 0 ? "; did you mean " : ", ") + nearest[index];
    return message + (nearest.empty() ? "" : "?");
}
}  // namespace

std::string ValueAddress::objectPath() const
{
    std::string path;
    for (const ConfigFileEditor::Object& step : objects)
        path += (path.empty() ? "" : "/") + step.name;
    return path;
}

std::string ValueAddress::name() const { return key.empty() ? objectPath() : objectPath() + "/" + key; }

ConfigFileEditor::ObjectPath ValueAddress::entryObjects() const
{
    ConfigFileEditor::ObjectPath path = objects;
    if (kind == Kind::Colour)
        path.push_back({object->getClassName(), key});
    return path;
}

std::optional<ValueAddress> resolveAddress(const std::string& name, bool groupAllowed, std::string& error)
{
    const std::vector<std::string> parts = split(name);
    const ConfigurationManager& manager = ConfigurationManager::getInstance();
    ValueAddress address;
    address.group = manager.getConfigurationObject(parts.front());
    if (address.group == nullptr)
    {
        error = unknown("group", parts.front(), manager.getConfigurationObjectNames());
        return std::nullopt;
    }
    address.object = address.group;
    address.objects.push_back({"", parts.front()});
    for (std::size_t index = 1; index < parts.size(); ++index)
    {
        const std::string& part = parts[index];
        const bool last = index + 1 == parts.size();
        const ConfigurationObject* child = address.object->getConfigurationObject(part);
        if (last && (address.value = address.object->getConfigurationValue(part)) != nullptr)
            address.kind = ValueAddress::Kind::Value;
        else if (last && child != nullptr && isColour(*child))
            address.kind = ValueAddress::Kind::Colour;
        else if (child != nullptr && !last && !isColour(*child))
        {
            address.objects.push_back({child->getClassName(), part});
            address.object = child;
            continue;
        }
        else if (!last && (address.object->getConfigurationValue(part) != nullptr || (child && isColour(*child))))
        {
            error = address.objectPath() + "/" + part + " is a value and holds nothing named " + parts[index + 1];
            return std::nullopt;
        }
        else if (child != nullptr && !isColour(*child))
        {
            error = address.objectPath() + "/" + part + " is an object; name one of its values: " +
                    address.objectPath() + "/" + part + "/KEY";
            return std::nullopt;
        }
        else
        {
            const std::string place = address.objectPath() + "/" + part;
            error = unknown(last ? "key" : "object", place, namesIn(*address.object));
            return std::nullopt;
        }
        address.key = part;
        if (address.kind == ValueAddress::Kind::Colour)
            address.object = child;
    }
    if (address.kind == ValueAddress::Kind::Group && (!groupAllowed || parts.size() > 1))
    {
        error = name + " is " + (parts.size() > 1 ? "an object" : "a group") + "; name one of its values: " +
                address.objectPath() + "/KEY";
        return std::nullopt;
    }
    return address;
}

}  // namespace QvConfig
}  // namespace Quarvane
