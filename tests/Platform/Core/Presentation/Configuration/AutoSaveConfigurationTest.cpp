#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "EmissionLog.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace
{
using namespace Quarvane;
using Testing::EmissionLog;
using Log = std::vector<std::string>;

TEST(AutoSaveConfiguration, SetterAndCopyEmitOnceOnlyWhenSomethingDiffersAndLoadingAlways)
{
    AutoSaveConfiguration group;
    EmissionLog log;
    log.watch(group.m_autoSaveOptionsChangedSignal, "options");
    group.setAutoSaveOptions(0, 5);
    group.copyFrom(AutoSaveConfiguration());
    EXPECT_TRUE(log.entries.empty());

    group.setAutoSaveOptions(1, 5);
    group.setAutoSaveOptions(1, 30);
    group.setAutoSaveOptions(-4, 100000);  // the group takes any int
    EXPECT_EQ(log.take(), (Log{"options(5,1)", "options(30,1)", "options(100000,-4)"}));
    EXPECT_EQ(group.getAutoSaveOption(), -4);
    EXPECT_EQ(group.getAutoSaveIntervalInMinutes(), 100000);

    AutoSaveConfiguration otherInterval;  // one of the two differs
    otherInterval.setAutoSaveOptions(-4, 12);
    group.copyFrom(otherInterval);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(log.take(), (Log{"options(12,-4)", "options(12,-4)"}));
}

TEST(AutoSaveConfiguration, OptionIsVisibleInTheProductsOfItsMask)
{
    AutoSaveConfiguration group;
    const ProductType running = BuildInformation::getProductType();
    for (ProductType product = 1; product <= 32; product *= 2)
    {
        BuildInformation::setProductType(product);
        EXPECT_EQ(group.isAutoSaveOptionVisible(), (product & 37) != 0) << "product " << product;
    }
    BuildInformation::setProductType(running);
}

TEST(AutoSaveConfiguration, RacingThreadsRegisterOneInstanceOnce)
{
    ConfigurationManager::ScopedInstance scope;
    std::vector<AutoSaveConfiguration*> seen(16, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = AutoSaveConfiguration::getRegisteredInstance(); });
    for (std::thread& thread : threads)
        thread.join();
    for (AutoSaveConfiguration* instance : seen)
        EXPECT_EQ(instance, seen.front());
    EXPECT_EQ(ConfigurationManager::getInstance().getConfigurationObject("AutoSaveConfiguration"), seen.front());
    EXPECT_EQ(ConfigurationManager::getInstance().getConfigurationObjectNames(),
              std::vector<std::string>{"AutoSaveConfiguration"});
}

}  // namespace
