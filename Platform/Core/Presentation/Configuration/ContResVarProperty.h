#pragma once

#include "Platform/Core/Presentation/Configuration/ResVarPropertyBase.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <utility>

namespace Quarvane
{

// The continuous colour scale of a result variable: where its limits come from (the min/max
// policy with manual and default values), the specification limits and whether they are used,
// which min/max policies the result offers, the arrows of vector variables, the colour range,
// and a cache of computed extremes keyed by a hash of everything they depend on.
//
// Setters store without notifying; the property notifies when it re-initialises from its
// description.
class ContResVarProperty : public ResVarPropertyBase
{
public:
    using MinMaxType = ResVarPropertiesCommon::MinMaxType;

    // How long vector arrows are drawn; each way has its own scale factor.
    enum ArrowScaleType : std::int32_t
    {
        FixedLength = 0,        // every arrow equally long, times the factor
        ValueProportional = 1   // length proportional to the value, times the factor
    };

    explicit ContResVarProperty(std::shared_ptr<const ResultVariableProperties> properties);
    ContResVarProperty(std::shared_ptr<const ResultVariableProperties> properties, ScaleType type);
    // A copy has every setting but starts with an empty cache.
    ContResVarProperty(const ContResVarProperty& other);
    ContResVarProperty& operator=(const ContResVarProperty& other);

    // The description's definition, or the default one once the description is gone.
    const ResVarPropertiesCommon::ContinuousColorRangeDefinition& getConfigurableColorRangeDefinition() const override;

    MinMaxType getMinMaxType() const { return m_minMaxType; }
    void setMinMaxType(MinMaxType type) { m_minMaxType = type; }

    double getManualMin() const { return m_manualMin; }
    double getManualMax() const { return m_manualMax; }
    // Both switch the policy to Manual and keep min <= max by moving the other value along.
    void setManualMin(double value);
    void setManualMax(double value);
    // Stores both as given (no ordering) and switches the policy to Manual.
    void editMinMax(double min, double max);

    double getDefaultMin() const { return m_defaultMin; }
    double getDefaultMax() const { return m_defaultMax; }
    // Keep min <= max like the manual pair, without touching the policy.
    void setDefaultMin(double value);
    void setDefaultMax(double value);

    double getLowerSpecificationLimit() const { return m_lowerSpecificationLimit; }
    double getUpperSpecificationLimit() const { return m_upperSpecificationLimit; }
    // Keep lower <= upper like the manual pair.
    void setLowerSpecificationLimit(double value);
    void setUpperSpecificationLimit(double value);
    bool getLowerSpecificationLimitUsage() const { return m_lowerSpecificationLimitUsage; }
    bool getUpperSpecificationLimitUsage() const { return m_upperSpecificationLimitUsage; }
    void setLowerSpecificationLimitUsage(bool used) { m_lowerSpecificationLimitUsage = used; }
    void setUpperSpecificationLimitUsage(bool used) { m_upperSpecificationLimitUsage = used; }

    // A forced update makes the next evaluation of the extremes bypass the cache once; with
    // "always force" set the state stays on for good.
    bool getForceMinMaxUpdateState() const { return m_forceMinMaxUpdateState; }
    void setForceMinMaxUpdateState(bool force) { m_forceMinMaxUpdateState = m_alwaysForceMinMaxUpdate || force; }
    void setAlwaysForceMinMaxUpdate();

    bool getMinMaxGlobalAvailable() const { return m_minMaxGlobalAvailable; }
    bool getMinMaxTimeStepAvailable() const { return m_minMaxTimeStepAvailable; }
    bool getMinMaxObjectAvailable() const { return m_minMaxObjectAvailable; }
    void setMinMaxGlobalAvailable(bool available) { m_minMaxGlobalAvailable = available; }
    void setMinMaxTimeStepAvailable(bool available) { m_minMaxTimeStepAvailable = available; }
    void setMinMaxObjectAvailable(bool available) { m_minMaxObjectAvailable = available; }

    ArrowScaleType getArrowScaleType() const { return m_arrowScaleType; }
    void setArrowScaleType(ArrowScaleType type) { m_arrowScaleType = type; }
    // 1.0 for a value that is no ArrowScaleType; setting one is ignored.
    double getScaleFactor(ArrowScaleType type) const;
    void setScaleFactor(double factor, ArrowScaleType type);
    bool isShowArrowHeadOn() const { return m_showArrowHead; }
    void setShowArrowHeadOn(bool show) { m_showArrowHead = show; }
    bool isShowHeadOnBothSidesOn() const { return m_showHeadOnBothSides; }
    void setShowHeadOnBothSides(bool show) { m_showHeadOnBothSides = show; }
    bool getForceSingleColorMode() const { return m_forceSingleColorMode; }
    void setForceSingleColorMode(bool force) { m_forceSingleColorMode = force; }

    // Stores or overwrites the extremes computed under the hash.
    void cacheMinMax(std::size_t hash, double min, double max) { m_minMaxCache[hash] = {min, max}; }
    // True and both filled when the hash is cached; false and both untouched otherwise.
    bool getMinMaxFromCache(std::size_t hash, double& min, double& max) const;

    // The catalogue index of the description's continuous colour range type; -1 without one.
    int determineColorRangeIdx() const;

protected:
    void initFromResultVariableProperties(int changeSet) override;

private:
    void copyFieldsFrom(const ContResVarProperty& other);
    void copyManualMinMaxFromProperties(const ResultVariableProperties& properties);
    void copyDefaultMinMaxFromProperties(const ResultVariableProperties& properties);
    void copyLimitsFromProperties(const ResultVariableProperties& properties);
    void copyArrowSettingsFromProperties(const ResultVariableProperties& properties);

    MinMaxType m_minMaxType = MinMaxType::TimeStep;
    double m_manualMin = 0.0;
    double m_manualMax = 0.0;
    double m_defaultMin = 0.0;
    double m_defaultMax = 0.0;
    double m_lowerSpecificationLimit = 0.0;
    double m_upperSpecificationLimit = 0.0;
    bool m_lowerSpecificationLimitUsage = false;
    bool m_upperSpecificationLimitUsage = false;
    bool m_forceMinMaxUpdateState = false;
    bool m_alwaysForceMinMaxUpdate = false;
    bool m_minMaxGlobalAvailable = true;
    bool m_minMaxTimeStepAvailable = true;
    bool m_minMaxObjectAvailable = false;
    ArrowScaleType m_arrowScaleType = ValueProportional;
    double m_scaleFactors[2] = {1.0, 10.0};  // by ArrowScaleType
    bool m_showArrowHead = true;
    bool m_showHeadOnBothSides = true;
    bool m_forceSingleColorMode = false;
    std::map<std::size_t, std::pair<double, double>> m_minMaxCache;
};

}  // namespace Quarvane
