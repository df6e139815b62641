#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include "EmissionLog.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;

class Speeds : public ConfigurationObject
{
public:
    Speeds() : ConfigurationObject("Speeds", "", 0, 63)
    {
        addConfigurationValue(new ConfigurationValue<int>("Speed", "", 50, 0, 0, 63));
        addConfigurationValue(new ConfigurationValue<std::string>("Name", "", "", 1, 0, 63));
    }
    void setSpeed(int speed)
    {
        GroupSupport::setAndNotify(*this, "Speed", speed, m_speedChanged, [](int v) { return std::clamp(v, 1, 100); });
    }
    Signals::Signal<void(int)> m_speedChanged;
};

TEST(GroupSupport, SetterComparesBeforeClampingStoresTheClampedValueAndEmitsIt)
{
    Speeds group;
    EmissionLog recorder;
    recorder.watch(group.m_speedChanged, "speed");
    group.setSpeed(50);
    group.setSpeed(500);
    group.setSpeed(500);  // differs from the stored 100 before clamping: stored and emitted again
    group.setSpeed(-3);
    EXPECT_EQ(recorder.entries, (std::vector<std::string>{"speed(100)", "speed(100)", "speed(1)"}));
}

TEST(GroupSupport, TypedLookupOfAMissingOrMistypedValueIsAProgrammingError)
{
    Speeds group;
    const auto errorOf = [&group](auto lookup) {
        try
        {
            lookup(group);
        }
        catch (const QvLogicException& error)
        {
            return error.getMessage();
        }
        return std::string("no error");
    };
    EXPECT_EQ(errorOf([](Speeds& g) { GroupSupport::valueOf<int>(g, "Nope"); }), "Speeds/Nope: no such value");
    EXPECT_EQ(errorOf([](Speeds& g) { GroupSupport::valueOf<double>(g, "Speed"); }),
              "Speeds/Speed: is a int value, not a double value");
    EXPECT_EQ(errorOf([](Speeds& g) { GroupSupport::checkPosition<std::string>(g, 0, "Name"); }),
              "Speeds/Name: is not declared at position 0");
    EXPECT_EQ(errorOf([](Speeds& g) { GroupSupport::checkPosition<int>(g, 0, "Speed"); }), "no error");
}

TEST(GroupSupport, HiddenValuesAreNeverVisible)
{
    Speeds group;
    EXPECT_TRUE(GroupSupport::isVisible(group, "Speed"));
    EXPECT_FALSE(GroupSupport::isVisible(group, "Name"));
    EXPECT_FALSE(GroupSupport::isVisible(group, "Nope"));
}

}  // namespace
