#include "tools/qvconfig/ObjectView.h"

#include "tools/qvconfig/ClassViews.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

namespace Quarvane
{
namespace QvConfig
{
namespace
{
ValueView describeValue(const ConfigurationValueBase& value, ProductType product, bool objectEditable)
{
    ValueView view;
    view.key = value.getName();
    view.type = value.getTypeName();
    view.value = value.getValueText();
    view.defaultValue = value.getDefaultValueText();
    view.description = value.getDescription();
    view.editable = objectEditable && value.isEditable();
    view.visible = value.getGuiVisibility() == 0 && value.belongsToBuildProduct(product);
    return view;
}
}  // namespace

ObjectView describeObject(const ConfigurationObject& object, ProductType product, bool parentEditable,
                          const std::string& parentPath)
{
    ObjectView view;
    view.name = object.getName();
    view.path = parentPath.empty() ? view.name : parentPath + "/" + view.name;
    view.editable = parentEditable && object.isEditable();
    for (const auto& value : object.getConfigurationValues())
        view.values.push_back(describeValue(*value, product, view.editable));
    for (const auto& child : object.getConfigurationObjects())
        view.objects.push_back(describeObject(*child, product, view.editable, view.path));
    applyClassView(object, view);
    return view;
}

std::string describeProduct(ProductType product)
{
    const std::string name = BuildInformation::productName(product);
    const std::string number = std::to_string(product);
    return name == number ? number : name + " (" + number + ")";
}

}  // namespace QvConfig
}  // namespace Quarvane
