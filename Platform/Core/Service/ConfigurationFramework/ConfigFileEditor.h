#pragma once

#include <QtCore/QFileDevice>

#include <memory>
#include <string>
#include <vector>

namespace Quarvane
{

struct ConfigNode;

// Changes single entries of one configuration file, as an administrator's tool does: set a
// value, remove it, lock or unlock it. Everything else the file holds stays, entries this
// release does not know included, and the file is replaced in one step.
class ConfigFileEditor
{
public:
    // One object on the way to an entry; an empty class means the class is the name (as for
    // top-level groups).
    struct Object
    {
        std::string className;
        std::string name;
    };
    using ObjectPath = std::vector<Object>;

    ConfigFileEditor();
    ~ConfigFileEditor();
    ConfigFileEditor(const ConfigFileEditor&) = delete;
    ConfigFileEditor& operator=(const ConfigFileEditor&) = delete;

    // Reads `path`; a file that does not exist yet starts empty. False, with `error` saying where
    // and why, when the file exists but cannot be read or parsed.
    bool open(const std::string& path, std::string* error);

    // Puts the value at `key` of the object at `objects`, creating the objects on the way; an
    // existing entry keeps its description and its lock.
    void putValue(const ObjectPath& objects, const std::string& key, const std::string& type,
                  const std::string& text);
    // Locks (editable false) or unlocks the value at `key`, or with an empty key the object
    // itself, which is created when missing. False when the value is not in the file.
    bool setEditable(const ObjectPath& objects, const std::string& key, bool editable);
    // Unlocks the object and everything inside it; false when the object is not in the file.
    bool unlockAll(const ObjectPath& objects);
    // Removes the value at `key`, or with an empty key the whole object, and the objects this
    // leaves empty; false when there was nothing to remove.
    bool remove(const ObjectPath& objects, const std::string& key);

    // The stored text of a value; false when the file does not hold it.
    bool storedText(const ObjectPath& objects, const std::string& key, std::string& text) const;
    // "file:line" of the outermost entry that locks the value at `key` (or, with an empty key,
    // the object); empty when this file does not lock it.
    std::string lockOf(const ObjectPath& objects, const std::string& key) const;

    // The file as it would be saved.
    std::string toXml() const;

    // Replaces the file in one step; on failure the old file stays whole and `error` says why.
    // A file that existed keeps its permissions (a site file must stay readable by everyone);
    // a new one gets `newFilePermissions`, by default those of every saved user file.
    bool save(std::string* error,
              QFileDevice::Permissions newFilePermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner) const;

private:
    const ConfigNode* find(const ObjectPath& objects, const std::string& key) const;
    ConfigNode* findObject(const ObjectPath& objects);
    // The object at `objects`, created with the objects on the way when missing.
    ConfigNode& makeObject(const ObjectPath& objects);

    std::string m_path;
    std::unique_ptr<ConfigNode> m_root;
    bool m_existed = false;
    QFileDevice::Permissions m_permissions;
};

}  // namespace Quarvane
