#pragma once

#include "Platform/Core/Presentation/Configuration/ColorMap.h"
#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include <map>
#include <memory>
#include <vector>

namespace Quarvane
{

// The process-wide owner of one colour map per range of the colour ranges catalogue, under the
// range's index. It follows the catalogue: whenever a range is added (dominant-variable ranges
// are added on demand) all maps are rebuilt, so every index the catalogue hands out has its map.
//
// Maps are shared: a caller's pointer stays valid, with the old colours, after a rebuild
// replaces the map.
class ColorMapManager
{
public:
    // The single instance; creating it creates the catalogue too.
    static ColorMapManager* instance();

    // Copies share the registered maps but do not follow the catalogue.
    ColorMapManager(const ColorMapManager& other);
    ColorMapManager& operator=(const ColorMapManager& other);
    ~ColorMapManager();

    // Registers the map under its index. Raises QvLogicException when that index has a map
    // already, and changes nothing then. A null map registers nothing.
    void addColorMap(std::shared_ptr<ColorMap> colorMap);
    void clearMap();
    // The registered map. Raises QvLogicException for an index without one.
    std::shared_ptr<ColorMap> getColorMap(int index) const;

    // A new, unregistered map (-1, "ParameterizedColorMap") of these colours.
    std::shared_ptr<ColorMap> getColorMap(const std::vector<ColorRGB>& colors) const;
    // A new, unregistered map (-1, "ParameterizedColorMap") of the 144 colours of the hue-wheel
    // section from `start` to `end` (see ColorRangesConfiguration::getParameterizedColorRange),
    // quantised to `numColors` colours when `useNumColors` is set.
    std::shared_ptr<ColorMap> getColorMap(double start, double end, bool hueIncreasing, bool useNumColors,
                                          int numColors) const;

private:
    ColorMapManager();
    // Replaces all registered maps by those of the catalogue's current ranges.
    void onConfigurationColorRangeChanged();

    std::map<int, std::shared_ptr<ColorMap>> m_colorMaps;
};

}  // namespace Quarvane
