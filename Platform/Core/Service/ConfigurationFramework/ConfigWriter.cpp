#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileStore.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"


#include <algorithm>
#include <unordered_set>

namespace Quarvane
{
namespace
{
using LookedUp = std::unordered_set<const ConfigNode*>;

// Whether anything in this subtree (the node itself included) was never looked up.
bool holdsUnknown(const ConfigNode& node, const LookedUp& lookedUp)
{
    if (lookedUp.count(&node) == 0)
        return true;
    return std::any_of(node.children.begin(), node.children.end(),
                       [&lookedUp](const auto& child) { return holdsUnknown(*child, lookedUp); });
}

// Copies into `target` whatever of `source`'s children no load looked up; for children that
// were looked up, recurses so that unknown values inside known objects survive too.
void mergeUnknown(const ConfigNode& source, ConfigNode& target, const LookedUp& lookedUp)
{
    for (const auto& child : source.children)
    {
        ConfigNode* counterpart = target.findSame(*child);
        if (lookedUp.count(child.get()) == 0)
        {
            if (counterpart == nullptr)
                target.addChild(child->copy());
            continue;
        }
        if (child->kind != ConfigNode::Kind::Object || !holdsUnknown(*child, lookedUp))
            continue;
        if (counterpart == nullptr)
        {
            auto shell = std::make_unique<ConfigNode>();
            shell->kind = ConfigNode::Kind::Object;
            shell->name = child->name;
            shell->className = child->className;
            counterpart = target.putChild(std::move(shell));
        }
        mergeUnknown(*child, *counterpart, lookedUp);
    }
}
}  // namespace

ConfigWriter::ConfigWriter() : m_root(std::make_unique<ConfigNode>()), m_current(m_root.get()) {}

ConfigWriter::~ConfigWriter() = default;

ConfigNode* ConfigWriter::beginObject(const std::string& className, const std::string& objectName, bool editable,
                                      const std::string& description)
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Object;
    node->name = objectName;
    node->className = className == objectName ? std::string() : className;
    node->editable = editable;
    node->description = description;
    return m_current->putChild(std::move(node));
}

void ConfigWriter::putClassContents(const std::string& className, const std::string& objectName,
                                    const ConfigurationObject& object, const std::string& description)
{
    ConfigNode* parent = m_current;
    m_current = beginObject(className, objectName, object.isEditable(), description);
    object.saveContent(*this);
    m_current = parent;
}

void ConfigWriter::putChangedContents(const std::string& objectName, const ConfigurationObject& object,
                                      ConfigReader& reference)
{
    ConfigNode* parent = m_current;
    m_current = beginObject(objectName, objectName, true, {});
    object.saveContent(*this, reference, true);
    m_current = parent;
}

void ConfigWriter::putChangedChild(const std::string& className, const std::string& objectName,
                                   const ConfigurationObject& object, const ConfigurationObject& reference)
{
    ConfigNode* parent = m_current;
    m_current = beginObject(className, objectName, true, {});
    object.saveDifferences(*this, reference);
    m_current = parent;
}

void ConfigWriter::putText(const std::string& key, const char* type, const std::string& text,
                           const std::string& description, bool editable)
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Value;
    node->name = key;
    node->type = type;
    node->text = text;
    node->description = description;
    node->editable = editable;
    m_current->putChild(std::move(node));
}

void ConfigWriter::putFloat(const std::string& key, float value, const std::string& description)
{
    putValue(key, value, description);
}

void ConfigWriter::putValue(const std::string& key, int value, const std::string& description, bool editable)
{
    putText(key, ConfigValueText::typeName<int>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, unsigned int value, const std::string& description, bool editable)
{
    putText(key, ConfigValueText::typeName<unsigned int>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, bool value, const std::string& description, bool editable)
{
    putText(key, ConfigValueText::typeName<bool>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, double value, const std::string& description, bool editable)
{
    putText(key, ConfigValueText::typeName<double>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, float value, const std::string& description, bool editable)
{
    putText(key, ConfigValueText::typeName<float>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, const std::string& value, const std::string& description,
                            bool editable)
{
    putText(key, ConfigValueText::typeName<std::string>(), value, description, editable);
}

void ConfigWriter::keepUnknownEntries(const ConfigReader& replay)
{
    for (const auto& layer : replay.m_layers)
        if (layer.origin == ConfigReader::Origin::UserFile)
            mergeUnknown(layer.document->root(), *m_root, replay.m_session.lookedUp);
}

std::string ConfigWriter::toXml() const { return ConfigDocument::serialize(*m_root).toStdString(); }

bool ConfigWriter::writeToFile(const std::string& path, std::string* error) const
{
    return ConfigFileStore::replaceDurably(QString::fromStdString(path), ConfigDocument::serialize(*m_root), error);
}

std::unique_ptr<ConfigNode> ConfigWriter::takeTree()
{
    std::unique_ptr<ConfigNode> tree = std::move(m_root);
    m_root = std::make_unique<ConfigNode>();
    m_current = m_root.get();
    return tree;
}

}  // namespace Quarvane
