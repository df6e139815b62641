#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace Quarvane
{
namespace
{
// The component, function and message of the error `call` raised.
std::string errorOf(const std::function<void()>& call)
{
    try
    {
        call();
    }
    catch (const QvLogicException& exception)
    {
        return exception.getComponent() + " " + exception.getFunction() + ": " + exception.getMessage();
    }
    return "no error";
}

const std::string s_notFound = "VuzadEdoriz ColorMapManager::getColorMap: Color map key not found!";

TEST(ColorMapManager, HasTheMapOfEveryCatalogueRange)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    for (int index = 0; index < 44; ++index)
    {
        SCOPED_TRACE(index);
        const auto map = manager.getColorMap(index);
        const auto range = ColorRangesConfiguration::getInstance()->getColorRange(index);
        EXPECT_EQ(map->getIndex(), index);
        EXPECT_EQ(map->getKey(), range->getKey());
        ASSERT_EQ(map->size(), range->getNumberOfColors());
        for (std::size_t i = 0; i < map->size(); ++i)
        {
            const QColor& color = range->getColors()[i];
            EXPECT_EQ((*map)(i), ColorRGB(float(color.redF()), float(color.greenF()), float(color.blueF())));
        }
    }
}

TEST(ColorMapManager, ErrorsLeaveTheMapsAsTheyWere)
{
    // A copy, so that clearing it leaves the process-wide manager to the other tests.
    ColorMapManager manager(*ColorMapManager::instance());
    for (const int missing : {100000, -1})
        EXPECT_EQ(errorOf([&] { manager.getColorMap(missing); }), s_notFound);
    const auto registered = manager.getColorMap(3);
    EXPECT_EQ(errorOf([&] { manager.addColorMap(std::make_shared<ColorMap>(3, "other", 2)); }),
              "VuzadEdoriz ColorMapManager::addColorMap: Color map key already exist!");
    EXPECT_EQ(manager.getColorMap(3), registered);

    manager.clearMap();
    EXPECT_EQ(errorOf([&] { manager.getColorMap(0); }), s_notFound);
    manager.addColorMap(std::make_shared<ColorMap>(3, "other", 2));
    EXPECT_EQ(manager.getColorMap(3)->getColors(), std::vector<ColorRGB>(2, ColorRGB(0, 0, 0)));
}

TEST(ColorMapManager, RebuildsWhenTheCatalogueGrowsButCopiesDoNot)
{
    ColorMapManager& manager = *ColorMapManager::instance();
    const ColorMapManager copy(manager);
    const auto before = manager.getColorMap(0);
    (*before)(0) = ColorRGB(0.5f, 0.5f, 0.5f);

    // A level count no earlier run asked for, so that the catalogue really grows.
    static unsigned levels = 100;
    ++levels;
    std::string key;
    const int added = ColorRangesConfiguration::getInstance()->initDominantVariableColorRange(levels, key);
    ASSERT_GE(added, 44);
    EXPECT_EQ(manager.getColorMap(added)->getKey(), key);
    EXPECT_EQ(manager.getColorMap(added)->size(), levels);
    // Rebuilt from the catalogue: a new map, while the caller's old one keeps what it holds.
    EXPECT_EQ((*manager.getColorMap(0))(0), ColorRGB::fromBytes(204, 0, 187));
    EXPECT_EQ((*before)(0), ColorRGB(0.5f, 0.5f, 0.5f));
    EXPECT_EQ(errorOf([&] { copy.getColorMap(added); }), s_notFound);
    EXPECT_EQ(copy.getColorMap(0), before);
}

TEST(ColorMapManager, UnregisteredMaps)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    const std::vector<ColorRGB> colors{{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};
    const std::pair<std::shared_ptr<ColorMap>, std::size_t> cases[] = {  // map, distinct colours
        {manager.getColorMap(std::vector<ColorRGB>{}), 0},
        {manager.getColorMap(colors), 2},
        {manager.getColorMap(0.0, 0.875, true, false, 7), 144},
        {manager.getColorMap(0.0, 0.875, true, true, 7), 7},
    };
    for (const auto& [map, distinct] : cases)
    {
        EXPECT_EQ(map->getIndex(), -1);
        EXPECT_EQ(map->getKey(), "ParameterizedColorMap");
        std::set<std::tuple<float, float, float>> seen;
        for (const ColorRGB& color : map->getColors())
            seen.emplace(color.red, color.green, color.blue);
        EXPECT_EQ(seen.size(), distinct);
    }
    EXPECT_EQ(cases[1].first->getColors(), colors);
    EXPECT_EQ(cases[3].first->size(), 144u);
}

}  // namespace
}  // namespace Quarvane
