#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// Which update checks the applications perform. Each signal carries the value's editable flag
// first and the value second, so that a dialog can grey out what an administrator locked.
class UpdateConfiguration : public ConfigurationObject
{
public:
    // (editable, value)
    using ChangedSignal = Signals::Signal<void(bool, bool)>;

    // Selects a value for getEditable.
    enum Types : int
    {
        CheckOnNextStartType = 0,
        ApplicationUpdatesType = 1,
        MaterialUpdatesType = 2,
        NewsUpdatesType = 3
    };

    static const std::string s_tag;
    static const std::string s_applicationUpdates;
    static const std::string s_materialUpdates;
    static const std::string s_newsUpdates;
    static const std::string s_checkOnNextStart;

    static UpdateConfiguration* getRegisteredInstance();

    UpdateConfiguration();
    ~UpdateConfiguration() override;

    bool getApplicationUpdates() const;
    bool getMaterialUpdates() const;
    bool getNewsUpdates() const;
    bool getCheckOnNextStart() const;

    const ConfigurationValue<bool>& getApplicationUpdatesConfig() const;
    const ConfigurationValue<bool>& getMaterialUpdatesConfig() const;
    const ConfigurationValue<bool>& getNewsUpdatesConfig() const;
    const ConfigurationValue<bool>& getCheckOnNextStartConfig() const;

    // Store and emit (true, value) when the value differs.
    void setApplicationUpdates(bool check);
    void setMaterialUpdates(bool check);
    void setNewsUpdates(bool check);
    void setCheckOnNextStart(bool check);

    bool getEditable(Types type) const;

    // Takes over every value and flag without notifying.
    void copyFrom(const UpdateConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    // Emits each value with its own editable flag.
    void emitSignalsAfterConfigLoading() override;

    ChangedSignal m_checkOnNextStartChangedSignal;
    ChangedSignal m_applicationUpdatesChangedSignal;
    ChangedSignal m_materialUpdatesChangedSignal;
    ChangedSignal m_newsUpdatesChangedSignal;

private:
    void setAndNotify(const std::string& key, bool check, ChangedSignal& signal);
    static void emitConfigValueSignal(ConfigurationValue<bool>* value, ChangedSignal& signal);

    static UpdateConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
