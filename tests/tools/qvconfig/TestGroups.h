#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <algorithm>
#include <string>

namespace Quarvane
{
namespace QvconfigTesting
{

class LimitsTestObject : public ConfigurationObject
{
public:
    LimitsTestObject() : ConfigurationObject("Limits", "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<double>("Maximum", "Upper limit", 2.5, 0, 0, 63));
    }
    ConfigurationObject* createConfigurationObject() const override { return new LimitsTestObject(); }
    ConfigurationObject* clone() const override { return new LimitsTestObject(*this); }
};

// What no library group does yet but the tool must handle without knowing the group: a value
// corrected while loading, a value the settings dialog hides, and a child object.
class ClampingTestGroup : public ConfigurationObject
{
public:
    ClampingTestGroup() : ConfigurationObject("ClampingTestGroup", "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<int>("Percent", "A share in percent", 50, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<std::string>("Label", "Shown nowhere", "", 1, 0, 63));
        addConfigurationObject(new LimitsTestObject());
    }

    void loadContent(ConfigReader& reader) override
    {
        ConfigurationObject::loadContent(reader);
        auto& percent = dynamic_cast<ConfigurationValue<int>&>(*getConfigurationValue("Percent"));
        percent.setValue(std::clamp(percent.getValue(), 0, 100));
    }

    ConfigurationObject* createConfigurationObject() const override { return new ClampingTestGroup(); }
    ConfigurationObject* clone() const override { return new ClampingTestGroup(*this); }
};

}  // namespace QvconfigTesting
}  // namespace Quarvane
