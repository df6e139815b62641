#include "Platform/Core/Presentation/Configuration/ColorRangeIndexDeterminer.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace Quarvane
{
namespace
{
using Type = ResVarPropertiesCommon::ColorRangeType;

int indexOf(int type) { return ColorRangeIndexDeterminer::determineColorRangeIdx(static_cast<Type>(type)); }
int indexOf(DecalColorPalette palette) { return ColorRangeIndexDeterminer::determineColorRangeIdx(palette); }

// Catalogue indices by type -1..42 and by palette -1..21, as the fixed catalogue orders its ranges;
// ranges added for dominant variables change no answer.
TEST(ColorRangeIndexDeterminer, IndicesOfTypesAndPalettes)
{
    const std::vector<int> expectedTypes{-1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, -1, 4,
                                         -1, 24, 25, 8,  -1, 0,  1,  3,  2,  5,  26, 31, 28, 32, 29,
                                         33, 30, 36, 23, 22, 37, 38, 39, 40, 41, 42, 43, -1, -1};
    const std::vector<int> expectedPalettes{-1, 13, 10, 19, 26, 27, 31, 14, 11, 16, 28, 15,
                                            12, 20, 32, 17, 29, 33, 21, 30, 18, -1, -1};
    for (const unsigned count : {0u, 2u, 18u})
    {
        std::string key;
        if (count > 0)
            ColorRangesConfiguration::getInstance()->initDominantVariableColorRange(count, key);
        std::vector<int> types, palettes;
        for (int type = -1; type <= 42; ++type)
            types.push_back(indexOf(type));
        for (int palette = -1; palette <= 21; ++palette)
            palettes.push_back(indexOf(static_cast<DecalColorPalette>(palette)));
        EXPECT_EQ(types, expectedTypes) << count;
        EXPECT_EQ(palettes, expectedPalettes) << count;
    }
}

// A type and its decal palette name the same range; the palettes cover every colour-named range,
// "COLORRANGE_R_B" (palette 4) being the one no type has.
TEST(ColorRangeIndexDeterminer, DecalPalettesAgreeWithTheirTypes)
{
    std::set<int> typesFound;
    std::set<DecalColorPalette> palettesReached;
    for (int type = -1; type <= 42; ++type)
    {
        const auto [found, palette] = ColorRangeIndexDeterminer::toDecalColorPalette(static_cast<Type>(type));
        EXPECT_TRUE(found || palette == DecalColorPalette::NoPalette) << type;
        if (found)
            typesFound.insert(type);
        if (palette == DecalColorPalette::NoPalette)
            continue;
        EXPECT_EQ(indexOf(palette), indexOf(type)) << type;
        palettesReached.insert(palette);
    }
    EXPECT_EQ(typesFound, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24, 25, 26, 27, 28, 29, 30}));
    EXPECT_EQ(palettesReached.size(), 19u);
    EXPECT_EQ(palettesReached.count(DecalColorPalette::R_B), 0u);
    EXPECT_EQ(ColorRangesConfiguration::getInstance()->getColorRange(indexOf(DecalColorPalette::R_B))->getKey(),
              "COLORRANGE_R_B");
}

}  // namespace
}  // namespace Quarvane
