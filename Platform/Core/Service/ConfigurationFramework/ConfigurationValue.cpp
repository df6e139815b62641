#include "Platform/Core/Service/ConfigurationFramework/ConfigurationValue.h"

#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"

#include <cstring>
#include <type_traits>
#include <utility>

namespace Quarvane
{
namespace
{
// Doubles compare by their bits, so that a NaN equals itself and a stored NaN is not
// rewritten on every save, while 0.0 and -0.0 stay distinct as the file keeps them.
template <class T>
bool sameValue(const T& a, const T& b)
{
    return a == b;
}

template <>
bool sameValue<double>(const double& a, const double& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The types that can carry a rule.
template <class T>
struct IsNumber : std::integral_constant<bool, std::is_arithmetic_v<T> && !std::is_same_v<T, bool>>
{
};

template <class T>
int readStored(ConfigReader& reader, const ConfigurationValue<T>& value, T& stored, bool& editable)
{
    if constexpr (std::is_same_v<T, std::string>)
        if (value.isSecret())
            return reader.readSecretValue(value.getName(), stored, editable);
    return reader.readValue(value.getName(), stored, editable);
}
}  // namespace

ConfigurationValueBase::ConfigurationValueBase(const std::string& key, const std::string& description,
                                               GuiVisibility guiVisibility, Persistence persistence,
                                               ProductType productType, ValueRule rule)
    : ConfigurationItemBase(key, persistence, productType),
      m_description(description),
      m_guiVisibility(guiVisibility),
      m_rule(std::move(rule))
{
}

bool ConfigurationValueBase::acceptsStoredValue(bool fromUserFile) const
{
    if (!isEditable() || getPersistence() == Persistences::RuntimeValue)
        return false;
    return !(fromUserFile && getPersistence() == Persistences::AdminSetting);
}

template <class T>
ConfigurationValue<T>::ConfigurationValue(const std::string& key, const std::string& description,
                                          const T& defaultValue, GuiVisibility guiVisibility,
                                          Persistence persistence, ProductType productType, ValueRule rule)
    : ConfigurationValueBase(key, description, guiVisibility, persistence, productType, std::move(rule)),
      m_defaultValue(defaultValue),
      m_value(defaultValue)
{
    if (!IsNumber<T>::value && getRule().isDeclared())
        throw QvLogicException(key + ": only numbers carry a rule", "ConfigurationFramework",
                               "ConfigurationValue::ConfigurationValue", __FILE__, __LINE__);
}

template <class T>
T ConfigurationValue<T>::clampedToRule(const T& value) const
{
    if constexpr (IsNumber<T>::value)
        return static_cast<T>(getRule().clamp(static_cast<double>(value)));
    else
        return value;
}

template <class T>
void ConfigurationValue<T>::loadContent(ConfigReader& reader)
{
    if (!acceptsStoredValue(reader.readsUserFile()))
    {
        reader.noteValueRefused(*this);
        return;
    }
    T stored = m_value;
    bool editable = true;
    const int status = readStored(reader, *this, stored, editable);
    if (status == ConfigReader::Found)
    {
        // A value the file locks stays as the administrator wrote it.
        if constexpr (IsNumber<T>::value)
            if (editable && !getRule().allows(static_cast<double>(stored)))
            {
                const T loaded = static_cast<T>(getRule().repairLoaded(static_cast<double>(stored)));
                reader.noteOutsideRule(getName(), getRule().describe(), ConfigValueText::format(stored),
                                       ConfigValueText::format(loaded));
                stored = loaded;
            }
        m_value = stored;
        reader.noteValueTaken(getName());
    }
    if (status != ConfigReader::NotFound)
        setEditable(editable);
}

template <class T>
void ConfigurationValue<T>::saveContent(ConfigWriter& writer) const
{
    writer.putValue(getName(), m_value, getDescription(), isEditable());
}

template <class T>
bool ConfigurationValue<T>::comapreValue(const ConfigurationValueBase& other) const
{
    const auto* typed = dynamic_cast<const ConfigurationValue<T>*>(&other);
    return typed != nullptr && sameValue(m_value, typed->m_value);
}

template <class T>
ConfigurationValue<T>* ConfigurationValue<T>::clone() const
{
    return new ConfigurationValue<T>(*this);
}

template <class T>
bool ConfigurationValue<T>::hasValue() const
{
    return !sameValue(m_value, m_defaultValue);
}

template <class T>
void ConfigurationValue<T>::resetValue()
{
    m_value = m_defaultValue;
}

template <class T>
bool ConfigurationValue<T>::adoptValue(const ConfigurationValueBase& other)
{
    const auto* typed = dynamic_cast<const ConfigurationValue<T>*>(&other);
    if (typed == nullptr)
        return false;
    m_value = typed->m_value;
    setEditable(typed->isEditable());
    return true;
}

template <class T>
const char* ConfigurationValue<T>::getTypeName() const
{
    return ConfigValueText::typeName<T>();
}

template <class T>
std::string ConfigurationValue<T>::getValueText() const
{
    return ConfigValueText::format(m_value);
}

template <class T>
std::string ConfigurationValue<T>::getDefaultValueText() const
{
    return ConfigValueText::format(m_defaultValue);
}

template class ConfigurationValue<int>;
template class ConfigurationValue<unsigned int>;
template class ConfigurationValue<bool>;
template class ConfigurationValue<double>;
template class ConfigurationValue<std::string>;

}  // namespace Quarvane
