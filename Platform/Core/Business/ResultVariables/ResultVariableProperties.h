#pragma once

#include "Platform/Core/Business/ResultVariables/ContinuousColorRangeDefinition.h"
#include "Platform/Core/Business/ResultVariables/LevelInfo.h"
#include "Platform/Core/Service/Signals/Signals.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace Quarvane
{

// What changed in a description, as bits of the change set its signal carries.
enum PropertyChangedType : int
{
    PropertyChangedScaleType = 1,
    PropertyChangedMinMaxType = 2,
    PropertyChangedDefaultMinMax = 4,
    PropertyChangedEverything = -1
};

// Whether the change set contains the kind. PropertyChangedEverything is contained only in a change
// set that says everything changed (-1), not in any set that happens to share a bit with it.
bool isPropertyChangeTypeSet(const int& changeSet, PropertyChangedType kind);

// The business description of one result variable: how it should be shown by default (scale
// type, min/max policy, colour ranges, limits, arrows) and its discretisation levels.
//
// The four type getters return the numbers of the display layer's enumerations (scale type,
// min/max type, colour range type); the description stores whatever number it was given and
// leaves their interpretation, including of numbers outside the enumerations, to the reader.
//
// Setters only store. A caller changes what it wants and then announces it once with
// notifyPropertiesChanged(changeSet), so listeners update once per edit, not once per field.
class ResultVariableProperties
{
public:
    using ChangedSignature = void(int);

    ResultVariableProperties() = default;
    ResultVariableProperties(const ResultVariableProperties&) = delete;
    ResultVariableProperties& operator=(const ResultVariableProperties&) = delete;

    std::int32_t getScaleType() const { return m_scaleType; }
    std::int32_t getMinMaxType() const { return m_minMaxType; }
    std::int32_t getContinuousColorRangeType() const { return m_continuousColorRangeType; }
    std::int32_t getDiscreteColorRangeType() const { return m_discreteColorRangeType; }
    double getAbsDefaultMin() const { return m_absDefaultMin; }
    double getAbsDefaultMax() const { return m_absDefaultMax; }
    double getAbsLowerSpecificationLimit() const { return m_absLowerSpecificationLimit; }
    double getAbsUpperSpecificationLimit() const { return m_absUpperSpecificationLimit; }
    double getArrowScaleFactor() const { return m_arrowScaleFactor; }
    bool getLSLUsage() const { return m_lslUsage; }
    bool getUSLUsage() const { return m_uslUsage; }
    bool getShowArrowHeads() const { return m_showArrowHeads; }
    bool getShowHeadsOnBothSides() const { return m_showHeadsOnBothSides; }
    bool getForceSingleColorMode() const { return m_forceSingleColorMode; }
    bool getUseConfigurableContinuousColorRange() const { return m_useConfigurableContinuousColorRange; }
    bool getUseConfigurableDiscreteColors() const { return m_useConfigurableDiscreteColors; }
    const ContinuousColorRangeDefinition& getConfigurableContinuousColorRangeDefinition() const
    {
        return m_configurableContinuousColorRangeDefinition;
    }
    unsigned int getNumberOfDiscretizationLevels() const { return static_cast<unsigned int>(m_levels.size()); }
    // Null for an index past the last level.
    std::shared_ptr<LevelInfo> getDiscretizationLevel(unsigned int index) const;
    const std::string& getSkinBaseName() const { return m_skinBaseName; }
    const std::string& getDisplayName() const { return m_displayName; }
    const std::string& getUnit() const { return m_unit; }
    const std::string& getGroupName() const { return m_groupName; }

    void setScaleType(std::int32_t type) { m_scaleType = type; }
    void setMinMaxType(std::int32_t type) { m_minMaxType = type; }
    void setContinuousColorRangeType(std::int32_t type) { m_continuousColorRangeType = type; }
    void setDiscreteColorRangeType(std::int32_t type) { m_discreteColorRangeType = type; }
    // The same from any enumeration (scoped ones included), by its number.
    template <class Enumeration, std::enable_if_t<std::is_enum_v<Enumeration>, int> = 0>
    void setScaleType(Enumeration type) { setScaleType(static_cast<std::int32_t>(type)); }
    template <class Enumeration, std::enable_if_t<std::is_enum_v<Enumeration>, int> = 0>
    void setMinMaxType(Enumeration type) { setMinMaxType(static_cast<std::int32_t>(type)); }
    template <class Enumeration, std::enable_if_t<std::is_enum_v<Enumeration>, int> = 0>
    void setContinuousColorRangeType(Enumeration type) { setContinuousColorRangeType(static_cast<std::int32_t>(type)); }
    template <class Enumeration, std::enable_if_t<std::is_enum_v<Enumeration>, int> = 0>
    void setDiscreteColorRangeType(Enumeration type) { setDiscreteColorRangeType(static_cast<std::int32_t>(type)); }
    void setAbsDefaultMin(double value) { m_absDefaultMin = value; }
    void setAbsDefaultMax(double value) { m_absDefaultMax = value; }
    void setAbsLowerSpecificationLimit(double value) { m_absLowerSpecificationLimit = value; }
    void setAbsUpperSpecificationLimit(double value) { m_absUpperSpecificationLimit = value; }
    void setArrowScaleFactor(double value) { m_arrowScaleFactor = value; }
    void setLSLUsage(bool used) { m_lslUsage = used; }
    void setUSLUsage(bool used) { m_uslUsage = used; }
    void setShowArrowHeads(bool show) { m_showArrowHeads = show; }
    void setShowHeadsOnBothSides(bool show) { m_showHeadsOnBothSides = show; }
    void setForceSingleColorMode(bool force) { m_forceSingleColorMode = force; }
    void setUseConfigurableContinuousColorRange(bool use) { m_useConfigurableContinuousColorRange = use; }
    void setUseConfigurableDiscreteColors(bool use) { m_useConfigurableDiscreteColors = use; }
    void setConfigurableContinuousColorRangeDefinition(const ContinuousColorRangeDefinition& definition)
    {
        m_configurableContinuousColorRangeDefinition = definition;
    }
    void setSkinBaseName(const std::string& name) { m_skinBaseName = name; }
    void setDisplayName(const std::string& name) { m_displayName = name; }
    void setUnit(const std::string& unit) { m_unit = unit; }
    void setGroupName(const std::string& name) { m_groupName = name; }

    // Levels are kept in the order they were added (a null level is ignored); readers that need
    // them ordered by limit must not assume it.
    void addDiscretizationLevel(std::shared_ptr<LevelInfo> level);
    void clearDiscretizationLevels() { m_levels.clear(); }

    // Const: listening does not change the description, and holders see it through a pointer to
    // const.
    Signals::Connection connectToSignalResultVariablePropertiesChanged(
        const Signals::Slot<ChangedSignature>& slot, Signals::ConnectPosition position = Signals::ConnectPosition::AtBack) const;
    // Tells every listener that the kinds in changeSet changed (PropertyChangedType bits, or -1).
    void notifyPropertiesChanged(int changeSet) const { m_changed(changeSet); }

private:
    std::int32_t m_scaleType = 2;                 // continuous
    std::int32_t m_minMaxType = 1;                // the current time step's extremes
    std::int32_t m_continuousColorRangeType = 19; // the default continuous range
    std::int32_t m_discreteColorRangeType = 1;    // green, yellow, red
    double m_absDefaultMin = 0.0;
    double m_absDefaultMax = 1.0;
    double m_absLowerSpecificationLimit = 0.0;
    double m_absUpperSpecificationLimit = 0.0;
    double m_arrowScaleFactor = 1.0;
    bool m_lslUsage = false;
    bool m_uslUsage = false;
    bool m_showArrowHeads = true;
    bool m_showHeadsOnBothSides = false;
    bool m_forceSingleColorMode = false;
    bool m_useConfigurableContinuousColorRange = false;
    bool m_useConfigurableDiscreteColors = false;
    ContinuousColorRangeDefinition m_configurableContinuousColorRangeDefinition;
    std::vector<std::shared_ptr<LevelInfo>> m_levels;
    std::string m_skinBaseName;
    std::string m_displayName;
    std::string m_unit;
    std::string m_groupName;
    mutable Signals::Signal<ChangedSignature> m_changed;
};

}  // namespace Quarvane
