#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"

#include "ManagedGroup.h"
#include "SignalRecorder.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;

TEST(TrevoaConfiguration, SetterCopyAndLoadingNotifyTheFlag)
{
    TrevoaConfiguration group;
    EXPECT_FALSE(group.getDisableExportWithoutStandard());
    SignalRecorder<bool> recorder(group.m_disableExportWithoutStandardChangedSignal);
    group.setDisableExportWithoutStandard(false);
    group.setDisableExportWithoutStandard(true);
    TrevoaConfiguration same;
    same.setDisableExportWithoutStandard(true);
    group.copyFrom(same);
    group.copyFrom(TrevoaConfiguration());
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(recorder.calls, (std::vector<std::tuple<bool>>{{true}, {false}, {false}}));
}

TEST(TrevoaConfiguration, RoundTripThroughFilesKeepsTheLock)
{
    ManagedGroup<TrevoaConfiguration> first;
    first.load(storedObject("TrevoaConfiguration", storedValue("DisableExportWithoutStandard", "bool", "true", true)));
    EXPECT_TRUE(first->getDisableExportWithoutStandard());
    first->setDisableExportWithoutStandard(false);
    ASSERT_TRUE(first.save());
    EXPECT_EQ(first.userFileText().find("DisableExportWithoutStandard"), std::string::npos);

    ManagedGroup<TrevoaConfiguration> second;
    second.loadFilesOf(first);
    EXPECT_TRUE(second->getDisableExportWithoutStandard());
}

}  // namespace
