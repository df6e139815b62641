#pragma once

#include "Platform/Core/Business/Skin/SkinInterpretType.h"
#include "Platform/Core/Service/Identifier/GUIdentifier.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace Quarvane
{

// The mathematical kind of a result variable.
enum ResVarGroup : std::int32_t
{
    ResVarGroupUnknown = -1,  // the collection does not hold the variable
    ResVarGroupScalar = 0,
    ResVarGroupVector = 1,
    ResVarGroupTensor = 2
};

// Where one set of values of a variable lies: a time step, a body and a named object of that body
// (an object path such as "Blank/Flange"; empty for the body as a whole).
struct ValueSetKey
{
    unsigned int timeStepIdx = 0;
    GUIdentifier body;
    std::string objectPath;

    friend bool operator<(const ValueSetKey& a, const ValueSetKey& b)
    {
        return std::tie(a.timeStepIdx, a.body, a.objectPath) < std::tie(b.timeStepIdx, b.body, b.objectPath);
    }
};

// Result variables of one result: per variable its group, the representation it is drawn in by
// default, the representations it is offered in, and its values per time step, body and object.
// The subclasses tell what kind of result it is (a simulation result, the results on the tools, a
// geometry check); readers tell them apart by dynamic cast.
class ResVarCollectionBase
{
public:
    using ValueSets = std::map<ValueSetKey, std::vector<double>>;

    virtual ~ResVarCollectionBase() = default;

    // Declares a variable (or redeclares it, keeping its values). The base representation is
    // always offered, whether or not `representations` lists it.
    void addResultVariable(const std::string& name, SkinInterpretType baseRepresentation,
                           const std::set<SkinInterpretType>& representations, ResVarGroup group);
    // Stores (replaces) one value set. False, storing nothing, for a variable not declared.
    bool setValues(const std::string& name, const ValueSetKey& where, std::vector<double> values);

    std::vector<std::string> getResVarNames() const;
    // ResVarGroupUnknown for a variable the collection does not hold.
    ResVarGroup getResVarGroup(const std::string& name) const;
    // SkinInterpretDefault for a variable the collection does not hold.
    SkinInterpretType getResVarBaseRepresentation(const std::string& name) const;
    // The value sets of the variable; empty for one the collection does not hold.
    const ValueSets& getValueSets(const std::string& name) const;

    // Whether the variable can be shown from this collection; when not, `info` says why
    // (otherwise it is emptied).
    virtual bool isResVarAvailable(const std::string& name, std::string& info) const;
    virtual bool isResVarAvailableInRepresentation(const std::string& name, SkinInterpretType representation) const;

protected:
    ResVarCollectionBase() = default;
    ResVarCollectionBase(const ResVarCollectionBase&) = default;
    ResVarCollectionBase& operator=(const ResVarCollectionBase&) = default;

private:
    struct Variable
    {
        ResVarGroup group = ResVarGroupScalar;
        SkinInterpretType baseRepresentation = SkinInterpretDefault;
        std::set<SkinInterpretType> representations;
        ValueSets values;
    };

    const Variable* find(const std::string& name) const;

    std::map<std::string, Variable> m_variables;
};

}  // namespace Quarvane
