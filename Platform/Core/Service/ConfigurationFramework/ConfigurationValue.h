#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationItemBase.h"
#include "Platform/Core/Service/ConfigurationFramework/ValueRule.h"

#include <string>

namespace Quarvane
{

class ConfigReader;
class ConfigWriter;

// One named, described setting with a default. The typed ConfigurationValue<T> derives from it;
// tools and the framework handle values through this base.
class ConfigurationValueBase : public ConfigurationItemBase
{
public:
    ConfigurationValueBase(const std::string& key, const std::string& description, GuiVisibility guiVisibility,
                           Persistence persistence, ProductType productType, ValueRule rule = {});
    ~ConfigurationValueBase() override = default;

    virtual void loadContent(ConfigReader& reader) = 0;
    virtual void saveContent(ConfigWriter& writer) const = 0;
    // Whether `other` is a value of the same type holding the same value.
    virtual bool comapreValue(const ConfigurationValueBase& other) const = 0;
    virtual ConfigurationValueBase* clone() const = 0;
    // Whether the value holds something other than its default.
    virtual bool hasValue() const = 0;
    virtual void resetValue() = 0;
    // Takes over the value and the editable flag of a value of the same type; false otherwise.
    virtual bool adoptValue(const ConfigurationValueBase& other) = 0;

    // For tools: the type's name in the file format and the values as text.
    virtual const char* getTypeName() const = 0;
    virtual std::string getValueText() const = 0;
    virtual std::string getDefaultValueText() const = 0;

    const std::string& getDescription() const { return m_description; }
    GuiVisibility getGuiVisibility() const { return m_guiVisibility; }
    // The declared rule of a numeric value; none for the others and for values declared without.
    const ValueRule& getRule() const { return m_rule; }

    // A secret (a password) is never shown as text: tools mask it and load warnings leave it out.
    bool isSecret() const { return m_secret; }
    void setSecret(bool secret) { m_secret = secret; }

    // Whether a reader of the given kind may set this value: run-time values are never read,
    // administrator values only from system files, and a locked value not at all.
    bool acceptsStoredValue(bool fromUserFile) const;

protected:
    ConfigurationValueBase(const ConfigurationValueBase&) = default;
    ConfigurationValueBase& operator=(const ConfigurationValueBase&) = default;

private:
    std::string m_description;
    GuiVisibility m_guiVisibility;
    ValueRule m_rule;
    bool m_secret = false;
};

// A typed setting: int, unsigned int, bool, double or std::string.
template <class T>
class ConfigurationValue : public ConfigurationValueBase
{
public:
    // A rule is for int, unsigned int and double values; giving one to another type is a
    // programming error (QvLogicException).
    ConfigurationValue(const std::string& key, const std::string& description, const T& defaultValue,
                       GuiVisibility guiVisibility, Persistence persistence, ProductType productType,
                       ValueRule rule = {});

    const T& getValue() const { return m_value; }
    // Stores without notifying anybody; groups notify in their own setters.
    void setValue(const T& value) { m_value = value; }
    // `value` brought inside the declared range; unchanged without one.
    T clampedToRule(const T& value) const;
    const T& getDefaultValue() const { return m_defaultValue; }

    void loadContent(ConfigReader& reader) override;
    void saveContent(ConfigWriter& writer) const override;
    bool comapreValue(const ConfigurationValueBase& other) const override;
    ConfigurationValue* clone() const override;
    bool hasValue() const override;
    void resetValue() override;
    bool adoptValue(const ConfigurationValueBase& other) override;

    const char* getTypeName() const override;
    std::string getValueText() const override;
    std::string getDefaultValueText() const override;

private:
    T m_defaultValue;
    T m_value;
};

extern template class ConfigurationValue<int>;
extern template class ConfigurationValue<unsigned int>;
extern template class ConfigurationValue<bool>;
extern template class ConfigurationValue<double>;
extern template class ConfigurationValue<std::string>;

}  // namespace Quarvane
