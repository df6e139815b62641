#include "Platform/Core/Presentation/Configuration/ThreeDViewConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string ThreeDViewConfiguration::s_timeStepCtrlPinnedTag = "TimeStepCtrlPinned";
const std::string ThreeDViewConfiguration::s_timeStepTableCtrlPinnedTag = "TimeStepTableCtrlPinned";
const std::string ThreeDViewConfiguration::s_viewOptionCtrlPinnedTag = "ViewOptionCtrlPinned";
const std::string ThreeDViewConfiguration::s_colorScaleCtrlPinnedTag = "ColorScaleCtrlPinned";

ThreeDViewConfiguration* ThreeDViewConfiguration::s_registeredInstance = nullptr;
boost::mutex ThreeDViewConfiguration::s_registrationMutex;

namespace
{
using Group = ThreeDViewConfiguration;

const std::string* const s_valuesByType[] = {
    &Group::s_timeStepCtrlPinnedTag,       // TimeStepCtrlPinnedType
    &Group::s_timeStepTableCtrlPinnedTag,  // TimeStepTableCtrlPinnedType
    &Group::s_viewOptionCtrlPinnedTag,     // ViewOptionCtrlPinnedType
    &Group::s_colorScaleCtrlPinnedTag,     // ColorScaleCtrlPinnedType
};
static_assert(std::size(s_valuesByType) == ThreeDViewConfiguration::ColorScaleCtrlPinnedType + 1,
              "one entry per type number");

const Notification<Group> s_notifications[] = {
    {&Group::s_timeStepCtrlPinnedTag,
     [](Group& g) { g.m_timeStepCtrlPinnedChangedSignal(g.getTimeStepCtrlPinned()); }},
    {&Group::s_timeStepTableCtrlPinnedTag,
     [](Group& g) { g.m_timeStepTableCtrlPinnedChangedSignal(g.getTimeStepTableCtrlPinned()); }},
    {&Group::s_viewOptionCtrlPinnedTag,
     [](Group& g) { g.m_viewOptionCtrlPinnedChangedSignal(g.getViewOptionCtrlPinned()); }},
    {&Group::s_colorScaleCtrlPinnedTag,
     [](Group& g) { g.m_colorScaleCtrlPinnedChangedSignal(g.getColorScaleCtrlPinned()); }},
};
}  // namespace

ThreeDViewConfiguration* ThreeDViewConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

ThreeDViewConfiguration::ThreeDViewConfiguration() : ConfigurationObject("ThreeDViewConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<bool>(s_timeStepCtrlPinnedTag,
                                                       "Default visibility of time step control: true/false", false,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_timeStepTableCtrlPinnedTag,
                                                       "Default visibility of time step table control: true/false",
                                                       false, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_viewOptionCtrlPinnedTag,
                                                       "Default visibility of view option control: true/false", false,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_colorScaleCtrlPinnedTag,
                                                       "Default visibility of color scale control: true/false", false,
                                                       Shown, UserSetting, Products::All));
}

ThreeDViewConfiguration::~ThreeDViewConfiguration() = default;

bool ThreeDViewConfiguration::getTimeStepCtrlPinned() const { return get<bool>(*this, s_timeStepCtrlPinnedTag); }
bool ThreeDViewConfiguration::getTimeStepTableCtrlPinned() const
{
    return get<bool>(*this, s_timeStepTableCtrlPinnedTag);
}
bool ThreeDViewConfiguration::getViewOptionCtrlPinned() const { return get<bool>(*this, s_viewOptionCtrlPinnedTag); }
bool ThreeDViewConfiguration::getColorScaleCtrlPinned() const { return get<bool>(*this, s_colorScaleCtrlPinnedTag); }

const ConfigurationValue<bool>& ThreeDViewConfiguration::getTimeStepCtrlPinnedConfig() const
{
    return valueOf<bool>(*this, s_timeStepCtrlPinnedTag);
}
const ConfigurationValue<bool>& ThreeDViewConfiguration::getTimeStepTableCtrlPinnedConfig() const
{
    return valueOf<bool>(*this, s_timeStepTableCtrlPinnedTag);
}
const ConfigurationValue<bool>& ThreeDViewConfiguration::getViewOptionCtrlPinnedConfig() const
{
    return valueOf<bool>(*this, s_viewOptionCtrlPinnedTag);
}
const ConfigurationValue<bool>& ThreeDViewConfiguration::getColorScaleCtrlPinnedConfig() const
{
    return valueOf<bool>(*this, s_colorScaleCtrlPinnedTag);
}

void ThreeDViewConfiguration::setTimeStepCtrlPinned(bool pinned, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_timeStepCtrlPinnedTag, pinned, m_timeStepCtrlPinnedChangedSignal, emitSignal);
}
void ThreeDViewConfiguration::setTimeStepTableCtrlPinned(bool pinned, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_timeStepTableCtrlPinnedTag, pinned, m_timeStepTableCtrlPinnedChangedSignal,
                          emitSignal);
}
void ThreeDViewConfiguration::setViewOptionCtrlPinned(bool pinned, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_viewOptionCtrlPinnedTag, pinned, m_viewOptionCtrlPinnedChangedSignal, emitSignal);
}
void ThreeDViewConfiguration::setColorScaleCtrlPinned(bool pinned, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_colorScaleCtrlPinnedTag, pinned, m_colorScaleCtrlPinnedChangedSignal, emitSignal);
}

bool ThreeDViewConfiguration::getEditable(ThreeDViewConfigurationTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

void ThreeDViewConfiguration::copyFrom(const ThreeDViewConfiguration& other)
{
    copyAndNotifyChanges(*this, other, s_notifications);
}

void ThreeDViewConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_notifications);
}

ConfigurationObject* ThreeDViewConfiguration::createConfigurationObject() const { return new ThreeDViewConfiguration(); }

}  // namespace Quarvane
