#pragma once

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include "EmissionLog.h"

#include <ostream>
#include <string>
#include <vector>

namespace Quarvane
{

// Failures show the components rather than bytes.
inline void PrintTo(const ColorRGB& color, std::ostream* out)
{
    *out << "(" << color.red << ", " << color.green << ", " << color.blue << ")";
}

namespace Testing
{

// Watches a colour group's signals: "color(<type number>)", "all()" and "configuration()".
inline void watchColors(EmissionLog& log, ColorConfiguration& colors)
{
    log.watch(colors.signalColorChanged, "color")
        .watch(colors.signalAllColorsChanged, "all")
        .watch(colors.signalConfigurationChanged, "configuration");
}

}  // namespace Testing
}  // namespace Quarvane
