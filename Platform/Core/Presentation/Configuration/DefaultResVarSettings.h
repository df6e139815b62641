#pragma once

#include "Platform/Core/Business/ResultVariables/ResVarCollectionBase.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettings.h"
#include "Platform/Core/Presentation/Configuration/ResVarSettingsCollection.h"

#include <memory>
#include <string>

namespace Quarvane
{

class ColorRangesConfiguration;

// Creates the display settings of a result variable on first request and keeps them in its
// settings collection. From the variable's name, its description and the result collection it
// decides which scales the variable gets (discrete, manual discrete, continuous), how each is
// laid onto the model, which min/max policies it offers and whether its extremes must be
// recomputed at every evaluation; then it activates the description's scale type.
//
// Not copyable: it owns its settings collection, and two owners would delete it twice. Copy the
// collection itself (ResVarSettingsCollection::clone) to share settings.
class DefaultResVarSettings
{
public:
    DefaultResVarSettings();
    DefaultResVarSettings(const DefaultResVarSettings&) = delete;
    DefaultResVarSettings& operator=(const DefaultResVarSettings&) = delete;
    virtual ~DefaultResVarSettings();

    ResVarSettingsCollection* getSettingsCollection() const { return m_settingsCollection; }

    // The settings of the variable, created with their defaults on first request. Null without
    // a properties collection or when it does not describe the variable. The result collection
    // may be null (the variable is then treated as unknown); when the properties collection has
    // no result collection yet, it is given this one.
    ResVarSettings* getSettings(const std::string& name, std::shared_ptr<ResVarCollectionBase> collection,
                                std::shared_ptr<ResultVariablePropertiesCollection> properties);

private:
    void initialize();

    ResVarSettingsCollection* m_settingsCollection = nullptr;
    ColorRangesConfiguration* m_colorRanges;
};

}  // namespace Quarvane
