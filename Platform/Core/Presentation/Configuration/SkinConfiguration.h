#pragma once

#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <string>

namespace Quarvane
{

// The parameters of one skin calculation, for the export of offset surfaces. A skin is not a
// registered group: it lives inside ExportOffsetSurfaceConfiguration, which loads and saves it as
// a nested object. It has no setters and no signals; its values change only through loading.
class SkinConfiguration : public ConfigurationObject
{
public:
    static const std::string s_isEnabledTag;
    static const std::string s_toleranceTag;
    static const std::string s_faceNumberUTag;
    static const std::string s_faceNumberVTag;
    static const std::string s_offsetTag;

    // An offset skin starts with an offset of 50, any other skin with none.
    SkinConfiguration(const std::string& name, bool isOffsetSkin);
    SkinConfiguration();
    SkinConfiguration(const SkinConfiguration& other) = default;
    SkinConfiguration(SkinConfiguration&& other) = default;
    SkinConfiguration& operator=(const SkinConfiguration& other) = default;
    SkinConfiguration& operator=(SkinConfiguration&& other) = default;
    ~SkinConfiguration() override;

    bool isEnabled() const;
    double getTolerance() const;
    int getFaceNumberU() const;
    int getFaceNumberV() const;
    double getOffset() const;

    const ConfigurationValue<bool>& getIsEnabledConfig() const;
    const ConfigurationValue<double>& getToleranceConfig() const;
    const ConfigurationValue<int>& getFaceNumberUConfig() const;
    const ConfigurationValue<int>& getFaceNumberVConfig() const;
    const ConfigurationValue<double>& getOffsetConfig() const;

    // A calculation needs at least one face in each direction.
    bool isValidFaceNumberU() const;
    bool isValidFaceNumberV() const;

    // A skin of this one's name and kind with all defaults.
    ConfigurationObject* createConfigurationObject() const override;
    ConfigurationObject* clone() const override;
    // A skin with a locked value becomes locked as a whole, so that a later file cannot change
    // the rest of a skin an administrator fixed part of.
    void loadContent(ConfigReader& reader) override;
    bool hasNonEditableEntries() const override;

private:
    bool m_isOffsetSkin;
};

}  // namespace Quarvane
