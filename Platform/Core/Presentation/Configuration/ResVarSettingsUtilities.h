#pragma once

#include <string>

namespace Quarvane
{

class ResVarSettingsUtilities
{
public:
    ResVarSettingsUtilities() = delete;

    // The name the settings of a variable are kept under. The sigma interpolation of a variable
    // is shown like the variable itself and shares its settings; every other name, compare mode
    // included, has settings of its own.
    static std::string getBaseNameForSettings(const std::string& name);
};

}  // namespace Quarvane
