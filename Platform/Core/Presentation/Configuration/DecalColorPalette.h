#pragma once

namespace Quarvane
{

// The colour ranges decals are coloured with, each named after the colours of its catalogue
// range (see ColorRangeIndexDeterminer). NoPalette names none.
enum class DecalColorPalette : int
{
    R_G = 0,
    G_R = 1,
    DM_R = 2,
    B_R = 3,
    R_B = 4,
    R_DM = 5,
    R_Y_G = 6,
    G_Y_R = 7,
    DM_G_R = 8,
    R_G_DM = 9,
    R_O_Y_G = 10,
    G_Y_O_R = 11,
    DM_B_Y_R = 12,
    R_Y_B_DM = 13,
    DM_B_G_Y_R = 14,
    R_Y_G_B_DM = 15,
    R_O_Y_LB_B_DM = 16,
    DM_B_LB_Y_O_R = 17,
    R_O_Y_G_LB_B_DM = 18,
    DM_B_LB_G_Y_O_R = 19,
    NoPalette = 20
};

}  // namespace Quarvane
