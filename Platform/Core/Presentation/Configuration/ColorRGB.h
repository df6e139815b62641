#pragma once

namespace Quarvane
{

// A colour as three single-precision components, nominally 0..1. Nothing clamps them: colour
// arithmetic may pass through values outside the range, and stored files keep what they hold.
struct ColorRGB
{
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;

    constexpr ColorRGB() = default;
    constexpr ColorRGB(float r, float g, float b) : red(r), green(g), blue(b) {}

    // From 0..255 components, each divided by 255 in single precision (107 gives 0.41960785).
    // Three ints always mean bytes; arguments mixing ints and floats are ambiguous on purpose,
    // so that neither reading is picked silently.
    constexpr ColorRGB(int r, int g, int b)
        : red(static_cast<float>(r) / 255.0f), green(static_cast<float>(g) / 255.0f), blue(static_cast<float>(b) / 255.0f)
    {
    }
    static constexpr ColorRGB fromBytes(int r, int g, int b) { return ColorRGB(r, g, b); }

    // Pure red, what a lookup that finds no colour answers, so the gap shows.
    static constexpr ColorRGB fallback() { return {1.0f, 0.0f, 0.0f}; }
};

constexpr ColorRGB operator*(const ColorRGB& color, float factor)
{
    return {color.red * factor, color.green * factor, color.blue * factor};
}

// Component-wise with float ==, so a NaN component never compares equal.
constexpr bool operator==(const ColorRGB& left, const ColorRGB& right)
{
    return left.red == right.red && left.green == right.green && left.blue == right.blue;
}

constexpr bool operator!=(const ColorRGB& left, const ColorRGB& right) { return !(left == right); }

}  // namespace Quarvane
