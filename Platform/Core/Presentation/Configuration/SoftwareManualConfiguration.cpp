#include "Platform/Core/Presentation/Configuration/SoftwareManualConfiguration.h"

#include "Platform/Core/Help/LanguageDetector/LanguageDetector.h"
#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string SoftwareManualConfiguration::s_useOnlineManualTag = "OnlineManual";
const std::string SoftwareManualConfiguration::s_manualLanguageTag = "ManualLanguage";

SoftwareManualConfiguration* SoftwareManualConfiguration::s_registeredInstance = nullptr;
boost::mutex SoftwareManualConfiguration::s_registrationMutex;

namespace
{
const std::string* const s_valuesByType[] = {
    &SoftwareManualConfiguration::s_useOnlineManualTag,  // OnlineManualType
    &SoftwareManualConfiguration::s_manualLanguageTag,   // ManualLanguageType
};
static_assert(std::size(s_valuesByType) == SoftwareManualConfiguration::ManualLanguageType + 1,
              "one entry per type number");

std::string languageName(QLocale::Language language) { return QLocale::languageToString(language).toStdString(); }

QLocale::Language languageNamed(const std::string& name)
{
    return LanguageDetector::languageFromString(QString::fromStdString(name));
}
}  // namespace

SoftwareManualConfiguration* SoftwareManualConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

SoftwareManualConfiguration::SoftwareManualConfiguration()
    : ConfigurationObject("SoftwareManualConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(s_useOnlineManualTag,
                                                       "Whether online or offline (if available) manual is used.", true,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<std::string>(s_manualLanguageTag, "Language used for the manual.",
                                                              languageName(QLocale::English), Shown, UserSetting,
                                                              Products::All));
}

SoftwareManualConfiguration::~SoftwareManualConfiguration() = default;

bool SoftwareManualConfiguration::getOnlineManualFlag() const { return get<bool>(*this, s_useOnlineManualTag); }

QLocale::Language SoftwareManualConfiguration::getManualLanguage() const
{
    const QLocale::Language language = languageNamed(get<std::string>(*this, s_manualLanguageTag));
    return language == QLocale::C ? QLocale::English : language;
}

const ConfigurationValue<std::string>& SoftwareManualConfiguration::getManualLanguageConfig() const
{
    return valueOf<std::string>(*this, s_manualLanguageTag);
}

void SoftwareManualConfiguration::setManualLanguage(const QLocale::Language& language, bool onlineManual)
{
    ConfigurationValue<std::string>& storedLanguage = valueOf<std::string>(*this, s_manualLanguageTag);
    ConfigurationValue<bool>& storedOnline = valueOf<bool>(*this, s_useOnlineManualTag);
    const std::string name = languageName(language);
    if (storedLanguage.getValue() == name && storedOnline.getValue() == onlineManual)
        return;
    storedLanguage.setValue(name);
    storedOnline.setValue(onlineManual);
    m_softwareManualChangedSignal();
}

bool SoftwareManualConfiguration::getEditable(Types type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

void SoftwareManualConfiguration::copyFrom(const SoftwareManualConfiguration& other)
{
    ConfigurationObject::operator=(other);
}

ConfigurationObject* SoftwareManualConfiguration::createConfigurationObject() const
{
    return new SoftwareManualConfiguration();
}

void SoftwareManualConfiguration::emitSignalsAfterConfigLoading() { m_softwareManualChangedSignal(); }

void SoftwareManualConfiguration::loadContent(ConfigReader& reader)
{
    if (!isEditable())
        return;
    // The flag counts as it was before this file: an unknown name is repaired even in the file
    // that locks it, while a value an earlier file locked stays as that file left it.
    ConfigurationValue<std::string>& language = valueOf<std::string>(*this, s_manualLanguageTag);
    const bool languageWasEditable = language.isEditable();
    ConfigurationObject::loadContent(reader);
    if (languageWasEditable && languageNamed(language.getValue()) == QLocale::C)
        language.resetValue();
}

}  // namespace Quarvane
