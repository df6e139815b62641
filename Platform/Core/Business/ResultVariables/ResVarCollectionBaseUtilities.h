#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"

#include <memory>
#include <string>

namespace Quarvane
{

struct ResVarCollectionBaseUtilities
{
    // The representation the variable is drawn in by default; SkinInterpretDefault without a
    // collection or for a variable it does not hold.
    static SkinInterpretType getResVarBaseRepresentation(const std::shared_ptr<ResVarCollectionBase>& collection,
                                                         const std::string& name)
    {
        return collection ? collection->getResVarBaseRepresentation(name) : SkinInterpretDefault;
    }
};

}  // namespace Quarvane
