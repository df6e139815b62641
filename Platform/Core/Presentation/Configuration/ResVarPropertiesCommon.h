#pragma once

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
};

}  // namespace Quarvane
