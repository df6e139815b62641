#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"

#include "EmissionLog.h"
#include "ManagedGroup.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Group = UpdateConfiguration;
using Log = std::vector<std::string>;

void watchAll(EmissionLog& log, Group& group)
{
    log.watch(group.m_checkOnNextStartChangedSignal, "nextStart")
        .watch(group.m_applicationUpdatesChangedSignal, "application")
        .watch(group.m_materialUpdatesChangedSignal, "material")
        .watch(group.m_newsUpdatesChangedSignal, "news");
}

TEST(UpdateConfiguration, SettersEmitTheChangeAsEditable)
{
    Group group;
    EXPECT_EQ(group.getName(), Group::s_tag);
    EmissionLog log;
    watchAll(log, group);
    group.setNewsUpdates(true);
    group.setNewsUpdates(true);
    group.setApplicationUpdates(false);
    group.setMaterialUpdates(true);
    group.setCheckOnNextStart(true);
    EXPECT_EQ(log.entries, (Log{"news(true,true)", "material(true,true)", "nextStart(true,true)"}));
    EXPECT_TRUE(group.getNewsUpdates() && group.getMaterialUpdates() && group.getCheckOnNextStart());
    EXPECT_FALSE(group.getApplicationUpdates());
}

TEST(UpdateConfiguration, CopyIsSilentAndLoadingReportsEachValuesOwnFlag)
{
    Group source;
    source.setMaterialUpdates(true);
    source.getConfigurationValue("MaterialUpdates")->setEditable(false);
    Group group;
    EmissionLog log;
    watchAll(log, group);
    group.copyFrom(source);
    EXPECT_TRUE(log.entries.empty());
    EXPECT_TRUE(group.getMaterialUpdates());
    EXPECT_FALSE(group.getEditable(Group::MaterialUpdatesType));

    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.entries, (Log{"application(true,false)", "material(false,true)", "news(true,false)",
                                "nextStart(true,false)"}));
}

TEST(UpdateConfiguration, RoundTripThroughFilesReportsTheLock)
{
    ManagedGroup<Group> first;
    first.load(storedObject("UpdateConfiguration", storedValue("MaterialUpdates", "bool", "true", true)));
    first->setNewsUpdates(true);
    ASSERT_TRUE(first.save());

    ManagedGroup<Group> second;
    EmissionLog log;
    watchAll(log, *second);
    second.loadFilesOf(first);
    EXPECT_EQ(log.entries, (Log{"application(true,false)", "material(false,true)", "news(true,true)",
                                "nextStart(true,false)"}));
}

}  // namespace
