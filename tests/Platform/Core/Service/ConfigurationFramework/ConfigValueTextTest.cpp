#include "Platform/Core/Service/ConfigurationFramework/ConfigValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace
{
using Quarvane::ConfigValueText;

template <class T>
bool sameBits(T a, T b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ConfigValueText, DoublesReadBackBitIdentical)
{
    const double samples[] = {0.1,
                              -0.0,
                              1.0 / 3.0,
                              6.02214076e23,
                              std::numeric_limits<double>::max(),
                              std::numeric_limits<double>::lowest(),
                              std::numeric_limits<double>::min(),
                              std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::epsilon(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double sample : samples)
    {
        double back = 42.0;
        ASSERT_TRUE(ConfigValueText::parse(ConfigValueText::format(sample), back)) << ConfigValueText::format(sample);
        EXPECT_TRUE(sameBits(sample, back)) << ConfigValueText::format(sample);
    }
    double nan = 0.0;
    ASSERT_TRUE(ConfigValueText::parse(ConfigValueText::format(std::nan("")), nan));
    EXPECT_TRUE(std::isnan(nan));
}

TEST(ConfigValueText, FloatsReadBackBitIdentical)
{
    const float samples[] = {0.1f, 0.5f, 1.0f / 3.0f, std::numeric_limits<float>::denorm_min(),
                             std::numeric_limits<float>::max(), -0.0f};
    for (const float sample : samples)
    {
        float back = 42.0f;
        ASSERT_TRUE(ConfigValueText::parse(ConfigValueText::format(sample), back));
        EXPECT_TRUE(sameBits(sample, back)) << ConfigValueText::format(sample);
    }
}

TEST(ConfigValueText, AcceptsSurroundingBlanksAndAPlusSign)
{
    int i = 0;
    EXPECT_TRUE(ConfigValueText::parse("  +12\n", i));
    EXPECT_EQ(i, 12);
    double d = 0;
    EXPECT_TRUE(ConfigValueText::parse(" 2.5e-3 ", d));
    EXPECT_EQ(d, 2.5e-3);
}

TEST(ConfigValueText, RejectsTextThatIsNotOfTheTypeAndLeavesTheValue)
{
    struct Case
    {
        const char* text;
        bool asInt, asUnsigned, asDouble, asBool;
    };
    const Case cases[] = {
        {"", false, false, false, false},
        {"abc", false, false, false, false},
        {"12abc", false, false, false, false},
        {"1.5", false, false, true, false},
        {"-1", true, false, true, false},
        {"2147483648", false, true, true, false},
        {"4294967296", false, false, true, false},
        {"1e400", false, false, false, false},
        {"++1", false, false, false, false},
        {"+-5", false, false, false, false},  // at most one sign
        {"-+5", false, false, false, false},
        {"--5", false, false, false, false},
        {"+-inf", false, false, false, false},
        {"-+inf", false, false, false, false},
        {"+5", true, true, true, false},
        {"-inf", false, false, true, false},
        {"+nan", false, false, true, false},
        {"1 2", false, false, false, false},
        {"TRUE", false, false, false, false},
        {"true", false, false, false, true},
    };
    for (const Case& c : cases)
    {
        int i = 99;
        unsigned int u = 99;
        double d = 99;
        bool b = false;
        EXPECT_EQ(ConfigValueText::parse(c.text, i), c.asInt) << '"' << c.text << '"';
        EXPECT_EQ(ConfigValueText::parse(c.text, u), c.asUnsigned) << '"' << c.text << '"';
        EXPECT_EQ(ConfigValueText::parse(c.text, d), c.asDouble) << '"' << c.text << '"';
        EXPECT_EQ(ConfigValueText::parse(c.text, b), c.asBool) << '"' << c.text << '"';
        EXPECT_TRUE(c.asInt || i == 99) << "a rejected text changed the int";
        EXPECT_TRUE(c.asUnsigned || u == 99u) << "a rejected text changed the unsigned int";
        EXPECT_TRUE(c.asDouble || d == 99) << "a rejected text changed the double";
    }
}

}  // namespace
