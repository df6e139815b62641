#include "Platform/Core/Presentation/Configuration/StartupWindowsConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string StartupWindowsConfiguration::s_welcomeDialog = "WelcomeDialog";
const std::string StartupWindowsConfiguration::s_helpDialog = "HelpDialog";
const std::string StartupWindowsConfiguration::s_fileVersionWarning = "FileVersionWarning";
const std::string StartupWindowsConfiguration::s_useCustomStyle = "UseCustomStyle";
const std::string StartupWindowsConfiguration::s_windowFontSize = "WindowFontSize";
const std::string StartupWindowsConfiguration::s_useLightVersion = "UseLightVersion";
const std::string StartupWindowsConfiguration::s_showImportFilter = "ShowImportFilterDialog";
const std::string StartupWindowsConfiguration::s_disclosureSingleMode = "DisclosureSingleMode";
const std::string StartupWindowsConfiguration::s_confidentialNotice = "ConfidentialNotice";

const int StartupWindowsConfiguration::s_defaultWindowFontSize = 11;

StartupWindowsConfiguration* StartupWindowsConfiguration::s_registeredInstance = nullptr;
boost::mutex StartupWindowsConfiguration::s_registrationMutex;

namespace
{
using Group = StartupWindowsConfiguration;

// In the order of the type numbers, which is not the order the values are created in.
const std::string* const s_valuesByType[] = {
    &Group::s_welcomeDialog,   &Group::s_helpDialog,         &Group::s_useCustomStyle,
    &Group::s_windowFontSize,  &Group::s_useLightVersion,    &Group::s_showImportFilter,
    &Group::s_fileVersionWarning, &Group::s_disclosureSingleMode, &Group::s_confidentialNotice,
};
static_assert(std::size(s_valuesByType) == StartupWindowsConfiguration::ConfidentialNoticeType + 1,
              "one entry per type number");

const Notification<Group> s_welcome{&Group::s_welcomeDialog, [](Group& g) {
                                        g.m_welcomeDialogEnabledChangedSignal(g.getWelcomeDialogEnabled());
                                    }};
const Notification<Group> s_fontSize{&Group::s_windowFontSize,
                                     [](Group& g) { g.m_windowFontSizeChangedSignal(g.getWindowFontSize()); }};
const Notification<Group> s_lightVersion{&Group::s_useLightVersion,
                                         [](Group& g) { g.m_useLightVersionChangedSignal(g.isUseLightVersion()); }};
const Notification<Group> s_importFilter{&Group::s_showImportFilter, [](Group& g) {
                                             g.m_importFilterDialogEnabledChangedSignal(g.isImportFilterDialogEnabled());
                                         }};
const Notification<Group> s_fileVersion{&Group::s_fileVersionWarning, [](Group& g) {
                                            g.m_fileVersionWarningEnabledChangedSignal(g.isFileVersionWarningEnabled());
                                        }};
const Notification<Group> s_disclosure{&Group::s_disclosureSingleMode, [](Group& g) {
                                           g.m_disclosureSingleModeChangedSignal(g.isDisclosureSingleMode());
                                       }};

const Notification<Group> s_afterLoading[] = {s_welcome, s_fontSize, s_lightVersion, s_importFilter, s_fileVersion,
                                              s_disclosure};
// copyFrom reports these whether or not they changed.
const Notification<Group> s_alwaysAfterCopy[] = {s_welcome, s_importFilter, s_fileVersion};
}  // namespace

StartupWindowsConfiguration* StartupWindowsConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

StartupWindowsConfiguration::StartupWindowsConfiguration()
    : ConfigurationObject("StartupWindowsConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(s_welcomeDialog, "Welcome Dialog: true/false", true, Shown,
                                                       UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_helpDialog, "Help Dialog: true/false", true, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_fileVersionWarning, "Show dialog when opening files of previous versions: true/false", false, Shown,
        UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(s_useCustomStyle, "Use custom style : true/false", true, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_windowFontSize, "Userinterface font size: 9..13",
                                                      s_defaultWindowFontSize, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_useLightVersion,
                                                       "Show Userinterface in a lighter version: true/false", false,
                                                       Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(s_showImportFilter,
                                                       "Show Importfilter dialog for layers if needed: true/false",
                                                       true, Shown, UserSetting, Products::All & ~Products::Tube));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_disclosureSingleMode, "Use single(exclusive open) mode for all disclosures: true/false", false, Shown,
        UserSetting, Products::All));
    // Set by an administrator in a system file only, and not shown in the settings dialog.
    addConfigurationValue(new ConfigurationValue<std::string>(s_confidentialNotice,
                                                              "Show a notice about confidential software usage", "",
                                                              Hidden, AdminSetting, Products::All));
}

StartupWindowsConfiguration::~StartupWindowsConfiguration() = default;

bool StartupWindowsConfiguration::getWelcomeDialogEnabled() const { return get<bool>(*this, s_welcomeDialog); }
bool StartupWindowsConfiguration::getHelpDialogEnabled() const { return get<bool>(*this, s_helpDialog); }
bool StartupWindowsConfiguration::isFileVersionWarningEnabled() const
{
    return get<bool>(*this, s_fileVersionWarning);
}
bool StartupWindowsConfiguration::isUseCustomStyle() const { return get<bool>(*this, s_useCustomStyle); }
int StartupWindowsConfiguration::getWindowFontSize() const { return get<int>(*this, s_windowFontSize); }
int StartupWindowsConfiguration::getDefaultWindowFontSize() const { return s_defaultWindowFontSize; }
bool StartupWindowsConfiguration::isUseLightVersion() const { return get<bool>(*this, s_useLightVersion); }
bool StartupWindowsConfiguration::isImportFilterDialogEnabled() const { return get<bool>(*this, s_showImportFilter); }
bool StartupWindowsConfiguration::isDisclosureSingleMode() const { return get<bool>(*this, s_disclosureSingleMode); }
std::string StartupWindowsConfiguration::getConfidentialNotice() { return get<std::string>(*this, s_confidentialNotice); }

void StartupWindowsConfiguration::setWelcomeDialogEnabled(bool enabled, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_welcomeDialog, enabled, m_welcomeDialogEnabledChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setFileVersionWarningEnabled(bool enabled, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_fileVersionWarning, enabled, m_fileVersionWarningEnabledChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setWindowFontSize(int size, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_windowFontSize, size, m_windowFontSizeChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setUseLightVersion(bool useLightVersion, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_useLightVersion, useLightVersion, m_useLightVersionChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setImportFilterDialogEnabled(bool enabled, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_showImportFilter, enabled, m_importFilterDialogEnabledChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setDisclosureSingleMode(bool singleMode, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_disclosureSingleMode, singleMode, m_disclosureSingleModeChangedSignal, emitSignal);
}
void StartupWindowsConfiguration::setHelpDialogEnabled(bool enabled)
{
    valueOf<bool>(*this, s_helpDialog).setValue(enabled);
}

std::string StartupWindowsConfiguration::getTag(StartupWindowsConfigTypes type)
{
    const std::string* key = selectedKey(s_valuesByType, type);
    return key == nullptr ? std::string() : *key;
}

bool StartupWindowsConfiguration::getEditable(StartupWindowsConfigTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type, false);
}

bool StartupWindowsConfiguration::getVisibility(StartupWindowsConfigTypes type) const
{
    const std::string key = getTag(type);
    return !key.empty() && isVisible(*this, key);
}

void StartupWindowsConfiguration::copyFrom(const StartupWindowsConfiguration& other)
{
    const bool fontSizeChanged = differs(*this, other, s_windowFontSize);
    ConfigurationObject::operator=(other);
    emitAll(*this, s_alwaysAfterCopy);
    if (fontSizeChanged)
        s_fontSize.notify(*this);
}

void StartupWindowsConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_afterLoading);
}

ConfigurationObject* StartupWindowsConfiguration::createConfigurationObject() const
{
    return new StartupWindowsConfiguration();
}

void StartupWindowsConfiguration::emitSignalsAfterConfigLoading() { emitAll(*this, s_afterLoading); }

}  // namespace Quarvane
