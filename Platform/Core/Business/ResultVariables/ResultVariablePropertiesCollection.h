#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"
#include "Platform/Core/Business/ResultVariables/ResultVariableProperties.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace Quarvane
{

// The descriptions of the result variables of one evaluation, by variable name, with the result
// collection they describe.
class ResultVariablePropertiesCollection
{
public:
    // The mode of a model whose results all lie on lines (profiles, tubes shown as centre
    // lines): every variable of such a model is drawn like a line variable.
    static constexpr std::int32_t LineModelMode = 14;

    // Adds or replaces the description of a variable; a null description is ignored.
    void addResVarProperty(const std::string& name, std::shared_ptr<ResultVariableProperties> properties);

    // The description of the variable, or null. With `fallBackToBaseName`, a name that has no
    // description of its own (a sigma or compare variant) gets the description of its decomposed
    // base name. With `ignoreLetterCase`, names are compared without regard to letter case when
    // no exact match exists.
    std::shared_ptr<const ResultVariableProperties> getResVarPropertyByName(const std::string& name,
                                                                          bool fallBackToBaseName,
                                                                          bool ignoreLetterCase) const;

    std::shared_ptr<ResVarCollectionBase> getResultVariableCollection() const { return m_resultCollection; }
    void setResultVariableCollection(std::shared_ptr<ResVarCollectionBase> collection)
    {
        m_resultCollection = std::move(collection);
    }

    std::int32_t getMode() const { return m_mode; }
    void setMode(std::int32_t mode) { m_mode = mode; }

private:
    std::shared_ptr<const ResultVariableProperties> find(const std::string& name, bool ignoreLetterCase) const;

    std::map<std::string, std::shared_ptr<ResultVariableProperties>> m_properties;
    std::shared_ptr<ResVarCollectionBase> m_resultCollection;
    std::int32_t m_mode = 0;
};

}  // namespace Quarvane
