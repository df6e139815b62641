#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include "EmissionLog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace Quarvane
{
namespace
{
using Bytes = std::tuple<int, int, int>;

Bytes bytes(const QColor& color) { return {color.red(), color.green(), color.blue()}; }

Bytes paletteBytes(int index)
{
    const ColorRGB color =
        ColorConfiguration::getVivuzidaColor(static_cast<VisualStyleDefinitions::VivuZidaColorIndices>(index));
    return {std::lround(color.red * 255), std::lround(color.green * 255), std::lround(color.blue * 255)};
}

// The lengths of the runs of equal neighbouring colours.
std::vector<int> runLengths(const std::vector<QColor>& colors)
{
    std::vector<int> runs;
    for (std::size_t i = 0; i < colors.size(); ++i)
    {
        if (i == 0 || colors[i] != colors[i - 1])
            runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

// Equal up to the 16-bit HSV rounding QColor does on the way.
void expectSameColors(const std::vector<QColor>& actual, const std::vector<QColor>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        for (const auto component : {&QColor::redF, &QColor::greenF, &QColor::blueF})
            EXPECT_NEAR((actual[i].*component)(), (expected[i].*component)(), 1e-4) << "colour " << i;
}

class ColorRanges : public ::testing::Test
{
protected:
    ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
};

TEST_F(ColorRanges, KeysFindTheirIndexAndUnknownKeysFindNone)
{
    // The fixed catalogue; dominant-variable ranges that other tests asked for may follow it.
    ASSERT_GE(catalogue.getColorRangeSize(), 44u);
    const std::pair<std::string, int> cases[] = {
        {"DEFAULT_CONTINUOUS", 0},   {"DM_B_Y_R", 20},          {"COLORRANGE_MAX_WRINKLES_4LEVEL", 43},
        {"COLORRANGE_DM_B_Y_R", -1}, {"default_continuous", -1}, {"COLORRANGE_DOMINANT_VARIABLE", -1},
    };
    for (const auto& [key, index] : cases)
        EXPECT_EQ(catalogue.getColorRangeIdx(key), index) << key;
    // Every key is unique, or a lookup would find an earlier range.
    for (int index = 0; index < 44; ++index)
        EXPECT_EQ(catalogue.getColorRangeIdx(catalogue.getColorRange(index)->getKey()), index);
    for (const int outside : {-1, static_cast<int>(catalogue.getColorRangeSize())})
        EXPECT_EQ(catalogue.getColorRange(outside), nullptr);
}

TEST_F(ColorRanges, CountsEndsAndParameters)
{
    const struct
    {
        int index;
        std::size_t count;
        Bytes first, last;
        double firstParameter, lastParameter;
        bool hueIncreasing;
    } cases[] = {
        {0, 141, {204, 0, 187}, {204, 0, 34}, 0.875, 0.0, true},
        {2, 101, {204, 0, 34}, {0, 74, 178}, 0.0, 0.625, false},
        {4, 7, paletteBytes(20), paletteBytes(26), 0.0, 1.0, false},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE("range " + std::to_string(expected.index));
        const auto range = catalogue.getColorRange(expected.index);
        ASSERT_EQ(range->getNumberOfColors(), expected.count);
        EXPECT_EQ(bytes(range->getColors().front()), expected.first);
        EXPECT_EQ(bytes(range->getColors().back()), expected.last);
        EXPECT_EQ(range->getFirstColorParameter(), expected.firstParameter);
        EXPECT_EQ(range->getLastColorParameter(), expected.lastParameter);
        EXPECT_EQ(range->isHueIncreasing(), expected.hueIncreasing);
    }
}

TEST_F(ColorRanges, ContinuousScalesTurnTheHueTheGivenWay)
{
    // Colour 1 of the default scale, by hand: 95% of the way from (68, 0, 204) (hue 0.72222) to
    // (204, 0, 187) (hue 0.84722) with increasing hue gives hue 0.84097, saturation 1, value 0.8.
    expectSameColors({catalogue.getColorRange(0)->getColors()[1]}, {QColor::fromRgbF(0.8, 0.0, 0.76333)});
    // Walking the same colours the other way with the hue turning back is the same scale reversed.
    for (const auto& [forward, backward] : {std::pair{0, 1}, std::pair{3, 2}})
    {
        std::vector<QColor> reversed = catalogue.getColorRange(backward)->getColors();
        std::reverse(reversed.begin(), reversed.end());
        expectSameColors(catalogue.getColorRange(forward)->getColors(), reversed);
    }
}

TEST_F(ColorRanges, SymmetricSeriesStepsBy17AndMirrorsAboutBlue)
{
    const std::vector<QColor>& colors = catalogue.getColorRange(9)->getColors();
    ASSERT_EQ(colors.size(), 121u);
    EXPECT_EQ(bytes(colors[0]), Bytes(255, 0, 0));
    EXPECT_EQ(bytes(colors[15]), Bytes(255, 255, 0));
    EXPECT_EQ(bytes(colors[60]), Bytes(0, 0, 255));
    for (std::size_t i = 1; i < colors.size(); ++i)
    {
        EXPECT_EQ(colors[i], colors[colors.size() - 1 - i]) << i;
        const auto [r, g, b] = bytes(colors[i]);
        const auto [r0, g0, b0] = bytes(colors[i - 1]);
        EXPECT_EQ(std::abs(r - r0) + std::abs(g - g0) + std::abs(b - b0), 17) << i;
    }
}

TEST_F(ColorRanges, ParameterizedSectionsAndTheHueWheel)
{
    const struct
    {
        double start, end;
        bool hueIncreasing;
        int numColors;
        std::vector<int> runs;
        Bytes first, last;
    } cases[] = {
        {0.0, 0.5, true, 3, {48, 48, 48}, {204, 0, 34}, {0, 178, 149}},
        {0.0, 0.5, true, 1000, std::vector<int>(144, 1), {204, 0, 34}, {0, 178, 149}},
        // Across position 0, both ways round.
        {0.25, 0.75, false, 5, {29, 29, 28, 29, 29}, {170, 204, 0}, {68, 0, 204}},
        {1.75, -0.75, true, 2, {72, 72}, {68, 0, 204}, {170, 204, 0}},
        // A whole turn: the first and the last of the five stops are the same place.
        {0.25, 0.25, true, 5, {29, 29, 28, 29, 29}, {170, 204, 0}, {170, 204, 0}},
        // One colour: the start's, throughout.
        {0.125, 0.5, true, 1, {144}, {230, 134, 0}, {230, 134, 0}},
    };
    for (const auto& expected : cases)
    {
        SCOPED_TRACE(std::to_string(expected.start) + " to " + std::to_string(expected.end));
        const auto range = catalogue.getParameterizedColorRange(expected.start, expected.end, expected.hueIncreasing,
                                                                expected.numColors);
        EXPECT_EQ(range->getKey(), "ParameterizedColorRange");
        EXPECT_EQ(runLengths(range->getColors()), expected.runs);
        EXPECT_EQ(bytes(range->getColors().front()), expected.first);
        EXPECT_EQ(bytes(range->getColors().back()), expected.last);
    }
    // Quantising to 3 stops lands on wheel colours 0, 2 and 4.
    EXPECT_EQ(bytes(catalogue.getParameterizedColorRange(0.0, 0.5, true, 3)->getColors()[48]), Bytes(170, 204, 0));
    // The first colour of a section is the hue wheel's colour at its (wrapped) start.
    const std::pair<double, Bytes> wheel[] = {{7.0, {204, 0, 34}}, {-0.875, {230, 134, 0}}, {0.875, {204, 0, 187}},
                                              {std::numeric_limits<double>::quiet_NaN(), {204, 0, 34}}};
    for (const auto& [position, expected] : wheel)
        EXPECT_EQ(bytes(catalogue.getParameterizedColorRange(position, 0.3, true, 0)->getColors().front()), expected)
            << position;

    // The default parameters walk the default scale from its last colour to its first.
    double start = -1, end = -1;
    bool hueIncreasing = false;
    ColorRangesConfiguration::getParametersForDefaultContinuousColorRange(start, end, hueIncreasing);
    const auto section = catalogue.getParameterizedColorRange(start, end, hueIncreasing, 0)->getColors();
    const auto& scale = catalogue.getColorRange(0)->getColors();
    expectSameColors({section.front(), section.back()}, {scale.back(), scale.front()});
}

TEST_F(ColorRanges, DominantVariableRangesAreAddedOnceAndAnnounced)
{
    Testing::EmissionLog announcements;
    announcements.watch(catalogue.signalColorRangesChanged, "changed");
    const std::size_t sizeBefore = catalogue.getColorRangeSize();

    std::string key = "unchanged";
    EXPECT_EQ(catalogue.initDominantVariableColorRange(1, key), -1);
    EXPECT_EQ(catalogue.initDominantVariableColorRange(0, key), -1);
    EXPECT_EQ(key, "unchanged");

    // The catalogue is process-wide: another test may have asked for the same range first.
    const int fiveIndex = catalogue.initDominantVariableColorRange(5, key);
    EXPECT_GE(fiveIndex, 44);
    EXPECT_EQ(key, "COLORRANGE_DOMINANT_VARIABLE_5");
    const auto& five = catalogue.getColorRange(fiveIndex)->getColors();
    ASSERT_EQ(five.size(), 5u);
    const int palette[] = {65, 0, 9, 13, 11};
    for (std::size_t i = 0; i < five.size(); ++i)
        EXPECT_EQ(bytes(five[i]), paletteBytes(palette[i])) << i;
    EXPECT_EQ(catalogue.initDominantVariableColorRange(5, key), fiveIndex);

    const int twentyIndex = catalogue.initDominantVariableColorRange(20, key);
    EXPECT_GE(twentyIndex, 44);
    EXPECT_NE(twentyIndex, fiveIndex);
    const auto& twenty = catalogue.getColorRange(twentyIndex)->getColors();
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_EQ(bytes(twenty[17]), paletteBytes(8));
    EXPECT_EQ(bytes(twenty[18]), paletteBytes(9));
    // One announcement per range added (none when another test added both before).
    EXPECT_EQ(announcements.entries.size(), catalogue.getColorRangeSize() - sizeBefore);
    EXPECT_LE(catalogue.getColorRangeSize(), sizeBefore + 2);
}

}  // namespace
}  // namespace Quarvane
