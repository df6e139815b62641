#include "SampleObjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;

TEST(ConfigurationObject, AssignmentAdoptsValuesInPlaceSoKeptReferencesStayValid)
{
    SampleGroup target;
    const ConfigurationValue<int>& count = target.value<int>("Count");
    SampleGroup source;
    source.value<int>("Count").setValue(42);
    source.value<int>("Count").setEditable(false);
    source.setEditable(false);

    target = source;
    EXPECT_EQ(count.getValue(), 42);
    EXPECT_FALSE(count.isEditable());
    EXPECT_FALSE(target.isEditable());
    EXPECT_EQ(&count, &target.value<int>("Count"));
}

TEST(ConfigurationObject, CopiesAreDeep)
{
    SamplePalette original;
    SamplePalette copy(original);
    copy.color("Background").r = 0.9f;
    dynamic_cast<ConfigurationValue<int>&>(*copy.getConfigurationValue("Version")).setValue(2);
    EXPECT_EQ(original.color("Background").r, 0.1f);
    EXPECT_EQ(original.getConfigurationValue("Version")->getValueText(), "1");
}

TEST(ConfigurationObject, CreateConfigurationObjectGivesDefaultsUnlocked)
{
    SampleGroup group;
    group.value<int>("Count").setValue(1);
    group.value<int>("Count").setEditable(false);
    std::unique_ptr<ConfigurationObject> fresh(group.ConfigurationObject::createConfigurationObject());
    EXPECT_EQ(fresh->getName(), "SampleGroup");
    EXPECT_EQ(fresh->getConfigurationValue("Count")->getValueText(), "5");
    EXPECT_TRUE(fresh->getConfigurationValue("Count")->isEditable());
    EXPECT_EQ(fresh->getConfigurationValues().size(), group.getConfigurationValues().size());
}

TEST(ConfigurationObject, ComparesValuesByKey)
{
    SampleGroup a, b;
    b.value<double>("Factor").setValue(std::nan(""));
    b.value<std::string>("Path").setValue("elsewhere");
    EXPECT_TRUE(a.compareWithOtherConfigValue(b, "Count"));
    EXPECT_FALSE(a.compareWithOtherConfigValue(b, "Path"));
    EXPECT_FALSE(a.compareWithOtherConfigValue(b, "NoSuchKey"));

    std::vector<std::string> different;
    for (const ConfigurationValueBase* value : a.getDifferentConfigurationValues(b))
        different.push_back(value->getName());
    EXPECT_EQ(different, (std::vector<std::string>{"Factor", "Path"}));

    SampleGroup c(b);
    EXPECT_TRUE(c.compareWithOtherConfigValue(b, "Factor")) << "a stored NaN equals itself";
}

TEST(ConfigurationObject, NonEditableEntriesAnywhereAreReported)
{
    SamplePalette palette;
    EXPECT_FALSE(palette.hasNonEditableEntries());
    palette.color("Highlight").setEditable(false);
    EXPECT_TRUE(palette.hasNonEditableEntries());

    SampleGroup group;
    group.getConfigurationValue("Mask")->setEditable(false);
    EXPECT_TRUE(group.hasNonEditableEntries());
}

TEST(ConfigurationValue, ProductMaskAndDefaults)
{
    ConfigurationValue<int> value("K", "d", 3, 0, 0, 37);
    EXPECT_TRUE(value.belongsToBuildProduct(1));
    EXPECT_FALSE(value.belongsToBuildProduct(2));
    EXPECT_TRUE(value.belongsToBuildProduct(32));
    EXPECT_FALSE(value.hasValue());
    value.setValue(4);
    EXPECT_TRUE(value.hasValue());
    value.resetValue();
    EXPECT_EQ(value.getValue(), 3);

    ConfigurationValue<double> other("K", "d", 3.0, 0, 0, 63);
    EXPECT_FALSE(value.comapreValue(other)) << "values of different types never compare equal";
    EXPECT_FALSE(value.adoptValue(other));
}

}  // namespace
