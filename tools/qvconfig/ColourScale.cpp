#include "tools/qvconfig/ColourScale.h"

#include "tools/qvconfig/PictureSupport.h"

#include "Platform/Core/Business/ResultVariables/ResVarCollection.h"
#include "Platform/Core/Business/ResultVariables/ResultVariablePropertiesCollection.h"
#include "Platform/Core/Presentation/Configuration/ColorMapManager.h"
#include "Platform/Core/Presentation/Configuration/ColorScaleUtilities.h"
#include "Platform/Core/Presentation/Configuration/DefaultResVarSettings.h"

#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>

#include <algorithm>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
using ScaleType = ResVarPropertiesCommon::ScaleType;
using MinMaxType = ResVarPropertiesCommon::MinMaxType;

constexpr int s_margin = 14;
constexpr int s_titleHeight = 64;
constexpr int s_barWidth = 44;
constexpr int s_barHeight = 420;
constexpr int s_pictureWidth = 560;
constexpr int s_footHeight = 70;

std::string scaleTypeName(ScaleType type)
{
    switch (type)
    {
    case ScaleType::Discrete: return "Discrete";
    case ScaleType::ManualDiscrete: return "ManualDiscrete";
    case ScaleType::Continuous: return "Continuous";
    case ScaleType::ContinuousOutOfRange: return "ContinuousOutOfRange";
    case ScaleType::ContinuousOutOfSpec: return "ContinuousOutOfSpec";
    default: return "none";
    }
}

QColor onScreen(const ColorRGB& color)
{
    return QColor::fromRgbF(color.red, color.green, color.blue);
}

void readDiscreteScale(const ResVarSettings& settings, ColourScale& scale)
{
    const std::shared_ptr<ColorMap> map = ColorScaleUtilities::getDiscreteColorScaleColorMap(&settings);
    std::vector<std::string> names;
    std::vector<double> values;
    ColorScaleUtilities::getDiscreteColorScaleLevelInformation(&settings, names, values);
    scale.colourMap = map ? map->getKey() : "none";
    const std::size_t colours = map ? map->size() : 0;
    for (std::size_t i = 0; i < std::min(colours, names.size()); ++i)
        scale.bands.push_back({onScreen((*map)(i)), names[i],
                               i < values.size() ? std::optional<double>(values[i]) : std::nullopt});
    if (colours != names.size())
        scale.notes.push_back("the scale has " + std::to_string(names.size()) + " ranges but its colour map " +
                              std::to_string(colours) + " colours; only the first " +
                              std::to_string(scale.bands.size()) + " are drawn");
}

void readContinuousScale(const ContResVarProperty& property, ColourScale& scale)
{
    const std::shared_ptr<ColorMap> map = ColorMapManager::instance()->getColorMap(property.getColorRangeIdx());
    scale.colourMap = map->getKey();
    for (const ColorRGB& color : map->getColors())
        scale.gradient.push_back(onScreen(color));
    scale.min = property.getDefaultMin();
    scale.max = property.getDefaultMax();
    if (property.getMinMaxType() != MinMaxType::Default)
        scale.notes.push_back("the settings take the limits from the result, not from the description; min and max "
                              "are the description's defaults");
}

QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

void drawTitle(QPainter& painter, const ColourScale& scale)
{
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(15, true));
    painter.drawText(QRect(s_margin, s_margin, s_pictureWidth - 2 * s_margin, 20), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(scale.title));
    painter.setFont(pictureFont(11));
    painter.drawText(QRect(s_margin, s_margin + 22, s_pictureWidth - 2 * s_margin, 16), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString("Colour bar of the " + scale.scaleType + " scale, colour map " +
                                            scale.colourMap + ";"));
    painter.drawText(QRect(s_margin, s_margin + 38, s_pictureWidth - 2 * s_margin, 16), Qt::AlignLeft | Qt::AlignTop,
                     "lowest values (colour 0) at the bottom, as the 3D view's legend shows it.");
}

void drawDiscrete(QPainter& painter, const ColourScale& scale)
{
    const int count = static_cast<int>(scale.bands.size());
    for (int i = 0; i < count; ++i)
    {
        const ScaleBand& band = scale.bands[static_cast<std::size_t>(i)];
        const QRect rect = scaleBandRect(i, count);
        painter.fillRect(rect, band.color);
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(rect.adjusted(-1, -1, 0, 0));
        painter.setFont(pictureFont(13));
        painter.drawText(QRect(rect.right() + 14, rect.top(), 260, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(band.name.empty() ? "(no name)" : band.name));
        if (band.upTo)
        {
            // The upper limit sits on the border to the next range up.
            painter.drawLine(rect.right() + 1, rect.top(), rect.right() + 8, rect.top());
            painter.setFont(pictureFont(11));
            painter.drawText(QRect(rect.left() - 6 - 120, rect.top() - 8, 120, 16), Qt::AlignRight | Qt::AlignVCenter,
                             "up to " + numberText(*band.upTo));
        }
    }
}

void drawContinuous(QPainter& painter, const ColourScale& scale)
{
    const QRect bar = scaleBandRect(0, 1);
    // One stripe per colour of the map, as the view samples it: the bottom row is colour 0.
    const std::size_t count = scale.gradient.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        const int bottom = bar.bottom() + 1 - static_cast<int>(i * bar.height() / count);
        const int top = bar.bottom() + 1 - static_cast<int>((i + 1) * bar.height() / count);
        painter.fillRect(QRect(bar.left(), top, bar.width(), bottom - top), scale.gradient[i]);
    }
    painter.setPen(QColor(60, 60, 60));
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    painter.setFont(pictureFont(13));
    painter.drawText(QRect(bar.right() + 14, bar.top() - 8, 260, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     "max " + numberText(scale.max));
    painter.drawText(QRect(bar.right() + 14, bar.bottom() - 8, 260, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     "min " + numberText(scale.min));
}
}  // namespace

ColourScale colourScaleOf(const VariableDescription& variable)
{
    auto results = std::make_shared<ResVarCollection>();
    results->addResultVariable(variable.name, variable.representation, {variable.representation}, ResVarGroupScalar);
    auto descriptions = std::make_shared<ResultVariablePropertiesCollection>();
    descriptions->addResVarProperty(variable.name, variable.properties);
    DefaultResVarSettings defaults;
    ResVarSettings* settings = defaults.getSettings(variable.name, results, descriptions);

    ColourScale scale;
    scale.title = variable.properties->getDisplayName();
    if (!variable.properties->getUnit().empty())
        scale.title += " [" + variable.properties->getUnit() + "]";
    const ScaleType active = settings ? settings->getActivePropertyType() : ScaleType::Undefined;
    scale.scaleType = scaleTypeName(active);
    const ScaleType asked = static_cast<ScaleType>(variable.properties->getScaleType());
    if (active != asked)
        scale.notes.push_back("the description asks for a " + scaleTypeName(asked) + " scale, which the settings do "
                              "not give a variable shown as " + representationName(variable.representation) +
                              "; it shows the " + scaleTypeName(active) + " scale");
    if (active == ScaleType::Undefined)
        return scale;
    for (DiscreteResVarProperty* discrete : {settings->getDiscreteProperty(), settings->getManualDiscreteProperty()})
        if (discrete != nullptr)
            discrete->setOmittedColorsInColorRange(variable.omittedColors);
    scale.discrete = active == ScaleType::Discrete || active == ScaleType::ManualDiscrete;
    if (scale.discrete && !variable.omittedColors.empty())
    {
        std::string positions;
        for (const int position : variable.omittedColors)
            positions += (positions.empty() ? "" : ", ") + std::to_string(position);
        scale.notes.push_back("the ranges of the omitted colour positions " + positions + " are left out");
    }
    if (scale.discrete)
        readDiscreteScale(*settings, scale);
    else
        readContinuousScale(*settings->getActiveProperty(), scale);
    return scale;
}

QRect scaleBandRect(int band, int count)
{
    const int left = s_margin + 140;
    const int bottom = s_margin + s_titleHeight + 16 + s_barHeight;
    const int top = bottom - (band + 1) * s_barHeight / count;
    const int lower = bottom - band * s_barHeight / count;
    return QRect(left, top, s_barWidth, lower - top);
}

bool writeScalePicture(const ColourScale& scale, const QString& path, QString& error)
{
    const PictureApplication application;
    if (!application.canPaintText(error))
        return false;
    QImage image(s_pictureWidth, s_margin + s_titleHeight + 16 + s_barHeight + s_footHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawTitle(painter, scale);
        if (scale.discrete)
            drawDiscrete(painter, scale);
        else if (!scale.gradient.empty())
            drawContinuous(painter, scale);
        painter.setPen(QColor(150, 20, 20));
        painter.setFont(pictureFont(11));
        int top = s_margin + s_titleHeight + 16 + s_barHeight + 14;
        for (const std::string& note : scale.notes)
        {
            painter.drawText(QRect(s_margin, top, s_pictureWidth - 2 * s_margin, 30), Qt::AlignLeft | Qt::TextWordWrap,
                             QString::fromStdString("Note: " + note));
            top += 28;
        }
    }
    return savePng(image, path, error);
}

}  // namespace QvConfig
}  // namespace Quarvane
