#include "tools/qvconfig/ColorView.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"

#include <cmath>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
// A component as the byte a person would type for it; "-" when it has none (outside 0..1, NaN).
std::string byteText(float component)
{
    if (!(component >= 0.0f && component <= 1.0f))
        return "-";
    return std::to_string(std::lround(component * 255.0f));
}

// The floats as the configuration file stores them.
std::string floatsText(const ColorRGB& color)
{
    return ConfigValueText::format(color.red) + "," + ConfigValueText::format(color.green) + "," +
           ConfigValueText::format(color.blue);
}
}  // namespace

std::string colorBytesText(const ColorRGB& color)
{
    return byteText(color.red) + "," + byteText(color.green) + "," + byteText(color.blue);
}

bool describeColorConfiguration(const ConfigurationObject& object, ObjectView& view)
{
    const auto* colors = dynamic_cast<const ColorConfiguration*>(&object);
    if (colors == nullptr)
        return false;
    // What restoring the defaults would give this group: its application's series included.
    ColorConfiguration defaults;
    defaults.changeDefaultsForType(colors->getApplicationType());

    ListingView listing;
    listing.headers = {"KEY", "TYPE", "VALUE", "VALUE (FLOAT)", "DEFAULT", "DEFAULT (FLOAT)", "EDITABLE", "NAME"};
    listing.fields = {"key", "type", "value", "valueFloat", "default", "defaultFloat", "editable", "name"};
    for (const auto& [type, key] : colors->getColorKeys())
    {
        const ColorRGB color = colors->getColor(type);
        const ColorRGB defaultColor = defaults.getColor(type);
        listing.rows.push_back({key, std::to_string(static_cast<int>(type)), colorBytesText(color), floatsText(color),
                                colorBytesText(defaultColor), floatsText(defaultColor),
                                colors->getEditable(type) ? "yes" : "no",
                                ColorConfiguration::getColorName(type).toStdString()});
    }
    view.listing = std::move(listing);
    view.objects.clear();
    return true;
}

}  // namespace QvConfig
}  // namespace Quarvane
