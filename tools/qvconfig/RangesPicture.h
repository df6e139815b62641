#pragma once

#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtGui/QImage>

#include <memory>
#include <vector>

namespace Quarvane
{

class ColorRange;
class ColorRangesConfiguration;

namespace QvConfig
{

// A catalogue range with its index, as the tool lists it.
struct IndexedColorRange
{
    int index = -1;
    std::shared_ptr<const ColorRange> range;
};

// Every range of the catalogue, in index order.
std::vector<IndexedColorRange> catalogueRanges(const ColorRangesConfiguration& catalogue);

// Ranges of one kind, as the picture shows them together.
struct RangeGroup
{
    QString title;
    std::vector<IndexedColorRange> ranges;
};

// The titles of the groups of ranges that read as smooth scales.
extern const QString s_continuousGroup;
extern const QString s_symmetricGroup;

// Sorts the ranges into continuous ones (sampled from the hue wheel), symmetric ones (the same
// read from either end), general discrete ones by their number of colours (those whose keys name
// their colours), and special-purpose ones (named after the result they colour), in that order;
// empty groups are left out, and each group keeps the catalogue order.
std::vector<RangeGroup> groupRanges(const std::vector<IndexedColorRange>& ranges);

// Renders the groups as a picture, one row per range: the index, key and number of colours, then
// the range as a horizontal bar with colour 0 at the left. A header says what colour 0 means for
// a scale and what the colour abbreviations of the keys stand for. Needs no window or display.
// Returns false with `error` set when the picture cannot be made or written.
bool writeRangesPicture(const std::vector<RangeGroup>& groups, const QString& path, QString& error);
// The same picture in memory; a null image with `error` set when it cannot be made.
QImage drawRangesPicture(const std::vector<RangeGroup>& groups, QString& error);

// Where the bar of the range with catalogue index `index` lies in the picture of `groups`, for
// whoever reads the picture by program; empty when no group holds it. The bar's outline lies
// just outside.
QRect rangeBarRect(const std::vector<RangeGroup>& groups, int index);

}  // namespace QvConfig
}  // namespace Quarvane
