#include "Platform/Core/Presentation/Configuration/AutoSaveConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string AutoSaveConfiguration::s_autoSaveOptionTag = "AutoSaveEnabled";
const std::string AutoSaveConfiguration::s_autoSaveIntervalTag = "AutoSaveInterval";

AutoSaveConfiguration* AutoSaveConfiguration::s_registeredInstance = nullptr;
boost::mutex AutoSaveConfiguration::s_registrationMutex;

namespace
{
constexpr ProductType s_autoSaveProducts = Products::Designer | Products::Forming | Products::Progressive;

const std::string* const s_valuesByType[] = {
    &AutoSaveConfiguration::s_autoSaveOptionTag,    // OptionType
    &AutoSaveConfiguration::s_autoSaveIntervalTag,  // IntervalType
};
static_assert(std::size(s_valuesByType) == AutoSaveConfiguration::IntervalType + 1, "one entry per type number");

// Where the constructor declares each value.
constexpr std::size_t s_optionPosition = 0;
constexpr std::size_t s_intervalPosition = 1;
}  // namespace

AutoSaveConfiguration* AutoSaveConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

AutoSaveConfiguration::AutoSaveConfiguration() : ConfigurationObject("AutoSaveConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<int>(
        s_autoSaveOptionTag, "Set auto save option to Disable(0), Enable(1) or Ask the User(2)", 0, Shown, UserSetting,
        s_autoSaveProducts, ValueRule::oneOf({{0, "Disable"}, {1, "Enable"}, {2, "Ask the user"}})));
    addConfigurationValue(new ConfigurationValue<int>(
        s_autoSaveIntervalTag, "The interval in which each design is automatically saved in minutes.", 5, Shown,
        UserSetting, s_autoSaveProducts));
    // Every instance declares the same values, so the first one built checks for all.
    [[maybe_unused]] static const bool positionsChecked =
        (checkPosition<int>(*this, s_optionPosition, s_autoSaveOptionTag),
         checkPosition<int>(*this, s_intervalPosition, s_autoSaveIntervalTag), true);
}

AutoSaveConfiguration::~AutoSaveConfiguration() = default;

int AutoSaveConfiguration::getAutoSaveOption() const { return get<int>(*this, s_autoSaveOptionTag); }

int AutoSaveConfiguration::getAutoSaveIntervalInMinutes() const { return get<int>(*this, s_autoSaveIntervalTag); }

void AutoSaveConfiguration::setAutoSaveOptions(int option, int intervalInMinutes)
{
    ConfigurationValue<int>& storedOption = valueAt<int>(*this, s_optionPosition);
    ConfigurationValue<int>& storedInterval = valueAt<int>(*this, s_intervalPosition);
    if (storedOption.getValue() == option && storedInterval.getValue() == intervalInMinutes)
        return;
    storedOption.setValue(option);
    storedInterval.setValue(intervalInMinutes);
    m_autoSaveOptionsChangedSignal(intervalInMinutes, option);
}

bool AutoSaveConfiguration::getEditable(Types type) const
{
    if (!isEditable())
        return false;
    const std::string* key = selectedKey(s_valuesByType, type);
    return key == nullptr || GroupSupport::isEditable(*this, *key);
}

bool AutoSaveConfiguration::isAutoSaveOptionVisible() const { return isVisible(*this, s_autoSaveOptionTag); }

void AutoSaveConfiguration::copyFrom(const AutoSaveConfiguration& other)
{
    const bool changed = differs(*this, other, s_autoSaveOptionTag) || differs(*this, other, s_autoSaveIntervalTag);
    ConfigurationObject::operator=(other);
    if (changed)
        m_autoSaveOptionsChangedSignal(getAutoSaveIntervalInMinutes(), getAutoSaveOption());
}

ConfigurationObject* AutoSaveConfiguration::createConfigurationObject() const { return new AutoSaveConfiguration(); }

void AutoSaveConfiguration::emitSignalsAfterConfigLoading()
{
    m_autoSaveOptionsChangedSignal(getAutoSaveIntervalInMinutes(), getAutoSaveOption());
}

}  // namespace Quarvane
