#include "Platform/Core/Presentation/Configuration/DrawColor.h"

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"
#include "Platform/Core/Service/ConfigurationFramework/ConfigurationManager.h"
#include "ColorTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>

namespace
{
using namespace Quarvane;
using Palette = VisualStyleDefinitions::VivuZidaColorIndices;

const ColorRGB s_fallback(0.5f, 0.25f, 0.125f);

TEST(ColorRGB, BytesAreDividedInSinglePrecisionAndNothingIsClamped)
{
    // Three ints are bytes, whether through the constructor or the named factory.
    EXPECT_EQ(ColorRGB(107, 126, 153), ColorRGB(107.0f / 255.0f, 126.0f / 255.0f, 153.0f / 255.0f));
    EXPECT_EQ(ColorRGB(107, 0, 255), ColorRGB(0.41960785f, 0.0f, 1.0f));
    EXPECT_EQ(ColorRGB::fromBytes(107, 0, 255), ColorRGB(0.41960785f, 0.0f, 1.0f));
    EXPECT_EQ(ColorRGB::fromBytes(510, -51, 255) * 2.0f, ColorRGB(4.0f, -0.4f, 2.0f));
    const ColorRGB withNaN(NAN, 0.0f, 0.0f);
    EXPECT_NE(withNaN, withNaN);
    EXPECT_EQ(ColorRGB(-0.0f, 0.0f, 0.0f), ColorRGB());
}

TEST(Palette, HasAColourForEveryIndexAndRedOutside)
{
    const std::pair<int, ColorRGB> cases[] = {
        {INT_MIN, ColorRGB::fallback()},        {-1, ColorRGB(1.0f, 1.0f, 0.0f)},
        {0, ColorRGB::fromBytes(107, 126, 153)}, {72, ColorRGB::fromBytes(168, 22, 76)},
        {73, ColorRGB::fallback()},
    };
    for (const auto& [index, color] : cases)
        EXPECT_EQ(ColorConfiguration::getVivuzidaColor(static_cast<Palette>(index)), color) << "index " << index;
    // No palette colour is pure red, so a missing entry would show here.
    for (int index = VisualStyleDefinitions::FirstColorIndex; index <= VisualStyleDefinitions::LastColorIndex; ++index)
        EXPECT_NE(ColorConfiguration::getVivuzidaColor(static_cast<Palette>(index)), ColorRGB::fallback()) << index;
}

TEST(DrawColor, ConstructorsAndSettersChooseTheSourceAndReportAChangeOrASwitch)
{
    EXPECT_EQ(DrawColor().getModeColor(s_fallback), ColorRGB::fromBytes(107, 126, 153));
    const DrawColor fixed(0.2f, 0.4f, 0.6f);
    EXPECT_EQ(fixed.getModeColor(s_fallback), ColorRGB(0.2f, 0.4f, 0.6f));
    EXPECT_EQ(fixed, DrawColor(ColorRGB(0.2f, 0.4f, 0.6f)));

    DrawColor color;
    EXPECT_FALSE(color.setColorRGB(ColorRGB::fallback(), false));
    EXPECT_TRUE(color.setColorRGB(ColorRGB::fallback(), true));
    EXPECT_EQ(color.getMode(), ColorRGBMode);
    EXPECT_FALSE(color.setColorRGB(1.0f, 0.0f, 0.0f, true));
    EXPECT_TRUE(color.setColorRGB(0.0f, 0.0f, 1.0f, false));

    EXPECT_TRUE(color.setColorIndex(VisualStyleDefinitions::Color6, false));
    EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB(0.0f, 0.0f, 1.0f));
    EXPECT_TRUE(color.setColorIndex(VisualStyleDefinitions::Color6, true));
    EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB::fromBytes(255, 33, 0));
    EXPECT_FALSE(color.setColorIndex(VisualStyleDefinitions::Color6, true));

    EXPECT_FALSE(color.setColorType(ColorConfiguration::BackgroundTopColor, false));
    EXPECT_TRUE(color.setColorType(ColorConfiguration::ToolDie, false));
    EXPECT_EQ(color.getMode(), ColorIndexMode);
    EXPECT_FALSE(color.setMode(ColorIndexMode));
}

// Result, vertex and hidden modes colour without a colour of their own, so the definition in
// force survives them; any other mode becomes the source, whether it defines a colour or not.
TEST(DrawColor, ModesWithoutAColourKeepTheDefinitionInForce)
{
    DrawColor color;
    color.setColorIndex(VisualStyleDefinitions::Color4, false);
    color.setColorRGB(0.1f, 0.2f, 0.3f, true);
    for (const DrawColorMode mode : {ResultColorMode, VertexColorMode, HiddenMode})
    {
        EXPECT_TRUE(color.setMode(mode));
        EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB(0.1f, 0.2f, 0.3f)) << "mode " << mode;
        EXPECT_EQ(color.asStyle(s_fallback).mode, mode);
    }
    EXPECT_TRUE(color.setMode(ColorIndexMode));
    EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB::fromBytes(68, 204, 0));
    EXPECT_TRUE(color.setMode(static_cast<DrawColorMode>(9)));
    EXPECT_EQ(color.getModeColor(s_fallback), s_fallback);
}

TEST(DrawColor, EqualityComparesEveryMember)
{
    const DrawColor base;
    const auto changed = [](auto change) {
        DrawColor color;
        change(color);
        return color;
    };
    // The colour source alone: both are in result mode, one kept the palette, one the type.
    DrawColor typeSource = changed([](DrawColor& c) { c.setMode(ColorTypeMode); });
    typeSource.setMode(ResultColorMode);
    EXPECT_NE(typeSource, changed([](DrawColor& c) { c.setMode(ResultColorMode); }));

    const DrawColor variants[] = {
        changed([](DrawColor& c) { c.setMode(ResultColorMode); }),
        changed([](DrawColor& c) { c.setColorRGB(0.0f, 0.0f, 0.0f, false); }),
        changed([](DrawColor& c) { c.setColorRGB(1.0f, 1.0f, 0.0f, false); }),
        changed([](DrawColor& c) { c.setColorRGB(1.0f, 0.0f, 1.0f, false); }),
        changed([](DrawColor& c) { c.setColorIndex(VisualStyleDefinitions::Color1, false); }),
        changed([](DrawColor& c) { c.setColorType(ColorConfiguration::Loop, false); }),
    };
    for (const DrawColor& variant : variants)
        EXPECT_NE(variant, base);
    EXPECT_EQ(changed([](DrawColor& c) { c.setColorRGB(-0.0f, 0.0f, 0.0f, false); }),
              changed([](DrawColor& c) { c.setColorRGB(0.0f, 0.0f, 0.0f, false); }));
}

TEST(DrawColor, TypeSourceResolvesThroughTheRegisteredColours)
{
    ColorConfiguration::getRegisteredInstance()->setColor(ColorConfiguration::ToolPad, ColorRGB(0.7f, 0.6f, 0.5f));
    DrawColor color;
    color.setColorType(ColorConfiguration::ToolPad, true);
    EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB(0.7f, 0.6f, 0.5f));
    color.setColorType(static_cast<ColorConfiguration::ColorTypes>(37), false);
    EXPECT_EQ(color.getModeColor(s_fallback), ColorRGB::fallback());
}

TEST(DrawColor, TypeSourceWithoutRegisteredColoursGivesTheFallback)
{
    // Another object holds the group's name, so the colour group cannot register.
    ConfigurationManager::ScopedInstance scope;
    ConfigurationManager::getInstance().addConfigurationObject(
        std::make_shared<ConfigurationObject>("ColorConfiguration", "", 0, 63), "ColorConfiguration");
    DrawColor color;
    color.setColorType(ColorConfiguration::ToolPad, true);
    const DrawColorStyle style = color.asStyle(s_fallback);
    EXPECT_EQ(style.mode, ColorTypeMode);
    EXPECT_EQ(style.color, s_fallback);
}

// The expected hashes were computed apart from this code, from the combine step
// mix(seed + 0x9e3779b9 + h) over the mode and the components' bit patterns.
TEST(DrawColorStyle, HashCombinesModeAndComponentsButIgnoresTheSignOfZero)
{
    const auto hash = [](int mode, ColorRGB color) {
        return hash_value(DrawColorStyle{static_cast<DrawColorMode>(mode), color});
    };
    EXPECT_EQ(hash(2, {0.2f, 0.4f, 0.6f}), 0x9c86176ae2bc36d6u);
    EXPECT_EQ(hash(-1, {0.5f, 0.25f, 1.0f}), 0x705df2c862815c28u);
    EXPECT_EQ(hash(5, {0.4f, 0.2f, 0.6f}), 0x9a388ce916f805a1u);
    EXPECT_EQ(hash(2, {-0.0f, 0.5f, -0.0f}), hash(2, {0.0f, 0.5f, 0.0f}));
}

}  // namespace
