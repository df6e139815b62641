#include "Platform/Core/Presentation/Configuration/UpdateConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using GroupSupport::get;
using GroupSupport::valueOf;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string UpdateConfiguration::s_tag = "UpdateConfiguration";
const std::string UpdateConfiguration::s_applicationUpdates = "ApplicationUpdates";
const std::string UpdateConfiguration::s_materialUpdates = "MaterialUpdates";
const std::string UpdateConfiguration::s_newsUpdates = "NewsUpdates";
const std::string UpdateConfiguration::s_checkOnNextStart = "CheckOnNextStart";

UpdateConfiguration* UpdateConfiguration::s_registeredInstance = nullptr;
boost::mutex UpdateConfiguration::s_registrationMutex;

namespace
{
const std::string* const s_valuesByType[] = {
    &UpdateConfiguration::s_checkOnNextStart,    // CheckOnNextStartType
    &UpdateConfiguration::s_applicationUpdates,  // ApplicationUpdatesType
    &UpdateConfiguration::s_materialUpdates,     // MaterialUpdatesType
    &UpdateConfiguration::s_newsUpdates,         // NewsUpdatesType
};
static_assert(std::size(s_valuesByType) == UpdateConfiguration::NewsUpdatesType + 1, "one entry per type number");
}  // namespace

UpdateConfiguration* UpdateConfiguration::getRegisteredInstance()
{
    return GroupSupport::registerOnce(s_registeredInstance, s_registrationMutex);
}

UpdateConfiguration::UpdateConfiguration() : ConfigurationObject(s_tag, "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(s_applicationUpdates, "Check for Application-Updates", false,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_materialUpdates, "Check for Material-Updates", false, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_newsUpdates, "Check for News-Updates", false, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_checkOnNextStart, "Check for Updates on next Start", false,
                                                       Shown, UserSetting, Products::All));
}

UpdateConfiguration::~UpdateConfiguration() = default;

bool UpdateConfiguration::getApplicationUpdates() const { return get<bool>(*this, s_applicationUpdates); }
bool UpdateConfiguration::getMaterialUpdates() const { return get<bool>(*this, s_materialUpdates); }
bool UpdateConfiguration::getNewsUpdates() const { return get<bool>(*this, s_newsUpdates); }
bool UpdateConfiguration::getCheckOnNextStart() const { return get<bool>(*this, s_checkOnNextStart); }

const ConfigurationValue<bool>& UpdateConfiguration::getApplicationUpdatesConfig() const
{
    return valueOf<bool>(*this, s_applicationUpdates);
}
const ConfigurationValue<bool>& UpdateConfiguration::getMaterialUpdatesConfig() const
{
    return valueOf<bool>(*this, s_materialUpdates);
}
const ConfigurationValue<bool>& UpdateConfiguration::getNewsUpdatesConfig() const
{
    return valueOf<bool>(*this, s_newsUpdates);
}
const ConfigurationValue<bool>& UpdateConfiguration::getCheckOnNextStartConfig() const
{
    return valueOf<bool>(*this, s_checkOnNextStart);
}

// A user's own change is editable by definition, so setters report true as the flag.
void UpdateConfiguration::setAndNotify(const std::string& key, bool check, ChangedSignal& signal)
{
    if (GroupSupport::storeIfChanged(*this, key, check))
        signal(true, check);
}

void UpdateConfiguration::setApplicationUpdates(bool check)
{
    setAndNotify(s_applicationUpdates, check, m_applicationUpdatesChangedSignal);
}
void UpdateConfiguration::setMaterialUpdates(bool check)
{
    setAndNotify(s_materialUpdates, check, m_materialUpdatesChangedSignal);
}
void UpdateConfiguration::setNewsUpdates(bool check) { setAndNotify(s_newsUpdates, check, m_newsUpdatesChangedSignal); }
void UpdateConfiguration::setCheckOnNextStart(bool check)
{
    setAndNotify(s_checkOnNextStart, check, m_checkOnNextStartChangedSignal);
}

bool UpdateConfiguration::getEditable(Types type) const
{
    return GroupSupport::isSelectedEditable(*this, s_valuesByType, type);
}

void UpdateConfiguration::copyFrom(const UpdateConfiguration& other) { ConfigurationObject::operator=(other); }

ConfigurationObject* UpdateConfiguration::createConfigurationObject() const { return new UpdateConfiguration(); }

void UpdateConfiguration::emitConfigValueSignal(ConfigurationValue<bool>* value, ChangedSignal& signal)
{
    signal(value->isEditable(), value->getValue());
}

void UpdateConfiguration::emitSignalsAfterConfigLoading()
{
    emitConfigValueSignal(&valueOf<bool>(*this, s_applicationUpdates), m_applicationUpdatesChangedSignal);
    emitConfigValueSignal(&valueOf<bool>(*this, s_materialUpdates), m_materialUpdatesChangedSignal);
    emitConfigValueSignal(&valueOf<bool>(*this, s_newsUpdates), m_newsUpdatesChangedSignal);
    emitConfigValueSignal(&valueOf<bool>(*this, s_checkOnNextStart), m_checkOnNextStartChangedSignal);
}

}  // namespace Quarvane
