#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <QtCore/QFile>

#include <algorithm>

namespace Quarvane
{
namespace
{
// Puts the reader's place back when a nested read ends, however it ends.
template <class T>
class Restore
{
public:
    explicit Restore(T& slot) : m_slot(slot), m_saved(slot) {}
    ~Restore() { m_slot = m_saved; }

private:
    T& m_slot;
    T m_saved;
};
}  // namespace

ConfigReader::ConfigReader() : m_warnings(std::make_shared<std::vector<std::string>>()) {}

ConfigReader ConfigReader::fromFile(const std::string& path, Origin origin)
{
    ConfigReader reader;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
    {
        reader.m_error = path + ":0:0: cannot be read: " + file.errorString().toStdString();
        return reader;
    }
    if (file.size() > ConfigDocument::s_maximumFileSize)
    {
        reader.m_error = path + ":0:0: is larger than " + std::to_string(ConfigDocument::s_maximumFileSize) + " bytes";
        return reader;
    }
    if (auto document = ConfigDocument::parse(file.readAll(), path, &reader.m_error))
        reader.m_layers.push_back({std::move(document), origin});
    return reader;
}

ConfigReader ConfigReader::fromXml(const std::string& text, Origin origin, const std::string& sourceName)
{
    ConfigReader reader;
    if (auto document = ConfigDocument::parse(QByteArray::fromStdString(text), sourceName, &reader.m_error))
        reader.m_layers.push_back({std::move(document), origin});
    return reader;
}

ConfigReader ConfigReader::fromDocument(std::shared_ptr<const ConfigDocument> document, Origin origin)
{
    ConfigReader reader;
    reader.m_layers.push_back({std::move(document), origin});
    return reader;
}

std::shared_ptr<const ConfigNode> ConfigReader::singleRoot() const
{
    if (m_layers.size() != 1)
        return nullptr;
    const std::shared_ptr<const ConfigDocument>& document = m_layers.front().document;
    return std::shared_ptr<const ConfigNode>(document, &document->root());
}

ConfigReader ConfigReader::layered(const std::vector<ConfigReader>& readers)
{
    ConfigReader combined;
    for (const ConfigReader& reader : readers)
        if (reader.isValid())
            combined.m_layers.insert(combined.m_layers.end(), reader.m_layers.begin(), reader.m_layers.end());
    return combined;
}

bool ConfigReader::readConfigurationObject(const std::string& name, ConfigurationObject& object)
{
    bool found = false;
    for (const Layer& layer : m_layers)
        if (const ConfigNode* node = layer.document->root().findObject(name, name))
            found = readInto(layer, *node, object) || found;
    return found;
}

bool ConfigReader::readClassContents(const std::string& className, const std::string& objectName,
                                     ConfigurationObject& object)
{
    if (m_current == nullptr)
    {
        bool found = false;
        for (const Layer& layer : m_layers)
            if (const ConfigNode* node = layer.document->root().findObject(className, objectName))
                found = readInto(layer, *node, object) || found;
        return found;
    }
    const ConfigNode* node = m_current->findObject(className, objectName);
    return node != nullptr && readInto(*m_currentLayer, *node, object);
}

bool ConfigReader::readInto(const Layer& layer, const ConfigNode& node, ConfigurationObject& object)
{
    Restore<const Layer*> restoreLayer(m_currentLayer);
    Restore<const ConfigNode*> restoreNode(m_current);
    Restore<std::vector<std::string>> restorePath(m_path);
    node.visited = true;
    m_currentLayer = &layer;
    m_current = &node;
    m_path.push_back(node.name);
    object.loadContent(*this);
    return true;
}

bool ConfigReader::readsUserFile() const
{
    return m_currentLayer != nullptr && m_currentLayer->origin == Origin::UserFile;
}

int ConfigReader::readEditable(bool& editable)
{
    if (m_current == nullptr)
        return NotFound;
    editable = readsUserFile() || m_current->editable;
    return Found;
}

template <class T>
int ConfigReader::readTyped(const std::string& key, T& value, bool& editable, bool secret)
{
    if (m_current == nullptr)
        return NotFound;
    const ConfigNode* node = m_current->findValue(key);
    if (node == nullptr)
        return NotFound;
    node->visited = true;
    editable = readsUserFile() || node->editable;
    const char* expectedType = ConfigValueText::typeName<T>();
    const std::string kept = secret ? std::string("as it was") : ConfigValueText::format(value);
    if (node->type != expectedType)
    {
        m_warnings->push_back(describeCurrentPlace(*node) + key + ": stored as " + node->type + ", expected " +
                              expectedType + "; the value stays " + kept);
        return Invalid;
    }
    if (!ConfigValueText::parse(node->text, value))
    {
        const std::string stored = secret ? std::string("the stored text") : "\"" + node->text + "\"";
        m_warnings->push_back(describeCurrentPlace(*node) + key + ": " + stored + " is not a valid " + expectedType +
                              "; the value stays " + kept);
        return Invalid;
    }
    return Found;
}

std::string ConfigReader::describeCurrentPlace(const ConfigNode& node) const
{
    std::string place = m_currentLayer->document->sourceName() + ":" + std::to_string(node.line) + ":" +
                        std::to_string(node.column) + ": ";
    for (const std::string& object : m_path)
        place += object + "/";
    return place;
}

int ConfigReader::readFloat(const std::string& key, float& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, int& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, unsigned int& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, bool& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, double& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, float& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readValue(const std::string& key, std::string& value, bool& editable)
{
    return readTyped(key, value, editable);
}
int ConfigReader::readSecretValue(const std::string& key, std::string& value, bool& editable)
{
    return readTyped(key, value, editable, true);
}

std::vector<std::string> ConfigReader::getObjectNames() const
{
    std::vector<std::string> names;
    for (const Layer& layer : m_layers)
        for (const auto& child : layer.document->root().children)
            if (child->kind == ConfigNode::Kind::Object &&
                std::find(names.begin(), names.end(), child->name) == names.end())
                names.push_back(child->name);
    return names;
}

bool ConfigReader::findStoredValue(const std::string& objectName, const std::string& key, std::string& type,
                                   std::string& text) const
{
    for (auto layer = m_layers.rbegin(); layer != m_layers.rend(); ++layer)
    {
        const ConfigNode* object = layer->document->root().findObject(objectName, objectName);
        const ConfigNode* value = object != nullptr ? object->findValue(key) : nullptr;
        if (value != nullptr)
        {
            type = value->type;
            text = value->text;
            return true;
        }
    }
    return false;
}

}  // namespace Quarvane
