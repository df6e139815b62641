#include "Platform/Core/Presentation/Configuration/ResVarPropertyBase.h"

#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <utility>

namespace Quarvane
{

namespace
{

ResVarPropertiesCommon::ScaleType scaleTypeOf(const std::shared_ptr<const ResultVariableProperties>& properties)
{
    return properties ? static_cast<ResVarPropertiesCommon::ScaleType>(properties->getScaleType())
                      : ResVarPropertiesCommon::ScaleType::Undefined;
}

}  // namespace

ResVarPropertyBase::ResVarPropertyBase(std::shared_ptr<const ResultVariableProperties> properties)
    : ResVarPropertyBase(properties, scaleTypeOf(properties))
{
}

ResVarPropertyBase::ResVarPropertyBase(std::shared_ptr<const ResultVariableProperties> properties, ScaleType type)
    : m_resVarProperties(properties), m_resVarPropertiesWasAvailable(properties != nullptr), m_type(type)
{
    setTypeDependentAttributes(type);
    setConnections();
}

ResVarPropertyBase::ResVarPropertyBase(const ResVarPropertyBase& other)
{
    copySettingsFrom(other);
    setConnections();
}

ResVarPropertyBase& ResVarPropertyBase::operator=(const ResVarPropertyBase& other)
{
    if (this == &other)
        return *this;
    // The target follows the description it copies from, not the one it had.
    unsetConnections();
    copySettingsFrom(other);
    m_active = false;
    setConnections();
    return *this;
}

ResVarPropertyBase::~ResVarPropertyBase()
{
    unsetConnections();
}

void ResVarPropertyBase::copySettingsFrom(const ResVarPropertyBase& other)
{
    m_type = other.m_type;
    m_representationType = other.m_representationType;
    m_showOutOfRange = other.m_showOutOfRange;
    m_toggleOutOfSpecIsPossible = other.m_toggleOutOfSpecIsPossible;
    m_toggleOutOfRangeIsPossible = other.m_toggleOutOfRangeIsPossible;
    m_toggleSmoothingIsPossible = other.m_toggleSmoothingIsPossible;
    m_colorRangeIdx = other.m_colorRangeIdx;
    m_useConfigurableColorRange = other.m_useConfigurableColorRange;
    m_isVectorResVar = other.m_isVectorResVar;
    m_smoothingOn = other.m_smoothingOn;
    m_showSpecificationLimits = other.m_showSpecificationLimits;
    m_notificationSuppressed = other.m_notificationSuppressed;
    m_resVarProperties = other.m_resVarProperties;
    m_resVarPropertiesWasAvailable = other.m_resVarPropertiesWasAvailable;
}

void ResVarPropertyBase::setType(ScaleType type)
{
    m_type = type;
    if (type != ScaleType::Undefined)
        setTypeDependentAttributes(type);
}

void ResVarPropertyBase::setToggleOutOfSpecIsPossibleDefault(const std::string& skinBaseName)
{
    m_toggleOutOfSpecIsPossible = SkinBaseNameUtilities::isOutOfSpecColorScalePossible(skinBaseName);
}

std::string ResVarPropertyBase::getDataUnit() const
{
    const auto properties = m_resVarProperties.lock();
    return properties ? properties->getUnit() : std::string();
}

Signals::Connection ResVarPropertyBase::connectToSignalResVarPropertyChanged(const Signals::Slot<void()>& slot)
{
    return m_resVarPropertyChanged.connect(slot, Signals::ConnectPosition::AtBack);
}

void ResVarPropertyBase::initFromResultVariableProperties(int changeSet)
{
    const auto properties = m_resVarProperties.lock();
    if (!properties)
        return;

    if (SkinBaseNameUtilities::isOutOfSpecColorScalePossible(properties->getSkinBaseName()))
    {
        m_toggleOutOfSpecIsPossible = ResVarPropertiesCommon::isContinuousType(m_type) &&
                                      (properties->getUSLUsage() || properties->getLSLUsage());
    }

    if (isPropertyChangeTypeSet(changeSet, PropertyChangedScaleType))
    {
        // Of a variable's properties only the one matching the description's type is active; a
        // continuous property follows the description between the continuous types.
        const ScaleType wanted = scaleTypeOf(properties);
        m_active = false;
        if (ResVarPropertiesCommon::isContinuousType(m_type))
        {
            if (ResVarPropertiesCommon::isContinuousType(wanted))
            {
                m_active = true;
                if (wanted != m_type)
                    setType(wanted);
            }
        }
        else
        {
            m_active = wanted == m_type;
        }
    }
}

void ResVarPropertyBase::setTypeDependentAttributes(ScaleType type)
{
    m_smoothingOn = ResVarPropertiesCommon::isContinuousType(type);
    m_showOutOfRange = type == ScaleType::ContinuousOutOfRange;
    m_showSpecificationLimits = type == ScaleType::ContinuousOutOfSpec;
}

void ResVarPropertyBase::setConnections()
{
    if (m_resVarPropertiesConnection.connected())
        return;
    const auto properties = m_resVarProperties.lock();
    if (!properties)
        return;
    m_resVarPropertiesConnection = properties->connectToSignalResultVariablePropertiesChanged(
        [this](int changeSet) { initFromResultVariableProperties(changeSet); }, Signals::ConnectPosition::AtFront);
}

void ResVarPropertyBase::unsetConnections()
{
    if (m_resVarPropertiesConnection.connected())
        m_resVarPropertiesConnection.disconnect();
}

}  // namespace Quarvane
