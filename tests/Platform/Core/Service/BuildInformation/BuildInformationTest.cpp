#include "Platform/Core/Service/BuildInformation/BuildInformation.h"

#include <QtCore/QByteArray>
#include <QtCore/QtGlobal>

#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(BuildInformation, AnEnvironmentNamingNoProductIsAnError)
{
    const QByteArray saved = qgetenv(BuildInformation::s_productVariable);
    const auto productIn = [](const char* text) {
        qputenv(BuildInformation::s_productVariable, text);
        return BuildInformation::productFromEnvironment();
    };
    EXPECT_EQ(productIn("trimming"), Quarvane::Products::Trimming);
    EXPECT_EQ(productIn(""), Quarvane::Products::Forming);
    try
    {
        productIn("bogus");
        ADD_FAILURE() << "no error for a product named bogus";
    }
    catch (const std::invalid_argument& error)
    {
        EXPECT_NE(std::string(error.what()).find("QUARVANE_PRODUCT is \"bogus\""), std::string::npos) << error.what();
    }
    qputenv(BuildInformation::s_productVariable, saved);
}

}  // namespace
