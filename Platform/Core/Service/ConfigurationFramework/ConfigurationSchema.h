#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"
#include "Platform/Core/Service/ConfigurationFramework/ValueRule.h"

#include <string>
#include <vector>

namespace Quarvane
{

class ConfigurationObject;

// The declaration of one value, as tools and documentation read it; nothing in it changes a
// value.
struct ValueSchema
{
    std::string group;  // the object's path, "ExportOffsetSurfaceConfiguration/OffsetSkin"
    std::string key;
    std::string type;  // the type's name in the file format
    std::string defaultText;
    std::string description;
    GuiVisibility visibility = GuiVisibilities::Shown;
    Persistence persistence = Persistences::UserSetting;
    ProductType products = 0;
    ValueRule rule;
};

// The declarations of `object`'s values and of its children's, in declaration order, each
// under its path below `path` (the object's own name when empty).
std::vector<ValueSchema> describeSchema(const ConfigurationObject& object, const std::string& path = {});

}  // namespace Quarvane
