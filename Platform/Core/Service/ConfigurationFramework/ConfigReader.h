#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

class QByteArray;

namespace Quarvane
{

class ConfigDocument;
class ConfigurationObject;
struct ConfigNode;

// Reads configuration objects from one or more parsed configuration files.
//
// A reader made from several files (layered) reads an object from each file in turn, so later
// files override earlier ones except where an earlier one locked a value (editable="false").
// A file read as a user file cannot lock anything and never sets administrator values.
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
    // Values whose stored text could not be used, one line each, naming file, object and key.
    std::vector<std::string> warnings() const { return *m_warnings; }
    bool isEmpty() const { return m_layers.empty(); }

    // Reads the top-level object of that name from every file that holds it into `object`,
    // through the object's loadContent; false when no file holds it.
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

    // The names of the top-level objects of every file, in order of first appearance.
    std::vector<std::string> getObjectNames() const;
    // The text and type stored for a value of a top-level object in the last file that holds it.
    bool findStoredValue(const std::string& objectName, const std::string& key, std::string& type,
                         std::string& text) const;

    // For the framework's own use: a reader of an already parsed document, and the root of the
    // only file a reader holds (null when it holds none or several).
    static ConfigReader fromDocument(std::shared_ptr<const ConfigDocument> document, Origin origin);
    std::shared_ptr<const ConfigNode> singleRoot() const;

private:
    friend class ConfigWriter;

    struct Layer
    {
        std::shared_ptr<const ConfigDocument> document;
        Origin origin;
    };

    template <class T>
    int readTyped(const std::string& key, T& value, bool& editable);
    void addParsed(const QByteArray& bytes, const std::string& sourceName, Origin origin);
    void refuse(const std::string& sourceName, const std::exception& failure);
    bool readInto(const Layer& layer, const ConfigNode& node, ConfigurationObject& object);
    std::string describeCurrentPlace(const ConfigNode& node) const;

    std::vector<Layer> m_layers;
    std::string m_error;
    std::shared_ptr<std::vector<std::string>> m_warnings;
    const Layer* m_currentLayer = nullptr;
    const ConfigNode* m_current = nullptr;
    std::vector<std::string> m_path;
};

}  // namespace Quarvane
