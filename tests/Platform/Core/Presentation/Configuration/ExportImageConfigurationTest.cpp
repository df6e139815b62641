#include "Platform/Core/Presentation/Configuration/ExportImageConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = ExportImageConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, Group& group)
{
    log.watch(group.m_imageSizeFactorChangedSignal, "sizeFactor")
        .watch(group.m_animationCustomResolutionChangedSignal, "custom")
        .watch(group.m_animationHeightChangedSignal, "height")
        .watch(group.m_animationWidthChangedSignal, "width")
        .watch(group.m_animationFPChangedSignal, "timePerIncrement");
}

TEST(ExportImageConfiguration, SettersEmitOnlyChangesAndEnforceNoRange)
{
    struct Case
    {
        const char* what;
        void (*act)(Group&);
        Log emitted;
    };
    const Case cases[] = {
        {"same width", [](Group& g) { g.setAnimationWidth(1920); }, {}},
        {"width 0", [](Group& g) { g.setAnimationWidth(0); }, {"width(0)"}},
        {"negative height", [](Group& g) { g.setAnimationHeight(-5); }, {"height(-5)"}},
        {"size factor", [](Group& g) { g.setImageSizeFactor(250); }, {"sizeFactor(250)"}},
        {"same flag", [](Group& g) { g.setAnimationCustomResolution(false); }, {}},
        {"flag", [](Group& g) { g.setAnimationCustomResolution(true); }, {"custom(true)"}},
        {"same time", [](Group& g) { g.setAnimationFP(1.0); }, {}},
        {"time differing in the last bit", [](Group& g) { g.setAnimationFP(1.0000000000000002); },
         {"timePerIncrement(1.0000000000000002)"}},
    };
    for (const Case& c : cases)
    {
        Group group;
        EmissionLog log;
        watchAll(log, group);
        c.act(group);
        EXPECT_EQ(log.entries, c.emitted) << c.what;
    }
    Group group;
    group.setAnimationWidth(0);
    EXPECT_EQ(group.getAnimationWidth(), 0);
}

TEST(ExportImageConfiguration, CopyFromAndLoadingEmitAllFiveInOrder)
{
    Group source;
    source.setAnimationHeight(720);
    Group group;
    EmissionLog log;
    watchAll(log, group);
    const Log all{"sizeFactor(100)", "custom(false)", "height(720)", "width(1920)", "timePerIncrement(1)"};
    group.copyFrom(source);
    EXPECT_EQ(log.take(), all);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), all);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), all);
}

TEST(ExportImageConfiguration, RoundTripThroughFilesKeepsTheLock)
{
    const std::string system =
        storedObject("ExportImageConfiguration", storedValue("ExportAnimationWidth", "int", "1280", true));
    ManagedGroup<Group> first;
    const ConfigurationLoadResult loaded =
        first.load(system, storedObject("ExportImageConfiguration", storedValue("ExportAnimationFP", "double", "x")));
    EXPECT_EQ(loaded.warnings.size(), 1u);
    EXPECT_EQ(first->getAnimationFP(), 1.0);
    first->setAnimationFP(0.25);
    first->setAnimationCustomResolution(true);
    ASSERT_TRUE(first.save());

    ManagedGroup<Group> second;
    EXPECT_TRUE(second.loadFilesOf(first).isClean());
    EXPECT_EQ(second->getAnimationWidth(), 1280);
    EXPECT_FALSE(second->getEditable(Group::AnimationWidthType));
    EXPECT_EQ(second->getAnimationFP(), 0.25);
    EXPECT_TRUE(second->getAnimationCustomResolution());
}

}  // namespace
