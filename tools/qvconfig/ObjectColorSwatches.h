#pragma once

#include "Platform/Core/Presentation/Configuration/ColorConfiguration.h"

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QImage>

#include <map>
#include <string>
#include <vector>

namespace Quarvane
{
namespace QvConfig
{

// One object colour as a person compares it: what it is now, what restoring the defaults would
// give, and whether the site locked it.
struct ColorSwatch
{
    ColorConfiguration::ColorTypes type{};
    std::string key;
    QString name;  // empty for a colour without a display name
    ColorRGB color;
    ColorRGB defaultColor;
    bool editable = true;

    bool differsFromDefault() const { return color != defaultColor; }
};

// The colours of one kind of object (background, sheet, tools, ...), in type order.
struct ColorFamily
{
    QString name;
    std::vector<ColorSwatch> swatches;
};

// Every colour of the group sorted into its family; a colour no family claims goes into "Other",
// so a colour added to the group is never left out.
std::vector<ColorFamily> objectColorFamilies(const ColorConfiguration& colors);

// The colour as the views show it: ColorConfiguration::getQColor's conversion (each component
// truncated to 0..255), for any colour, the defaults included.
QColor objectColorOnScreen(const ColorRGB& color);

// Where a swatch's current colour and (for a changed colour) its default lie in the picture.
struct SwatchPlace
{
    QRect color;
    QRect defaultColor;  // empty when the colour is its default
};

// The places of every swatch in the picture of these families, by colour type. The layout does
// not depend on the fonts, so it is also how a program reads the picture.
std::map<ColorConfiguration::ColorTypes, SwatchPlace> swatchPlaces(const std::vector<ColorFamily>& families);

// Draws the families as labelled swatches; false with `error` set when it cannot be written.
bool writeColorsPicture(const std::vector<ColorFamily>& families, const QString& path, QString& error);
// The same picture in memory; a null image with `error` set when it cannot be made.
QImage drawColorsPicture(const std::vector<ColorFamily>& families, QString& error);

}  // namespace QvConfig
}  // namespace Quarvane
