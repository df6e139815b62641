#pragma once

#include "Platform/Core/Business/Skin/SkinInterpretType.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"

#include <map>
#include <string>

namespace Quarvane
{

// The display settings of all result variables of one evaluation, by settings name (see
// ResVarSettingsUtilities::getBaseNameForSettings). The collection owns the settings it holds.
class ResVarSettingsCollection
{
public:
    using ScaleType = ResVarPropertiesCommon::ScaleType;

    ResVarSettingsCollection() = default;
    // Holds copies of the other collection's settings.
    ResVarSettingsCollection(const ResVarSettingsCollection& other);
    ResVarSettingsCollection& operator=(const ResVarSettingsCollection& other);
    virtual ~ResVarSettingsCollection();

    ResVarSettingsCollection* clone() const { return new ResVarSettingsCollection(*this); }

    // Takes ownership of the settings under their base name. When that name has settings
    // already, the first stay and the given ones are neither inserted nor deleted: the caller
    // keeps them. Null is ignored.
    void addSettings(ResVarSettings* settings);
    // Puts the settings in the place of those with the same base name and returns true; the
    // displaced settings go back to the caller, who is responsible for them. False, changing
    // nothing, when no settings have that name.
    bool replaceSettings(ResVarSettings* settings);

    // The settings of the variable, or null. Settings whose active scale has lost the description
    // it was built from are stale (the result they described was closed): they are deleted and
    // null is returned, so the caller builds fresh ones.
    ResVarSettings* getSettings(const std::string& name) const;
    unsigned int getNumberOfSettings() const { return static_cast<unsigned int>(m_settings.size()); }

    // Undefined without settings or an active scale.
    ScaleType getActivePropertyType(const std::string& name) const;
    // The active scale's representation; SkinInterpretDefault without settings or active scale.
    SkinInterpretType getActiveRepresentationType(const std::string& name) const;
    // The same, corrected for the variants of a variable (a sigma result): edge variables are
    // drawn on the edges, line scalars along lines or smoothed at the nodes, everything else
    // smoothed or flat per element.
    SkinInterpretType getSigmaAdjustedActiveRepresentationType(const std::string& name) const;

    void setForceMinMaxUpdateForAllSettings();

private:
    void copyFrom(const ResVarSettingsCollection& other);
    void clearMap();

    // Mutable: looking settings up drops stale ones.
    mutable std::map<std::string, ResVarSettings*> m_settings;
};

}  // namespace Quarvane
