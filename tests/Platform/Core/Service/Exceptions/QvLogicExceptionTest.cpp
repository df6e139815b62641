#include "Platform/Core/Service/Exceptions/QvLogicException.h"

#include <gtest/gtest.h>

namespace Quarvane
{
namespace
{
// Callers catch it as a logic error and read each part; what() alone must still say where it came from.
TEST(QvLogicException, CarriesEveryPartAndDescribesThemInWhat)
{
    try
    {
        throw QvLogicException("Broken rule", "Component", "Class::function", "Path/To/Source", 42);
    }
    catch (const std::logic_error& error)
    {
        const auto& exception = dynamic_cast<const QvLogicException&>(error);
        EXPECT_EQ(exception.getMessage(), "Broken rule");
        EXPECT_EQ(exception.getComponent(), "Component");
        EXPECT_EQ(exception.getFunction(), "Class::function");
        EXPECT_EQ(exception.getFile(), "Path/To/Source");
        EXPECT_EQ(exception.getLine(), 42);
        EXPECT_STREQ(error.what(), "Broken rule (Component, Class::function, Path/To/Source:42)");
    }
}

}  // namespace
}  // namespace Quarvane
