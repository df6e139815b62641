#pragma once

#include "Platform/Core/Business/Skin/SkinInterpretType.h"

#include <vector>

namespace Quarvane
{

// How the drawing side builds a discrete skin: the values are split into bands at the ticks.
struct DiscreteSkinDefinition
{
    struct Settings
    {
        SkinInterpretType representationType = SkinInterpretDefault;
        // Band boundaries in ascending order.
        std::vector<double> values;
    };
};

}  // namespace Quarvane
