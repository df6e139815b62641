#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"

#include <memory>
#include <utility>

namespace Quarvane
{

// The results on the tools of a simulation. The simulation's own result collection for the tool
// bodies (when the tools were simulated as bodies) is attached beside it; variables found there
// are available for the tools too.
class ToolResVarCollection : public ResVarCollectionBase
{
public:
    ToolResVarCollection() = default;

    // May be null: the tools were rigid and have no simulated results of their own.
    std::shared_ptr<ResVarCollection> getSimulationBodyToolResVarCollection() const { return m_simulationBodies; }
    void setSimulationBodyToolResVarCollection(std::shared_ptr<ResVarCollection> collection)
    {
        m_simulationBodies = std::move(collection);
    }

    bool isResVarAvailable(const std::string& name, std::string& info) const override;
    bool isResVarAvailableInRepresentation(const std::string& name, SkinInterpretType representation) const override;

private:
    std::shared_ptr<ResVarCollection> m_simulationBodies;
};

}  // namespace Quarvane
