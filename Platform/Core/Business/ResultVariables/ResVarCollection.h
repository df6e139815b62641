#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"

namespace Quarvane
{

// The results of a simulation: values per time step of the simulated bodies.
class ResVarCollection : public ResVarCollectionBase
{
public:
    ResVarCollection() = default;
};

}  // namespace Quarvane
