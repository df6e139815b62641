#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"

#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

#include <QtCore/QString>

#include <utility>

namespace Quarvane
{

void ResultVariablePropertiesCollection::addResVarProperty(const std::string& name,
                                                           std::shared_ptr<ResultVariableProperties> properties)
{
    if (properties)
        m_properties[name] = std::move(properties);
}

std::shared_ptr<const ResultVariableProperties> ResultVariablePropertiesCollection::getResVarPropertyByName(
    const std::string& name, bool fallBackToBaseName, bool ignoreLetterCase) const
{
    if (auto found = find(name, ignoreLetterCase))
        return found;
    if (!fallBackToBaseName)
        return nullptr;
    const std::string base = SkinBaseNameUtilities::getDecomposedSkinBaseName(name);
    return base == name ? nullptr : find(base, ignoreLetterCase);
}

std::shared_ptr<const ResultVariableProperties> ResultVariablePropertiesCollection::find(const std::string& name,
                                                                                          bool ignoreLetterCase) const
{
    const auto exact = m_properties.find(name);
    if (exact != m_properties.end())
        return exact->second;
    if (!ignoreLetterCase)
        return nullptr;
    const QString wanted = QString::fromStdString(name);
    for (const auto& entry : m_properties)
    {
        if (QString::fromStdString(entry.first).compare(wanted, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return nullptr;
}

}  // namespace Quarvane
