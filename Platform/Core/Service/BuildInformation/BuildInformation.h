#pragma once

#include <string>

namespace Quarvane
{

// A six-bit product mask. A running build is exactly one product; a configuration value
// names the products it belongs to as a mask of several.
using ProductType = int;

namespace Products
{
constexpr ProductType Designer = 1;      // die-face and tool design
constexpr ProductType Planner = 2;       // process planning and cost estimation
constexpr ProductType Forming = 4;       // drawing and forming simulation
constexpr ProductType Trimming = 8;      // trimming and hemming
constexpr ProductType Tube = 16;         // tube bending and hydroforming
constexpr ProductType Progressive = 32;  // progressive and transfer dies
constexpr ProductType All = 63;
}  // namespace Products

// Version information of the running build.
//
// The product defaults to Forming; the environment variable QUARVANE_PRODUCT (a number
// 1..63 or a product name such as "Designer", in any case) chooses another, and tests may set
// it directly. A QUARVANE_PRODUCT that names no product is an error, never a quiet fallback:
// getProductType throws std::invalid_argument until the variable is corrected or a product is
// set. The release version text has the form "R<number>" ("R12"); QUARVANE_RELEASE overrides it.
class BuildInformation
{
public:
    static constexpr const char* s_productVariable = "QUARVANE_PRODUCT";

    static ProductType getProductType();
    // The product QUARVANE_PRODUCT names now (the default when it is unset or empty); throws
    // std::invalid_argument, naming the variable and what it accepts, when it names none.
    static ProductType productFromEnvironment();
    static std::string getReleaseVersion();

    static void setProductType(ProductType product);
    static void setReleaseVersion(const std::string& version);

    // The product a name or number stands for, or 0 when the text names none.
    static ProductType productFromText(const std::string& text);
    static std::string productName(ProductType product);
};

}  // namespace Quarvane
