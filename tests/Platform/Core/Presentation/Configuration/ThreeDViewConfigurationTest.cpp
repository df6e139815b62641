#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ThreeD = ThreeDViewConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, ThreeD& group)
{
    log.watch(group.m_timeStepCtrlPinnedChangedSignal, "timeStep")
        .watch(group.m_timeStepTableCtrlPinnedChangedSignal, "timeStepTable")
        .watch(group.m_viewOptionCtrlPinnedChangedSignal, "viewOption")
        .watch(group.m_colorScaleCtrlPinnedChangedSignal, "colorScale");
}

TEST(ThreeDViewConfiguration, SettersEmitOnRequestAndCopyReportsWhatDiffered)
{
    ThreeD group;
    EXPECT_FALSE(group.getTimeStepCtrlPinned() || group.getTimeStepTableCtrlPinned() ||
                 group.getViewOptionCtrlPinned() || group.getColorScaleCtrlPinned());
    EmissionLog log;
    watchAll(log, group);
    group.setTimeStepCtrlPinned(false, true);
    group.setViewOptionCtrlPinned(true, false);
    group.setColorScaleCtrlPinned(true, true);
    EXPECT_EQ(log.take(), (Log{"timeStep(false)", "colorScale(true)"}));

    ThreeD source;
    source.setTimeStepTableCtrlPinned(true, false);
    source.setColorScaleCtrlPinned(true, false);
    group.copyFrom(source);
    EXPECT_EQ(log.take(), (Log{"timeStepTable(true)", "viewOption(false)"}));
    EXPECT_TRUE(group.getColorScaleCtrlPinned());

    group.emitSignalsAfterConfigLoading();
    EXPECT_TRUE(log.entries.empty());
}

TEST(ThreeDViewConfiguration, RoundTripThroughFilesIsSilent)
{
    ManagedGroup<ThreeD> first;
    first.load(storedObject("ThreeDViewConfiguration", storedValue("TimeStepCtrlPinned", "bool", "true", true)));
    first->setColorScaleCtrlPinned(true, false);
    first->setTimeStepCtrlPinned(false, false);
    ASSERT_TRUE(first.save());

    ManagedGroup<ThreeD> second;
    EmissionLog log;
    watchAll(log, *second);
    second.loadFilesOf(first);
    EXPECT_TRUE(second->getColorScaleCtrlPinned());
    EXPECT_TRUE(second->getTimeStepCtrlPinned());
    EXPECT_FALSE(second->getEditable(ThreeD::TimeStepCtrlPinnedType));
    EXPECT_TRUE(log.entries.empty());
}

}  // namespace
