#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"

#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"
#include "Platform/Core/Service/Exceptions/QvLogicException.h"

#include <QtGui/QColor>

#include <utility>

namespace Quarvane
{
namespace
{
const char* const s_parameterizedColorMapKey = "ParameterizedColorMap";

// Where the manager's errors are reported from; error reports and their readers key on these.
const char* const s_errorComponent = "VuzadEdoriz";
const char* const s_errorSourceFile = "Platform/Core/Presentation/Configuration/ColorMapManager";
constexpr int s_addColorMapErrorLine = 49;
constexpr int s_getColorMapErrorLine = 65;

ColorRGB toColorRGB(const QColor& color)
{
    return {static_cast<float>(color.redF()), static_cast<float>(color.greenF()), static_cast<float>(color.blueF())};
}

std::vector<ColorRGB> toColorRGB(const std::vector<QColor>& colors)
{
    std::vector<ColorRGB> converted;
    converted.reserve(colors.size());
    for (const QColor& color : colors)
        converted.push_back(toColorRGB(color));
    return converted;
}
}  // namespace

ColorMapManager* ColorMapManager::instance()
{
    static ColorMapManager manager;
    return &manager;
}

ColorMapManager::ColorMapManager()
{
    // The manager lives as long as the process, so the connection is never disconnected; the
    // catalogue, created first, outlives it.
    ColorRangesConfiguration::getInstance()
        ->signalColorRangesChanged.connect([this] { onConfigurationColorRangeChanged(); })
        .releaseWithoutDisconnect();
    onConfigurationColorRangeChanged();
}

ColorMapManager::ColorMapManager(const ColorMapManager& other) = default;

ColorMapManager& ColorMapManager::operator=(const ColorMapManager& other) = default;

ColorMapManager::~ColorMapManager() = default;

void ColorMapManager::addColorMap(std::shared_ptr<ColorMap> colorMap)
{
    if (!colorMap)
        return;
    const int index = colorMap->getIndex();
    if (!m_colorMaps.emplace(index, std::move(colorMap)).second)
        throw QvLogicException("Color map key already exist!", s_errorComponent, "ColorMapManager::addColorMap",
                               s_errorSourceFile, s_addColorMapErrorLine);
}

void ColorMapManager::clearMap() { m_colorMaps.clear(); }

std::shared_ptr<ColorMap> ColorMapManager::getColorMap(int index) const
{
    const auto found = m_colorMaps.find(index);
    if (found == m_colorMaps.end())
        throw QvLogicException("Color map key not found!", s_errorComponent, "ColorMapManager::getColorMap",
                               s_errorSourceFile, s_getColorMapErrorLine);
    return found->second;
}

std::shared_ptr<ColorMap> ColorMapManager::getColorMap(const std::vector<ColorRGB>& colors) const
{
    return std::make_shared<ColorMap>(-1, s_parameterizedColorMapKey, colors);
}

std::shared_ptr<ColorMap> ColorMapManager::getColorMap(double start, double end, bool hueIncreasing,
                                                       bool useNumColors, int numColors) const
{
    const auto range = ColorRangesConfiguration::getInstance()->getParameterizedColorRange(
        start, end, hueIncreasing, useNumColors ? numColors : -1);
    return std::make_shared<ColorMap>(-1, s_parameterizedColorMapKey, toColorRGB(range->getColors()));
}

void ColorMapManager::onConfigurationColorRangeChanged()
{
    const ColorRangesConfiguration* catalogue = ColorRangesConfiguration::getInstance();
    const int rangeCount = static_cast<int>(catalogue->getColorRangeSize());
    clearMap();
    for (int index = 0; index < rangeCount; ++index)
    {
        const std::shared_ptr<const ColorRange> range = catalogue->getColorRange(index);
        if (range->getNumberOfColors() > 0)
            addColorMap(std::make_shared<ColorMap>(index, range->getKey(), toColorRGB(range->getColors())));
    }
}

}  // namespace Quarvane
