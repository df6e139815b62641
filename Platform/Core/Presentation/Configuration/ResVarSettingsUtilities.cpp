#include "Platform/Core/Presentation/Configuration/ResVarSettingsUtilities.h"

#include "Platform/Core/Business/SkinBaseName/SkinBaseName.h"

namespace Quarvane
{

std::string ResVarSettingsUtilities::getBaseNameForSettings(const std::string& name)
{
    std::string firstPart;
    std::string secondPart;
    const std::string base = SkinBaseNameUtilities::decomposeSkinBaseName(name, firstPart, secondPart);
    if (secondPart == SuperBaseName::COMPAREMODE)
        return name;
    return firstPart == SigmaBaseName::INTERPOLATION ? base : name;
}

}  // namespace Quarvane
