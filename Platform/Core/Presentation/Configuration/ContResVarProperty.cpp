#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"

#include "Platform/Core/Presentation/Configuration/ColorRangeIndexDeterminer.h"

namespace Quarvane
{

namespace
{

// Sets `changed` and keeps the pair ordered by pulling `other` along when they cross.
void setLower(double& changed, double& other, double value)
{
    changed = value;
    if (value > other)
        other = value;
}

void setUpper(double& changed, double& other, double value)
{
    changed = value;
    if (other > value)
        other = value;
}

bool isArrowScaleType(ContResVarProperty::ArrowScaleType type)
{
    return type == ContResVarProperty::FixedLength || type == ContResVarProperty::ValueProportional;
}

}  // namespace

// The description is passed on by copy, not moved: this parameter keeps it alive until the
// initialisation below has read it, even when the caller handed over its only owner.
ContResVarProperty::ContResVarProperty(std::shared_ptr<const ResultVariableProperties> properties)
    : ResVarPropertyBase(properties)
{
    ContResVarProperty::initFromResultVariableProperties(PropertyChangedEverything);
}

ContResVarProperty::ContResVarProperty(std::shared_ptr<const ResultVariableProperties> properties, ScaleType type)
    : ResVarPropertyBase(properties, type)
{
    ContResVarProperty::initFromResultVariableProperties(PropertyChangedEverything);
}

ContResVarProperty::ContResVarProperty(const ContResVarProperty& other) : ResVarPropertyBase(other)
{
    copyFieldsFrom(other);
}

ContResVarProperty& ContResVarProperty::operator=(const ContResVarProperty& other)
{
    if (this == &other)
        return *this;
    ResVarPropertyBase::operator=(other);
    copyFieldsFrom(other);
    // What was computed for the old settings is no answer for the new ones.
    m_minMaxCache.clear();
    return *this;
}

void ContResVarProperty::copyFieldsFrom(const ContResVarProperty& other)
{
    m_minMaxType = other.m_minMaxType;
    m_manualMin = other.m_manualMin;
    m_manualMax = other.m_manualMax;
    m_defaultMin = other.m_defaultMin;
    m_defaultMax = other.m_defaultMax;
    m_lowerSpecificationLimit = other.m_lowerSpecificationLimit;
    m_upperSpecificationLimit = other.m_upperSpecificationLimit;
    m_lowerSpecificationLimitUsage = other.m_lowerSpecificationLimitUsage;
    m_upperSpecificationLimitUsage = other.m_upperSpecificationLimitUsage;
    m_forceMinMaxUpdateState = other.m_forceMinMaxUpdateState;
    m_alwaysForceMinMaxUpdate = other.m_alwaysForceMinMaxUpdate;
    m_minMaxGlobalAvailable = other.m_minMaxGlobalAvailable;
    m_minMaxTimeStepAvailable = other.m_minMaxTimeStepAvailable;
    m_minMaxObjectAvailable = other.m_minMaxObjectAvailable;
    m_arrowScaleType = other.m_arrowScaleType;
    m_scaleFactors[FixedLength] = other.m_scaleFactors[FixedLength];
    m_scaleFactors[ValueProportional] = other.m_scaleFactors[ValueProportional];
    m_showArrowHead = other.m_showArrowHead;
    m_showHeadOnBothSides = other.m_showHeadOnBothSides;
    m_forceSingleColorMode = other.m_forceSingleColorMode;
}

const ResVarPropertiesCommon::ContinuousColorRangeDefinition&
ContResVarProperty::getConfigurableColorRangeDefinition() const
{
    // The reference stays valid only while the description lives; the property hands it out
    // for immediate use, as the description's holders do.
    const auto properties = getResVarProperties();
    return properties ? properties->getConfigurableContinuousColorRangeDefinition()
                      : ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition;
}

void ContResVarProperty::setManualMin(double value)
{
    m_minMaxType = MinMaxType::Manual;
    setLower(m_manualMin, m_manualMax, value);
}

void ContResVarProperty::setManualMax(double value)
{
    m_minMaxType = MinMaxType::Manual;
    setUpper(m_manualMax, m_manualMin, value);
}

void ContResVarProperty::editMinMax(double min, double max)
{
    m_manualMin = min;
    m_manualMax = max;
    m_minMaxType = MinMaxType::Manual;
}

void ContResVarProperty::setDefaultMin(double value)
{
    setLower(m_defaultMin, m_defaultMax, value);
}

void ContResVarProperty::setDefaultMax(double value)
{
    setUpper(m_defaultMax, m_defaultMin, value);
}

void ContResVarProperty::setLowerSpecificationLimit(double value)
{
    setLower(m_lowerSpecificationLimit, m_upperSpecificationLimit, value);
}

void ContResVarProperty::setUpperSpecificationLimit(double value)
{
    setUpper(m_upperSpecificationLimit, m_lowerSpecificationLimit, value);
}

void ContResVarProperty::setAlwaysForceMinMaxUpdate()
{
    m_alwaysForceMinMaxUpdate = true;
    m_forceMinMaxUpdateState = true;
}

double ContResVarProperty::getScaleFactor(ArrowScaleType type) const
{
    return isArrowScaleType(type) ? m_scaleFactors[type] : 1.0;
}

void ContResVarProperty::setScaleFactor(double factor, ArrowScaleType type)
{
    if (isArrowScaleType(type))
        m_scaleFactors[type] = factor;
}

bool ContResVarProperty::getMinMaxFromCache(std::size_t hash, double& min, double& max) const
{
    const auto found = m_minMaxCache.find(hash);
    if (found == m_minMaxCache.end())
        return false;
    min = found->second.first;
    max = found->second.second;
    return true;
}

int ContResVarProperty::determineColorRangeIdx() const
{
    const auto properties = getResVarProperties();
    if (!properties)
        return -1;
    return ColorRangeIndexDeterminer::determineColorRangeIdx(
        static_cast<ResVarPropertiesCommon::ColorRangeType>(properties->getContinuousColorRangeType()));
}

void ContResVarProperty::initFromResultVariableProperties(int changeSet)
{
    // Held for the whole update, so the description cannot vanish half-way through it.
    const auto properties = getResVarProperties();
    if (!properties)
        return;

    ResVarPropertyBase::initFromResultVariableProperties(changeSet);

    if (isPropertyChangeTypeSet(changeSet, PropertyChangedMinMaxType))
    {
        m_minMaxType = static_cast<MinMaxType>(properties->getMinMaxType());
        // Without time steps (a geometry check) the per-step policies have nothing to work on.
        if (!m_minMaxTimeStepAvailable && (m_minMaxType == MinMaxType::TimeStep || m_minMaxType == MinMaxType::Auto))
            m_minMaxType = MinMaxType::Object;
    }
    if (isPropertyChangeTypeSet(changeSet, PropertyChangedEverything))
        copyManualMinMaxFromProperties(*properties);
    if (isPropertyChangeTypeSet(changeSet, PropertyChangedDefaultMinMax))
        copyDefaultMinMaxFromProperties(*properties);
    copyLimitsFromProperties(*properties);
    setColorRangeIdx(determineColorRangeIdx());
    copyArrowSettingsFromProperties(*properties);
    setUseConfigurableColorRange(properties->getUseConfigurableContinuousColorRange());

    if (!isNotificationSuppressed())
        notifyResVarPropertyChanged();
}

void ContResVarProperty::copyManualMinMaxFromProperties(const ResultVariableProperties& properties)
{
    m_manualMin = properties.getAbsDefaultMin();
    m_manualMax = properties.getAbsDefaultMax();
}

void ContResVarProperty::copyDefaultMinMaxFromProperties(const ResultVariableProperties& properties)
{
    m_defaultMin = properties.getAbsDefaultMin();
    m_defaultMax = properties.getAbsDefaultMax();
}

void ContResVarProperty::copyLimitsFromProperties(const ResultVariableProperties& properties)
{
    m_lowerSpecificationLimit = properties.getAbsLowerSpecificationLimit();
    m_upperSpecificationLimit = properties.getAbsUpperSpecificationLimit();
    m_lowerSpecificationLimitUsage = properties.getLSLUsage();
    m_upperSpecificationLimitUsage = properties.getUSLUsage();
    // A scale that shows specification limits needs at least one of them.
    if (getType() == ScaleType::ContinuousOutOfSpec && !m_lowerSpecificationLimitUsage &&
        !m_upperSpecificationLimitUsage)
        setType(ScaleType::Continuous);
}

void ContResVarProperty::copyArrowSettingsFromProperties(const ResultVariableProperties& properties)
{
    m_scaleFactors[FixedLength] = properties.getArrowScaleFactor();
    m_scaleFactors[ValueProportional] = properties.getArrowScaleFactor();
    m_showArrowHead = properties.getShowArrowHeads();
    m_showHeadOnBothSides = properties.getShowHeadsOnBothSides();
    m_forceSingleColorMode = properties.getForceSingleColorMode();
}

}  // namespace Quarvane
