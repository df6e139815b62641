#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"

#include <utility>

namespace Quarvane
{

void ResVarCollectionBase::addResultVariable(const std::string& name, SkinInterpretType baseRepresentation,
                                             const std::set<SkinInterpretType>& representations, ResVarGroup group)
{
    Variable& variable = m_variables[name];
    variable.group = group;
    variable.baseRepresentation = baseRepresentation;
    variable.representations = representations;
    variable.representations.insert(baseRepresentation);
}

bool ResVarCollectionBase::setValues(const std::string& name, const ValueSetKey& where, std::vector<double> values)
{
    const auto found = m_variables.find(name);
    if (found == m_variables.end())
        return false;
    found->second.values[where] = std::move(values);
    return true;
}

std::vector<std::string> ResVarCollectionBase::getResVarNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : m_variables)
        names.push_back(entry.first);
    return names;
}

ResVarGroup ResVarCollectionBase::getResVarGroup(const std::string& name) const
{
    const Variable* variable = find(name);
    return variable ? variable->group : ResVarGroupUnknown;
}

SkinInterpretType ResVarCollectionBase::getResVarBaseRepresentation(const std::string& name) const
{
    const Variable* variable = find(name);
    return variable ? variable->baseRepresentation : SkinInterpretDefault;
}

const ResVarCollectionBase::ValueSets& ResVarCollectionBase::getValueSets(const std::string& name) const
{
    static const ValueSets none;
    const Variable* variable = find(name);
    return variable ? variable->values : none;
}

bool ResVarCollectionBase::isResVarAvailable(const std::string& name, std::string& info) const
{
    if (find(name))
    {
        info.clear();
        return true;
    }
    info = "The result does not contain the variable \"" + name + "\".";
    return false;
}

bool ResVarCollectionBase::isResVarAvailableInRepresentation(const std::string& name,
                                                             SkinInterpretType representation) const
{
    const Variable* variable = find(name);
    return variable && variable->representations.count(representation) > 0;
}

const ResVarCollectionBase::Variable* ResVarCollectionBase::find(const std::string& name) const
{
    const auto found = m_variables.find(name);
    return found == m_variables.end() ? nullptr : &found->second;
}

}  // namespace Quarvane
