#pragma once

#include "Platform/Core/Service/ConfigurationFramework/LoadAccount.h"

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class QByteArray;

namespace Quarvane
{

class ConfigDocument;
class ConfigurationObject;
class ConfigurationValueBase;
struct ConfigEntry;

// Reads configuration objects from one or more parsed configuration files.
//
// A reader made from several files (layered) reads an object from each file in turn, so later
// files override earlier ones except where an earlier one locked a value (editable="false").
// A file read as a user file cannot lock anything and never sets administrator values.
//
// The parsed files are never changed. What a reader's reads find (the findings, which file set
// each value, which entries were looked up) is kept in the reader itself, so each reader gives
// the account of its own reads; a copy starts from the account of the original.
class ConfigReader
{
public:
    // What the value and flag reads return.
    enum Status
    {
        Found = 0,
        NotFound = 1,
        Invalid = 2  // present, but its text is not a value of the requested type
    };

    enum class Origin
    {
        SystemFile,
        UserFile
    };

    // A valid reader holding nothing.
    ConfigReader();
    // A file that cannot be read or parsed gives an invalid reader holding nothing.
    static ConfigReader fromFile(const std::string& path, Origin origin = Origin::SystemFile);
    static ConfigReader fromXml(const std::string& text, Origin origin = Origin::SystemFile,
                                const std::string& sourceName = "<text>");
    // The valid readers' files, in order.
    static ConfigReader layered(const std::vector<ConfigReader>& readers);

    bool isValid() const { return m_error.empty(); }
    // "file:line:column: what" for an invalid reader.
    const std::string& errorString() const { return m_error; }
    // Everything the reads so far found, in order, each once.
    const std::vector<ConfigurationFinding>& findings() const { return m_session.findings; }
    // The findings as text, one line each ("file:line:column: Group/key: what").
    std::vector<std::string> warnings() const;
    // Where the value `key` of the object at `path` ("Group" or "Group/Child") took its value
    // from in the reads so far; the default when no file set it.
    ValueOrigin originOf(const std::string& path, const std::string& key) const;
    bool isEmpty() const { return m_layers.empty(); }

    // Reads the top-level object of that name from every file that holds it into `object`,
    // through the object's loadContent; false when no file holds it.
    // A read whose findings and origins nobody asks for (a group registered after the load)
    // skips that bookkeeping.
    void setKeepsAccount(bool keeps) { m_keepsAccount = keeps; }

    bool readConfigurationObject(const std::string& name, ConfigurationObject& object);
    // Reads the nested object of that class and name, inside the object being read, into `object`.
    bool readClassContents(const std::string& className, const std::string& objectName, ConfigurationObject& object);

    // The editable flag of the object being read.
    int readEditable(bool& editable);
    int readFloat(const std::string& key, float& value, bool& editable);
    int readValue(const std::string& key, int& value, bool& editable);
    int readValue(const std::string& key, unsigned int& value, bool& editable);
    int readValue(const std::string& key, bool& value, bool& editable);
    int readValue(const std::string& key, double& value, bool& editable);
    int readValue(const std::string& key, float& value, bool& editable);
    int readValue(const std::string& key, std::string& value, bool& editable);
    // The same for a secret value. No warning shows a value, so today it reads like any string;
    // it stays apart so that a secret is never handled like plain text by accident.
    int readSecretValue(const std::string& key, std::string& value, bool& editable);

    // Whether the object being read comes from a user file.
    bool readsUserFile() const;

    // For objects reading themselves, about the object being read:
    // `key` took the value the current file holds.
    void noteValueTaken(const std::string& key);
    // `value` cannot take what the current file holds for it (it is locked, or this file may
    // not set it); reported when the file holds something for it.
    void noteValueRefused(const ConfigurationValueBase& value);
    // A stored number outside its declared rule, and what the load made of it.
    void noteOutsideRule(const std::string& key, const std::string& rule, const std::string& stored,
                         const std::string& loaded);
    // A problem with `key` (or, with an empty key, with the object itself), reported at its
    // place in the current file.
    void reportProblem(const std::string& key, const std::string& message);

    // The names of the top-level objects of every file, in order of first appearance.
    std::vector<std::string> getObjectNames() const;
    // The text and type stored for a value of a top-level object in the last file that holds it.
    bool findStoredValue(const std::string& objectName, const std::string& key, std::string& type,
                         std::string& text) const;

    // For the framework's own use: a reader of an already parsed document, and the only file a
    // reader holds (null when it holds none or several).
    static ConfigReader fromDocument(std::shared_ptr<const ConfigDocument> document, Origin origin);
    std::shared_ptr<const ConfigDocument> singleDocument() const;

private:
    friend class ConfigWriter;

    struct Site
    {
        const ConfigDocument* document = nullptr;
        const ConfigEntry* entry = nullptr;
    };

    // What the reads found about one object (by path) beyond its entries' marks: the keys asked
    // for that no file holds.
    struct ObjectAccount
    {
        std::unordered_set<std::string> absentKeys;
    };

    // What the reads did with an entry of a document.
    enum Mark : std::uint8_t
    {
        LookedUp = 1,
        Taken = 2  // the value took what the entry holds
    };
    using Marks = std::vector<std::uint8_t>;  // by entry ordinal

    // What this reader's reads found and looked up. The parsed files stay untouched.
    struct Session
    {
        std::unordered_map<const ConfigDocument*, Marks> marks;
        std::vector<ConfigurationFinding> findings;
        std::unordered_map<std::string, ObjectAccount> objects;  // by object path
        std::map<std::string, Site> locks;                       // by place of the locked object or value
    };

    struct Layer
    {
        std::shared_ptr<const ConfigDocument> document;
        Origin origin;
    };

    template <class T>
    int readTyped(const std::string& key, T& value, bool& editable);
    void addParsed(const QByteArray& bytes, const std::string& sourceName, Origin origin);
    void refuse(const std::string& sourceName, const std::exception& failure);
    bool readInto(const Layer& layer, const ConfigEntry& node, ConfigurationObject& object);
    // The path of the object being read ("Group/Child").
    const std::string& currentPath() const { return m_pathText; }
    Site siteOf(const ConfigEntry& node) const;
    std::string lockOf(const std::string& key) const;
    void addFinding(const ConfigEntry& node, const std::string& key, const std::string& message);
    void refuseLockedObject();
    void reportUnknownEntries(const ConfigurationObject& object);
    void reportUnknownAttributes(const ConfigEntry& node, const std::string& key);
    // Whether a read looked `node` of the document being read up, and marking it so.
    void markLookedUp(const ConfigEntry& node);
    bool wasLookedUp(const ConfigEntry& node) const;
    // Whether any read of this reader looked `node` of `document` up.
    bool wasLookedUp(const ConfigDocument& document, const ConfigEntry& node) const;
    bool hasMark(const ConfigDocument& document, const ConfigEntry& node, Mark mark) const;
    // The value `key` of the object at `path` in `document`, or null.
    static const ConfigEntry* findByPath(const ConfigDocument& document, const std::string& path, const std::string& key);
    // The value node of the object being read stored under `key`: most often the one after the
    // value read last, as objects read their values in the order they are written.
    const ConfigEntry* lookUpValue(const std::string& key) const;
    // The value node of the object being read stored under `key`, or null.
    const ConfigEntry* valueNode(const std::string& key) const;

    std::vector<Layer> m_layers;
    std::string m_error;
    Session m_session;
    const Layer* m_currentLayer = nullptr;
    const ConfigEntry* m_current = nullptr;
    ObjectAccount* m_account = nullptr;       // of the object being read
    Marks* m_marks = nullptr;  // of the document being read
    const ConfigEntry* m_lastValue = nullptr;  // the value node the last read found
    std::string m_pathText;
    bool m_keepsAccount = true;
};

}  // namespace Quarvane
