#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"

#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <utility>

namespace Quarvane
{

namespace
{

template <class Property>
Property* activeCopyOf(const Property* original)
{
    if (!original)
        return nullptr;
    auto* copy = new Property(*original);
    if (original->isActive())
        copy->activate();
    return copy;
}

void deactivate(ResVarPropertyBase* property)
{
    if (property)
        property->deactivate();
}

}  // namespace

ResVarSettings::ResVarSettings(std::shared_ptr<const ResultVariableProperties> properties, const std::string& baseName)
    : m_baseName(baseName), m_resVarProperties(std::move(properties))
{
}

ResVarSettings::ResVarSettings(const ResVarSettings& other)
{
    copyFrom(other);
}

ResVarSettings& ResVarSettings::operator=(const ResVarSettings& other)
{
    if (this != &other)
    {
        deleteProperties();
        copyFrom(other);
    }
    return *this;
}

ResVarSettings::~ResVarSettings()
{
    deleteProperties();
}

void ResVarSettings::copyFrom(const ResVarSettings& other)
{
    m_baseName = other.m_baseName;
    m_resVarProperties = other.m_resVarProperties;
    m_discreteProperty = activeCopyOf(other.m_discreteProperty);
    m_manualDiscreteProperty = activeCopyOf(other.m_manualDiscreteProperty);
    m_continuousProperty = activeCopyOf(other.m_continuousProperty);
    m_pendingNotifications = 0;
}

void ResVarSettings::deleteProperties()
{
    m_discreteConnection.disconnect();
    m_manualDiscreteConnection.disconnect();
    m_continuousConnection.disconnect();
    delete m_discreteProperty;
    delete m_manualDiscreteProperty;
    delete m_continuousProperty;
    m_discreteProperty = nullptr;
    m_manualDiscreteProperty = nullptr;
    m_continuousProperty = nullptr;
}

Signals::Connection ResVarSettings::connectTo(ResVarPropertyBase* property)
{
    if (!property)
        return Signals::Connection();
    return property->connectToSignalResVarPropertyChanged([this] { onPropertyChanged(); });
}

void ResVarSettings::setDiscreteProperty(DiscreteResVarProperty* property)
{
    m_discreteProperty = property;
    m_discreteConnection.disconnect();
    m_discreteConnection = connectTo(property);
}

void ResVarSettings::setManualDiscreteProperty(DiscreteResVarProperty* property)
{
    m_manualDiscreteProperty = property;
    m_manualDiscreteConnection.disconnect();
    m_manualDiscreteConnection = connectTo(property);
}

void ResVarSettings::setContinuousProperty(ContResVarProperty* property)
{
    m_continuousProperty = property;
    m_continuousConnection.disconnect();
    m_continuousConnection = connectTo(property);
}

bool ResVarSettings::havePropertyType(ScaleType type) const
{
    if (type == ScaleType::Discrete)
        return m_discreteProperty != nullptr;
    if (type == ScaleType::ManualDiscrete)
        return m_manualDiscreteProperty != nullptr;
    if (ResVarPropertiesCommon::isContinuousType(type))
        return m_continuousProperty != nullptr;
    return false;
}

ResVarSettings::ScaleType ResVarSettings::getActivePropertyType() const
{
    for (const ResVarPropertyBase* property :
         {static_cast<ResVarPropertyBase*>(m_continuousProperty), static_cast<ResVarPropertyBase*>(m_manualDiscreteProperty),
          static_cast<ResVarPropertyBase*>(m_discreteProperty)})
    {
        if (property && property->isActive())
            return property->getType();
    }
    return ScaleType::Undefined;
}

ContResVarProperty* ResVarSettings::getActiveProperty() const
{
    const ScaleType type = getActivePropertyType();
    if (type == ScaleType::Discrete)
        return m_discreteProperty;
    if (type == ScaleType::ManualDiscrete)
        return m_manualDiscreteProperty;
    if (ResVarPropertiesCommon::isContinuousType(type))
        return m_continuousProperty;
    return nullptr;
}

bool ResVarSettings::activatePropertyType(ScaleType type)
{
    bool activated = false;
    if (type == ScaleType::Discrete && m_discreteProperty)
    {
        m_discreteProperty->activate();
        deactivate(m_continuousProperty);
        deactivate(m_manualDiscreteProperty);
        activated = true;
    }
    else if (type == ScaleType::ManualDiscrete && m_manualDiscreteProperty)
    {
        m_manualDiscreteProperty->activate();
        deactivate(m_continuousProperty);
        deactivate(m_discreteProperty);
        activated = true;
    }
    else if (ResVarPropertiesCommon::isContinuousType(type) && m_continuousProperty)
    {
        m_continuousProperty->setType(type);
        m_continuousProperty->activate();
        deactivate(m_discreteProperty);
        deactivate(m_manualDiscreteProperty);
        activated = true;
    }
    settingsChanged();
    return activated;
}

void ResVarSettings::activateDefaultPropertyType()
{
    if (const auto properties = m_resVarProperties.lock())
        activatePropertyType(static_cast<ScaleType>(properties->getScaleType()));
}

std::string ResVarSettings::getDisplayName() const
{
    if (const auto properties = m_resVarProperties.lock())
        return properties->getDisplayName();
    return SkinBaseNameUtilities::getSkinDisplayName(m_baseName);
}

DiscreteSkinDefinition::Settings* ResVarSettings::getDiscreteSkinDefinitionSettings()
{
    // The active type decides; the ticks always come from the manual discrete scale, so a
    // continuous scale set to the manual discrete type hands out that scale's ticks.
    if (getActivePropertyType() != ResVarPropertiesCommon::ScaleType::ManualDiscrete || !m_manualDiscreteProperty)
        return nullptr;
    m_discreteSkinDefinitionSettings.representationType = m_manualDiscreteProperty->getRepresentationType();
    auto& values = m_discreteSkinDefinitionSettings.values;
    values.clear();
    values.reserve(m_manualDiscreteProperty->getNumberOfTicks());
    // The ticks are kept ordered by value, so they arrive in ascending order.
    for (auto tick = m_manualDiscreteProperty->beginTick(); tick != m_manualDiscreteProperty->endTick(); ++tick)
        values.push_back(DiscreteResVarProperty::getTickValue(tick));
    return &m_discreteSkinDefinitionSettings;
}

void ResVarSettings::setForceMinMaxUpdate()
{
    for (ContResVarProperty* property : {static_cast<ContResVarProperty*>(m_discreteProperty),
                                         static_cast<ContResVarProperty*>(m_manualDiscreteProperty), m_continuousProperty})
    {
        if (property)
            property->setForceMinMaxUpdateState(true);
    }
}

unsigned int ResVarSettings::numberOfProperties() const
{
    return (m_discreteProperty ? 1u : 0u) + (m_manualDiscreteProperty ? 1u : 0u) + (m_continuousProperty ? 1u : 0u);
}

void ResVarSettings::onPropertyChanged()
{
    // When the description changes every scale updates and notifies once; emit after the last.
    // Counting up to (rather than exactly to) the number of scales keeps the counter from
    // running past it when a scale is removed in the middle of a pass.
    if (++m_pendingNotifications >= numberOfProperties())
    {
        m_pendingNotifications = 0;
        settingsChanged();
    }
}

}  // namespace Quarvane
