#pragma once

#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"
#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"

#include <memory>

namespace Quarvane::Testing
{

using ScaleType = ResVarPropertiesCommon::ScaleType;
using MinMaxType = ResVarPropertiesCommon::MinMaxType;

template <typename Enum>
int number(Enum value)
{
    return static_cast<int>(value);
}

// A thinning description as a result file would give it: continuous, both specification limits
// in use, default limits -0.3 .. 0.1.
inline std::shared_ptr<ResultVariableProperties> makeThinningDescription(ScaleType type = ScaleType::Continuous)
{
    auto description = std::make_shared<ResultVariableProperties>();
    description->setSkinBaseName("THINNING");
    description->setUnit("%");
    description->setScaleType(type);
    description->setMinMaxType(MinMaxType::Global);
    description->setContinuousColorRangeType(ResVarPropertiesCommon::DefaultContinuous);
    description->setDiscreteColorRangeType(ResVarPropertiesCommon::GreenYellowRed);
    description->setAbsDefaultMin(-0.3);
    description->setAbsDefaultMax(0.1);
    description->setAbsLowerSpecificationLimit(-0.25);
    description->setAbsUpperSpecificationLimit(0.05);
    description->setLSLUsage(true);
    description->setUSLUsage(true);
    description->setArrowScaleFactor(2.5);
    return description;
}

}  // namespace Quarvane::Testing
