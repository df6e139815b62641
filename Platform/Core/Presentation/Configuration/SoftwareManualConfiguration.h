#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <QtCore/QLocale>

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// Whether the online or the offline manual is opened, and in which language. The language is
// stored as its English name as QLocale::languageToString gives it.
class SoftwareManualConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable.
    enum Types : int
    {
        OnlineManualType = 0,
        ManualLanguageType = 1
    };

    static const std::string s_useOnlineManualTag;
    static const std::string s_manualLanguageTag;

    static SoftwareManualConfiguration* getRegisteredInstance();

    SoftwareManualConfiguration();
    ~SoftwareManualConfiguration() override;

    bool getOnlineManualFlag() const;
    // English for a stored name that denotes no language.
    QLocale::Language getManualLanguage() const;
    const ConfigurationValue<std::string>& getManualLanguageConfig() const;
    // Stores both and emits once when either differs.
    void setManualLanguage(const QLocale::Language& language, bool onlineManual);

    bool getEditable(Types type) const;

    // Takes over every value without notifying.
    void copyFrom(const SoftwareManualConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    // Puts a stored name that denotes no language back to the default.
    void loadContent(ConfigReader& reader) override;

    // Either value changed; read both from the group.
    Signals::Signal<void()> m_softwareManualChangedSignal;

private:
    static SoftwareManualConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
