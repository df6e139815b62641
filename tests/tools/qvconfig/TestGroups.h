#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

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

// What no library group has yet but the tool must show without knowing the group: a value the
// settings dialog hides, and a child object.
class NestingTestGroup : public ConfigurationObject
{
public:
    NestingTestGroup() : ConfigurationObject("NestingTestGroup", "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<int>("Percent", "A share in percent", 50, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<std::string>("Label", "Shown nowhere", "", 1, 0, 63));
        addConfigurationObject(new LimitsTestObject());
    }
    ConfigurationObject* createConfigurationObject() const override { return new NestingTestGroup(); }
    ConfigurationObject* clone() const override { return new NestingTestGroup(*this); }
};

}  // namespace QvconfigTesting
}  // namespace Quarvane
