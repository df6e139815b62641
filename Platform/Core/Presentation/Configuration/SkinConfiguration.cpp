#include "Platform/Core/Presentation/Configuration/SkinConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ConfigurationGroupSupport.h"

#include <algorithm>

namespace Quarvane
{
using namespace GroupSupport;
using namespace GuiVisibilities;
using namespace Persistences;

const std::string SkinConfiguration::s_isEnabledTag = "isEnabled";
const std::string SkinConfiguration::s_toleranceTag = "Tolerance";
const std::string SkinConfiguration::s_faceNumberUTag = "FaceNumberU";
const std::string SkinConfiguration::s_faceNumberVTag = "FaceNumberV";
const std::string SkinConfiguration::s_offsetTag = "Offset";

SkinConfiguration::SkinConfiguration(const std::string& name, bool isOffsetSkin)
    : ConfigurationObject(name, "", 0, 63), m_isOffsetSkin(isOffsetSkin)
{
    // Skins are stored as nested objects of this class, whatever their names.
    setClassName("SkinConfiguration");
    addConfigurationValue(new ConfigurationValue<bool>(s_isEnabledTag, "Flag to enable skin calculation", true, Shown,
                                                       UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<double>(s_toleranceTag, "Tolerance used for skin calculation", 2.0,
                                                         Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_faceNumberUTag, "Number of faces U used for skin calculation",
                                                      1, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<int>(s_faceNumberVTag, "Number of faces V used for skin calculation",
                                                      2, Shown, UserSetting, Products::All));
    addConfigurationValue(new ConfigurationValue<double>(s_offsetTag, "Offset used for skin calculation",
                                                         isOffsetSkin ? 50.0 : 0.0, Shown, UserSetting, Products::All));
}

SkinConfiguration::SkinConfiguration() : SkinConfiguration("SkinConfiguration", false) {}

SkinConfiguration::~SkinConfiguration() = default;

bool SkinConfiguration::isEnabled() const { return get<bool>(*this, s_isEnabledTag); }
double SkinConfiguration::getTolerance() const { return get<double>(*this, s_toleranceTag); }
int SkinConfiguration::getFaceNumberU() const { return get<int>(*this, s_faceNumberUTag); }
int SkinConfiguration::getFaceNumberV() const { return get<int>(*this, s_faceNumberVTag); }
double SkinConfiguration::getOffset() const { return get<double>(*this, s_offsetTag); }

const ConfigurationValue<bool>& SkinConfiguration::getIsEnabledConfig() const
{
    return valueOf<bool>(*this, s_isEnabledTag);
}
const ConfigurationValue<double>& SkinConfiguration::getToleranceConfig() const
{
    return valueOf<double>(*this, s_toleranceTag);
}
const ConfigurationValue<int>& SkinConfiguration::getFaceNumberUConfig() const
{
    return valueOf<int>(*this, s_faceNumberUTag);
}
const ConfigurationValue<int>& SkinConfiguration::getFaceNumberVConfig() const
{
    return valueOf<int>(*this, s_faceNumberVTag);
}
const ConfigurationValue<double>& SkinConfiguration::getOffsetConfig() const
{
    return valueOf<double>(*this, s_offsetTag);
}

bool SkinConfiguration::isValidFaceNumberU() const { return getFaceNumberU() > 0; }
bool SkinConfiguration::isValidFaceNumberV() const { return getFaceNumberV() > 0; }

ConfigurationObject* SkinConfiguration::createConfigurationObject() const
{
    return new SkinConfiguration(getName(), m_isOffsetSkin);
}

ConfigurationObject* SkinConfiguration::clone() const { return new SkinConfiguration(*this); }

void SkinConfiguration::loadContent(ConfigReader& reader)
{
    if (!isEditable())
        return;
    ConfigurationObject::loadContent(reader);
    if (!isEditable())
        return;
    const ValueList& values = getConfigurationValues();
    setEditable(std::all_of(values.begin(), values.end(), [](const auto& value) { return value->isEditable(); }));
}

bool SkinConfiguration::hasNonEditableEntries() const { return !isEditable(); }

}  // namespace Quarvane
