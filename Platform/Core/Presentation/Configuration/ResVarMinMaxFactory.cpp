#include "Platform/Core/Presentation/Configuration/ResVarMinMaxFactory.h"

#include "Platform/Core/Business/ResultVariables/MinMaxDeterminer.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionUtilities.h"
#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"
#include "Platform/Core/Presentation/Configuration/HashCombine.h"

#include <boost/functional/hash.hpp>

#include <cstdint>
#include <utility>

namespace Quarvane
{

namespace
{

using ScaleType = ResVarPropertiesCommon::ScaleType;

// How Boost hashes a pointer.
std::size_t pointerHash(const void* pointer)
{
    const auto p = reinterpret_cast<std::uintptr_t>(pointer);
    return static_cast<std::size_t>(p + (p >> 3));
}

std::size_t stringHash(const std::string& text)
{
    return boost::hash<std::string>()(text);
}

bool hasLimits(ScaleType type)
{
    return type == ScaleType::ManualDiscrete || ResVarPropertiesCommon::isContinuousType(type);
}

}  // namespace

ResVarMinMaxFactory::ResVarMinMaxFactory(const SkinKey& skinKey, std::shared_ptr<ResVarCollectionBase> collection,
                                         ContResVarProperty* property)
    : m_skinKey(skinKey), m_resVarCollection(std::move(collection)), m_property(property)
{
}

ResVarMinMaxFactory::MinMaxType ResVarMinMaxFactory::getMinMaxType() const
{
    if (!m_property || !hasLimits(m_property->getType()))
        return MinMaxType::Undefined;
    return m_property->getMinMaxType();
}

bool ResVarMinMaxFactory::getMinMax(double& min, double& max) const
{
    switch (getMinMaxType())
    {
    case MinMaxType::Global:
        return getMinMaxWithMethod([this](double& a, double& b) { return getGlobalMinMax(a, b); }, min, max);
    case MinMaxType::TimeStep:
        return getMinMaxWithMethod([this](double& a, double& b) { return getTimestepMinMax(a, b); }, min, max);
    case MinMaxType::Auto:
        return getMinMaxWithMethod([this](double& a, double& b) { return getAutoMinMax(a, b); }, min, max);
    case MinMaxType::Manual:
        return getManualMinMax(min, max);
    case MinMaxType::Object:
        return getMinMaxWithMethod([this](double& a, double& b) { return getObjectMinMax(a, b); }, min, max);
    case MinMaxType::Default:
        return getDefaultMinMax(min, max);
    case MinMaxType::Undefined:
        break;
    }
    min = 0.0;
    max = 0.0;
    return false;
}

bool ResVarMinMaxFactory::getBodyMinMax(const GUIdentifier& body, double& min, double& max) const
{
    switch (getMinMaxType())
    {
    case MinMaxType::Global:
        return getBodyMinMaxWithMethod(
            [this](const GUIdentifier& b, double& lo, double& hi) { return getBodyGlobalMinMax(b, lo, hi); }, body, min, max);
    case MinMaxType::TimeStep:
        return getBodyMinMaxWithMethod(
            [this](const GUIdentifier& b, double& lo, double& hi) { return getBodyTimestepMinMax(b, lo, hi); }, body, min, max);
    case MinMaxType::Auto:
        return getBodyMinMaxWithMethod(
            [this](const GUIdentifier& b, double& lo, double& hi) { return getBodyAutoMinMax(b, lo, hi); }, body, min, max);
    case MinMaxType::Manual:
        return getManualMinMax(min, max);
    case MinMaxType::Object:
        return getBodyMinMaxWithMethod(
            [this](const GUIdentifier& b, double& lo, double& hi) { return getBodyObjectMinMax(b, lo, hi); }, body, min, max);
    case MinMaxType::Default:
        return getDefaultMinMax(min, max);
    case MinMaxType::Undefined:
        break;
    }
    min = 0.0;
    max = 0.0;
    return false;
}

bool ResVarMinMaxFactory::getMinMaxWithMethod(const Method& method, double& min, double& max) const
{
    if (!method)
        throw std::bad_function_call();
    const std::size_t hash = computeHash();
    const bool forced = forceMinMaxUpdate();
    if (!forced && getCachedMinMax(hash, min, max))
        return true;
    const bool found = method(min, max);
    if (forced)
        minMaxUpdateWasForced();
    if (found)
        cacheMinMax(hash, min, max);
    return found;
}

bool ResVarMinMaxFactory::getBodyMinMaxWithMethod(const BodyMethod& method, const GUIdentifier& body, double& min,
                                                  double& max) const
{
    if (!method)
        throw std::bad_function_call();
    const std::size_t hash = computeBodyHash(body);
    const bool forced = forceMinMaxUpdate();
    if (!forced && getCachedMinMax(hash, min, max))
        return true;
    const bool found = method(body, min, max);
    if (forced)
        minMaxUpdateWasForced();
    if (found)
        cacheMinMax(hash, min, max);
    return found;
}

std::size_t ResVarMinMaxFactory::computeHash() const
{
    std::uint64_t seed = 0;
    hashCombine(seed, pointerHash(m_resVarCollection.get()));
    const MinMaxType type = getMinMaxType();
    hashCombine(seed, static_cast<std::size_t>(static_cast<int>(type)));
    hashCombine(seed, stringHash(m_skinKey.getBase()));
    if (type == MinMaxType::TimeStep || type == MinMaxType::Auto)
        hashCombine(seed, m_timeStepIdx);
    if (type == MinMaxType::Global)
        hashCombine(seed, ResVarCollectionUtilities::getResVarMaxTimeStepIdx(getResVarCollection(), m_skinKey.getBase()));
    if (type == MinMaxType::Object)
        hashCombine(seed, stringHash(m_path));
    return static_cast<std::size_t>(seed);
}

std::size_t ResVarMinMaxFactory::computeBodyHash(const GUIdentifier& body) const
{
    std::uint64_t seed = computeHash();
    hashCombine(seed, hash_value(body));
    return static_cast<std::size_t>(seed);
}

bool ResVarMinMaxFactory::getGlobalMinMax(double& min, double& max) const
{
    return m_resVarCollection && MinMaxDeterminer::getMinMaxGlobal(m_resVarCollection, m_skinKey, min, max);
}

bool ResVarMinMaxFactory::getBodyGlobalMinMax(const GUIdentifier& body, double& min, double& max) const
{
    return m_resVarCollection && MinMaxDeterminer::getBodyMinMaxGlobal(m_resVarCollection, body, m_skinKey, min, max);
}

bool ResVarMinMaxFactory::getTimestepMinMax(double& min, double& max) const
{
    const auto results = getResVarCollection();
    return results && MinMaxDeterminer::getMinMax(results, m_skinKey, min, max, m_timeStepIdx);
}

bool ResVarMinMaxFactory::getBodyTimestepMinMax(const GUIdentifier& body, double& min, double& max) const
{
    const auto results = getResVarCollection();
    return results && MinMaxDeterminer::getBodyMinMax(results, body, m_skinKey, min, max, m_timeStepIdx);
}

bool ResVarMinMaxFactory::getObjectMinMax(double& min, double& max) const
{
    return m_resVarCollection && MinMaxDeterminer::getMinMax(m_resVarCollection, m_skinKey, min, max, m_path);
}

bool ResVarMinMaxFactory::getBodyObjectMinMax(const GUIdentifier& body, double& min, double& max) const
{
    return m_resVarCollection && MinMaxDeterminer::getBodyMinMax(m_resVarCollection, body, m_skinKey, min, max, m_path);
}

// The automatic extremes count as found even when the determiner finds no value: the scale then
// keeps the limits it was given, which is what a view of an empty time step should show.
bool ResVarMinMaxFactory::getAutoMinMax(double& min, double& max) const
{
    const auto tools = std::dynamic_pointer_cast<ToolResVarCollection>(m_resVarCollection);
    if (tools && !tools->getSimulationBodyToolResVarCollection())
    {
        MinMaxDeterminer::getMinMaxAuto(tools, m_skinKey, min, max);
        return true;
    }
    if (const auto results = getResVarCollection())
    {
        MinMaxDeterminer::getMinMaxAuto(results, m_skinKey, min, max, m_timeStepIdx);
        return true;
    }
    if (const auto geometry = getGeometryResVarCollection())
    {
        MinMaxDeterminer::getMinMax(std::static_pointer_cast<ResVarCollectionBase>(geometry), m_skinKey, min, max,
                                    std::string());
        return true;
    }
    return false;
}

bool ResVarMinMaxFactory::getBodyAutoMinMax(const GUIdentifier& body, double& min, double& max) const
{
    const auto tools = std::dynamic_pointer_cast<ToolResVarCollection>(m_resVarCollection);
    if (tools && !tools->getSimulationBodyToolResVarCollection())
    {
        MinMaxDeterminer::getMinMaxAuto(tools, m_skinKey, min, max);
        return true;
    }
    if (const auto results = getResVarCollection())
    {
        MinMaxDeterminer::getBodyMinMaxAuto(results, body, m_skinKey, min, max, m_timeStepIdx);
        return true;
    }
    return false;
}

bool ResVarMinMaxFactory::getManualMinMax(double& min, double& max) const
{
    if (!m_property)
        return false;
    min = m_property->getManualMin();
    max = m_property->getManualMax();
    return true;
}

bool ResVarMinMaxFactory::getDefaultMinMax(double& min, double& max) const
{
    if (!m_property)
        return false;
    min = m_property->getDefaultMin();
    max = m_property->getDefaultMax();
    return true;
}

bool ResVarMinMaxFactory::forceMinMaxUpdate() const
{
    return m_property && m_property->getForceMinMaxUpdateState();
}

void ResVarMinMaxFactory::minMaxUpdateWasForced() const
{
    if (m_property)
        m_property->setForceMinMaxUpdateState(false);
}

bool ResVarMinMaxFactory::getCachedMinMax(std::size_t hash, double& min, double& max) const
{
    return m_resVarCollection && m_property && m_property->getMinMaxFromCache(hash, min, max);
}

void ResVarMinMaxFactory::cacheMinMax(std::size_t hash, double min, double max) const
{
    if (m_property)
        m_property->cacheMinMax(hash, min, max);
}

std::shared_ptr<ResVarCollection> ResVarMinMaxFactory::getResVarCollection() const
{
    if (auto results = std::dynamic_pointer_cast<ResVarCollection>(m_resVarCollection))
        return results;
    if (const auto tools = std::dynamic_pointer_cast<ToolResVarCollection>(m_resVarCollection))
        return tools->getSimulationBodyToolResVarCollection();
    return nullptr;
}

std::shared_ptr<GeometryResVarCollection> ResVarMinMaxFactory::getGeometryResVarCollection() const
{
    return std::dynamic_pointer_cast<GeometryResVarCollection>(m_resVarCollection);
}

}  // namespace Quarvane
