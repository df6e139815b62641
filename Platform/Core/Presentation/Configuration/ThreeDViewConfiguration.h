#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// Which controls of a 3D view are pinned, that is visible, by default. Listeners read the values
// after a load: the group emits nothing then.
class ThreeDViewConfiguration : public ConfigurationObject
{
public:
    // Selects a value for getEditable.
    enum ThreeDViewConfigurationTypes : int
    {
        TimeStepCtrlPinnedType = 0,
        TimeStepTableCtrlPinnedType = 1,
        ViewOptionCtrlPinnedType = 2,
        ColorScaleCtrlPinnedType = 3
    };

    static const std::string s_timeStepCtrlPinnedTag;
    static const std::string s_timeStepTableCtrlPinnedTag;
    static const std::string s_viewOptionCtrlPinnedTag;
    static const std::string s_colorScaleCtrlPinnedTag;

    static ThreeDViewConfiguration* getRegisteredInstance();

    ThreeDViewConfiguration();
    ~ThreeDViewConfiguration() override;

    bool getTimeStepCtrlPinned() const;
    bool getTimeStepTableCtrlPinned() const;
    bool getViewOptionCtrlPinned() const;
    bool getColorScaleCtrlPinned() const;

    const ConfigurationValue<bool>& getTimeStepCtrlPinnedConfig() const;
    const ConfigurationValue<bool>& getTimeStepTableCtrlPinnedConfig() const;
    const ConfigurationValue<bool>& getViewOptionCtrlPinnedConfig() const;
    const ConfigurationValue<bool>& getColorScaleCtrlPinnedConfig() const;

    // Store without comparing; emit the stored value when `emitSignal` is true.
    void setTimeStepCtrlPinned(bool pinned, bool emitSignal);
    void setTimeStepTableCtrlPinned(bool pinned, bool emitSignal);
    void setViewOptionCtrlPinned(bool pinned, bool emitSignal);
    void setColorScaleCtrlPinned(bool pinned, bool emitSignal);

    bool getEditable(ThreeDViewConfigurationTypes type) const;

    // Takes over every value and emits the signals of those that differed.
    void copyFrom(const ThreeDViewConfiguration& other);
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;
    ConfigurationObject* createConfigurationObject() const override;

    Signals::Signal<void(bool)> m_timeStepCtrlPinnedChangedSignal;
    Signals::Signal<void(bool)> m_timeStepTableCtrlPinnedChangedSignal;
    Signals::Signal<void(bool)> m_viewOptionCtrlPinnedChangedSignal;
    Signals::Signal<void(bool)> m_colorScaleCtrlPinnedChangedSignal;

private:
    static ThreeDViewConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
