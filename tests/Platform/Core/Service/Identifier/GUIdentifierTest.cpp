#include "Platform/Core/Service/Identifier/GUIdentifier.h"

#include <gtest/gtest.h>

#include <set>

namespace Quarvane
{
namespace
{

TEST(GUIdentifier, TextRoundTripKeepsEveryBit)
{
    const GUIdentifier identifier(0x0123456789abcdefULL, 0xfedcba9876543210ULL);
    EXPECT_EQ("{01234567-89ab-cdef-fedc-ba9876543210}", identifier.toString());
    EXPECT_EQ(identifier, GUIdentifier::fromString("01234567-89AB-CDEF-FEDC-BA9876543210"));
    EXPECT_TRUE(GUIdentifier::fromString("body 7").isNull());
}

TEST(GUIdentifier, GeneratedIdentifiersDifferAndHashByValue)
{
    std::set<GUIdentifier> generated;
    for (int i = 0; i < 100; ++i)
        generated.insert(GUIdentifier::generate());
    EXPECT_EQ(100u, generated.size());
    EXPECT_EQ(0u, generated.count(GUIdentifier()));

    const GUIdentifier a(1, 2);
    EXPECT_EQ(hash_value(a), hash_value(GUIdentifier(1, 2)));
    EXPECT_NE(hash_value(a), hash_value(GUIdentifier(2, 1)));
}

}  // namespace
}  // namespace Quarvane
