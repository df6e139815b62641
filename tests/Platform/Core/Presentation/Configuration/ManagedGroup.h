#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "tests/Platform/Core/Service/ConfigurationFramework/SampleObjects.h"

#include <QtCore/QTemporaryDir>

#include <memory>
#include <string>

namespace Quarvane::Testing
{

// A group registered with a manager of its own, loaded from a system file and a user file in a
// temporary folder: the way the application loads and saves it, without the process-wide manager.
template <class Group>
class ManagedGroup
{
public:
    ManagedGroup() : group(std::make_shared<Group>()) { manager.addConfigurationObject(group, group->getName()); }

    // `systemObjects` and `userObjects` are the <object> elements of each file.
    ConfigurationLoadResult load(const std::string& systemObjects, const std::string& userObjects = "")
    {
        const std::string system = writeFile(dir, "system.xml", configurationXml(systemObjects));
        writeFile(dir, "user.xml", configurationXml(userObjects));
        return manager.loadConfiguration({system}, userFile());
    }

    // Loads the files another managed group left behind.
    ConfigurationLoadResult loadFilesOf(const ManagedGroup& other)
    {
        return manager.loadConfiguration({other.dir.filePath("system.xml").toStdString()}, other.userFile());
    }

    bool save()
    {
        std::string error;
        return manager.saveUserConfiguration(userFile(), &error);
    }

    std::string userFile() const { return dir.filePath("user.xml").toStdString(); }
    std::string userFileText() const { return readFile(userFile()); }

    Group* operator->() { return group.get(); }
    Group& operator*() { return *group; }

    QTemporaryDir dir;
    ConfigurationManager manager;
    std::shared_ptr<Group> group;
};

// One value as a configuration file holds it.
inline std::string storedValue(const std::string& key, const std::string& type, const std::string& text,
                               bool locked = false)
{
    return "<value key=\"" + key + "\" type=\"" + type + "\"" + (locked ? " editable=\"false\"" : "") + ">" + text +
           "</value>";
}

inline std::string storedObject(const std::string& name, const std::string& content)
{
    return "<object name=\"" + name + "\">" + content + "</object>";
}

}  // namespace Quarvane::Testing
