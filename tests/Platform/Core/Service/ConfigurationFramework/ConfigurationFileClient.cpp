// A process that shares a user file with others, driven line by line on its standard input by
// the multi-process tests. Every command answers with one line.
//   load USER [SYSTEM...]      loads the files                         -> ok
//   set GROUP KEY TEXT         sets an int, bool or string value       -> ok
//   reset GROUP KEY            puts a value back to its default        -> ok
//   save USER                  saves                                   -> saved [KEY,...] | failed WHY
//   limit-file-size BYTES      no file of this process may grow larger -> ok
//   hammer USER KEY COUNT      COUNT times: set Stress/KEY to 1..COUNT and save -> saved | failed WHY
//   read USER STOPFILE         parses the file again and again until STOPFILE exists -> reads N broken M
// With --newer it also knows the group "NewerGroup", as a newer release would.
#include "SampleObjects.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"

#include <QtCore/QElapsedTimer>

#include <sys/resource.h>

#include <csignal>
#include <iostream>
#include <sstream>

namespace
{
using namespace Quarvane;
using namespace Quarvane::Testing;

class StressGroup : public ConfigurationObject
{
public:
    StressGroup() : ConfigurationObject("Stress", "", 0, 63)
    {
        for (const char* key : {"Writer0", "Writer1", "Writer2", "Writer3"})
            addConfigurationValue(new ConfigurationValue<int>(key, "", 0, 0, 0, 63));
    }
    ConfigurationObject* createConfigurationObject() const override { return new StressGroup(); }
};

ConfigurationValueBase* findValue(ConfigurationManager& manager, const std::string& group, const std::string& key)
{
    ConfigurationObject* object = manager.getConfigurationObject(group);
    return object != nullptr ? object->getConfigurationValue(key) : nullptr;
}

bool setText(ConfigurationValueBase& value, const std::string& text)
{
    if (auto* number = dynamic_cast<ConfigurationValue<int>*>(&value))
        number->setValue(std::stoi(text));
    else if (auto* flag = dynamic_cast<ConfigurationValue<bool>*>(&value))
        flag->setValue(text == "true");
    else if (auto* string = dynamic_cast<ConfigurationValue<std::string>*>(&value))
        string->setValue(text);
    else
        return false;
    return true;
}

std::string describe(const ConfigurationSaveResult& result)
{
    if (!result.saved)
        return "failed " + result.error;
    std::string line = "saved";
    for (std::size_t i = 0; i < result.overriddenKeys.size(); ++i)
        line += (i == 0 ? " " : ",") + result.overriddenKeys[i];
    return line;
}

std::string hammer(ConfigurationManager& manager, const std::string& file, const std::string& key, int count)
{
    auto& value = dynamic_cast<ConfigurationValue<int>&>(*findValue(manager, "Stress", key));
    for (int i = 1; i <= count; ++i)
    {
        value.setValue(i);
        const ConfigurationSaveResult result = manager.saveUserConfiguration(file);
        if (!result.saved)
            return describe(result);
    }
    return "saved";
}

std::string readRepeatedly(const std::string& file, const std::string& stopFile)
{
    int reads = 0;
    int broken = 0;
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(QString::fromStdString(stopFile)) && clock.elapsed() < 120000)
    {
        if (!QFile::exists(QString::fromStdString(file)))
            continue;
        ++reads;
        if (!ConfigReader::fromFile(file).isValid())
            ++broken;
    }
    return "reads " + std::to_string(reads) + " broken " + std::to_string(broken);
}

std::string run(ConfigurationManager& manager, const std::string& line)
{
    std::istringstream words(line);
    std::string command, first, second, third;
    words >> command >> first >> second;
    std::getline(words >> std::ws, third);
    if (command == "load")
    {
        std::vector<std::string> systemFiles;
        for (std::istringstream rest(second + " " + third); rest >> third;)
            systemFiles.push_back(third);
        manager.loadConfiguration(systemFiles, first);
        return "ok";
    }
    if (command == "save")
        return describe(manager.saveUserConfiguration(first));
    if (command == "limit-file-size")
    {
        // Without this the kernel would stop the process instead of failing the write.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t bytes = std::stoul(first);
        const rlimit limit{bytes, bytes};
        return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? "ok" : "failed setrlimit";
    }
    if (command == "hammer")
        return hammer(manager, first, second, std::stoi(third));
    if (command == "read")
        return readRepeatedly(first, second);
    ConfigurationValueBase* value = findValue(manager, first, second);
    if (value == nullptr)
        return "unknown " + first + "/" + second;
    if (command == "reset")
        value->resetValue();
    else if (command != "set" || !setText(*value, third))
        return "unknown command " + line;
    return "ok";
}
}  // namespace

int main(int argc, char** argv)
{
    ConfigurationManager manager;
    manager.addConfigurationObject(std::make_shared<SampleGroup>(), "SampleGroup");
    manager.addConfigurationObject(std::make_shared<StressGroup>(), "Stress");
    if (argc > 1 && std::string(argv[1]) == "--newer")
        manager.addConfigurationObject(std::make_shared<SampleGroup>("NewerGroup"), "NewerGroup");
    for (std::string line; std::getline(std::cin, line) && line != "quit";)
        std::cout << run(manager, line) << std::endl;
    return 0;
}
