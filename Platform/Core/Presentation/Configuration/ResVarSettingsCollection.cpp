#include "Platform/Core/Presentation/Configuration/ResVarSettingsCollection.h"

#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsUtilities.h"

namespace Quarvane
{

namespace
{

bool isStale(const ResVarSettings& settings)
{
    const ContResVarProperty* active = settings.getActiveProperty();
    return active && active->resVarPropertiesWasAvailable() && !active->getResVarProperties();
}

}  // namespace

ResVarSettingsCollection::ResVarSettingsCollection(const ResVarSettingsCollection& other)
{
    copyFrom(other);
}

ResVarSettingsCollection& ResVarSettingsCollection::operator=(const ResVarSettingsCollection& other)
{
    if (this != &other)
    {
        clearMap();
        copyFrom(other);
    }
    return *this;
}

ResVarSettingsCollection::~ResVarSettingsCollection()
{
    clearMap();
}

void ResVarSettingsCollection::copyFrom(const ResVarSettingsCollection& other)
{
    for (const auto& [name, settings] : other.m_settings)
        m_settings.emplace(name, new ResVarSettings(*settings));
}

void ResVarSettingsCollection::clearMap()
{
    for (auto& entry : m_settings)
        delete entry.second;
    m_settings.clear();
}

void ResVarSettingsCollection::addSettings(ResVarSettings* settings)
{
    if (settings)
        m_settings.emplace(settings->getBaseName(), settings);
}

bool ResVarSettingsCollection::replaceSettings(ResVarSettings* settings)
{
    if (!settings)
        return false;
    const auto entry = m_settings.find(settings->getBaseName());
    if (entry == m_settings.end())
        return false;
    entry->second = settings;
    return true;
}

ResVarSettings* ResVarSettingsCollection::getSettings(const std::string& name) const
{
    if (name.empty() || name == SkinBaseName::EMPTY)
        return nullptr;
    const auto entry = m_settings.find(ResVarSettingsUtilities::getBaseNameForSettings(name));
    if (entry == m_settings.end())
        return nullptr;
    if (isStale(*entry->second))
    {
        delete entry->second;
        m_settings.erase(entry);
        return nullptr;
    }
    return entry->second;
}

ResVarSettingsCollection::ScaleType ResVarSettingsCollection::getActivePropertyType(const std::string& name) const
{
    const ResVarSettings* settings = getSettings(name);
    return settings ? settings->getActivePropertyType() : ScaleType::Undefined;
}

SkinInterpretType ResVarSettingsCollection::getActiveRepresentationType(const std::string& name) const
{
    const ResVarSettings* settings = getSettings(name);
    if (!settings || settings->getActivePropertyType() == ScaleType::Undefined)
        return SkinInterpretDefault;
    const ContResVarProperty* active = settings->getActiveProperty();
    return active ? active->getRepresentationType() : SkinInterpretDefault;
}

SkinInterpretType ResVarSettingsCollection::getSigmaAdjustedActiveRepresentationType(const std::string& name) const
{
    const SkinInterpretType representation = getActiveRepresentationType(name);
    std::string firstPart;
    std::string secondPart;
    const std::string base = SkinBaseNameUtilities::decomposeSkinBaseName(name, firstPart, secondPart);
    if (firstPart.empty())
        return representation;
    if (SkinBaseNameUtilities::isEdgeVariable(base))
        return SkinInterpretEdgeSmooth;
    if (SkinBaseNameUtilities::isSheetLineScalar(base))
        return representation == SkinInterpretNodalSmooth || representation == SkinInterpretLine
                   ? representation
                   : SkinInterpretNodalSmooth;
    return representation == SkinInterpretElementSmooth || representation == SkinInterpretElementFlat
               ? representation
               : SkinInterpretElementSmooth;
}

void ResVarSettingsCollection::setForceMinMaxUpdateForAllSettings()
{
    for (auto& entry : m_settings)
        entry.second->setForceMinMaxUpdate();
}

}  // namespace Quarvane
