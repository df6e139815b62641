#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"

#include "ManagedGroup.h"
#include "SignalRecorder.h"

#include <gtest/gtest.h>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using Manual = SoftwareManualConfiguration;

TEST(SoftwareManualConfiguration, NewGroupOpensTheOnlineManualInEnglish)
{
    Manual group;
    EXPECT_TRUE(group.getOnlineManualFlag());
    EXPECT_EQ(group.getManualLanguage(), QLocale::English);
    EXPECT_EQ(group.getManualLanguageConfig().getValue(), "English");
}

TEST(SoftwareManualConfiguration, SetterStoresTheNameAndEmitsOnceWhenEitherDiffers)
{
    struct Case
    {
        QLocale::Language language;
        bool online;
        std::size_t emissions;
        const char* stored;
    };
    const Case cases[] = {
        {QLocale::English, true, 0, "English"},
        {QLocale::German, true, 1, "German"},
        {QLocale::English, false, 1, "English"},
        {QLocale::NorwegianBokmal, true, 1, "Norwegian Bokmal"},
    };
    for (const Case& c : cases)
    {
        Manual group;
        SignalRecorder<> recorder(group.m_softwareManualChangedSignal);
        group.setManualLanguage(c.language, c.online);
        EXPECT_EQ(recorder.calls.size(), c.emissions) << c.stored;
        EXPECT_EQ(group.getManualLanguageConfig().getValue(), c.stored);
        EXPECT_EQ(group.getOnlineManualFlag(), c.online);
        EXPECT_EQ(group.getManualLanguage(), c.language);
    }
}

TEST(SoftwareManualConfiguration, CopyFromIsSilentLoadingEmitsOnce)
{
    Manual source;
    source.setManualLanguage(QLocale::French, false);
    Manual group;
    SignalRecorder<> recorder(group.m_softwareManualChangedSignal);
    group.copyFrom(source);
    EXPECT_TRUE(recorder.calls.empty());
    EXPECT_EQ(group.getManualLanguage(), QLocale::French);
    group.emitSignalsAfterConfigLoading();
    EXPECT_EQ(recorder.calls.size(), 1u);
}

TEST(SoftwareManualConfiguration, UnknownStoredLanguageLoadsAsTheDefaultUnlessLockedEarlier)
{
    struct Case
    {
        std::string firstFile;
        std::string secondFile;
        const char* stored;
    };
    const auto language = [](const char* name, bool locked = false) {
        return storedObject("SoftwareManualConfiguration", storedValue("ManualLanguage", "string", name, locked));
    };
    const Case cases[] = {
        {language("Klingon"), "", "English"},
        {language("german"), "", "german"},
        {language("Klingon", true), "", "English"},  // repaired in the very file that locks it
        {language("French", true), language("Klingon"), "French"},
    };
    for (const Case& c : cases)
    {
        Manual group;
        std::vector<ConfigReader> layers{ConfigReader::fromXml(configurationXml(c.firstFile))};
        if (!c.secondFile.empty())
            layers.push_back(ConfigReader::fromXml(configurationXml(c.secondFile)));
        ConfigReader::layered(layers).readConfigurationObject(group.getName(), group);
        EXPECT_EQ(group.getManualLanguageConfig().getValue(), c.stored) << c.firstFile;
    }

    Manual group;
    // An unknown name already held and locked (an earlier load cannot leave one; a copy can).
    auto& stored = dynamic_cast<ConfigurationValue<std::string>&>(*group.getConfigurationValue("ManualLanguage"));
    stored.setValue("Klingon");
    stored.setEditable(false);
    ConfigReader::fromXml(configurationXml(language("German"))).readConfigurationObject(group.getName(), group);
    EXPECT_EQ(group.getManualLanguageConfig().getValue(), "Klingon");
    EXPECT_EQ(group.getManualLanguage(), QLocale::English);
}

TEST(SoftwareManualConfiguration, RoundTripThroughFilesKeepsTheLock)
{
    ManagedGroup<Manual> first;
    first.load(storedObject("SoftwareManualConfiguration", storedValue("OnlineManual", "bool", "false", true)));
    first->setManualLanguage(QLocale::Japanese, true);
    ASSERT_TRUE(first.save());

    ManagedGroup<Manual> second;
    SignalRecorder<> recorder(second->m_softwareManualChangedSignal);
    second.loadFilesOf(first);
    EXPECT_EQ(second->getManualLanguage(), QLocale::Japanese);
    EXPECT_FALSE(second->getOnlineManualFlag());
    EXPECT_EQ(recorder.calls.size(), 1u);
}

}  // namespace
