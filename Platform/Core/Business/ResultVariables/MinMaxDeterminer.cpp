#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace Quarvane
{

namespace
{

using Selection = std::function<bool(const ValueSetKey&)>;

bool anyWhere(const ValueSetKey&)
{
    return true;
}

Selection atTimeStep(unsigned int timeStepIdx)
{
    return [timeStepIdx](const ValueSetKey& where) { return where.timeStepIdx == timeStepIdx; };
}

Selection onObject(const std::string& path)
{
    return [path](const ValueSetKey& where) {
        if (path.empty() || where.objectPath == path)
            return true;
        return where.objectPath.size() > path.size() && where.objectPath.compare(0, path.size(), path) == 0 &&
               where.objectPath[path.size()] == '/';
    };
}

Selection onBody(const GUIdentifier& body, Selection selection)
{
    return [body, selection](const ValueSetKey& where) { return where.body == body && selection(where); };
}

std::vector<double> selectedValues(const ResVarCollectionBase& collection, const SkinKey& key,
                                   const Selection& selection)
{
    std::vector<double> values;
    for (const auto& valueSet : collection.getValueSets(key.getBase()))
    {
        if (!selection(valueSet.first))
            continue;
        std::copy_if(valueSet.second.begin(), valueSet.second.end(), std::back_inserter(values),
                     [](double value) { return !std::isnan(value); });
    }
    return values;
}

bool extremes(const std::vector<double>& values, double& min, double& max)
{
    if (values.empty())
        return false;
    const auto range = std::minmax_element(values.begin(), values.end());
    min = *range.first;
    max = *range.second;
    return true;
}

// The value at fraction p of the sorted values, interpolated between neighbours.
double quantile(const std::vector<double>& sorted, double p)
{
    const double position = p * static_cast<double>(sorted.size() - 1);
    const std::size_t below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    return sorted[below] + (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

bool robustExtremes(std::vector<double> values, double& min, double& max)
{
    if (values.empty())
        return false;
    std::sort(values.begin(), values.end());
    const double q1 = quantile(values, 0.25);
    const double q3 = quantile(values, 0.75);
    const double fence = 1.5 * (q3 - q1);
    // The median lies between the fences, so at least one value remains.
    const auto first = std::lower_bound(values.begin(), values.end(), q1 - fence);
    const auto last = std::upper_bound(values.begin(), values.end(), q3 + fence);
    min = *first;
    max = *(last - 1);
    return true;
}

template <class Collection>
bool plain(const std::shared_ptr<Collection>& collection, const SkinKey& key, const Selection& selection, double& min,
           double& max)
{
    return collection && extremes(selectedValues(*collection, key, selection), min, max);
}

template <class Collection>
bool automatic(const std::shared_ptr<Collection>& collection, const SkinKey& key, const Selection& selection,
               double& min, double& max)
{
    return collection && robustExtremes(selectedValues(*collection, key, selection), min, max);
}

}  // namespace

bool MinMaxDeterminer::getMinMaxGlobal(const std::shared_ptr<ResVarCollectionBase>& collection, const SkinKey& key,
                                       double& min, double& max)
{
    return plain(collection, key, anyWhere, min, max);
}

bool MinMaxDeterminer::getBodyMinMaxGlobal(const std::shared_ptr<ResVarCollectionBase>& collection,
                                           const GUIdentifier& body, const SkinKey& key, double& min, double& max)
{
    return plain(collection, key, onBody(body, anyWhere), min, max);
}

bool MinMaxDeterminer::getMinMax(const std::shared_ptr<ResVarCollection>& collection, const SkinKey& key,
                                 double& min, double& max, unsigned int timeStepIdx)
{
    return plain(collection, key, atTimeStep(timeStepIdx), min, max);
}

bool MinMaxDeterminer::getBodyMinMax(const std::shared_ptr<ResVarCollection>& collection, const GUIdentifier& body,
                                     const SkinKey& key, double& min, double& max, unsigned int timeStepIdx)
{
    return plain(collection, key, onBody(body, atTimeStep(timeStepIdx)), min, max);
}

bool MinMaxDeterminer::getMinMax(const std::shared_ptr<ResVarCollectionBase>& collection, const SkinKey& key,
                                 double& min, double& max, const std::string& path)
{
    return plain(collection, key, onObject(path), min, max);
}

bool MinMaxDeterminer::getBodyMinMax(const std::shared_ptr<ResVarCollectionBase>& collection,
                                     const GUIdentifier& body, const SkinKey& key, double& min, double& max,
                                     const std::string& path)
{
    return plain(collection, key, onBody(body, onObject(path)), min, max);
}

bool MinMaxDeterminer::getMinMaxAuto(const std::shared_ptr<ResVarCollection>& collection, const SkinKey& key,
                                     double& min, double& max, unsigned int timeStepIdx)
{
    return automatic(collection, key, atTimeStep(timeStepIdx), min, max);
}

bool MinMaxDeterminer::getBodyMinMaxAuto(const std::shared_ptr<ResVarCollection>& collection,
                                         const GUIdentifier& body, const SkinKey& key, double& min, double& max,
                                         unsigned int timeStepIdx)
{
    return automatic(collection, key, onBody(body, atTimeStep(timeStepIdx)), min, max);
}

bool MinMaxDeterminer::getMinMaxAuto(const std::shared_ptr<ToolResVarCollection>& collection, const SkinKey& key,
                                     double& min, double& max)
{
    return automatic(collection, key, anyWhere, min, max);
}

}  // namespace Quarvane
