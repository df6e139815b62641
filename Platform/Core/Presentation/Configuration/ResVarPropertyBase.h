#pragma once

#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"
#include "Platform/Core/Business/Skin/SkinInterpretType.h"
#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <memory>
#include <string>

namespace Quarvane
{

// The common part of a result variable's colour scales (continuous and discrete): the scale type
// and the display switches both kinds share, bound to the variable's business description.
//
// The property only refers weakly to the description: it may disappear at any time, and every
// use locks it first; without it the property keeps its values and answers neutrally. While the
// description lives, the property follows its change signal and re-initialises itself (the
// derived classes' initFromResultVariableProperties), then tells its own listeners.
class ResVarPropertyBase
{
public:
    using ScaleType = ResVarPropertiesCommon::ScaleType;

    // The type is the description's scale type, or Undefined without a description.
    explicit ResVarPropertyBase(std::shared_ptr<const ResultVariableProperties> properties);
    ResVarPropertyBase(std::shared_ptr<const ResultVariableProperties> properties, ScaleType type);
    // A copy has the same settings but is inactive, and follows the description on its own.
    ResVarPropertyBase(const ResVarPropertyBase& other);
    ResVarPropertyBase& operator=(const ResVarPropertyBase& other);
    virtual ~ResVarPropertyBase();

    virtual const ResVarPropertiesCommon::ContinuousColorRangeDefinition& getConfigurableColorRangeDefinition() const = 0;

    void activate() { m_active = true; }
    void deactivate() { m_active = false; }
    bool isActive() const { return m_active; }

    ScaleType getType() const { return m_type; }
    // Undefined is stored without touching the display switches; any other type sets them.
    void setType(ScaleType type);

    SkinInterpretType getRepresentationType() const { return m_representationType; }
    void setRepresentationType(SkinInterpretType type) { m_representationType = type; }

    int getColorRangeIdx() const { return m_colorRangeIdx; }
    void setColorRangeIdx(int index) { m_colorRangeIdx = index; }

    bool getUseConfigurableColorRange() const { return m_useConfigurableColorRange; }

    bool isShowOutOfRangeOn() const { return m_showOutOfRange; }
    void setShowOutOfRange(bool show) { m_showOutOfRange = show; }
    void toggleShowOutOfRange() { m_showOutOfRange = !m_showOutOfRange; }

    bool isShowSpecificationLimitsOn() const { return m_showSpecificationLimits; }
    void setShowSpecificationLimits(bool show) { m_showSpecificationLimits = show; }
    void toggleShowSpecificationLimits() { m_showSpecificationLimits = !m_showSpecificationLimits; }

    bool isToggleOutOfRangeIsPossible() const { return m_toggleOutOfRangeIsPossible; }
    void setToggleOutOfRangeIsPossible(bool possible) { m_toggleOutOfRangeIsPossible = possible; }
    bool isToggleOutOfSpecIsPossible() const { return m_toggleOutOfSpecIsPossible; }
    void setToggleOutOfSpecIsPossible(bool possible) { m_toggleOutOfSpecIsPossible = possible; }
    // Possible exactly for the variables whose scale may show specification limits.
    void setToggleOutOfSpecIsPossibleDefault(const std::string& skinBaseName);

    void setToggleSmoothingIsPossible(bool possible) { m_toggleSmoothingIsPossible = possible; }
    bool isToggleSmoothingIsPossible() const { return m_toggleSmoothingIsPossible; }
    bool isSmootingOn() const { return m_smoothingOn; }
    bool setSmoothingOn(bool on) { return m_smoothingOn = on; }

    bool isVectorResVar() const { return m_isVectorResVar; }
    void setIsVectorResVar(bool isVector) { m_isVectorResVar = isVector; }

    // Whether a description was given at construction (it may be gone since).
    bool resVarPropertiesWasAvailable() const { return m_resVarPropertiesWasAvailable; }
    // Empty once the description is gone.
    std::shared_ptr<const ResultVariableProperties> getResVarProperties() const { return m_resVarProperties.lock(); }
    // The description's unit; empty without a description.
    std::string getDataUnit() const;

    Signals::Connection connectToSignalResVarPropertyChanged(const Signals::Slot<void()>& slot);
    void notifyResVarPropertyChanged() { m_resVarPropertyChanged(); }

protected:
    // Re-reads what the description decides, given its change set (PropertyChangedType bits, or
    // -1 for everything). Overrides run this first.
    virtual void initFromResultVariableProperties(int changeSet);

    void setUseConfigurableColorRange(bool use) { m_useConfigurableColorRange = use; }

    // While set, the continuous update does not notify: a derived update that runs it notifies
    // once itself, at its end.
    bool isNotificationSuppressed() const { return m_notificationSuppressed; }
    void setNotificationSuppressed(bool suppressed) { m_notificationSuppressed = suppressed; }

private:
    void setTypeDependentAttributes(ScaleType type);
    void setConnections();
    void unsetConnections();
    void copySettingsFrom(const ResVarPropertyBase& other);

    std::weak_ptr<const ResultVariableProperties> m_resVarProperties;
    bool m_notificationSuppressed = false;
    bool m_useConfigurableColorRange = false;
    bool m_resVarPropertiesWasAvailable = false;
    Signals::Connection m_resVarPropertiesConnection;
    Signals::Signal<void()> m_resVarPropertyChanged;
    ScaleType m_type = ScaleType::Undefined;
    SkinInterpretType m_representationType = SkinInterpretDefault;
    bool m_active = false;
    bool m_showOutOfRange = false;
    bool m_toggleOutOfSpecIsPossible = false;
    bool m_toggleOutOfRangeIsPossible = true;
    bool m_toggleSmoothingIsPossible = false;
    int m_colorRangeIdx = 0;
    bool m_isVectorResVar = false;
    bool m_smoothingOn = false;
    bool m_showSpecificationLimits = false;
};

}  // namespace Quarvane
