#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"

#include <algorithm>

namespace Quarvane
{

ConfigurationObject::ConfigurationObject(const std::string& name, const std::string& annotation,
                                         Persistence persistence, ProductType productType)
    : ConfigurationItemBase(name, persistence, productType), m_annotation(annotation)
{
}

ConfigurationObject::ConfigurationObject(const ConfigurationObject& other)
    : ConfigurationItemBase(other), m_annotation(other.m_annotation), m_className(other.m_className)
{
    copyValuesFrom(other);
    copyChildrenFrom(other);
}

ConfigurationObject& ConfigurationObject::operator=(const ConfigurationObject& other)
{
    if (this == &other)
        return *this;
    ConfigurationItemBase::operator=(other);
    m_annotation = other.m_annotation;
    m_className = other.m_className;
    copyValuesFrom(other);
    copyChildrenFrom(other);
    return *this;
}

ConfigurationObject::~ConfigurationObject() = default;

// Values are adopted in place when both objects hold the same keys in the same order, which is
// always the case between two instances of one group: references that callers keep to a
// group's values stay valid across an assignment.
void ConfigurationObject::copyValuesFrom(const ConfigurationObject& other)
{
    const bool sameLayout = std::equal(m_values.begin(), m_values.end(), other.m_values.begin(), other.m_values.end(),
                                       [](const auto& mine, const auto& theirs) {
                                           return mine->getName() == theirs->getName() &&
                                                  std::string(mine->getTypeName()) == theirs->getTypeName();
                                       });
    if (sameLayout)
    {
        for (std::size_t i = 0; i < m_values.size(); ++i)
            m_values[i]->adoptValue(*other.m_values[i]);
        return;
    }
    m_valuesByKey.clear();
    m_values.clear();
    for (const auto& value : other.m_values)
        addConfigurationValue(value->clone());
}

void ConfigurationObject::copyChildrenFrom(const ConfigurationObject& other)
{
    removeAllConfigurationObjects();
    for (const auto& child : other.m_children)
        addConfigurationObject(child->clone());
}

void ConfigurationObject::loadContent(ConfigReader& reader)
{
    if (!isEditable())
        return;
    for (const auto& child : m_children)
        reader.readClassContents(child->getClassName(), child->getName(), *child);
    for (const auto& value : m_values)
        value->loadContent(reader);
    bool editable = true;
    if (reader.readEditable(editable) == ConfigReader::Found)
        setEditable(editable);
}

void ConfigurationObject::saveContent(ConfigWriter& writer) const
{
    for (const auto& child : m_children)
        writer.putClassContents(child->getClassName(), child->getName(), *child, "");
    for (const auto& value : m_values)
        if (value->getPersistence() != Persistences::RuntimeValue)
            value->saveContent(writer);
}

ConfigurationObject* ConfigurationObject::createConfigurationObject() const
{
    auto* fresh = new ConfigurationObject(getName(), m_annotation, getPersistence(), getProductType());
    fresh->m_className = m_className;
    for (const auto& value : m_values)
    {
        ConfigurationValueBase* copy = value->clone();
        copy->resetValue();
        copy->setEditable(true);
        fresh->addConfigurationValue(copy);
    }
    for (const auto& child : m_children)
        fresh->addConfigurationObject(child->createConfigurationObject());
    return fresh;
}

ConfigurationObject* ConfigurationObject::clone() const { return new ConfigurationObject(*this); }

ConfigurationObject* ConfigurationObject::createDefaultsLikeThis() const { return createConfigurationObject(); }

void ConfigurationObject::saveContent(ConfigWriter& writer, ConfigReader& reference, bool onlyChanged) const
{
    if (!onlyChanged)
    {
        saveContent(writer);
        return;
    }
    if (const std::unique_ptr<ConfigurationObject> stored = userFileReference(reference))
        saveDifferences(writer, *stored);
}

bool ConfigurationObject::canBeSavedToUserConfig(ConfigReader& reference) const
{
    const std::unique_ptr<ConfigurationObject> stored = userFileReference(reference);
    return stored != nullptr && differsForUserFile(*stored);
}

// This object as the defaults and the system files give it; null when nothing of the user's
// would apply (not a user setting, or locked by an administrator).
std::unique_ptr<ConfigurationObject> ConfigurationObject::userFileReference(ConfigReader& reference) const
{
    if (getPersistence() != Persistences::UserSetting)
        return nullptr;
    std::unique_ptr<ConfigurationObject> stored(createConfigurationObject());
    reference.readConfigurationObject(getName(), *stored);
    if (!stored->isEditable())
        return nullptr;
    return stored;
}

namespace
{
// Whether a child goes to the user file, against its counterpart in the reference.
bool childForUserFile(const ConfigurationObject& child, const ConfigurationObject* reference)
{
    if (child.getPersistence() != Persistences::UserSetting)
        return false;
    return reference == nullptr || (reference->isEditable() && child.differsForUserFile(*reference));
}
}  // namespace

bool ConfigurationObject::differsForUserFile(const ConfigurationObject& reference) const
{
    return !valuesForUserFile(reference).empty() ||
           std::any_of(m_children.begin(), m_children.end(), [&reference](const auto& child) {
               return childForUserFile(*child, reference.getConfigurationObject(child->getName()));
           });
}

void ConfigurationObject::saveDifferences(ConfigWriter& writer, const ConfigurationObject& reference) const
{
    for (const auto& child : m_children)
    {
        const ConfigurationObject* counterpart = reference.getConfigurationObject(child->getName());
        if (!childForUserFile(*child, counterpart))
            continue;
        if (counterpart == nullptr)
            writer.putClassContents(child->getClassName(), child->getName(), *child, "");
        else
            writer.putChangedChild(child->getClassName(), child->getName(), *child, *counterpart);
    }
    for (const ConfigurationValueBase* value : valuesForUserFile(reference))
        value->saveContent(writer);
}

std::vector<const ConfigurationValueBase*> ConfigurationObject::valuesForUserFile(
    const ConfigurationObject& reference) const
{
    std::vector<const ConfigurationValueBase*> changed;
    for (const auto& value : m_values)
    {
        if (value->getPersistence() != Persistences::UserSetting)
            continue;
        const ConfigurationValueBase* referenceValue = reference.getConfigurationValue(value->getName());
        if (referenceValue != nullptr && !referenceValue->isEditable())
            continue;
        if (referenceValue == nullptr || !value->comapreValue(*referenceValue))
            changed.push_back(value.get());
    }
    return changed;
}

void ConfigurationObject::setDefaultValues()
{
    for (const auto& value : m_values)
        value->resetValue();
    for (const auto& child : m_children)
        child->setDefaultValues();
}

bool ConfigurationObject::hasNonEditableEntries() const
{
    if (!isEditable())
        return true;
    const auto locked = [](const auto& item) { return !item->isEditable(); };
    return std::any_of(m_values.begin(), m_values.end(), locked) ||
           std::any_of(m_children.begin(), m_children.end(),
                       [](const auto& child) { return child->hasNonEditableEntries(); });
}

void ConfigurationObject::overwriteInvalidConfigValues() {}

void ConfigurationObject::emitSignalsAfterConfigLoading() {}

void ConfigurationObject::takeOverReloadedContent(const ConfigurationObject& reloaded,
                                                  const std::vector<std::string>& changedKeys)
{
    ConfigurationObject::operator=(reloaded);
    if (!changedKeys.empty())
        emitSignalsAfterConfigLoading();
}

std::vector<std::string> ConfigurationObject::getUserWarningMessages() const { return m_userWarnings; }

void ConfigurationObject::addUserWarningMessage(const std::string& message) { m_userWarnings.push_back(message); }

ConfigurationValueBase* ConfigurationObject::getConfigurationValue(const std::string& key)
{
    const auto found = m_valuesByKey.find(key);
    return found == m_valuesByKey.end() ? nullptr : found->second;
}

const ConfigurationValueBase* ConfigurationObject::getConfigurationValue(const std::string& key) const
{
    return const_cast<ConfigurationObject*>(this)->getConfigurationValue(key);
}

ConfigurationObject* ConfigurationObject::getConfigurationObject(const std::string& name)
{
    const auto found = m_childrenByName.find(name);
    return found == m_childrenByName.end() ? nullptr : found->second;
}

const ConfigurationObject* ConfigurationObject::getConfigurationObject(const std::string& name) const
{
    return const_cast<ConfigurationObject*>(this)->getConfigurationObject(name);
}

bool ConfigurationObject::compareWithOtherConfigValue(const ConfigurationObject& other, const std::string& key) const
{
    const ConfigurationValueBase* mine = getConfigurationValue(key);
    const ConfigurationValueBase* theirs = other.getConfigurationValue(key);
    return mine != nullptr && theirs != nullptr && mine->comapreValue(*theirs);
}

std::vector<const ConfigurationValueBase*> ConfigurationObject::getDifferentConfigurationValues(
    const ConfigurationObject& other) const
{
    std::vector<const ConfigurationValueBase*> different;
    for (const auto& value : m_values)
        if (!compareWithOtherConfigValue(other, value->getName()))
            different.push_back(value.get());
    return different;
}

void ConfigurationObject::addConfigurationValue(ConfigurationValueBase* value)
{
    std::unique_ptr<ConfigurationValueBase> owned(value);
    if (!owned)
        return;
    if (!m_valuesByKey.emplace(owned->getName(), owned.get()).second)
        throw QvLogicException(getName() + "/" + owned->getName() + ": the key is declared twice",
                               "ConfigurationFramework", "ConfigurationObject::addConfigurationValue", __FILE__,
                               __LINE__);
    m_values.push_back(std::move(owned));
}

void ConfigurationObject::addConfigurationObject(ConfigurationObject* object)
{
    std::unique_ptr<ConfigurationObject> owned(object);
    if (!owned)
        return;
    if (m_childrenByName.count(owned->getName()) != 0)
        throw QvLogicException(getName() + "/" + owned->getName() + ": the object is declared twice",
                               "ConfigurationFramework", "ConfigurationObject::addConfigurationObject", __FILE__,
                               __LINE__);
    m_childrenByName.emplace(owned->getName(), owned.get());
    m_children.push_back(std::move(owned));
}

void ConfigurationObject::removeAllConfigurationObjects()
{
    m_childrenByName.clear();
    m_children.clear();
}

}  // namespace Quarvane
