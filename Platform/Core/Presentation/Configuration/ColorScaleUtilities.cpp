#include "Platform/Core/Presentation/Configuration/ColorScaleUtilities.h"

#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"

#include <cstddef>
#include <set>

namespace Quarvane
{

namespace
{

const DiscreteResVarProperty* discreteScaleOf(const ResVarSettings* settings)
{
    if (!settings)
        return nullptr;
    if (const DiscreteResVarProperty* discrete = settings->getDiscreteProperty())
        return discrete;
    return settings->getManualDiscreteProperty();
}

std::shared_ptr<ColorMap> fullColorMapOf(const DiscreteResVarProperty& scale)
{
    ColorMapManager* manager = ColorMapManager::instance();
    if (scale.getUseConfigurableDiscreteColors())
        return manager->getColorMap(scale.getDiscreteColors());
    return manager->getColorMap(scale.getColorRangeIdx());
}

std::shared_ptr<ColorMap> withoutPositions(const ColorMap& source, const std::set<int>& omitted, std::size_t count)
{
    auto reduced = std::make_shared<ColorMap>(-1, source.getKey() + "_REDUCED", static_cast<int>(count));
    std::size_t filled = 0;
    for (std::size_t position = 0; position < source.size() && filled < count; ++position)
    {
        if (omitted.count(static_cast<int>(position)) == 0)
            reduced->setColor(filled++, source(position));
    }
    return reduced;
}

}  // namespace

std::shared_ptr<ColorMap> ColorScaleUtilities::getDiscreteColorScaleColorMap(const ResVarSettings* settings)
{
    const DiscreteResVarProperty* scale = discreteScaleOf(settings);
    if (!scale)
        return nullptr;
    std::shared_ptr<ColorMap> colorMap = fullColorMapOf(*scale);
    const std::set<int>& omitted = scale->getOmittedColorsInColorRange();
    if (omitted.empty() || !colorMap)
        return colorMap;
    // Omitted positions past the end of the map are counted too (they reduce the number of
    // colours kept); a set that leaves nothing keeps the full map rather than an empty one.
    if (omitted.size() >= colorMap->size())
        return colorMap;
    return withoutPositions(*colorMap, omitted, colorMap->size() - omitted.size());
}

void ColorScaleUtilities::getDiscreteColorScaleLevelInformation(const ResVarSettings* settings,
                                                                std::vector<std::string>& names,
                                                                std::vector<double>& values)
{
    names.clear();
    values.clear();
    const DiscreteResVarProperty* scale = discreteScaleOf(settings);
    if (!scale)
        return;
    const std::set<int>& omitted = scale->getOmittedColorsInColorRange();
    int position = 0;
    for (auto tick = scale->beginTick(); tick != scale->endTick(); ++tick, ++position)
    {
        if (omitted.count(position) == 0)
        {
            names.push_back(scale->getTickString(tick));
            values.push_back(DiscreteResVarProperty::getTickValue(tick));
        }
    }
    if (omitted.count(position) == 0)
        names.push_back(scale->getLastRangeString());
}

std::vector<std::string> ColorScaleUtilities::getDiscreteColorScaleLevelNames(const ResVarSettings* settings)
{
    std::vector<std::string> names;
    std::vector<double> values;
    getDiscreteColorScaleLevelInformation(settings, names, values);
    return names;
}

}  // namespace Quarvane
