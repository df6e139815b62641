#include "Platform/Core/Business/ResultVariables/ToolResVarCollection.h"

namespace Quarvane
{

bool ToolResVarCollection::isResVarAvailable(const std::string& name, std::string& info) const
{
    if (ResVarCollectionBase::isResVarAvailable(name, info))
        return true;
    std::string bodiesInfo;
    if (m_simulationBodies && m_simulationBodies->isResVarAvailable(name, bodiesInfo))
    {
        info.clear();
        return true;
    }
    return false;
}

bool ToolResVarCollection::isResVarAvailableInRepresentation(const std::string& name,
                                                             SkinInterpretType representation) const
{
    return ResVarCollectionBase::isResVarAvailableInRepresentation(name, representation) ||
           (m_simulationBodies && m_simulationBodies->isResVarAvailableInRepresentation(name, representation));
}

}  // namespace Quarvane
