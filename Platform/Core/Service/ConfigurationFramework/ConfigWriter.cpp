#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigDocument.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigFileStore.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"


#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <type_traits>
#include <variant>
#include <vector>

namespace Quarvane
{
namespace
{
using LookedUp = std::function<bool(const ConfigEntry&)>;

// Whether anything in this subtree (the entry itself included) was never looked up.
bool holdsUnknown(const ConfigDocument& document, const ConfigEntry& entry, const LookedUp& lookedUp)
{
    if (!lookedUp(entry))
        return true;
    const auto children = document.children(entry);
    return std::any_of(children.begin(), children.end(), [&](const ConfigEntry& child) {
        return holdsUnknown(document, child, lookedUp);
    });
}

// Copies into `target` whatever of `source`'s children no load looked up; for children that
// were looked up, recurses so that unknown values inside known objects survive too.
void mergeUnknown(const ConfigDocument& document, const ConfigEntry& source, ConfigNode& target,
                  const LookedUp& lookedUp)
{
    for (const ConfigEntry& child : document.children(source))
    {
        ConfigNode* counterpart = target.findChild(child.kind, child.effectiveClassName(), child.name);
        if (!lookedUp(child))
        {
            if (counterpart == nullptr)
                target.addChild(document.copyTree(child, false));
            continue;
        }
        if (child.kind != ConfigNode::Kind::Object || !holdsUnknown(document, child, lookedUp))
            continue;
        if (counterpart == nullptr)
        {
            auto shell = std::make_unique<ConfigNode>();
            shell->kind = ConfigNode::Kind::Object;
            shell->name = child.name;
            shell->className = child.className;
            counterpart = target.putChild(std::move(shell));
        }
        mergeUnknown(document, child, *counterpart, lookedUp);
    }
}
}  // namespace

// All names and texts of a recording share one buffer, so that recording a value allocates
// nothing but, now and then, more room.
struct ConfigWriter::Recording::Entries
{
    enum class Kind
    {
        BeginObject,
        EndObject,
        Value
    };
    struct Text
    {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    struct Entry
    {
        Kind kind;
        bool editable;
        Text name;
        Text className;  // objects only
        std::variant<int, unsigned int, bool, double, float, Text> value;
    };

    Text keep(const std::string& text)
    {
        const Text kept{static_cast<std::uint32_t>(texts.size()), static_cast<std::uint32_t>(text.size())};
        texts += text;
        return kept;
    }
    std::string textOf(Text text) const { return texts.substr(text.offset, text.length); }

    std::vector<Entry> entries;
    std::string texts;
};

ConfigWriter::Recording::Recording() : m_entries(std::make_unique<Entries>()) {}

ConfigWriter::Recording::~Recording() = default;

ConfigWriter::ConfigWriter() : m_root(std::make_unique<ConfigNode>()), m_current(m_root.get()) {}

ConfigWriter::~ConfigWriter() = default;

ConfigNode* ConfigWriter::beginObject(const std::string& className, const std::string& objectName, bool editable,
                                      const std::string& description)
{
    const std::string& storedClass = className == objectName ? std::string() : className;
    if (m_recording != nullptr)
    {
        Recording::Entries& recording = *m_recording->m_entries;
        recording.entries.push_back({Recording::Entries::Kind::BeginObject, editable, recording.keep(objectName),
                                     recording.keep(storedClass), 0});
        return m_current;
    }
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Object;
    node->name = objectName;
    node->className = storedClass;
    node->editable = editable;
    if (m_withDescriptions)
        node->description = description;
    return m_current->putChild(std::move(node));
}

void ConfigWriter::endObject(ConfigNode* parent)
{
    if (m_recording != nullptr)
        m_recording->m_entries->entries.push_back({Recording::Entries::Kind::EndObject, true, {}, {}, 0});
    m_current = parent;
}

template <class T>
bool ConfigWriter::record(const std::string& key, const T& value, bool editable)
{
    if (m_recording == nullptr)
        return false;
    Recording::Entries& recording = *m_recording->m_entries;
    const Recording::Entries::Text name = recording.keep(key);
    if constexpr (std::is_same_v<T, std::string>)
        recording.entries.push_back({Recording::Entries::Kind::Value, editable, name, {}, recording.keep(value)});
    else
        recording.entries.push_back({Recording::Entries::Kind::Value, editable, name, {}, value});
    return true;
}

void ConfigWriter::replay(const Recording& recording)
{
    using Entries = Recording::Entries;
    const Entries& recorded = *recording.m_entries;
    std::vector<ConfigNode*> parents;
    for (const Entries::Entry& entry : recorded.entries)
    {
        switch (entry.kind)
        {
        case Entries::Kind::BeginObject:
        {
            const std::string name = recorded.textOf(entry.name);
            const std::string className = recorded.textOf(entry.className);
            parents.push_back(m_current);
            m_current = beginObject(className.empty() ? name : className, name, entry.editable, {});
            break;
        }
        case Entries::Kind::EndObject:
            m_current = parents.back();
            parents.pop_back();
            break;
        case Entries::Kind::Value:
            std::visit(
                [this, &entry, &recorded](const auto& value) {
                    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, Entries::Text>)
                        putValue(recorded.textOf(entry.name), recorded.textOf(value), {}, entry.editable);
                    else
                        putValue(recorded.textOf(entry.name), value, {}, entry.editable);
                },
                entry.value);
            break;
        }
    }
}

void ConfigWriter::putClassContents(const std::string& className, const std::string& objectName,
                                    const ConfigurationObject& object, const std::string& description)
{
    ConfigNode* parent = m_current;
    if (m_recording != nullptr)
    {
        // Room for the object and its values; children reserve their own.
        Recording::Entries& recording = *m_recording->m_entries;
        recording.entries.reserve(recording.entries.size() + object.getConfigurationValues().size() + 2);
        recording.texts.reserve(recording.texts.size() + 24 * (object.getConfigurationValues().size() + 1));
    }
    m_current = beginObject(className, objectName, object.isEditable(), description);
    object.saveContent(*this);
    endObject(parent);
}

void ConfigWriter::putChangedContents(const std::string& objectName, const ConfigurationObject& object,
                                      ConfigReader& reference, const std::set<std::string>* ownKeys)
{
    ConfigNode* parent = m_current;
    m_current = beginObject(objectName, objectName, true, {});
    m_ownKeys = ownKeys;
    m_filteredObject = m_current;
    object.saveContent(*this, reference, true);
    m_ownKeys = nullptr;
    m_filteredObject = nullptr;
    endObject(parent);
}

void ConfigWriter::putChangedChild(const std::string& className, const std::string& objectName,
                                   const ConfigurationObject& object, const ConfigurationObject& reference)
{
    ConfigNode* parent = m_current;
    m_current = beginObject(className, objectName, true, {});
    object.saveDifferences(*this, reference);
    endObject(parent);
}

void ConfigWriter::putText(const std::string& key, const char* type, const std::string& text,
                           const std::string& description, bool editable)
{
    auto node = std::make_unique<ConfigNode>();
    node->kind = ConfigNode::Kind::Value;
    node->name = key;
    node->type = type;
    node->text = text;
    if (m_withDescriptions)
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
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<int>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, unsigned int value, const std::string& description, bool editable)
{
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<unsigned int>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, bool value, const std::string& description, bool editable)
{
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<bool>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, double value, const std::string& description, bool editable)
{
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<double>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, float value, const std::string& description, bool editable)
{
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<float>(), ConfigValueText::format(value), description, editable);
}

void ConfigWriter::putValue(const std::string& key, const std::string& value, const std::string& description,
                            bool editable)
{
    if (!isFilteredOut(key) && !record(key, value, editable))
        putText(key, ConfigValueText::typeName<std::string>(), value, description, editable);
}

void ConfigWriter::keepUnknownEntries(const ConfigReader& replay)
{
    for (const auto& layer : replay.m_layers)
        if (layer.origin == ConfigReader::Origin::UserFile)
        {
            const ConfigDocument& document = *layer.document;
            mergeUnknown(document, document.root(), *m_root,
                         [&replay, &document](const ConfigEntry& entry) { return replay.wasLookedUp(document, entry); });
        }
}

namespace
{
// Values hold the same text exactly when they are of one type and, for numbers with a fraction,
// of the same bits: 0 and -0 are written differently though they compare equal.
template <class T>
bool sameRecordedValue(const T& before, const T& after)
{
    if constexpr (std::is_floating_point_v<T>)
        return std::memcmp(&before, &after, sizeof(T)) == 0;
    else
        return before == after;
}
}  // namespace

std::unique_ptr<ConfigWriter::RecordedChanges> ConfigWriter::compare(const Recording& before, const Recording& after)
{
    using Entries = Recording::Entries;
    const Entries& old = *before.m_entries;
    const Entries& now = *after.m_entries;
    if (old.entries.size() != now.entries.size())
        return nullptr;
    const auto sameText = [&old, &now](Entries::Text a, Entries::Text b) {
        return a.length == b.length && old.texts.compare(a.offset, a.length, now.texts, b.offset, b.length) == 0;
    };
    auto changes = std::make_unique<RecordedChanges>();
    std::vector<const ConfigNode*> objects;
    for (std::size_t i = 0; i < now.entries.size(); ++i)
    {
        const Entries::Entry& was = old.entries[i];
        const Entries::Entry& is = now.entries[i];
        if (was.kind != is.kind || !sameText(was.name, is.name) || !sameText(was.className, is.className) ||
            was.value.index() != is.value.index())
            return nullptr;
        if (is.kind == Entries::Kind::EndObject)
        {
            objects.pop_back();
            continue;
        }
        if (is.kind == Entries::Kind::BeginObject)
        {
            ConfigNode& step = *changes->steps.emplace_back(std::make_unique<ConfigNode>());
            step.kind = ConfigNode::Kind::Object;
            step.name = now.textOf(is.name);
            step.className = now.textOf(is.className);
            objects.push_back(&step);
            continue;
        }
        const bool same = std::visit(
            [&](const auto& value) {
                using Value = std::decay_t<decltype(value)>;
                const Value& previous = std::get<Value>(was.value);
                if constexpr (std::is_same_v<Value, Entries::Text>)
                    return sameText(previous, value);
                else
                    return sameRecordedValue(previous, value);
            },
            is.value);
        if (same)
            continue;
        ConfigNode& step = *changes->steps.emplace_back(std::make_unique<ConfigNode>());
        step.kind = ConfigNode::Kind::Value;
        step.name = now.textOf(is.name);
        std::vector<const ConfigNode*> path = objects;
        path.push_back(&step);
        changes->paths.push_back(std::move(path));
    }
    return changes;
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
