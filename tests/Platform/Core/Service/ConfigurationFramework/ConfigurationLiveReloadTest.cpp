// Live reload: other processes and administrators change the files; the running manager follows.
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "SampleObjects.h"

#include <gmock/gmock.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QElapsedTimer>
#include <QtCore/QSaveFile>

#include <functional>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using Keys = std::vector<std::string>;

// Records what each reload hands over.
class ReloadProbe : public SampleGroup
{
public:
    void takeOverReloadedContent(const ConfigurationObject& reloaded, const Keys& changedKeys) override
    {
        ++takeOvers;
        keys = changedKeys;
        SampleGroup::takeOverReloadedContent(reloaded, changedKeys);
    }
    int takeOvers = 0;
    Keys keys;
};

// As another process saves: a new file renamed over the old one.
void replaceFile(const QString& path, const std::string& objects)
{
    QSaveFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(configurationXml(objects)));
    ASSERT_TRUE(file.commit());
}

const std::string s_count10 = "<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">10</value></object>";
const std::string s_count20 = "<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">20</value></object>";
const std::string s_lockCount10 =
    "<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\" editable=\"false\">10</value></object>";

struct Reload
{
    const char* name;
    std::string siteBefore;
    std::function<void(ReloadProbe& group)> changeInMemory;  // unsaved, before the files change
    std::string siteAfter;
    std::string userAfter;
    // Expected:
    int takeOvers;
    Keys keys;
    int emissions;  // after the load's own
    std::string count;
    bool countEditable;
    std::string factor;
    bool reportsError;
};

TEST(ConfigurationLiveReload, FollowsTheFilesAndTellsExactlyWhatChanged)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    const auto nothing = [](ReloadProbe&) {};
    const std::vector<Reload> reloads = {
        {"another process saved a new value", "", nothing, "", s_count20, 1, {"Count"}, 1, "20", true, "0.5", false},
        {"the same content saved again", "", nothing, "", s_count10, 0, {}, 0, "10", true, "0.5", false},
        {"a site file locks the current value", "", nothing, s_lockCount10, s_count10, 1, {}, 0, "10", false, "0.5",
         false},
        {"a site file lifts its lock", s_lockCount10, nothing, "", s_count20, 1, {"Count"}, 1, "20", true, "0.5",
         false},
        {"an unsaved change of this process is kept", "",
         [](ReloadProbe& group) { group.value<double>("Factor").setValue(3.5); }, "", s_count20, 1, {"Count"}, 1,
         "20", true, "3.5", false},
        {"a broken save keeps what was loaded", "", nothing, "", "<object name=\"SampleGroup\">", 0, {}, 0, "10",
         true, "0.5", true},
    };
    for (const Reload& reload : reloads)
    {
        SCOPED_TRACE(reload.name);
        QTemporaryDir dir;
        const QString site = dir.filePath("site.xml");
        const QString user = dir.filePath("user.xml");
        replaceFile(site, reload.siteBefore);
        replaceFile(user, s_count10);
        ConfigurationManager manager;
        auto group = std::make_shared<ReloadProbe>();
        manager.addConfigurationObject(group, "SampleGroup");
        manager.loadConfiguration({site.toStdString()}, user.toStdString());
        reload.changeInMemory(*group);
        const int emissionsAfterLoad = group->emissions;
        int reloads = 0;
        ConfigurationLoadResult reported;
        manager.setReloadListener([&](const ConfigurationLoadResult& result) {
            ++reloads;
            reported = result;
        });
        manager.setLiveReload(true);

        if (reload.siteAfter != reload.siteBefore)
            replaceFile(site, reload.siteAfter);
        replaceFile(user, reload.userAfter);
        QElapsedTimer waited;
        waited.start();
        while (reloads == 0 && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

        ASSERT_GE(reloads, 1) << "no reload within 10 s";
        EXPECT_EQ(group->takeOvers, reload.takeOvers);
        EXPECT_THAT(group->keys, ElementsAreArray(reload.keys));
        EXPECT_EQ(group->emissions - emissionsAfterLoad, reload.emissions);
        EXPECT_EQ(group->getConfigurationValue("Count")->getValueText(), reload.count);
        EXPECT_EQ(group->getConfigurationValue("Count")->isEditable(), reload.countEditable);
        EXPECT_EQ(group->getConfigurationValue("Factor")->getValueText(), reload.factor);
        EXPECT_EQ(!reported.errors.empty(), reload.reportsError);
    }
}

}  // namespace
