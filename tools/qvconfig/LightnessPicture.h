#pragma once

#include "tools/qvconfig/Lightness.h"

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>

namespace Quarvane
{
namespace QvConfig
{

// Draws the check: the lightness curves of the smooth ranges as dots in the range's own colours
// (one panel each, colour 0 at the left, L* 0..100 upwards), then one row per discrete range with
// its colours, their L* and a red mark under each pair of neighbours a viewer cannot tell apart.
bool writeLightnessPicture(const LightnessCheck& check, const QString& path, QString& error);

// The centre of the dot of colour `colour` of `count` in curve panel `panel`, at `lightness`.
QPoint lightnessPoint(int panel, std::size_t colour, std::size_t count, double lightness);
// The cell of colour `colour` of `count` in discrete row `row`.
QRect contrastCellRect(int row, std::size_t colour, std::size_t count);

}  // namespace QvConfig
}  // namespace Quarvane
