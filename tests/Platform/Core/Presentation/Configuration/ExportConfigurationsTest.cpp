#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"

#include "GroupTestSupport.h"

#include <memory>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Image = ExportImageConfiguration;
using Surface = ExportOffsetSurfaceConfiguration;

void watchImage(EmissionLog& log, Image& group)
{
    log.watch(group.m_imageSizeFactorChangedSignal, "sizeFactor")
        .watch(group.m_animationCustomResolutionChangedSignal, "custom")
        .watch(group.m_animationHeightChangedSignal, "height")
        .watch(group.m_animationWidthChangedSignal, "width")
        .watch(group.m_animationFPChangedSignal, "timePerIncrement");
}

TEST(ExportImageConfiguration, SettersEmitOnlyChangesAndEnforceNoRange)
{
    expectEmissions(watchImage, {
        {"same values", [](Image& g) {
             g.setAnimationWidth(1920); g.setAnimationCustomResolution(false); g.setAnimationFP(1.0);
         }, {}},
        {"no range", [](Image& g) { g.setAnimationWidth(0); g.setAnimationHeight(-5); g.setImageSizeFactor(250); },
         {"width(0)", "height(-5)", "sizeFactor(250)"}},
        {"flag", [](Image& g) { g.setAnimationCustomResolution(true); }, {"custom(true)"}},
        {"time differing in the last bit", [](Image& g) { g.setAnimationFP(1.0000000000000002); },
         {"timePerIncrement(1.0000000000000002)"}},
    });
}

TEST(ExportImageConfiguration, CopyFromAndLoadingEmitAllFiveInOrder)
{
    Image source, group;
    source.setAnimationHeight(720);
    EmissionLog log;
    watchImage(log, group);
    const Log all{"sizeFactor(100)", "custom(false)", "height(720)", "width(1920)", "timePerIncrement(1)"};
    for (int copy = 0; copy < 2; ++copy)
    {
        group.copyFrom(source);
        EXPECT_EQ(log.take(), all) << copy;
    }
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), all);
}

std::string storedSkin(const std::string& name, const std::string& values, bool locked = false)
{
    return "<object class=\"SkinConfiguration\" name=\"" + name + "\"" + (locked ? " editable=\"false\"" : "") + ">" +
           values + "</object>";
}

TEST(ExportOffsetSurfaceConfiguration, SkinsAreFoundByTypeAndFaceNumbersBelowOneAreInvalid)
{
    Surface group;
    EXPECT_EQ(group.getSkinConfiguration(Surface::SubstitutionSkin).getOffset(), 0.0);
    EXPECT_EQ(group.getSkinConfiguration(Surface::OffsetSkinBelow).getName(), "OffsetSkinBelow");
    EXPECT_EQ(group.getSkinConfiguration(static_cast<Surface::SkinTypes>(7)).getName(), "SkinConfiguration");
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"0", false}, {"-3", false}};
    for (const auto& [faces, valid] : cases)
    {
        loadSystemFile(group, storedSkin("SubstitutionSkin", storedValue("FaceNumberU", "int", faces) +
                                                                 storedValue("FaceNumberV", "int", faces)));
        EXPECT_EQ(group.getSkinConfiguration(Surface::SubstitutionSkin).isValidFaceNumberU(), valid) << faces;
        EXPECT_EQ(group.getSkinConfiguration(Surface::SubstitutionSkin).isValidFaceNumberV(), valid) << faces;
    }
}

TEST(ExportOffsetSurfaceConfiguration, SavesTheSkinsInTypeOrderBeforeItsOwnContent)
{
    Surface group;
    ConfigWriter writer;
    writer.putClassContents(group.getName(), group.getName(), group, "");
    const std::string xml = writer.toXml();
    const auto below = xml.find("name=\"OffsetSkinBelow\"");
    ASSERT_NE(below, std::string::npos) << xml;
    EXPECT_LT(xml.find("name=\"SubstitutionSkin\""), xml.find("name=\"OffsetSkinAbove\""));
    EXPECT_LT(xml.find("name=\"OffsetSkinAbove\""), below);
    EXPECT_NE(xml.find("class=\"SkinConfiguration\" name=\"OffsetSkinAbove\""), std::string::npos) << xml;
}

TEST(ExportOffsetSurfaceConfiguration, ALockedValueLocksItsSkinAndLaterFilesCannotChangeIt)
{
    Surface group;
    loadSystemFile(group, storedSkin("OffsetSkinBelow", storedValue("Offset", "double", "30", true)));
    EXPECT_FALSE(group.getSkinConfiguration(Surface::OffsetSkinBelow).isEditable());
    EXPECT_TRUE(group.getSkinConfiguration(Surface::OffsetSkinAbove).isEditable());
    EXPECT_TRUE(group.hasNonEditableEntries());
    loadSystemFile(group, storedSkin("OffsetSkinBelow", storedValue("Tolerance", "double", "0.5")) +
                              storedSkin("OffsetSkinAbove", storedValue("Tolerance", "double", "0.5")));
    EXPECT_EQ(group.getSkinConfiguration(Surface::OffsetSkinBelow).getOffset(), 30.0);
    EXPECT_EQ(group.getSkinConfiguration(Surface::OffsetSkinBelow).getTolerance(), 2.0);
    EXPECT_EQ(group.getSkinConfiguration(Surface::OffsetSkinAbove).getTolerance(), 0.5);

    Surface lockedSkin, lockedGroup;
    loadSystemFile(lockedSkin, storedSkin("SubstitutionSkin", storedValue("Offset", "double", "5"), true));
    EXPECT_FALSE(lockedSkin.getSkinConfiguration(Surface::SubstitutionSkin).isEditable());
    EXPECT_EQ(lockedSkin.getSkinConfiguration(Surface::SubstitutionSkin).getOffset(), 5.0);
    lockedGroup.setEditable(false);  // reads neither skins nor its own content
    loadSystemFile(lockedGroup, storedSkin("SubstitutionSkin", storedValue("Tolerance", "double", "9")));
    EXPECT_EQ(lockedGroup.getSkinConfiguration(Surface::SubstitutionSkin).getTolerance(), 2.0);
    EXPECT_TRUE(lockedGroup.hasNonEditableEntries());
}

TEST(ExportOffsetSurfaceConfiguration, FreshSkinsAndGroupsKeepNameAndKindButNotValues)
{
    Surface group;
    loadSystemFile(group, storedSkin("OffsetSkinAbove", storedValue("Offset", "double", "12", true)));
    const std::unique_ptr<ConfigurationObject> fresh(
        group.getSkinConfiguration(Surface::OffsetSkinAbove).createConfigurationObject());
    const auto* skin = dynamic_cast<const SkinConfiguration*>(fresh.get());
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->getName(), "OffsetSkinAbove");
    EXPECT_EQ(skin->getOffset(), 50.0);
    EXPECT_TRUE(skin->isEditable());
    const Surface copy(group);
    EXPECT_EQ(copy.getSkinConfiguration(Surface::OffsetSkinAbove).getOffset(), 12.0);
    EXPECT_TRUE(copy.hasNonEditableEntries());
    group.setDefaultValues();
    EXPECT_EQ(group.getSkinConfiguration(Surface::OffsetSkinAbove).getOffset(), 50.0);
    EXPECT_FALSE(group.hasNonEditableEntries());
}

}  // namespace
