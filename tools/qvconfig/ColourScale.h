#pragma once

#include "tools/qvconfig/VariableDescription.h"

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtGui/QColor>

#include <optional>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// One range of a discrete scale as its legend shows it.
struct ScaleBand
{
    QColor color;
    std::string name;
    std::optional<double> upTo;  // none for the range above the last tick
};

// The colour bar the library's display settings give one variable.
struct ColourScale
{
    std::string title;      // display name and unit
    std::string scaleType;  // the active scale type, as the description names it
    std::string colourMap;  // the key of the colour map
    bool discrete = false;
    std::vector<ScaleBand> bands;   // discrete: bottom (colour 0, lowest values) first
    std::vector<QColor> gradient;   // continuous: colour 0 (the minimum) first
    double min = 0.0;
    double max = 1.0;
    std::vector<std::string> notes; // what a reader of the legend should know besides
};

// Builds the variable's settings as the application does (through its default settings, with
// the description in the business stand-in) and reads the active scale's colour bar from them:
// for a discrete scale the colour-scale utilities' map and level information, omitted colours
// left out; for a continuous one the colour map of its range and its limits.
ColourScale colourScaleOf(const VariableDescription& variable);

// Where band `band` (0 at the bottom) of a bar of `count` bands lies in the picture; for a
// continuous scale, the whole bar is band 0 of 1, colour 0 at its bottom.
QRect scaleBandRect(int band, int count);

// Draws the bar as the 3D view's legend shows it: lowest values at the bottom, each band labelled
// with its name and upper limit, or a gradient between min and max.
bool writeScalePicture(const ColourScale& scale, const QString& path, QString& error);

}  // namespace QvConfig
}  // namespace Quarvane
