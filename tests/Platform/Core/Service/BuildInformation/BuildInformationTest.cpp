#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <gtest/gtest.h>

namespace
{
using Quarvane::BuildInformation;

TEST(BuildInformation, ProductsFromNamesAndNumbers)
{
    struct Case
    {
        const char* text;
        Quarvane::ProductType product;
    };
    const Case cases[] = {{"Designer", 1}, {"forming", 4}, {" Progressive ", 32}, {"8", 8},
                          {"63", 63},      {"0", 0},       {"64", 0},           {"Press", 0}, {"", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(BuildInformation::productFromText(c.text), c.product) << '"' << c.text << '"';
}

TEST(BuildInformation, TestsCanChooseTheRunningProductAndRelease)
{
    BuildInformation::setProductType(Quarvane::Products::Tube);
    EXPECT_EQ(BuildInformation::getProductType(), 16);
    EXPECT_EQ(BuildInformation::productName(16), "Tube");
    BuildInformation::setReleaseVersion("R13");
    EXPECT_EQ(BuildInformation::getReleaseVersion(), "R13");
}

}  // namespace
