#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <boost/thread/mutex.hpp>

#include <string>

namespace Quarvane
{

// How the mouse drives the 3D views: whose mouse conventions to follow, free rotation, crossing
// selection, the left-button mode, snapping while measuring, three speeds and the zoom direction.
// Its setters differ in when they notify; each says so below.
class InputModeConfiguration : public ConfigurationObject
{
public:
    // Int underlying types: a number outside the named ones is kept until a load repairs it.
    enum InputMode : int
    {
        CatiaV5 = 1,
        NX = 2,
        Quarvane = 3  // the suite's own conventions
    };

    enum LeftMouseButtonMode : int
    {
        Automatic = 1,
        ManualPickFaces = 2,  // manual, starting in face picking
        ManualLabel = 3       // manual, starting in labelling
    };

    // Selects a value for getEditable.
    enum InputModeConfigTypes : int
    {
        InputModeType = 0,
        FreeRotateType = 1,
        SelectCrossingType = 2,
        LeftMouseButtonModeType = 3,
        SnapDuringMeasurementType = 4,
        MouseRotationSpeedType = 5,
        MouseZoomSpeedType = 6,
        MouseWheelZoomSpeedType = 7,
        MouseZoomInvertType = 8
    };

    static const std::string s_inputMode;
    static const std::string s_freeRotate;
    static const std::string s_selectCrossing;
    static const std::string s_leftMouseButtonMode;
    static const std::string s_snapDuringMeasurement;
    static const std::string s_mouseRotationSpeed;
    static const std::string s_mouseZoomSpeed;
    static const std::string s_mouseWheelZoomSpeed;
    static const std::string s_mouseZoomInvert;

    static InputModeConfiguration* getRegisteredInstance();

    InputModeConfiguration();
    ~InputModeConfiguration() override;

    InputMode getInputMode() const;
    bool getFreeRotate() const;
    bool getSelectCrossing() const;
    LeftMouseButtonMode getLeftMouseButtonMode() const;
    bool getSnapDuringMeasurement() const;
    // Speeds run from -100 (slowest) to 100 (fastest).
    int getMouseRotationSpeed() const;
    int getMouseZoomSpeed() const;
    int getMouseWheelZoomSpeed() const;
    // Relative to the input mode's own zoom direction.
    bool getMouseZoomInvert() const;

    bool getIsCatiaV5InputMode() const;
    bool getIsNXInputMode() const;
    bool getIsQuarvaneInputMode() const;

    const ConfigurationValue<int>& getInputModeConfig() const;
    const ConfigurationValue<bool>& getFreeRotateConfig() const;
    const ConfigurationValue<bool>& getSelectCrossingConfig() const;
    const ConfigurationValue<int>& getLeftMouseButtonModeConfig() const;
    const ConfigurationValue<bool>& getSnapDuringMeasurementConfig() const;
    const ConfigurationValue<int>& getMouseRotationSpeedConfig() const;
    const ConfigurationValue<int>& getMouseZoomSpeedConfig() const;
    const ConfigurationValue<int>& getMouseWheelZoomSpeedConfig() const;
    const ConfigurationValue<bool>& getMouseZoomInvertConfig() const;

    // Store without comparing; emit when asked, even if the value was already stored. Input mode
    // and left-button mode take any number here; only a load repairs them.
    void setInputMode(InputMode mode, bool emitSignal);
    void setFreeRotate(bool freeRotate, bool emitSignal);
    void setSelectCrossing(bool selectCrossing, bool emitSignal);
    void setLeftMouseButtonMode(LeftMouseButtonMode mode, bool emitSignal);
    // Stores; emits (0 or 1) only when asked and the flag changed.
    void setMouseZoomInvert(bool invert, bool emitSignal);
    // Stores and always emits.
    void setSnapDuringMeasurement(bool snap);
    // Store and emit when the request differs from the stored speed; clamped to -100..100.
    void setMouseRotationSpeed(int speed);
    void setMouseZoomSpeed(int speed);
    void setMouseWheelZoomSpeed(int speed);

    bool getEditable(InputModeConfigTypes type) const;

    void copyFrom(const InputModeConfiguration& other);
    ConfigurationObject* createConfigurationObject() const override;
    void emitSignalsAfterConfigLoading() override;
    void takeOverReloadedContent(const ConfigurationObject& reloaded,
                                 const std::vector<std::string>& changedKeys) override;

    Signals::Signal<void(int)> m_inputModeChangedSignal;
    Signals::Signal<void(bool)> m_freeRotateChangedSignal;
    Signals::Signal<void(bool)> m_selectCrossingChangedSignal;
    Signals::Signal<void(int)> m_leftMouseButtonModeChangedSignal;
    Signals::Signal<void(bool)> m_snapDuringMeasurementChangedSignal;
    Signals::Signal<void(int)> m_mouseRotationSpeedChangedSignal;
    Signals::Signal<void(int)> m_mouseZoomSpeedChangedSignal;
    Signals::Signal<void(int)> m_mouseWheelZoomSpeedChangedSignal;
    // 0 or 1.
    Signals::Signal<void(int)> m_mouseZoomInvertChangedSignal;

private:
    static InputModeConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
