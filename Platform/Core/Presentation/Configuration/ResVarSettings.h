#pragma once

#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"
#include "Platform/Core/Graphics/DiscreteSkinDefinition/DiscreteSkinDefinition.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"
#include "Platform/Core/Presentation/Configuration/DiscreteResVarProperty.h"
#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <memory>
#include <string>

namespace Quarvane
{

class ResVarSettingsCollection;

// The display settings of one result variable: up to three colour scales (discrete, manual
// discrete, continuous), of which at most one is active, the variable's base name and a weak
// reference to its business description.
//
// The settings own their scales. Each scale follows the description on its own and notifies
// when it re-initialised; the settings count those notifications and emit settingsChanged once
// every scale they hold has reported, so listeners redraw once per change of the description,
// not once per scale. Switching the active scale emits at once.
//
// Scale-type changes of the description reach the settings through the scales themselves: each
// scale re-reads the description's type and activates or deactivates itself, so the settings do
// not listen to the description directly.
class ResVarSettings
{
public:
    using ScaleType = ResVarPropertiesCommon::ScaleType;

    ResVarSettings(std::shared_ptr<const ResultVariableProperties> properties, const std::string& baseName);
    // A copy holds copies of the scales (each as active as its original) and the same
    // description. It is a snapshot: its scales still follow the description, but the copy does
    // not count their notifications and never emits settingsChanged for them.
    ResVarSettings(const ResVarSettings& other);
    ResVarSettings& operator=(const ResVarSettings& other);
    virtual ~ResVarSettings();

    // A new copy that the caller owns.
    ResVarSettings* clone() const { return new ResVarSettings(*this); }

    // Each setter takes ownership of the scale (null empties the slot). The scale held before is
    // released, not deleted: whoever replaces it is responsible for it.
    void setDiscreteProperty(DiscreteResVarProperty* property);
    void setManualDiscreteProperty(DiscreteResVarProperty* property);
    void setContinuousProperty(ContResVarProperty* property);
    DiscreteResVarProperty* getDiscreteProperty() const { return m_discreteProperty; }
    DiscreteResVarProperty* getManualDiscreteProperty() const { return m_manualDiscreteProperty; }
    ContResVarProperty* getContinuousProperty() const { return m_continuousProperty; }

    // Whether the scale that would show the type exists (the continuous one for all three
    // continuous types); false for Undefined and numbers outside the enumeration.
    bool havePropertyType(ScaleType type) const;

    // The active scale: the first active one of continuous, manual discrete, discrete; null when
    // none is active. The discrete scales are returned through their continuous base.
    ContResVarProperty* getActiveProperty() const;
    // Its type; Undefined when none is active.
    ScaleType getActivePropertyType() const;

    // Shows the variable with the given type: activates the scale for it and deactivates the
    // others (a continuous type is also set on the continuous scale). False, changing nothing,
    // when no scale exists for it. Emits settingsChanged either way, so a view that asked for a
    // type it cannot have redraws with what it has.
    bool activatePropertyType(ScaleType type);
    // Activates the description's scale type; does nothing once the description is gone.
    void activateDefaultPropertyType();

    // The description's display name, or one made from the base name once it is gone.
    std::string getDisplayName() const;

    // The ticks of the manual discrete scale for the drawing side, when that scale is active;
    // null otherwise. The record belongs to the settings and is refreshed by every call.
    DiscreteSkinDefinition::Settings* getDiscreteSkinDefinitionSettings();

    // Makes every scale recompute its extremes at its next evaluation.
    void setForceMinMaxUpdate();

    Signals::Signal<void()> settingsChanged;

private:
    friend class ResVarSettingsCollection;

    const std::string& getBaseName() const { return m_baseName; }

    void copyFrom(const ResVarSettings& other);
    void deleteProperties();
    Signals::Connection connectTo(ResVarPropertyBase* property);
    unsigned int numberOfProperties() const;
    void onPropertyChanged();

    Signals::Connection m_discreteConnection;
    Signals::Connection m_manualDiscreteConnection;
    Signals::Connection m_continuousConnection;
    std::string m_baseName;
    DiscreteResVarProperty* m_discreteProperty = nullptr;
    DiscreteResVarProperty* m_manualDiscreteProperty = nullptr;
    ContResVarProperty* m_continuousProperty = nullptr;
    DiscreteSkinDefinition::Settings m_discreteSkinDefinitionSettings;
    unsigned int m_pendingNotifications = 0;
    std::weak_ptr<const ResultVariableProperties> m_resVarProperties;
};

}  // namespace Quarvane
