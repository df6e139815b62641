#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"

#include "ManagedGroup.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = ExportOffsetSurfaceConfiguration;

std::string storedSkin(const std::string& name, const std::string& values, bool locked = false)
{
    return "<object class=\"SkinConfiguration\" name=\"" + name + "\"" + (locked ? " editable=\"false\"" : "") + ">" +
           values + "</object>";
}

void loadSystemFile(Group& group, const std::string& content)
{
    ConfigReader::fromXml(configurationXml(storedObject(group.getName(), content)))
        .readConfigurationObject(group.getName(), group);
}

TEST(ExportOffsetSurfaceConfiguration, NewGroupHoldsThreeDefaultSkins)
{
    Group group;
    const std::pair<Group::SkinTypes, double> offsets[] = {
        {Group::SubstitutionSkin, 0.0}, {Group::OffsetSkinAbove, 50.0}, {Group::OffsetSkinBelow, 50.0}};
    for (const auto& [type, offset] : offsets)
    {
        const SkinConfiguration skin = group.getSkinConfiguration(type);
        EXPECT_EQ(skin.getOffset(), offset) << type;
        EXPECT_TRUE(skin.isEnabled());
        EXPECT_EQ(skin.getTolerance(), 2.0);
        EXPECT_EQ(skin.getFaceNumberU(), 1);
        EXPECT_EQ(skin.getFaceNumberV(), 2);
    }
    EXPECT_EQ(group.getSkinConfiguration(Group::OffsetSkinBelow).getName(), "OffsetSkinBelow");
    EXPECT_EQ(group.getSkinConfiguration(static_cast<Group::SkinTypes>(7)).getName(), "SkinConfiguration");
    EXPECT_TRUE(group.getConfigurationValues().empty());
    EXPECT_FALSE(group.hasNonEditableEntries());
}

TEST(ExportOffsetSurfaceConfiguration, FaceNumbersBelowOneAreInvalid)
{
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"0", false}, {"-3", false}};
    for (const auto& [faces, valid] : cases)
    {
        Group group;
        loadSystemFile(group, storedSkin("SubstitutionSkin", storedValue("FaceNumberU", "int", faces) +
                                                                 storedValue("FaceNumberV", "int", faces)));
        EXPECT_EQ(group.getSkinConfiguration(Group::SubstitutionSkin).isValidFaceNumberU(), valid) << faces;
        EXPECT_EQ(group.getSkinConfiguration(Group::SubstitutionSkin).isValidFaceNumberV(), valid) << faces;
    }
}

TEST(ExportOffsetSurfaceConfiguration, SavesTheSkinsInTypeOrderBeforeItsOwnContent)
{
    Group group;
    ConfigWriter writer;
    writer.putClassContents(group.getName(), group.getName(), group, "");
    const std::string xml = writer.toXml();
    const auto substitution = xml.find("name=\"SubstitutionSkin\"");
    const auto above = xml.find("name=\"OffsetSkinAbove\"");
    const auto below = xml.find("name=\"OffsetSkinBelow\"");
    ASSERT_NE(below, std::string::npos) << xml;
    EXPECT_LT(substitution, above);
    EXPECT_LT(above, below);
    EXPECT_NE(xml.find("class=\"SkinConfiguration\" name=\"OffsetSkinAbove\""), std::string::npos) << xml;

    Group reloaded;
    ASSERT_TRUE(ConfigReader::fromXml(xml).readConfigurationObject(group.getName(), reloaded));
    EXPECT_EQ(reloaded.getSkinConfiguration(Group::OffsetSkinAbove).getOffset(), 50.0);
}

TEST(ExportOffsetSurfaceConfiguration, ALockedValueLocksItsSkinAndLaterFilesCannotChangeIt)
{
    Group group;
    loadSystemFile(group, storedSkin("OffsetSkinBelow", storedValue("Offset", "double", "30", true)));
    EXPECT_FALSE(group.getSkinConfiguration(Group::OffsetSkinBelow).isEditable());
    EXPECT_TRUE(group.getSkinConfiguration(Group::OffsetSkinAbove).isEditable());
    EXPECT_TRUE(group.hasNonEditableEntries());

    loadSystemFile(group, storedSkin("OffsetSkinBelow", storedValue("Tolerance", "double", "0.5")) +
                              storedSkin("OffsetSkinAbove", storedValue("Tolerance", "double", "0.5")));
    EXPECT_EQ(group.getSkinConfiguration(Group::OffsetSkinBelow).getOffset(), 30.0);
    EXPECT_EQ(group.getSkinConfiguration(Group::OffsetSkinBelow).getTolerance(), 2.0);
    EXPECT_EQ(group.getSkinConfiguration(Group::OffsetSkinAbove).getTolerance(), 0.5);

    Group lockedAsAWhole;
    loadSystemFile(lockedAsAWhole, storedSkin("SubstitutionSkin", storedValue("Offset", "double", "5"), true));
    EXPECT_FALSE(lockedAsAWhole.getSkinConfiguration(Group::SubstitutionSkin).isEditable());
    EXPECT_EQ(lockedAsAWhole.getSkinConfiguration(Group::SubstitutionSkin).getOffset(), 5.0);
}

TEST(ExportOffsetSurfaceConfiguration, LockedGroupReadsNeitherSkinsNorItsOwnContent)
{
    Group group;
    group.setEditable(false);
    loadSystemFile(group, storedSkin("SubstitutionSkin", storedValue("Tolerance", "double", "9")));
    EXPECT_EQ(group.getSkinConfiguration(Group::SubstitutionSkin).getTolerance(), 2.0);
    EXPECT_TRUE(group.hasNonEditableEntries());
}

TEST(ExportOffsetSurfaceConfiguration, FreshSkinsAndGroupsKeepNameAndKindButNotValues)
{
    Group group;
    loadSystemFile(group, storedSkin("OffsetSkinAbove", storedValue("Offset", "double", "12", true)));
    const SkinConfiguration above = group.getSkinConfiguration(Group::OffsetSkinAbove);
    const std::unique_ptr<ConfigurationObject> freshSkin(above.createConfigurationObject());
    const auto* skin = dynamic_cast<const SkinConfiguration*>(freshSkin.get());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->getName(), "OffsetSkinAbove");
    EXPECT_EQ(skin->getOffset(), 50.0);
    EXPECT_TRUE(skin->isEditable());

    const Group copy(group);
    EXPECT_EQ(copy.getSkinConfiguration(Group::OffsetSkinAbove).getOffset(), 12.0);
    EXPECT_TRUE(copy.hasNonEditableEntries());
    group.setDefaultValues();
    EXPECT_EQ(group.getSkinConfiguration(Group::OffsetSkinAbove).getOffset(), 50.0);
    EXPECT_FALSE(group.hasNonEditableEntries());
}

TEST(ExportOffsetSurfaceConfiguration, RoundTripWritesOnlyChangedSkinValuesAndRespectsTheLock)
{
    const std::string system =
        storedObject("ExportOffsetSurfaceConfiguration",
                     storedSkin("OffsetSkinBelow", storedValue("Offset", "double", "30", true)));
    const std::string user = storedObject(
        "ExportOffsetSurfaceConfiguration",
        storedSkin("OffsetSkinAbove", storedValue("FaceNumberU", "int", "4")) +
            storedSkin("SubstitutionSkin", storedValue("Tolerance", "double", "2")));  // equals the default
    ManagedGroup<Group> first;
    first.load(system, user);
    EXPECT_EQ(first->getSkinConfiguration(Group::OffsetSkinBelow).getOffset(), 30.0);
    EXPECT_EQ(first->getSkinConfiguration(Group::OffsetSkinAbove).getFaceNumberU(), 4);
    ASSERT_TRUE(first.save());
    const std::string saved = first.userFileText();
    EXPECT_NE(saved.find("FaceNumberU"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("OffsetSkinBelow"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("SubstitutionSkin"), std::string::npos) << saved;

    ManagedGroup<Group> second;
    second.loadFilesOf(first);
    EXPECT_EQ(second->getSkinConfiguration(Group::OffsetSkinAbove).getFaceNumberU(), 4);
    EXPECT_EQ(second->getSkinConfiguration(Group::OffsetSkinBelow).getOffset(), 30.0);
    EXPECT_TRUE(second->hasNonEditableEntries());
}

}  // namespace
