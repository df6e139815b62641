#include "Platform/Core/Presentation/Configuration/InputModeConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <iterator>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string InputModeConfiguration::s_inputMode = "InputMode";
const std::string InputModeConfiguration::s_freeRotate = "FreeRotate";
const std::string InputModeConfiguration::s_selectCrossing = "SelectCrossing";
const std::string InputModeConfiguration::s_leftMouseButtonMode = "LeftMouseButtonMode";
const std::string InputModeConfiguration::s_snapDuringMeasurement = "SnapDuringMeasurement";
const std::string InputModeConfiguration::s_mouseRotationSpeed = "MouseRotationSpeed";
const std::string InputModeConfiguration::s_mouseZoomSpeed = "MouseZoomSpeed";
const std::string InputModeConfiguration::s_mouseWheelZoomSpeed = "MouseWheelZoomSpeed";
const std::string InputModeConfiguration::s_mouseZoomInvert = "MouseZoomInvert";

InputModeConfiguration* InputModeConfiguration::s_registeredInstance = nullptr;
boost::mutex InputModeConfiguration::s_registrationMutex;

namespace
{
using Group = InputModeConfiguration;

// Setters clamp the speeds; a stored speed outside stays as stored.
const ValueRule s_speedRule = ValueRule::range(-100, 100);

const std::string* const s_valuesByType[] = {
    &Group::s_inputMode,           &Group::s_freeRotate,         &Group::s_selectCrossing,
    &Group::s_leftMouseButtonMode, &Group::s_snapDuringMeasurement, &Group::s_mouseRotationSpeed,
    &Group::s_mouseZoomSpeed,      &Group::s_mouseWheelZoomSpeed, &Group::s_mouseZoomInvert,
};
static_assert(std::size(s_valuesByType) == InputModeConfiguration::MouseZoomInvertType + 1,
              "one entry per type number");

const Notification<Group> s_notifications[] = {
    {&Group::s_inputMode, [](Group& g) { g.m_inputModeChangedSignal(g.getInputMode()); }},
    {&Group::s_freeRotate, [](Group& g) { g.m_freeRotateChangedSignal(g.getFreeRotate()); }},
    {&Group::s_selectCrossing, [](Group& g) { g.m_selectCrossingChangedSignal(g.getSelectCrossing()); }},
    {&Group::s_leftMouseButtonMode,
     [](Group& g) { g.m_leftMouseButtonModeChangedSignal(g.getLeftMouseButtonMode()); }},
    {&Group::s_snapDuringMeasurement,
     [](Group& g) { g.m_snapDuringMeasurementChangedSignal(g.getSnapDuringMeasurement()); }},
    {&Group::s_mouseRotationSpeed, [](Group& g) { g.m_mouseRotationSpeedChangedSignal(g.getMouseRotationSpeed()); }},
    {&Group::s_mouseZoomSpeed, [](Group& g) { g.m_mouseZoomSpeedChangedSignal(g.getMouseZoomSpeed()); }},
    {&Group::s_mouseWheelZoomSpeed,
     [](Group& g) { g.m_mouseWheelZoomSpeedChangedSignal(g.getMouseWheelZoomSpeed()); }},
    {&Group::s_mouseZoomInvert, [](Group& g) { g.m_mouseZoomInvertChangedSignal(g.getMouseZoomInvert() ? 1 : 0); }},
};

}  // namespace

InputModeConfiguration* InputModeConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

InputModeConfiguration::InputModeConfiguration() : ConfigurationObject("InputModeConfiguration", "", 0, 63)
{
    addConfigurationValue(new ConfigurationValue<int>(
        s_inputMode, "The mouse input mode: CatiaV5=1, NX=2, Quarvane=3", Quarvane, Shown, UserSetting, Products::All,
        ValueRule::oneOf({{CatiaV5, "CatiaV5"}, {NX, "NX"}, {Quarvane, "Quarvane"}}, Quarvane)));
    addConfigurationValue(
        new ConfigurationValue<bool>(s_freeRotate, "Free rotate: true/false", true, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<bool>(s_selectCrossing, "Select crossing: true/false", false, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(
        s_leftMouseButtonMode,
        "The left mouse button mode: Automatic=1, Manual (initially 'Pick Faces')=2, Manual (initially 'Label')=3",
        Automatic, Shown, UserSetting, Products::All,
        ValueRule::oneOf({{Automatic, "Automatic"},
                          {ManualPickFaces, "Manual (initially 'Pick Faces')"},
                          {ManualLabel, "Manual (initially 'Label')"}},
                         Automatic)));
    addConfigurationValue(new ConfigurationValue<bool>(s_snapDuringMeasurement,
                                                       "Initial setting of snap during measurement: true/false", true,
                                                       Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(
        s_mouseRotationSpeed,
        "The mouse rotation speed, ranging from -100 (slowest) to 100 (fastest), with 0 as default", 0, Shown,
        UserSetting, Products::All, s_speedRule));
    addConfigurationValue(new ConfigurationValue<int>(
        s_mouseZoomSpeed, "The mouse zoom speed, ranging from -100 (slowest) to 100 (fastest), with 0 as default", 0,
        Shown, UserSetting, Products::All, s_speedRule));
    addConfigurationValue(new ConfigurationValue<int>(
        s_mouseWheelZoomSpeed,
        "The mouse wheel zoom speed, ranging from -100 (slowest) to 100 (fastest), with 0 as default", 0, Shown,
        UserSetting, Products::All, s_speedRule));
    addConfigurationValue(new ConfigurationValue<bool>(
        s_mouseZoomInvert, "The mouse zoom invert flag, relative to the input mode, false is the default", false, Shown,
        UserSetting, Products::All));
}

InputModeConfiguration::~InputModeConfiguration() = default;

InputModeConfiguration::InputMode InputModeConfiguration::getInputMode() const
{
    return static_cast<InputMode>(get<int>(*this, s_inputMode));
}
bool InputModeConfiguration::getFreeRotate() const { return get<bool>(*this, s_freeRotate); }
bool InputModeConfiguration::getSelectCrossing() const { return get<bool>(*this, s_selectCrossing); }
InputModeConfiguration::LeftMouseButtonMode InputModeConfiguration::getLeftMouseButtonMode() const
{
    return static_cast<LeftMouseButtonMode>(get<int>(*this, s_leftMouseButtonMode));
}
bool InputModeConfiguration::getSnapDuringMeasurement() const { return get<bool>(*this, s_snapDuringMeasurement); }
int InputModeConfiguration::getMouseRotationSpeed() const { return get<int>(*this, s_mouseRotationSpeed); }
int InputModeConfiguration::getMouseZoomSpeed() const { return get<int>(*this, s_mouseZoomSpeed); }
int InputModeConfiguration::getMouseWheelZoomSpeed() const { return get<int>(*this, s_mouseWheelZoomSpeed); }
bool InputModeConfiguration::getMouseZoomInvert() const { return get<bool>(*this, s_mouseZoomInvert); }

bool InputModeConfiguration::getIsCatiaV5InputMode() const { return getInputMode() == CatiaV5; }
bool InputModeConfiguration::getIsNXInputMode() const { return getInputMode() == NX; }
bool InputModeConfiguration::getIsQuarvaneInputMode() const { return getInputMode() == Quarvane; }

const ConfigurationValue<int>& InputModeConfiguration::getInputModeConfig() const
{
    return valueOf<int>(*this, s_inputMode);
}
const ConfigurationValue<bool>& InputModeConfiguration::getFreeRotateConfig() const
{
    return valueOf<bool>(*this, s_freeRotate);
}
const ConfigurationValue<bool>& InputModeConfiguration::getSelectCrossingConfig() const
{
    return valueOf<bool>(*this, s_selectCrossing);
}
const ConfigurationValue<int>& InputModeConfiguration::getLeftMouseButtonModeConfig() const
{
    return valueOf<int>(*this, s_leftMouseButtonMode);
}
const ConfigurationValue<bool>& InputModeConfiguration::getSnapDuringMeasurementConfig() const
{
    return valueOf<bool>(*this, s_snapDuringMeasurement);
}
const ConfigurationValue<int>& InputModeConfiguration::getMouseRotationSpeedConfig() const
{
    return valueOf<int>(*this, s_mouseRotationSpeed);
}
const ConfigurationValue<int>& InputModeConfiguration::getMouseZoomSpeedConfig() const
{
    return valueOf<int>(*this, s_mouseZoomSpeed);
}
const ConfigurationValue<int>& InputModeConfiguration::getMouseWheelZoomSpeedConfig() const
{
    return valueOf<int>(*this, s_mouseWheelZoomSpeed);
}
const ConfigurationValue<bool>& InputModeConfiguration::getMouseZoomInvertConfig() const
{
    return valueOf<bool>(*this, s_mouseZoomInvert);
}

void InputModeConfiguration::setInputMode(InputMode mode, bool emitSignal)
{
    storeAndEmitOnRequest<int>(*this, s_inputMode, mode, m_inputModeChangedSignal, emitSignal);
}
void InputModeConfiguration::setFreeRotate(bool freeRotate, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_freeRotate, freeRotate, m_freeRotateChangedSignal, emitSignal);
}
void InputModeConfiguration::setSelectCrossing(bool selectCrossing, bool emitSignal)
{
    storeAndEmitOnRequest(*this, s_selectCrossing, selectCrossing, m_selectCrossingChangedSignal, emitSignal);
}
void InputModeConfiguration::setLeftMouseButtonMode(LeftMouseButtonMode mode, bool emitSignal)
{
    storeAndEmitOnRequest<int>(*this, s_leftMouseButtonMode, mode, m_leftMouseButtonModeChangedSignal, emitSignal);
}

void InputModeConfiguration::setMouseZoomInvert(bool invert, bool emitSignal)
{
    ConfigurationValue<bool>& stored = valueOf<bool>(*this, s_mouseZoomInvert);
    const bool changed = stored.getValue() != invert;
    stored.setValue(invert);
    if (emitSignal && changed)
        m_mouseZoomInvertChangedSignal(invert ? 1 : 0);
}

void InputModeConfiguration::setSnapDuringMeasurement(bool snap)
{
    storeAndEmitOnRequest(*this, s_snapDuringMeasurement, snap, m_snapDuringMeasurementChangedSignal, true);
}

void InputModeConfiguration::setMouseRotationSpeed(int speed)
{
    setAndNotify(*this, s_mouseRotationSpeed, speed, m_mouseRotationSpeedChangedSignal);
}
void InputModeConfiguration::setMouseZoomSpeed(int speed)
{
    setAndNotify(*this, s_mouseZoomSpeed, speed, m_mouseZoomSpeedChangedSignal);
}
void InputModeConfiguration::setMouseWheelZoomSpeed(int speed)
{
    setAndNotify(*this, s_mouseWheelZoomSpeed, speed, m_mouseWheelZoomSpeedChangedSignal);
}

bool InputModeConfiguration::getEditable(InputModeConfigTypes type) const
{
    return isSelectedEditable(*this, s_valuesByType, type);
}

void InputModeConfiguration::copyFrom(const InputModeConfiguration& other)
{
    copyAndNotifyChanges(*this, other, s_notifications);
}

ConfigurationObject* InputModeConfiguration::createConfigurationObject() const { return new InputModeConfiguration(); }

void InputModeConfiguration::emitSignalsAfterConfigLoading() { emitAll(*this, s_notifications); }

void InputModeConfiguration::takeOverReloadedContent(const ConfigurationObject& reloaded, const std::vector<std::string>&)
{
    takeOverAndNotifyChanges(*this, reloaded, s_notifications);
}

}  // namespace Quarvane
