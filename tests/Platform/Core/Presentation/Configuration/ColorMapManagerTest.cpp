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
// Runs `call`, which must raise the manager's error with `message` from `function` at `line`.
void expectLogicError(const std::function<void()>& call, const std::string& message, const std::string& function,
                      int line)
{
    try
    {
        call();
        ADD_FAILURE() << "no exception; expected " << message;
    }
    catch (const QvLogicException& exception)
    {
        EXPECT_EQ(exception.getMessage(), message);
        EXPECT_EQ(exception.getComponent(), "VuzadEdoriz");
        EXPECT_EQ(exception.getFunction(), function);
        EXPECT_EQ(exception.getFile(), "Platform/Core/Presentation/Configuration/ColorMapManager");
        EXPECT_EQ(exception.getLine(), line);
    }
}

void expectNotFound(const ColorMapManager& manager, int index)
{
    expectLogicError([&] { manager.getColorMap(index); }, "Color map key not found!", "ColorMapManager::getColorMap",
                     65);
}

std::size_t distinctColors(const ColorMap& map)
{
    std::set<std::tuple<float, float, float>> colors;
    for (const ColorRGB& color : map.getColors())
        colors.emplace(color.red, color.green, color.blue);
    return colors.size();
}

TEST(ColorMapManager, HasTheMapOfEveryCatalogueRange)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    const ColorRangesConfiguration& catalogue = *ColorRangesConfiguration::getInstance();
    for (int index = 0; index < 44; ++index)
    {
        SCOPED_TRACE(index);
        const auto map = manager.getColorMap(index);
        const auto range = catalogue.getColorRange(index);
        EXPECT_EQ(map->getIndex(), index);
        EXPECT_EQ(map->getKey(), range->getKey());
        ASSERT_EQ(map->size(), range->getNumberOfColors());
        for (std::size_t i = 0; i < map->size(); ++i)
            EXPECT_EQ((*map)(i), ColorRGB(static_cast<float>(range->getColors()[i].redF()),
                                          static_cast<float>(range->getColors()[i].greenF()),
                                          static_cast<float>(range->getColors()[i].blueF())));
    }
    const auto defaultMap = manager.getColorMap(0);
    EXPECT_EQ(defaultMap->getKey(), "DEFAULT_CONTINUOUS");
    EXPECT_EQ(defaultMap->getNumberOfColors(), 141u);
    EXPECT_EQ((*defaultMap)(0), ColorRGB::fromBytes(204, 0, 187));
}

TEST(ColorMapManager, ErrorsLeaveTheMapsAsTheyWere)
{
    ColorMapManager& manager = *ColorMapManager::instance();
    expectNotFound(manager, 44);
    expectNotFound(manager, -1);

    const auto registered = manager.getColorMap(3);
    expectLogicError([&] { manager.addColorMap(std::make_shared<ColorMap>(3, "other", 2)); },
                     "Color map key already exist!", "ColorMapManager::addColorMap", 49);
    EXPECT_EQ(manager.getColorMap(3), registered);

    manager.clearMap();
    expectNotFound(manager, 0);
    manager.addColorMap(std::make_shared<ColorMap>(3, "other", 2));
    EXPECT_EQ(manager.getColorMap(3)->getKey(), "other");
    EXPECT_EQ(manager.getColorMap(3)->getColors(), std::vector<ColorRGB>(2, ColorRGB(0, 0, 0)));
}

TEST(ColorMapManager, RebuildsWhenTheCatalogueGrowsButCopiesDoNot)
{
    ColorMapManager& manager = *ColorMapManager::instance();
    const ColorMapManager copy(manager);
    const auto before = manager.getColorMap(0);
    (*before)(0) = ColorRGB(0.5f, 0.5f, 0.5f);

    std::string key;
    ASSERT_EQ(ColorRangesConfiguration::getInstance()->initDominantVariableColorRange(5, key), 44);

    const auto added = manager.getColorMap(44);
    EXPECT_EQ(added->getKey(), key);
    EXPECT_EQ(added->size(), 5u);
    // Rebuilt from the catalogue: a new map, while the caller's old one keeps what it holds.
    EXPECT_NE(manager.getColorMap(0), before);
    EXPECT_EQ((*manager.getColorMap(0))(0), ColorRGB::fromBytes(204, 0, 187));
    EXPECT_EQ((*before)(0), ColorRGB(0.5f, 0.5f, 0.5f));

    expectNotFound(copy, 44);
    EXPECT_EQ(copy.getColorMap(0), before);
}

TEST(ColorMapManager, UnregisteredMaps)
{
    const ColorMapManager& manager = *ColorMapManager::instance();
    const std::vector<ColorRGB> colors{{1, 0, 0}, {0, 1, 0}};
    const struct
    {
        std::shared_ptr<ColorMap> map;
        std::size_t count;
        std::size_t distinct;
    } cases[] = {
        {manager.getColorMap(std::vector<ColorRGB>{}), 0, 0},
        {manager.getColorMap(colors), 2, 2},
        {manager.getColorMap(0.0, 0.875, true, false, 7), 144, 144},
        {manager.getColorMap(0.0, 0.875, true, true, 7), 144, 7},
    };
    for (const auto& expected : cases)
    {
        EXPECT_EQ(expected.map->getIndex(), -1);
        EXPECT_EQ(expected.map->getKey(), "ParameterizedColorMap");
        EXPECT_EQ(expected.map->size(), expected.count);
        EXPECT_EQ(distinctColors(*expected.map), expected.distinct);
    }
    EXPECT_EQ(cases[1].map->getColors(), colors);
}

}  // namespace
}  // namespace Quarvane
