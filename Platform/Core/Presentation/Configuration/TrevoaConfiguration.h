#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// The export to Trevoa: whether it is refused while no standard definition exists.
class TrevoaConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable.
    enum TrevoaConfigurationTypes : int
    {
        DisableExportWithoutStandardType = 0
    };

    static const std::string s_disableExportWithoutStandardTag;

    static TrevoaConfiguration* getRegisteredInstance();

    TrevoaConfiguration();
    ~TrevoaConfiguration() override;

    bool getDisableExportWithoutStandard() const;
    const ConfigurationValue<bool>& getDisableExportWithoutStandardConfig() const;
    // Stores and emits when the flag differs.
    void setDisableExportWithoutStandard(bool disable);

    bool getEditable(TrevoaConfigurationTypes type) const;

    void copyFrom(const TrevoaConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;

    Signals::Signal<void(bool)> m_disableExportWithoutStandardChangedSignal;

private:
    static TrevoaConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
