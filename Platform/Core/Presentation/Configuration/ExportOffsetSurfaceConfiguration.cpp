#include "Platform/Core/Presentation/Configuration/ExportOffsetSurfaceConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigReader.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigWriter.h"

#include <algorithm>
#include <memory>

namespace Quarvane
{
using namespace GroupSupport;

ExportOffsetSurfaceConfiguration* ExportOffsetSurfaceConfiguration::s_registeredInstance = nullptr;
boost::mutex ExportOffsetSurfaceConfiguration::s_registrationMutex;

namespace
{
struct SkinRow
{
    ExportOffsetSurfaceConfiguration::SkinTypes type;
    const char* name;
    bool isOffsetSkin;
};

const SkinRow s_skins[] = {
    {ExportOffsetSurfaceConfiguration::SubstitutionSkin, "SubstitutionSkin", false},
    {ExportOffsetSurfaceConfiguration::OffsetSkinAbove, "OffsetSkinAbove", true},
    {ExportOffsetSurfaceConfiguration::OffsetSkinBelow, "OffsetSkinBelow", true},
};

const SkinRow* findRow(ExportOffsetSurfaceConfiguration::SkinTypes type)
{
    const auto row = std::find_if(std::begin(s_skins), std::end(s_skins), [type](const SkinRow& r) { return r.type == type; });
    return row == std::end(s_skins) ? nullptr : row;
}
}  // namespace

ExportOffsetSurfaceConfiguration* ExportOffsetSurfaceConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

ExportOffsetSurfaceConfiguration::ExportOffsetSurfaceConfiguration()
    : ConfigurationObject("ExportOffsetSurfaceConfiguration", "", 0, 63)
{
    for (const SkinRow& row : s_skins)
        addConfigurationObject(new SkinConfiguration(row.name, row.isOffsetSkin));
}

ExportOffsetSurfaceConfiguration::~ExportOffsetSurfaceConfiguration() = default;

const SkinConfiguration* ExportOffsetSurfaceConfiguration::findSkin(SkinTypes type) const
{
    const SkinRow* row = findRow(type);
    return row == nullptr ? nullptr : dynamic_cast<const SkinConfiguration*>(getConfigurationObject(row->name));
}

SkinConfiguration ExportOffsetSurfaceConfiguration::getSkinConfiguration(SkinTypes type) const
{
    const SkinConfiguration* skin = findSkin(type);
    return skin == nullptr ? SkinConfiguration() : *skin;
}

void ExportOffsetSurfaceConfiguration::setDefaultValues()
{
    for (const SkinRow& row : s_skins)
    {
        if (auto* skin = dynamic_cast<SkinConfiguration*>(getConfigurationObject(row.name)))
            *skin = SkinConfiguration(row.name, row.isOffsetSkin);
        else
            addConfigurationObject(new SkinConfiguration(row.name, row.isOffsetSkin));
    }
}

bool ExportOffsetSurfaceConfiguration::hasNonEditableEntries() const
{
    if (!isEditable())
        return true;
    const ObjectList& skins = getConfigurationObjects();
    return std::any_of(skins.begin(), skins.end(), [](const auto& skin) { return !skin->isEditable(); });
}

ConfigurationObject* ExportOffsetSurfaceConfiguration::createConfigurationObject() const
{
    return new ExportOffsetSurfaceConfiguration();
}

}  // namespace Quarvane
