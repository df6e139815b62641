#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>

#include <memory>
#include <vector>

namespace Quarvane
{

class ColorRange;

namespace QvConfig
{

// A catalogue range with its index, as the tool lists it.
struct IndexedColorRange
{
    int index = -1;
    std::shared_ptr<const ColorRange> range;
};

// Renders the ranges as a picture, one row each: the index, key and number of colours, then the
// range as a horizontal bar with colour 0 at the left. Needs no window or display. Returns false
// with `error` set when the picture cannot be made or written.
bool writeRangesPicture(const std::vector<IndexedColorRange>& ranges, const QString& path, QString& error);

// Where the bar of row `row` (0 first) lies in a picture `pictureWidth` pixels wide, for
// whoever reads the picture by program. The bar's outline lies just outside.
QRect rangeBarRect(int row, int pictureWidth);

}  // namespace QvConfig
}  // namespace Quarvane
