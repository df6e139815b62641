#include "Platform/Core/Presentation/Configuration/ColorRangeIndexDeterminer.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <iterator>
#include <string>

namespace Quarvane
{
namespace
{
using Catalogue = ColorRangesConfiguration;

// The catalogue key of each colour range type, by type number; null where a type names none.
const std::string* const s_keyByColorRangeType[] = {
    &Catalogue::s_COLORRANGE_G_R,                      // 0
    &Catalogue::s_COLORRANGE_G_Y_R,                    // 1
    &Catalogue::s_COLORRANGE_G_Y_O_R,                  // 2
    &Catalogue::s_COLORRANGE_R_G,                      // 3
    &Catalogue::s_COLORRANGE_R_Y_G,                    // 4
    &Catalogue::s_COLORRANGE_R_O_Y_G,                  // 5
    &Catalogue::s_COLORRANGE_DM_G_R,                   // 6
    &Catalogue::s_COLORRANGE_DM_B_G_Y_R,               // 7
    &Catalogue::s_COLORRANGE_DM_B_LB_G_Y_O_R,          // 8
    &Catalogue::s_COLORRANGE_DM_R,                     // 9
    &Catalogue::s_COLORRANGE_DM_B_Y_R,                 // 10
    &Catalogue::s_COLORRANGE_DM_B_LB_Y_O_R,            // 11
    nullptr,                                           // 12
    &Catalogue::s_defaultFLDColorRange,                // 13
    nullptr,                                           // 14
    &Catalogue::s_defaultSurfaceCrackColorRange,       // 15
    &Catalogue::s_defaultEdgeCrackColorRange,          // 16
    &Catalogue::s_defaultWearColorRange,               // 17
    // The bare prefix names no range: the discrete scale picks its dominant-variable range by
    // its number of levels.
    &Catalogue::s_COLORRANGE_DOMINANT_VARIABLE,        // 18
    &Catalogue::s_defaultContinuousColorRange,         // 19
    &Catalogue::s_defaultContinuousReverseColorRange,  // 20
    &Catalogue::s_defaultContinuousUpperLimitOnly,     // 21
    &Catalogue::s_defaultContinuousLowerLimitOnly,     // 22
    &Catalogue::s_defaultGeomFLDColorRange,            // 23
    &Catalogue::s_COLORRANGE_B_R,                      // 24
    &Catalogue::s_COLORRANGE_R_DM,                     // 25
    &Catalogue::s_COLORRANGE_R_G_DM,                   // 26
    &Catalogue::s_COLORRANGE_R_Y_B_DM,                 // 27
    &Catalogue::s_COLORRANGE_R_Y_G_B_DM,               // 28
    &Catalogue::s_COLORRANGE_R_O_Y_LB_B_DM,            // 29
    &Catalogue::s_COLORRANGE_R_O_Y_G_LB_B_DM,          // 30
    &Catalogue::s_defaultCurvatureCasesColorRange,     // 31
    &Catalogue::s_defaultFractureColorRange,           // 32
    &Catalogue::s_defaultAdvancedFormabilityColorRange,  // 33
    &Catalogue::s_defaultToolRoughnessZonesColorRange,   // 34
    &Catalogue::s_COLORRANGE_WRINKLES_3LEVEL,          // 35
    &Catalogue::s_COLORRANGE_WRINKLES_5LEVEL,          // 36
    &Catalogue::s_COLORRANGE_WRINKLES_7LEVEL,          // 37
    &Catalogue::s_COLORRANGE_MAX_WRINKLES_2LEVEL,      // 38
    &Catalogue::s_COLORRANGE_MAX_WRINKLES_3LEVEL,      // 39
    &Catalogue::s_COLORRANGE_MAX_WRINKLES_4LEVEL,      // 40
    nullptr,                                           // 41
};
static_assert(std::size(s_keyByColorRangeType) == ResVarPropertiesCommon::Unassigned41 + 1,
              "one entry per colour range type");

// The catalogue key of each decal palette, by palette number (NoPalette has none).
const std::string* const s_keyByDecalPalette[] = {
    &Catalogue::s_COLORRANGE_R_G,                // 0
    &Catalogue::s_COLORRANGE_G_R,                // 1
    &Catalogue::s_COLORRANGE_DM_R,               // 2
    &Catalogue::s_COLORRANGE_B_R,                // 3
    &Catalogue::s_COLORRANGE_R_B,                // 4
    &Catalogue::s_COLORRANGE_R_DM,               // 5
    &Catalogue::s_COLORRANGE_R_Y_G,              // 6
    &Catalogue::s_COLORRANGE_G_Y_R,              // 7
    &Catalogue::s_COLORRANGE_DM_G_R,             // 8
    &Catalogue::s_COLORRANGE_R_G_DM,             // 9
    &Catalogue::s_COLORRANGE_R_O_Y_G,            // 10
    &Catalogue::s_COLORRANGE_G_Y_O_R,            // 11
    &Catalogue::s_COLORRANGE_DM_B_Y_R,           // 12
    &Catalogue::s_COLORRANGE_R_Y_B_DM,           // 13
    &Catalogue::s_COLORRANGE_DM_B_G_Y_R,         // 14
    &Catalogue::s_COLORRANGE_R_Y_G_B_DM,         // 15
    &Catalogue::s_COLORRANGE_R_O_Y_LB_B_DM,      // 16
    &Catalogue::s_COLORRANGE_DM_B_LB_Y_O_R,      // 17
    &Catalogue::s_COLORRANGE_R_O_Y_G_LB_B_DM,    // 18
    &Catalogue::s_COLORRANGE_DM_B_LB_G_Y_O_R,    // 19
};
static_assert(std::size(s_keyByDecalPalette) == static_cast<std::size_t>(DecalColorPalette::NoPalette),
              "one entry per decal palette but NoPalette");

using DecalLookup = std::pair<bool, DecalColorPalette>;
const DecalLookup s_noDecalPalette{false, DecalColorPalette::NoPalette};

// The decal palette of each colour range type, by type number; types beyond the table have none.
// Type 12 is found but names no palette.
const DecalLookup s_decalPaletteByColorRangeType[] = {
    {true, DecalColorPalette::G_R},              // 0
    {true, DecalColorPalette::G_Y_R},            // 1
    {true, DecalColorPalette::G_Y_O_R},          // 2
    {true, DecalColorPalette::R_G},              // 3
    {true, DecalColorPalette::R_Y_G},            // 4
    {true, DecalColorPalette::R_O_Y_G},          // 5
    {true, DecalColorPalette::DM_G_R},           // 6
    {true, DecalColorPalette::DM_B_G_Y_R},       // 7
    {true, DecalColorPalette::DM_B_LB_G_Y_O_R},  // 8
    {true, DecalColorPalette::DM_R},             // 9
    {true, DecalColorPalette::DM_B_Y_R},         // 10
    {true, DecalColorPalette::DM_B_LB_Y_O_R},    // 11
    {true, DecalColorPalette::NoPalette},        // 12
    s_noDecalPalette,                            // 13
    s_noDecalPalette,                            // 14
    s_noDecalPalette,                            // 15
    s_noDecalPalette,                            // 16
    s_noDecalPalette,                            // 17
    s_noDecalPalette,                            // 18
    s_noDecalPalette,                            // 19
    s_noDecalPalette,                            // 20
    s_noDecalPalette,                            // 21
    s_noDecalPalette,                            // 22
    s_noDecalPalette,                            // 23
    {true, DecalColorPalette::B_R},              // 24
    {true, DecalColorPalette::R_DM},             // 25
    {true, DecalColorPalette::R_G_DM},           // 26
    {true, DecalColorPalette::R_Y_B_DM},         // 27
    {true, DecalColorPalette::R_Y_G_B_DM},       // 28
    {true, DecalColorPalette::R_O_Y_LB_B_DM},    // 29
    {true, DecalColorPalette::R_O_Y_G_LB_B_DM},  // 30
};

// The entry at `number` of a table indexed from 0, or null outside it.
template <class Entry, std::size_t size>
const Entry* lookUp(const Entry (&table)[size], int number)
{
    return number >= 0 && number < static_cast<int>(size) ? &table[number] : nullptr;
}
}  // namespace

int ColorRangeIndexDeterminer::determineColorRangeIdx(ResVarPropertiesCommon::ColorRangeType type)
{
    const ColorRangesConfiguration* catalogue = ColorRangesConfiguration::getInstance();
    const std::string* const* key = lookUp(s_keyByColorRangeType, static_cast<int>(type));
    return key != nullptr && *key != nullptr ? catalogue->getColorRangeIdx(**key) : -1;
}

int ColorRangeIndexDeterminer::determineColorRangeIdx(DecalColorPalette palette)
{
    const std::string* const* key = lookUp(s_keyByDecalPalette, static_cast<int>(palette));
    return key != nullptr ? ColorRangesConfiguration::getInstance()->getColorRangeIdx(**key) : -1;
}

std::pair<bool, DecalColorPalette> ColorRangeIndexDeterminer::toDecalColorPalette(
    ResVarPropertiesCommon::ColorRangeType type)
{
    const DecalLookup* found = lookUp(s_decalPaletteByColorRangeType, static_cast<int>(type));
    return found != nullptr ? *found : s_noDecalPalette;
}

}  // namespace Quarvane
