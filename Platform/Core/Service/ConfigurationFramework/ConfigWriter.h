#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Quarvane
{

class ConfigReader;
class ConfigurationObject;
struct ConfigNode;

// Builds a configuration file: objects and their values, written to disk atomically.
class ConfigWriter
{
public:
    ConfigWriter();
    ~ConfigWriter();
    ConfigWriter(const ConfigWriter&) = delete;
    ConfigWriter& operator=(const ConfigWriter&) = delete;

    // Writes `object` (through its saveContent) as a nested object of the object being written,
    // or as a top-level object when nothing is being written. Writing the same object twice
    // keeps the second.
    void putClassContents(const std::string& className, const std::string& objectName,
                          const ConfigurationObject& object, const std::string& description);
    // Writes a top-level object with only what differs from `reference`
    // (object.saveContent(writer, reference, true)). With `ownKeys`, of the object's own values
    // only those are written (nested objects are not filtered): a save that knows which values
    // changed need not format the others.
    void putChangedContents(const std::string& objectName, const ConfigurationObject& object,
                            ConfigReader& reference, const std::set<std::string>* ownKeys = nullptr);
    // Writes `object` as a nested object holding only what differs from `reference`, its
    // counterpart with the defaults and the system files applied (object.saveDifferences).
    void putChangedChild(const std::string& className, const std::string& objectName,
                         const ConfigurationObject& object, const ConfigurationObject& reference);

    void putFloat(const std::string& key, float value, const std::string& description);
    void putValue(const std::string& key, int value, const std::string& description, bool editable = true);
    void putValue(const std::string& key, unsigned int value, const std::string& description, bool editable = true);
    void putValue(const std::string& key, bool value, const std::string& description, bool editable = true);
    void putValue(const std::string& key, double value, const std::string& description, bool editable = true);
    void putValue(const std::string& key, float value, const std::string& description, bool editable = true);
    void putValue(const std::string& key, const std::string& value, const std::string& description,
                  bool editable = true);

    // Carries over, unchanged, what the user files of `replay` hold that none of its reads looked
    // up: objects and values written by another release. Replay the load of every object on
    // `replay` first, and call this after everything else is written.
    void keepUnknownEntries(const ConfigReader& replay);

    std::string toXml() const;
    // Replaces the file in one step (the old file stays whole if anything fails), readable and
    // writable by the owner only. Creates missing folders.
    bool writeToFile(const std::string& path, std::string* error) const;

    // For the framework's own use: what has been written so far, leaving the writer empty.
    std::unique_ptr<ConfigNode> takeTree();

    // For the framework's own use: what is written, kept as typed values in order, without
    // descriptions and without building the tree or formatting any number. Replaying it into a
    // writer builds the tree the writes would have built, descriptions left out.
    class Recording
    {
    public:
        Recording();
        ~Recording();
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

    private:
        friend class ConfigWriter;
        struct Entries;
        std::unique_ptr<Entries> m_entries;
    };
    // For the framework's own use: trees that are only compared need no descriptions, which
    // cost a copy each.
    void leaveOutDescriptions() { m_withDescriptions = false; }

    // From now on, records into `recording` instead of building the tree.
    void recordInto(Recording& recording) { m_recording = &recording; }
    void replay(const Recording& recording);

    // For the framework's own use: the values whose text differs between two recordings, each as
    // the steps from the root that lead to it, as a comparison of their trees gives them.
    struct RecordedChanges
    {
        std::vector<std::unique_ptr<ConfigNode>> steps;  // what the paths point to
        std::vector<std::vector<const ConfigNode*>> paths;
    };
    // Null when the recordings differ in their objects or keys: then only their trees can tell.
    static std::unique_ptr<RecordedChanges> compare(const Recording& before, const Recording& after);

private:
    void putText(const std::string& key, const char* type, const std::string& text, const std::string& description,
                 bool editable);
    ConfigNode* beginObject(const std::string& className, const std::string& objectName, bool editable,
                            const std::string& description);
    template <class T>
    bool record(const std::string& key, const T& value, bool editable);
    bool isFilteredOut(const std::string& key) const
    {
        return m_ownKeys != nullptr && m_current == m_filteredObject && m_ownKeys->count(key) == 0;
    }
    void endObject(ConfigNode* parent);

    std::unique_ptr<ConfigNode> m_root;
    ConfigNode* m_current;
    Recording* m_recording = nullptr;
    bool m_withDescriptions = true;
    const std::set<std::string>* m_ownKeys = nullptr;
    const ConfigNode* m_filteredObject = nullptr;
};

}  // namespace Quarvane
