#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"

#include "Platform/Core/Service/BuildInformation/BuildInformation.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "SignalRecorder.h"

#include <gtest/gtest.h>

#include <QtCore/QTemporaryDir>

#include <thread>
#include <vector>

namespace
{
using namespace Quarvane;
using Testing::SignalRecorder;
using Emissions = std::vector<std::tuple<int, int>>;

TEST(AutoSaveConfiguration, NewGroupHoldsTheDefaults)
{
    AutoSaveConfiguration group;
    EXPECT_EQ(group.getName(), "AutoSaveConfiguration");
    EXPECT_EQ(group.getAutoSaveOption(), 0);
    EXPECT_EQ(group.getAutoSaveIntervalInMinutes(), 5);
    const auto& values = group.getConfigurationValues();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0]->getName(), "AutoSaveEnabled");
    EXPECT_EQ(values[0]->getDescription(), "Set auto save option to Disable(0), Enable(1) or Ask the User(2)");
    EXPECT_EQ(values[1]->getName(), "AutoSaveInterval");
    EXPECT_EQ(values[1]->getDescription(), "The interval in which each design is automatically saved in minutes.");
    for (const auto& value : values)
    {
        EXPECT_EQ(value->getGuiVisibility(), 0);
        EXPECT_EQ(value->getPersistence(), 0);
        EXPECT_EQ(value->getProductType(), 37);
    }
}

TEST(AutoSaveConfiguration, SetterStoresBothAndEmitsOnceOnlyWhenSomethingDiffers)
{
    AutoSaveConfiguration group;
    SignalRecorder<int, int> recorder(group.m_autoSaveOptionsChangedSignal);
    group.setAutoSaveOptions(0, 5);
    EXPECT_TRUE(recorder.calls.empty());

    group.setAutoSaveOptions(1, 5);
    group.setAutoSaveOptions(1, 30);
    group.setAutoSaveOptions(-4, 100000);  // the group takes any int
    EXPECT_EQ(recorder.calls, (Emissions{{5, 1}, {30, 1}, {100000, -4}}));
    EXPECT_EQ(group.getAutoSaveOption(), -4);
    EXPECT_EQ(group.getAutoSaveIntervalInMinutes(), 100000);
}

TEST(AutoSaveConfiguration, CopyFromEmitsOnceWhenAnythingDiffered)
{
    AutoSaveConfiguration group;
    SignalRecorder<int, int> recorder(group.m_autoSaveOptionsChangedSignal);
    AutoSaveConfiguration same;
    group.copyFrom(same);
    EXPECT_TRUE(recorder.calls.empty());

    AutoSaveConfiguration otherInterval;
    otherInterval.setAutoSaveOptions(0, 12);
    group.copyFrom(otherInterval);
    EXPECT_EQ(recorder.calls, (Emissions{{12, 0}}));
    EXPECT_EQ(group.getAutoSaveIntervalInMinutes(), 12);
}

TEST(AutoSaveConfiguration, EditableFollowsTheGroupThenTheValue)
{
    AutoSaveConfiguration group;
    EXPECT_TRUE(group.getEditable(AutoSaveConfiguration::OptionType));
    EXPECT_TRUE(group.getEditable(static_cast<AutoSaveConfiguration::Types>(2)));
    EXPECT_TRUE(group.getEditable(static_cast<AutoSaveConfiguration::Types>(-1)));

    group.getConfigurationValue(AutoSaveConfiguration::s_autoSaveIntervalTag)->setEditable(false);
    EXPECT_TRUE(group.getEditable(AutoSaveConfiguration::OptionType));
    EXPECT_FALSE(group.getEditable(AutoSaveConfiguration::IntervalType));

    group.setEditable(false);
    EXPECT_FALSE(group.getEditable(AutoSaveConfiguration::OptionType));
    EXPECT_FALSE(group.getEditable(static_cast<AutoSaveConfiguration::Types>(2)));
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

TEST(AutoSaveConfiguration, EmitsAfterLoadingEvenWhenNothingChanged)
{
    AutoSaveConfiguration group;
    SignalRecorder<int, int> recorder(group.m_autoSaveOptionsChangedSignal);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(recorder.calls, (Emissions{{5, 0}}));
}

TEST(AutoSaveConfiguration, LoadsThroughTheManagerAndReportsTheLoadedValues)
{
    QTemporaryDir dir;
    const QString user = dir.filePath("user.xml");
    QFile file(user);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<QuarvaneConfiguration version=\"1\"><object name=\"AutoSaveConfiguration\">"
               "<value key=\"AutoSaveEnabled\" type=\"int\">2</value></object></QuarvaneConfiguration>");
    file.close();

    ConfigurationManager manager;
    auto group = std::make_shared<AutoSaveConfiguration>();
    manager.addConfigurationObject(group, group->getName());
    SignalRecorder<int, int> recorder(group->m_autoSaveOptionsChangedSignal);
    manager.loadConfiguration({}, user.toStdString());
    EXPECT_EQ(recorder.calls, (Emissions{{5, 2}}));

    group->setAutoSaveOptions(2, 15);
    std::string error;
    ASSERT_TRUE(manager.saveUserConfiguration(user.toStdString(), &error)) << error;
    AutoSaveConfiguration reloaded;
    ASSERT_TRUE(ConfigReader::fromFile(user.toStdString()).readConfigurationObject(reloaded.getName(), reloaded));
    EXPECT_EQ(reloaded.getAutoSaveOption(), 2);
    EXPECT_EQ(reloaded.getAutoSaveIntervalInMinutes(), 15);
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
