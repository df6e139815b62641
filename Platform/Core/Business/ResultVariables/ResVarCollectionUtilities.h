#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"

#include <memory>
#include <string>

namespace Quarvane
{

struct ResVarCollectionUtilities
{
    // The largest time step holding values of the variable; 0 without a collection, for a
    // variable it does not hold, or one without values.
    static unsigned int getResVarMaxTimeStepIdx(const std::shared_ptr<ResVarCollection>& collection,
                                                const std::string& name)
    {
        if (!collection)
            return 0;
        const auto& valueSets = collection->getValueSets(name);
        // The value sets are ordered by time step first, so the last one has the largest.
        return valueSets.empty() ? 0 : valueSets.rbegin()->first.timeStepIdx;
    }
};

}  // namespace Quarvane
