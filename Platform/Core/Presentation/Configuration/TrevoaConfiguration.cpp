#include "Platform/Core/Presentation/Configuration/TrevoaConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string TrevoaConfiguration::s_disableExportWithoutStandardTag = "DisableExportWithoutStandard";

TrevoaConfiguration* TrevoaConfiguration::s_registeredInstance = nullptr;
boost::mutex TrevoaConfiguration::s_registrationMutex;

namespace
{
using Group = TrevoaConfiguration;

const std::string* const s_valuesByType[] = {
    &Group::s_disableExportWithoutStandardTag,  // DisableExportWithoutStandardType
};
static_assert(std::size(s_valuesByType) == TrevoaConfiguration::DisableExportWithoutStandardType + 1,
              "one entry per type number");

const Notification<Group> s_notifications[] = {
    {&Group::s_disableExportWithoutStandardTag,
     [](Group& g) { g.m_disableExportWithoutStandardChangedSignal(g.getDisableExportWithoutStandard()); }},
};
}  // namespace

TrevoaConfiguration* TrevoaConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

TrevoaConfiguration::TrevoaConfiguration() : ConfigurationObject("TrevoaConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(
        s_disableExportWithoutStandardTag, "Disable Export to Trevoa without standard definition: true/false", false,
        Shown, UserSetting, Products::All));
}

TrevoaConfiguration::~TrevoaConfiguration() = default;

bool TrevoaConfiguration::getDisableExportWithoutStandard() const
{
    return get<bool>(*this, s_disableExportWithoutStandardTag);
}

const ConfigurationValue<bool>& TrevoaConfiguration::getDisableExportWithoutStandardConfig() const
{
    return valueOf<bool>(*this, s_disableExportWithoutStandardTag);
}

void TrevoaConfiguration::setDisableExportWithoutStandard(bool disable)
{
    setAndNotify(*this, s_disableExportWithoutStandardTag, disable, m_disableExportWithoutStandardChangedSignal);
}

bool TrevoaConfiguration::getEditable(TrevoaConfigurationTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

void TrevoaConfiguration::copyFrom(const TrevoaConfiguration& other)
{
    copyAndNotifyChanges(*this, other, s_notifications);
}

ConfigurationObject* TrevoaConfiguration::createConfigurationObject() const { return new TrevoaConfiguration(); }

void TrevoaConfiguration::emitSignalsAfterConfigLoading() { emitAll(*this, s_notifications); }

void TrevoaConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_notifications);
}

}  // namespace Quarvane
