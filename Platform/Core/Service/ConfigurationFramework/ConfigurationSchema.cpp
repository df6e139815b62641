#include "Platform/Core/Service/ConfigurationFramework/ConfigurationSchema.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

namespace Quarvane
{

std::vector<ValueSchema> describeSchema(const ConfigurationObject& object, const std::string& path)
{
    const std::string place = path.empty() ? object.getName() : path;
    std::vector<ValueSchema> schema;
    for (const auto& value : object.getConfigurationValues())
        schema.push_back({place, value->getName(), value->getTypeName(), value->getDefaultValueText(),
                          value->getDescription(), value->getGuiVisibility(), value->getPersistence(),
                          value->getProductType(), value->getRule()});
    for (const auto& child : object.getConfigurationObjects())
    {
        std::vector<ValueSchema> nested = describeSchema(*child, place + "/" + child->getName());
        schema.insert(schema.end(), nested.begin(), nested.end());
    }
    return schema;
}

}  // namespace Quarvane
