#pragma once

#include "Platform/Core/Business/ResultVariables/GeometryResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"
#include "Platform/Core/Business/Skin/SkinKey.h"
#include "Platform/Core/Presentation/Configuration/ContResVarProperty.h"
#include "Platform/Core/Service/Identifier/GUIdentifier.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

namespace Quarvane
{

// The minimum and maximum a colour scale spans, for one result variable on one result
// collection, over the whole model or one body.
//
// The scale's min/max policy decides: Manual and Default take the values stored in the scale;
// the others compute the extremes from the results and memoise them in the scale's cache under a
// hash of everything the result depends on (collection, policy, variable, time step or object),
// so a new factory for the next frame finds them again. A forced update on the scale makes the
// next evaluation recompute and refresh the cache.
//
// Each computing policy and both hashes are virtual: a derived factory may compute a policy its
// own way and still get the dispatch and the caching.
class ResVarMinMaxFactory
{
public:
    using MinMaxType = ResVarPropertiesCommon::MinMaxType;

    // The key must outlive the factory; the collection and the property may be null.
    ResVarMinMaxFactory(const SkinKey& skinKey, std::shared_ptr<ResVarCollectionBase> collection,
                        ContResVarProperty* property);
    ResVarMinMaxFactory(const ResVarMinMaxFactory& other) = default;
    ResVarMinMaxFactory& operator=(const ResVarMinMaxFactory& other) = delete;
    virtual ~ResVarMinMaxFactory() = default;

    void setTimeStepIdx(unsigned int timeStepIdx) { m_timeStepIdx = timeStepIdx; }
    // The object whose extremes the Object policy takes.
    void setPath(const std::string& path) { m_path = path; }

    // False with 0.0 for both when there is no property, the property is no continuous or
    // manual discrete scale, or its policy is none; otherwise the policy's answer.
    virtual bool getMinMax(double& min, double& max) const;
    virtual bool getBodyMinMax(const GUIdentifier& body, double& min, double& max) const;

protected:
    // Each returns false and leaves min and max alone when its collection is missing.
    virtual bool getTimestepMinMax(double& min, double& max) const;
    virtual bool getAutoMinMax(double& min, double& max) const;
    virtual bool getGlobalMinMax(double& min, double& max) const;
    virtual bool getBodyTimestepMinMax(const GUIdentifier& body, double& min, double& max) const;
    virtual bool getBodyAutoMinMax(const GUIdentifier& body, double& min, double& max) const;
    virtual bool getBodyGlobalMinMax(const GUIdentifier& body, double& min, double& max) const;
    virtual std::size_t computeHash() const;
    virtual std::size_t computeBodyHash(const GUIdentifier& body) const;

    unsigned int getTimeStepIdx() const { return m_timeStepIdx; }
    const SkinKey& getSkinKey() const { return m_skinKey; }

private:
    using Method = std::function<bool(double&, double&)>;
    using BodyMethod = std::function<bool(const GUIdentifier&, double&, double&)>;

    MinMaxType getMinMaxType() const;
    bool getManualMinMax(double& min, double& max) const;
    bool getDefaultMinMax(double& min, double& max) const;
    bool getObjectMinMax(double& min, double& max) const;
    bool getBodyObjectMinMax(const GUIdentifier& body, double& min, double& max) const;
    bool forceMinMaxUpdate() const;
    void minMaxUpdateWasForced() const;
    bool getCachedMinMax(std::size_t hash, double& min, double& max) const;
    void cacheMinMax(std::size_t hash, double min, double max) const;
    // The simulation results to read time steps from: the collection itself, or the simulated
    // tool bodies of a tool collection; null otherwise.
    std::shared_ptr<ResVarCollection> getResVarCollection() const;
    std::shared_ptr<GeometryResVarCollection> getGeometryResVarCollection() const;
    // Raise std::bad_function_call for an empty method.
    bool getMinMaxWithMethod(const Method& method, double& min, double& max) const;
    bool getBodyMinMaxWithMethod(const BodyMethod& method, const GUIdentifier& body, double& min, double& max) const;

    const SkinKey& m_skinKey;
    std::shared_ptr<ResVarCollectionBase> m_resVarCollection;
    ContResVarProperty* m_property;
    unsigned int m_timeStepIdx = 0;
    std::string m_path;
};

}  // namespace Quarvane
