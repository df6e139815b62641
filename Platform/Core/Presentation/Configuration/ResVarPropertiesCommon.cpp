#include "Platform/Core/Presentation/Configuration/ResVarPropertiesCommon.h"

namespace Quarvane
{

const ResVarPropertiesCommon::ContinuousColorRangeDefinition
    ResVarPropertiesCommon::s_defaultContinuousColorRangeDefinition{0.0, 0.875, 1, 3, 0};

bool ResVarPropertiesCommon::isContinuousType(ScaleType type)
{
    return type == ScaleType::Continuous || type == ScaleType::ContinuousOutOfRange ||
           type == ScaleType::ContinuousOutOfSpec;
}

}  // namespace Quarvane
