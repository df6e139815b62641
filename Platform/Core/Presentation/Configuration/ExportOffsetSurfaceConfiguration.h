#pragma once

#include "Platform/Core/Presentation/Configuration/SkinConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationObject.h"

#include <boost/thread/mutex.hpp>

#include <string>
#include <utility>
#include <vector>

namespace Quarvane
{

// The skins calculated when offset surfaces are exported: the substitution skin and the offset
// skins above and below. The group has no values and no signals of its own; it loads and saves
// its three skins as nested objects of class "SkinConfiguration", named after the skin.
//
// The skins are the group's child objects, so the framework's copy carries them and tools that
// list a group's nested objects show them.
class ExportOffsetSurfaceConfiguration : public ConfigurationObject
{
public:
    enum SkinTypes : int
    {
        SubstitutionSkin = 0,
        OffsetSkinAbove = 1,
        OffsetSkinBelow = 2
    };

    static ExportOffsetSurfaceConfiguration* getRegisteredInstance();

    ExportOffsetSurfaceConfiguration();
    ExportOffsetSurfaceConfiguration(const ExportOffsetSurfaceConfiguration& other) = default;
    ExportOffsetSurfaceConfiguration& operator=(const ExportOffsetSurfaceConfiguration& other) = default;
    ~ExportOffsetSurfaceConfiguration() override;

    // A copy of the skin of that type; for a number that names no skin, a default skin named
    // "SkinConfiguration".
    SkinConfiguration getSkinConfiguration(SkinTypes type) const;

    // Puts the three skins back to their defaults, names and kinds.
    void setDefaultValues() override;
    bool hasNonEditableEntries() const override;
    ConfigurationObject* createConfigurationObject() const override;

private:
    const SkinConfiguration* findSkin(SkinTypes type) const;

    static ExportOffsetSurfaceConfiguration* s_registeredInstance;
    static boost::mutex s_registrationMutex;
};

}  // namespace Quarvane
