#pragma once

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

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

// The order in which a colour group's signals fired: a colour type's number, "all" or "configuration".
struct SignalLog
{
    explicit SignalLog(ColorConfiguration& colors)
    {
        colors.signalColorChanged.connect(
            [this](ColorConfiguration::ColorTypes changed) { entries.push_back(std::to_string(changed)); });
        colors.signalAllColorsChanged.connect([this] { entries.push_back("all"); });
        colors.signalConfigurationChanged.connect([this] { entries.push_back("configuration"); });
    }
    std::vector<std::string> entries;
};

}  // namespace Testing
}  // namespace Quarvane
