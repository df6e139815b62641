// Several processes on one user file, and saves that fail half-way: nothing may be lost.
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include "SampleObjects.h"

#include <gmock/gmock.h>

#include <QtCore/QFileInfo>
#include <QtCore/QProcess>

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// A ConfigurationFileClient process, answering one line per command.
class Client
{
public:
    explicit Client(const QStringList& arguments = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(QV_CONFIGURATION_CLIENT), arguments);
        m_process.waitForStarted();
    }
    ~Client()
    {
        send("quit");
        if (!m_process.waitForFinished(10000))
            m_process.kill();
    }

    void send(const std::string& line)
    {
        m_process.write(QByteArray::fromStdString(line + "\n"));
        m_process.waitForBytesWritten();
    }
    std::string answer()
    {
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(60000))
                return "no answer";
        return m_process.readLine().trimmed().toStdString();
    }
    std::string ask(const std::string& line)
    {
        send(line);
        return answer();
    }

private:
    QProcess m_process;
};

std::string storedText(const std::string& file, const std::string& group, const std::string& key)
{
    std::string type, text;
    return ConfigReader::fromFile(file).findStoredValue(group, key, type, text) ? text : "absent";
}

struct Step
{
    char client;  // 'A' or 'B'
    std::string command;
    std::string answer;  // what the client must answer; empty: anything
};

struct Stored
{
    std::string group, key, text;  // text "absent": no entry
};

struct Scenario
{
    const char* name;
    bool aIsNewer;
    std::vector<Step> steps;
    std::vector<Stored> expected;
};

TEST(ConfigurationSharing, TwoProcessesOnOneUserFileLoseNoUpdate)
{
    const std::vector<Scenario> scenarios = {
        {"the other's later change keeps mine", false,
         {{'A', "set SampleGroup Count 20", "ok"}, {'A', "save $", "saved"},
          {'B', "set SampleGroup Enabled true", "ok"}, {'B', "save $", "saved"}},
         {{"SampleGroup", "Count", "20"}, {"SampleGroup", "Enabled", "true"}}},
        {"a save without changes keeps mine", false,
         {{'A', "set SampleGroup Count 20", "ok"}, {'A', "save $", "saved"}, {'B', "save $", "saved"}},
         {{"SampleGroup", "Count", "20"}}},
        {"a reset to the default stays reset", false,
         {{'A', "reset SampleGroup Count", "ok"}, {'A', "save $", "saved"},
          {'B', "set SampleGroup Enabled true", "ok"}, {'B', "save $", "saved"}},
         {{"SampleGroup", "Count", "absent"}, {"SampleGroup", "Enabled", "true"}}},
        {"a newer release's group and a known value both stay", true,
         {{'A', "set NewerGroup Count 7", "ok"}, {'A', "set SampleGroup Count 20", "ok"}, {'A', "save $", "saved"},
          {'B', "set SampleGroup Enabled true", "ok"}, {'B', "save $", "saved"}},
         {{"NewerGroup", "Count", "7"}, {"SampleGroup", "Count", "20"}, {"SampleGroup", "Enabled", "true"}}},
        {"both change one key: the later save wins and says so", false,
         {{'A', "set SampleGroup Count 20", "ok"}, {'A', "save $", "saved"},
          {'B', "set SampleGroup Count 30", "ok"}, {'B', "save $", "saved SampleGroup/Count"}},
         {{"SampleGroup", "Count", "30"}}},
        {"a reset removes what the other wrote", false,
         {{'A', "set SampleGroup Count 20", "ok"}, {'A', "save $", "saved"},
          {'B', "reset SampleGroup Count", "ok"}, {'B', "save $", "saved SampleGroup/Count"}},
         {{"SampleGroup", "Count", "absent"}}},
    };
    for (const Scenario& scenario : scenarios)
    {
        SCOPED_TRACE(scenario.name);
        QTemporaryDir dir;
        const std::string user = writeFile(dir, "user.xml",
                                           configurationXml("<object name=\"SampleGroup\">"
                                                            "<value key=\"Count\" type=\"int\">10</value></object>"));
        Client a(scenario.aIsNewer ? QStringList{QStringLiteral("--newer")} : QStringList{});
        Client b;
        ASSERT_EQ(a.ask("load " + user), "ok");
        ASSERT_EQ(b.ask("load " + user), "ok");
        for (const Step& step : scenario.steps)
        {
            std::string command = step.command;
            if (command.back() == '$')
                command.replace(command.size() - 1, 1, user);
            const std::string answer = (step.client == 'A' ? a : b).ask(command);
            if (!step.answer.empty())
            {
                EXPECT_EQ(answer, step.answer) << step.client << ": " << command;
            }
        }
        for (const Stored& stored : scenario.expected)
            EXPECT_EQ(storedText(user, stored.group, stored.key), stored.text) << stored.group << "/" << stored.key;
    }
}

TEST(ConfigurationSharing, FourWritersAndAReaderSeeEveryLastValueAndNoPartialFile)
{
    QTemporaryDir dir;
    const std::string user = dir.filePath("user.xml").toStdString();
    const std::string stop = dir.filePath("stop").toStdString();
    constexpr int saves = 50;
    std::vector<std::unique_ptr<Client>> writers;
    for (int i = 0; i < 4; ++i)
    {
        writers.push_back(std::make_unique<Client>());
        ASSERT_EQ(writers.back()->ask("load " + user), "ok");
    }
    Client reader;
    reader.send("read " + user + " " + stop);
    for (int i = 0; i < 4; ++i)
        writers[i]->send("hammer " + user + " Writer" + std::to_string(i) + " " + std::to_string(saves));
    for (const auto& writer : writers)
        EXPECT_EQ(writer->answer(), "saved");
    std::ofstream(stop).put('\n');
    const std::string reads = reader.answer();
    EXPECT_THAT(reads, HasSubstr(" broken 0"));
    EXPECT_THAT(reads, Not(StartsWith("reads 0 ")));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(storedText(user, "Stress", "Writer" + std::to_string(i)), std::to_string(saves));
}

// A save that cannot write everything must say so and leave the old file as it was. A file size
// limit makes the write fail in a real process, as a full disk does.
TEST(FailedSave, KeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string user = writeFile(
        dir, "user.xml", configurationXml("<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">10</value></object>"));
    const std::string before = readFile(user);
    Client client;
    ASSERT_EQ(client.ask("load " + user), "ok");
    ASSERT_EQ(client.ask("set SampleGroup Path " + std::string(20000, 'p')), "ok");
    ASSERT_EQ(client.ask("limit-file-size 4096"), "ok");
    EXPECT_THAT(client.ask("save " + user), StartsWith("failed cannot write " + user + ": "));
    EXPECT_EQ(readFile(user), before);
    EXPECT_TRUE(QDir(dir.path()).entryList({"user.xml.*"}, QDir::Files | QDir::Hidden).filter("tmp").isEmpty());
}

// A full disk fails differently (ENOSPC, possibly only at the flush): a real one, a tiny tmpfs.
TEST(FailedSave, OnAFullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root): " << std::strerror(errno);
    const std::string user = writeFile(
        dir, "user.xml", configurationXml("<object name=\"SampleGroup\"><value key=\"Count\" type=\"int\">10</value></object>"));
    const std::string before = readFile(user);
    {
        // Fill the disk, then give back just enough for the lock file.
        std::ofstream filler(dir.filePath("filler").toStdString(), std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size()))
            filler.flush();
    }
    QFile::resize(dir.filePath("filler"), QFileInfo(dir.filePath("filler")).size() - 8192);
    ConfigurationManager manager;
    auto group = std::make_shared<SampleGroup>();
    manager.addConfigurationObject(group, "SampleGroup");
    manager.loadConfiguration({}, user);
    group->value<std::string>("Path").setValue(std::string(20000, 'p'));
    const ConfigurationSaveResult result = manager.saveUserConfiguration(user);
    EXPECT_FALSE(result.saved);
    EXPECT_THAT(result.error, HasSubstr("cannot write " + user + ": "));
    EXPECT_EQ(readFile(user), before);
    ::umount(mountPoint.constData());
}

}  // namespace
