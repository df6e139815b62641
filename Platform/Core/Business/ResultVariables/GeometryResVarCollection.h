#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"

#include <utility>

namespace Quarvane
{

// The results of a geometry check (distances and angles to a CAD model and the like): there is
// no simulation time, so every value set lies at time step 0.
class GeometryResVarCollection : public ResVarCollectionBase
{
public:
    GeometryResVarCollection() = default;

    bool setObjectValues(const std::string& name, const GUIdentifier& body, const std::string& objectPath,
                         std::vector<double> values)
    {
        return setValues(name, ValueSetKey{0, body, objectPath}, std::move(values));
    }
};

}  // namespace Quarvane
