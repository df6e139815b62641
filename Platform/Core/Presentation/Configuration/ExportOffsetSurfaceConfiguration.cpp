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
const std::string s_skinClassName = "SkinConfiguration";

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

// Writes a chosen subset of a skin's values as the skin's nested object.
class SkinValueSelection : public ConfigurationObject
{
public:
    explicit SkinValueSelection(std::vector<const ConfigurationValueBase*> values)
        : ConfigurationObject(s_skinClassName, "", 0, 63), m_values(std::move(values))
    {
    }
    using ConfigurationObject::saveContent;
    void saveContent(ConfigWriter& writer) const override
    {
        for (const ConfigurationValueBase* value : m_values)
            value->saveContent(writer);
    }

private:
    std::vector<const ConfigurationValueBase*> m_values;
};
}  // namespace

ExportOffsetSurfaceConfiguration* ExportOffsetSurfaceConfiguration::getRegisteredInstance()
{
    return registerOnce(s_registeredInstance, s_registrationMutex);
}

ExportOffsetSurfaceConfiguration::ExportOffsetSurfaceConfiguration()
    : ConfigurationObject("ExportOffsetSurfaceConfiguration", "", 0, 63)
{
    ExportOffsetSurfaceConfiguration::setDefaultValues();
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
        SkinConfiguration defaults(row.name, row.isOffsetSkin);
        if (auto* skin = dynamic_cast<SkinConfiguration*>(getConfigurationObject(row.name)))
            *skin = defaults;
        else
            addConfigurationObject(new SkinConfiguration(std::move(defaults)));
    }
}

void ExportOffsetSurfaceConfiguration::loadContent(ConfigReader& reader)
{
    if (!isEditable())
        return;
    for (const SkinRow& row : s_skins)
        reader.readClassContents(s_skinClassName, row.name, *getConfigurationObject(row.name));
    ConfigurationObject::loadContent(reader);
}

void ExportOffsetSurfaceConfiguration::saveContent(ConfigWriter& writer) const
{
    for (const SkinRow& row : s_skins)
        writer.putClassContents(s_skinClassName, row.name, *getConfigurationObject(row.name), "");
    ConfigurationObject::saveContent(writer);
}

std::vector<std::pair<const SkinConfiguration*, std::vector<const ConfigurationValueBase*>>>
ExportOffsetSurfaceConfiguration::changedSkinValues(ConfigReader& reference) const
{
    std::vector<std::pair<const SkinConfiguration*, std::vector<const ConfigurationValueBase*>>> changed;
    if (getPersistence() != Persistences::UserSetting)
        return changed;
    const std::unique_ptr<ConfigurationObject> referenceGroup(createConfigurationObject());
    reference.readConfigurationObject(getName(), *referenceGroup);
    if (!referenceGroup->isEditable())
        return changed;  // locked by an administrator: nothing of the user's would apply
    for (const SkinRow& row : s_skins)
    {
        const SkinConfiguration* skin = findSkin(row.type);
        const ConfigurationObject* referenceSkin = referenceGroup->getConfigurationObject(row.name);
        if (!referenceSkin->isEditable())
            continue;
        std::vector<const ConfigurationValueBase*> values = skin->getDifferentConfigurationValues(*referenceSkin);
        if (!values.empty())
            changed.emplace_back(skin, std::move(values));
    }
    return changed;
}

void ExportOffsetSurfaceConfiguration::saveContent(ConfigWriter& writer, ConfigReader& reference,
                                                   bool onlyChanged) const
{
    if (!onlyChanged)
    {
        saveContent(writer);
        return;
    }
    for (auto& [skin, values] : changedSkinValues(reference))
        writer.putClassContents(s_skinClassName, skin->getName(), SkinValueSelection(std::move(values)), "");
    ConfigurationObject::saveContent(writer, reference, true);
}

bool ExportOffsetSurfaceConfiguration::canBeSavedToUserConfig(ConfigReader& reference) const
{
    return !changedSkinValues(reference).empty() || ConfigurationObject::canBeSavedToUserConfig(reference);
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
