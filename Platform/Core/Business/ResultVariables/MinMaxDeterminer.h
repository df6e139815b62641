#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"
#include "Platform/Core/Business/Skin/SkinKey.h"
#include "Platform/Core/Service/Identifier/GUIdentifier.h"

#include <memory>
#include <string>

namespace Quarvane
{

// The extremes of a result variable's values, under the policies a colour scale offers.
//
// Every operation returns true and writes min and max when at least one value qualifies; it
// returns false and leaves both untouched without a collection, for a variable the collection
// does not hold, or when no value qualifies. NaN values never qualify.
//
// "Automatic" extremes ignore outliers: of the qualifying values, those outside Tukey's fences
// [Q1 - 1.5·IQR, Q3 + 1.5·IQR] (quartiles interpolated linearly between the sorted values) are
// left out, and the extremes of the rest are taken. A few spikes (a contact node, a singular
// element) then no longer squeeze the whole scale into one colour.
//
// Objects are chosen by path: a value set qualifies when its object path equals the given path
// or lies below it ("Blank" covers "Blank/Flange"); the empty path covers every object.
class MinMaxDeterminer
{
public:
    // Over every time step.
    static bool getMinMaxGlobal(const std::shared_ptr<ResVarCollectionBase>& collection, const SkinKey& key,
                                double& min, double& max);
    static bool getBodyMinMaxGlobal(const std::shared_ptr<ResVarCollectionBase>& collection,
                                    const GUIdentifier& body, const SkinKey& key, double& min, double& max);

    // At one time step.
    static bool getMinMax(const std::shared_ptr<ResVarCollection>& collection, const SkinKey& key, double& min,
                          double& max, unsigned int timeStepIdx);
    static bool getBodyMinMax(const std::shared_ptr<ResVarCollection>& collection, const GUIdentifier& body,
                              const SkinKey& key, double& min, double& max, unsigned int timeStepIdx);

    // On one object (and the objects below it), over every time step.
    static bool getMinMax(const std::shared_ptr<ResVarCollectionBase>& collection, const SkinKey& key, double& min,
                          double& max, const std::string& path);
    static bool getBodyMinMax(const std::shared_ptr<ResVarCollectionBase>& collection, const GUIdentifier& body,
                              const SkinKey& key, double& min, double& max, const std::string& path);

    // Automatic extremes at one time step.
    static bool getMinMaxAuto(const std::shared_ptr<ResVarCollection>& collection, const SkinKey& key, double& min,
                              double& max, unsigned int timeStepIdx);
    static bool getBodyMinMaxAuto(const std::shared_ptr<ResVarCollection>& collection, const GUIdentifier& body,
                                  const SkinKey& key, double& min, double& max, unsigned int timeStepIdx);
    // Automatic extremes of tool results, over every time step (tool wear and loads accumulate,
    // so no single step stands for the tool).
    static bool getMinMaxAuto(const std::shared_ptr<ToolResVarCollection>& collection, const SkinKey& key,
                              double& min, double& max);
};

}  // namespace Quarvane
