#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Quarvane
{

class ConfigReader;
class ConfigWriter;

// A named set of configuration values and child objects, loaded from and saved to the
// configuration files. Every configuration group derives from it.
class ConfigurationObject : public ConfigurationItemBase
{
public:
    using ValueList = std::vector<std::unique_ptr<ConfigurationValueBase>>;
    using ObjectList = std::vector<std::unique_ptr<ConfigurationObject>>;

    ConfigurationObject(const std::string& name, const std::string& annotation, Persistence persistence,
                        ProductType productType);
    // Copies name, flags, values and children (deeply); user warnings are not copied.
    ConfigurationObject(const ConfigurationObject& other);
    ConfigurationObject& operator=(const ConfigurationObject& other);

    virtual ~ConfigurationObject();
    // Reads this object's children (each as a nested object of its class and name), its values
    // and its editable flag from the reader's current object. Does nothing when the object is
    // locked.
    virtual void loadContent(ConfigReader& reader);
    // Writes every child, as a nested object, then every value but the run-time ones.
    virtual void saveContent(ConfigWriter& writer) const;
    // A new instance with this one's name and all defaults; the caller owns it.
    virtual ConfigurationObject* createConfigurationObject() const;
    // A copy; the caller owns it.
    virtual ConfigurationObject* clone() const;
    // With `onlyChanged` false, the same as saveContent(writer). Otherwise writes what a user
    // changed (saveDifferences) against what `reference` (the defaults with the system files
    // applied) gives; nothing when the reference locks this object.
    virtual void saveContent(ConfigWriter& writer, ConfigReader& reference, bool onlyChanged) const;
    // Whether saveContent(writer, reference, true) has anything to write.
    virtual bool canBeSavedToUserConfig(ConfigReader& reference) const;
    // Puts every value back to its default.
    virtual void setDefaultValues();
    virtual bool hasNonEditableEntries() const;
    // Puts back to their defaults the values a group considers invalid; none by default.
    virtual void overwriteInvalidConfigValues();
    // Tells observers the values after a load; the framework calls it once per load.
    virtual void emitSignalsAfterConfigLoading();
    virtual std::vector<std::string> getUserWarningMessages() const;
    virtual void addUserWarningMessage(const std::string& message);

    // The framework's own slots, after the platform's so that theirs keep their places.
    // A new instance holding the defaults this one would return to, which live reload reads
    // the files into: createConfigurationObject() unless a group's defaults depend on how the
    // instance was set up.
    virtual ConfigurationObject* createDefaultsLikeThis() const;
    // For the user file, against `reference` (this object with the defaults and the system files
    // applied): whether anything differs that the user file may hold, in the values or, nested,
    // in the children. Values and children the reference locks, and those the user file never
    // holds, do not count.
    virtual bool differsForUserFile(const ConfigurationObject& reference) const;
    // Writes what differsForUserFile finds: each differing child as a nested object holding its
    // own differences, then the differing values.
    virtual void saveDifferences(ConfigWriter& writer, const ConfigurationObject& reference) const;
    // Live reload: takes over the values and locks of `reloaded` (this object read again from
    // changed files) and tells observers about `changedKeys`, the values whose content changed
    // ("Key", or "Child/Key" inside a child object; empty when only locks changed). By default
    // it assigns and, when a value changed, emits as after a load; groups that can tell their
    // observers value by value override it.
    virtual void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                         const std::vector<std::string>& changedKeys);

    void clearUserWarningMessages() { m_userWarnings.clear(); }
    const std::string& getAnnotation() const { return m_annotation; }
    // The class a nested object is stored under in a file: its name unless set otherwise.
    const std::string& getClassName() const { return m_className.empty() ? getName() : m_className; }

    ConfigurationValueBase* getConfigurationValue(const std::string& key);
    const ConfigurationValueBase* getConfigurationValue(const std::string& key) const;
    ConfigurationObject* getConfigurationObject(const std::string& name);
    const ConfigurationObject* getConfigurationObject(const std::string& name) const;

    // In the order they were added.
    const ValueList& getConfigurationValues() const { return m_values; }
    const ObjectList& getConfigurationObjects() const { return m_children; }

    // Whether both objects hold a value under `key` and the two are equal.
    bool compareWithOtherConfigValue(const ConfigurationObject& other, const std::string& key) const;
    // This object's values that `other` lacks or holds differently, in this object's order.
    std::vector<const ConfigurationValueBase*> getDifferentConfigurationValues(const ConfigurationObject& other) const;

protected:
    // Takes ownership. A key added twice is a programming error: the second value is deleted and
    // QvLogicException names the object and the key.
    void addConfigurationValue(ConfigurationValueBase* value);
    // Takes ownership. A name added twice is a programming error, as for values.
    void addConfigurationObject(ConfigurationObject* object);
    void removeAllConfigurationObjects();
    void setClassName(const std::string& className) { m_className = className; }

private:
    void copyValuesFrom(const ConfigurationObject& other);
    void copyChildrenFrom(const ConfigurationObject& other);
    std::unique_ptr<ConfigurationObject> userFileReference(ConfigReader& reference) const;
    std::vector<const ConfigurationValueBase*> valuesForUserFile(const ConfigurationObject& reference) const;

    std::string m_annotation;
    std::string m_className;
    ValueList m_values;
    // Keyed by each value's own name: values live on the heap and never change their name.
    std::unordered_map<std::string_view, ConfigurationValueBase*> m_valuesByKey;
    ObjectList m_children;
    std::unordered_map<std::string, ConfigurationObject*> m_childrenByName;
    std::vector<std::string> m_userWarnings;
};

}  // namespace Quarvane
