#pragma once

#include "Platform/Core/Business/ResultVariables/ContinuousColorRangeDefinition.h"

#include <cstdint>

namespace Quarvane
{

// Enumerations shared by the colour scales of result variables. The numbers are what the
// business layer stores and compares, so they never change.
struct ResVarPropertiesCommon
{
    // The colour range a result variable asks for. ColorRangeIndexDeterminer turns it into an
    // index of the colour ranges catalogue; the three unassigned numbers name no range there.
    enum ColorRangeType : int
    {
        GreenRed = 0,
        GreenYellowRed = 1,
        GreenYellowOrangeRed = 2,
        RedGreen = 3,
        RedYellowGreen = 4,
        RedOrangeYellowGreen = 5,
        DarkMagentaGreenRed = 6,
        DarkMagentaBlueGreenYellowRed = 7,
        DarkMagentaBlueLightBlueGreenYellowOrangeRed = 8,
        DarkMagentaRed = 9,
        DarkMagentaBlueYellowRed = 10,
        DarkMagentaBlueLightBlueYellowOrangeRed = 11,
        Unassigned12 = 12,
        FormingLimitDiagram = 13,
        Unassigned14 = 14,
        SurfaceCrack = 15,
        EdgeCrack = 16,
        Wear = 17,
        // Resolved by the discrete scale itself, from its number of levels.
        DominantVariable = 18,
        DefaultContinuous = 19,
        DefaultContinuousReverse = 20,
        ContinuousUpperLimitOnly = 21,
        ContinuousLowerLimitOnly = 22,
        GeometricFormingLimitDiagram = 23,
        BlueRed = 24,
        RedDarkMagenta = 25,
        RedGreenDarkMagenta = 26,
        RedYellowBlueDarkMagenta = 27,
        RedYellowGreenBlueDarkMagenta = 28,
        RedOrangeYellowLightBlueBlueDarkMagenta = 29,
        RedOrangeYellowGreenLightBlueBlueDarkMagenta = 30,
        CurvatureCases = 31,
        Fracture = 32,
        AdvancedFormability = 33,
        ToolRoughnessZones = 34,
        Wrinkles3Level = 35,
        Wrinkles5Level = 36,
        Wrinkles7Level = 37,
        MaxWrinkles2Level = 38,
        MaxWrinkles3Level = 39,
        MaxWrinkles4Level = 40,
        Unassigned41 = 41
    };

    // How a result variable is drawn. Scoped, because this and MinMaxType both have an
    // Undefined; numbers outside the enumeration (from a damaged description) are kept as they are
    // and match no type.
    enum class ScaleType : std::int32_t
    {
        Discrete = 0,              // from the variable's discretisation levels
        ManualDiscrete = 1,        // from ticks the user edits
        Continuous = 2,
        ContinuousOutOfRange = 3,  // shows values outside the limits in their own colours
        ContinuousOutOfSpec = 4,   // shows the specification limits
        Undefined = 5              // no type, or no active property
    };

    // Where a scale's limits come from.
    enum class MinMaxType : std::int32_t
    {
        Global = 0,    // the variable's extremes over the whole result
        TimeStep = 1,  // its extremes at the current time step
        Auto = 2,      // its extremes at the current time step without outliers
        Manual = 3,    // the user's minimum and maximum
        Object = 4,    // its extremes on one object
        Default = 5,   // the variable's default minimum and maximum
        Undefined = 6  // no limits
    };

    using ContinuousColorRangeDefinition = Quarvane::ContinuousColorRangeDefinition;

    // The user-defined continuous range that reproduces the default continuous range: hue 0 to
    // 0.875, increasing, interpolated in HSV, not quantised. Handed out where a scale has no
    // definition of its own.
    static const ContinuousColorRangeDefinition s_defaultContinuousColorRangeDefinition;

    // Continuous, ContinuousOutOfRange and ContinuousOutOfSpec.
    static bool isContinuousType(ScaleType type);
};

}  // namespace Quarvane
