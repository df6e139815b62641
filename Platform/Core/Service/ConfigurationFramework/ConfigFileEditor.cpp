#include "Platform/Core/Service/ConfigurationFramework/ConfigFileEditor.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileStore.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace Quarvane
{
namespace
{
std::unique_ptr<ConfigNode> objectNode(const ConfigFileEditor::Object& object)
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Object;
    node->className = object.className == object.name ? std::string() : object.className;
    node->name = object.name;
    return node;
}

std::unique_ptr<ConfigNode> valueNode(const std::string& key)
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Value;
    node->name = key;
    return node;
}

std::string placeOf(const std::string& file, const ConfigNode& node)
{
    return file + ":" + std::to_string(node.line);
}

void unlockTree(ConfigNode& node)
{
    node.editable = true;
    for (const std::unique_ptr<ConfigNode>& child : node.children)
        unlockTree(*child);
}
}  // namespace

ConfigFileEditor::ConfigFileEditor() : m_root(std::make_unique<ConfigNode>()) {}

ConfigFileEditor::~ConfigFileEditor() = default;

bool ConfigFileEditor::open(const std::string& path, std::string* error)
{
    m_path = path;
    m_root = std::make_unique<ConfigNode>();
    const QFileInfo info(QString::fromStdString(path));
    m_existed = info.exists();
    if (!m_existed)
        return true;
    m_permissions = info.permissions();
    const ConfigReader reader = ConfigReader::fromFile(path);
    const std::shared_ptr<const ConfigDocument> document = reader.singleDocument();
    if (!reader.isValid() || document == nullptr)
    {
        if (error != nullptr)
            *error = reader.errorString();
        return false;
    }
    // The places stay with the copy: the locks an editor reports name them.
    m_root = document->copyTree(document->root(), true);
    return true;
}

const ConfigNode* ConfigFileEditor::find(const ObjectPath& objects, const std::string& key) const
{
    const ConfigNode* node = m_root.get();
    for (const Object& object : objects)
        if ((node = node->findObject(object.className, object.name)) == nullptr)
            return nullptr;
    return key.empty() ? node : node->findValue(key);
}

ConfigNode* ConfigFileEditor::findObject(const ObjectPath& objects)
{
    return const_cast<ConfigNode*>(find(objects, {}));
}

ConfigNode& ConfigFileEditor::makeObject(const ObjectPath& objects)
{
    ConfigNode* node = m_root.get();
    for (const Object& object : objects)
    {
        const std::unique_ptr<ConfigNode> like = objectNode(object);
        ConfigNode* next = node->findSame(*like);
        node = next != nullptr ? next : node->putChild(objectNode(object));
    }
    return *node;
}

void ConfigFileEditor::putValue(const ObjectPath& objects, const std::string& key, const std::string& type,
                                const std::string& text)
{
    ConfigNode& object = makeObject(objects);
    ConfigNode* value = const_cast<ConfigNode*>(object.findValue(key));
    if (value == nullptr)
        value = object.putChild(valueNode(key));
    value->type = type;
    value->text = text;
}

bool ConfigFileEditor::setEditable(const ObjectPath& objects, const std::string& key, bool editable)
{
    if (key.empty())
        makeObject(objects);
    auto* node = const_cast<ConfigNode*>(find(objects, key));
    if (node == nullptr)
        return false;
    node->editable = editable;
    return true;
}

bool ConfigFileEditor::unlockAll(const ObjectPath& objects)
{
    ConfigNode* node = findObject(objects);
    if (node == nullptr)
        return false;
    unlockTree(*node);
    return true;
}

bool ConfigFileEditor::remove(const ObjectPath& objects, const std::string& key)
{
    std::vector<ConfigNode*> chain{m_root.get()};
    for (const Object& object : objects)
    {
        ConfigNode* next = const_cast<ConfigNode*>(chain.back()->findObject(object.className, object.name));
        if (next == nullptr)
            return false;
        chain.push_back(next);
    }
    if (!key.empty())
    {
        const ConfigNode* value = chain.back()->findValue(key);
        if (value == nullptr)
            return false;
        chain.back()->removeChild(*value);
    }
    else if (chain.size() > 1)
    {
        chain[chain.size() - 2]->removeChild(*chain.back());
        chain.pop_back();
    }
    // An object left empty goes too, unless it is there to carry a lock.
    while (chain.size() > 1 && chain.back()->children.empty() && chain.back()->editable)
    {
        ConfigNode* empty = chain.back();
        chain.pop_back();
        chain.back()->removeChild(*empty);
    }
    return true;
}

bool ConfigFileEditor::storedText(const ObjectPath& objects, const std::string& key, std::string& text) const
{
    const ConfigNode* node = find(objects, key);
    if (node == nullptr || node->kind != ConfigNode::Kind::Value)
        return false;
    text = node->text;
    return true;
}

std::string ConfigFileEditor::lockOf(const ObjectPath& objects, const std::string& key) const
{
    const ConfigNode* node = m_root.get();
    for (const Object& object : objects)
    {
        if ((node = node->findObject(object.className, object.name)) == nullptr)
            return {};
        if (!node->editable)
            return placeOf(m_path, *node);
    }
    if (key.empty())
        return {};
    const ConfigNode* value = node->findValue(key);
    return value != nullptr && !value->editable ? placeOf(m_path, *value) : std::string();
}

std::string ConfigFileEditor::toXml() const { return ConfigDocument::serialize(*m_root).toStdString(); }

bool ConfigFileEditor::save(std::string* error, QFileDevice::Permissions newFilePermissions) const
{
    const QString path = QString::fromStdString(m_path);
    if (!ConfigFileStore::replaceDurably(path, ConfigDocument::serialize(*m_root), error))
        return false;
    const QFileDevice::Permissions permissions = m_existed ? m_permissions : newFilePermissions;
    if (permissions != (QFileDevice::ReadOwner | QFileDevice::WriteOwner) && !QFile::setPermissions(path, permissions))
    {
        if (error != nullptr)
            *error = m_path + ": written, but its permissions could not be restored";
        return false;
    }
    return true;
}

}  // namespace Quarvane
