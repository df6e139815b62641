#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// Whether and how often an open design is saved automatically.
class AutoSaveConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable.
    enum Types
    {
        OptionType = 0,
        IntervalType = 1
    };

    // "AutoSaveEnabled" holds the three-way option (0 disabled, 1 enabled, 2 ask the user).
    static const std::string s_autoSaveOptionTag;
    static const std::string s_autoSaveIntervalTag;

    static AutoSaveConfiguration* getRegisteredInstance();

    AutoSaveConfiguration();
    ~AutoSaveConfiguration() override;

    int getAutoSaveOption() const;
    int getAutoSaveIntervalInMinutes() const;
    // Stores both and emits once when either differs.
    void setAutoSaveOptions(int option, int intervalInMinutes);

    bool getEditable(Types type) const;
    bool isAutoSaveOptionVisible() const;

    void copyFrom(const AutoSaveConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;

    // (interval in minutes, option)
    Signals::Signal<void(int, int)> m_autoSaveOptionsChangedSignal;

private:
    static AutoSaveConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
