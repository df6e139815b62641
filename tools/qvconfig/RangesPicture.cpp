#include "tools/qvconfig/RangesPicture.h"

#include "tools/qvconfig/PictureSupport.h"

#include "Platform/Core/Presentation/Configuration/ColorRange.h"
#include "Platform/Core/Presentation/Configuration/ColorRangesConfiguration.h"

#include <QtCore/QStringList>
#include <QtGui/QFontMetrics>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <map>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
constexpr int s_margin = 12;
constexpr int s_headerHeight = 100;
constexpr int s_groupHeadingHeight = 34;
constexpr int s_rowHeight = 22;
constexpr int s_barHeight = 16;
constexpr int s_barWidth = 640;
constexpr int s_columnGap = 14;
constexpr int s_fontPixels = 12;
// Wide enough for every key of the catalogue and of the dominant-variable ranges.
constexpr int s_labelsWidth = 420;
constexpr int s_pictureWidth = s_margin + s_labelsWidth + s_columnGap + s_barWidth + s_margin;

// The colour names that the keys of the general ranges are made of, as the catalogue names them.
const std::vector<std::pair<QString, QString>>& colourAbbreviations()
{
    static const std::vector<std::pair<QString, QString>> abbreviations{
        {"G", "green"}, {"Y", "yellow"}, {"O", "orange"},        {"R", "red"},
        {"LB", "light blue"}, {"B", "blue"}, {"DM", "dark magenta"}};
    return abbreviations;
}

bool isContinuous(const ColorRange& range)
{
    // Only the catalogue's hue-wheel ranges carry parameters other than these.
    return range.getFirstColorParameter() != 0.0 || range.getLastColorParameter() != 1.0 || range.isHueIncreasing();
}

bool isSymmetric(const ColorRange& range)
{
    const std::vector<QColor>& colors = range.getColors();
    return colors.size() > 2 && std::equal(colors.begin(), colors.begin() + colors.size() / 2, colors.rbegin());
}

// A key made only of colour abbreviations ("COLORRANGE_G_Y_R", "DM_B_Y_R"), or one of the two
// general discrete defaults.
bool isGeneralDiscrete(const ColorRange& range)
{
    const QString key = QString::fromStdString(range.getKey());
    if (range.getKey() == ColorRangesConfiguration::s_defaultDiscreteColorRange ||
        range.getKey() == ColorRangesConfiguration::s_defaultDiscreteGreenYellowRedRange)
        return true;
    QStringList words = key.split('_');
    if (words.front() == "COLORRANGE")
        words.removeFirst();
    const auto& names = colourAbbreviations();
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [&names](const QString& word) {
        return std::any_of(names.begin(), names.end(), [&word](const auto& name) { return name.first == word; });
    });
}

QString countText(std::size_t count)
{
    return QString::number(count) + (count == 1 ? " colour" : " colours");
}

int rowsHeight(const std::vector<RangeGroup>& groups)
{
    int height = 0;
    for (const RangeGroup& group : groups)
        height += s_groupHeadingHeight + static_cast<int>(group.ranges.size()) * s_rowHeight;
    return height;
}

void drawLabels(QPainter& painter, const IndexedColorRange& entry, const QRect& bar)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int top = bar.top() - (s_rowHeight - s_barHeight) / 2;
    const int indexWidth = metrics.horizontalAdvance("000");
    const int countWidth = metrics.horizontalAdvance("1000 colours");
    QRect cell(s_margin, top, indexWidth, s_rowHeight);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::number(entry.index));
    cell = QRect(cell.right() + 1 + s_columnGap, top, s_labelsWidth - indexWidth - countWidth - 2 * s_columnGap,
                 s_rowHeight);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(QString::fromStdString(entry.range->getKey()), Qt::ElideRight, cell.width()));
    cell = QRect(cell.right() + 1 + s_columnGap, top, countWidth, s_rowHeight);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, countText(entry.range->getNumberOfColors()));
}

// Each colour gets an equal share of the bar; the shares are rounded so that they meet exactly.
void drawBar(QPainter& painter, const ColorRange& range, const QRect& bar)
{
    const std::vector<QColor>& colors = range.getColors();
    const std::size_t count = colors.size();
    for (std::size_t i = 0; i < count; ++i)
    {
        const int left = bar.left() + static_cast<int>(i * bar.width() / count);
        const int right = bar.left() + static_cast<int>((i + 1) * bar.width() / count);
        painter.fillRect(QRect(left, bar.top(), right - left, bar.height()), colors[i]);
    }
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
}

void drawHeader(QPainter& painter, std::size_t rangeCount)
{
    const int width = s_pictureWidth - 2 * s_margin;
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(15, true));
    painter.drawText(QRect(s_margin, s_margin, width, 20), Qt::AlignLeft | Qt::AlignTop,
                     QString("Colour ranges: %1, grouped by kind").arg(rangeCount));
    painter.setFont(pictureFont(s_fontPixels));
    // A discrete scale gives its colour i to its value range i counted from the minimum (the
    // colour-scale utilities pair map position i with tick i, ticks ascending); a continuous scale
    // runs the same way from its minimum to its maximum.
    painter.drawText(QRect(s_margin, s_margin + 24, width, 16), Qt::AlignLeft | Qt::AlignTop,
                     "Colour 0 is at the left end of each bar. A scale colours its lowest values with colour 0 and its "
                     "highest with the last colour;");
    painter.drawText(QRect(s_margin, s_margin + 40, width, 16), Qt::AlignLeft | Qt::AlignTop,
                     "a discrete scale gives colour i to its i-th value range counted from the minimum.");
    QStringList legend;
    for (const auto& [abbreviation, name] : colourAbbreviations())
        legend << abbreviation + " " + name;
    painter.drawText(QRect(s_margin, s_margin + 58, width, 16), Qt::AlignLeft | Qt::AlignTop,
                     "Colour names in the keys: " + legend.join(", ") + ".");
    painter.drawText(QRect(s_margin, s_margin + 74, width, 16), Qt::AlignLeft | Qt::AlignTop,
                     "Keys made of colour names list the last colour first: COLORRANGE_G_R runs from red (colour 0) "
                     "to green.");
}

void drawGroupHeading(QPainter& painter, const RangeGroup& group, int top)
{
    painter.setPen(QColor(30, 60, 120));
    painter.setFont(pictureFont(13, true));
    painter.drawText(QRect(s_margin, top + 4, s_labelsWidth, 20), Qt::AlignLeft | Qt::AlignVCenter, group.title);
    painter.setFont(pictureFont(11));
    const int barLeft = s_pictureWidth - s_margin - s_barWidth;
    painter.drawText(QRect(barLeft, top + 10, s_barWidth, 20), Qt::AlignLeft | Qt::AlignBottom,
                     QString::fromUtf8("\u25BC colour 0: lowest values"));
    painter.drawText(QRect(barLeft, top + 10, s_barWidth, 20), Qt::AlignRight | Qt::AlignBottom,
                     QString::fromUtf8("highest values: last colour \u25BC"));
    painter.drawLine(s_margin, top + s_groupHeadingHeight - 2, s_margin + s_labelsWidth, top + s_groupHeadingHeight - 2);
}
}  // namespace

const QString s_continuousGroup = "Continuous";
const QString s_symmetricGroup = "Symmetric";

std::vector<IndexedColorRange> catalogueRanges(const ColorRangesConfiguration& catalogue)
{
    std::vector<IndexedColorRange> ranges;
    for (int index = 0; index < static_cast<int>(catalogue.getColorRangeSize()); ++index)
        ranges.push_back({index, catalogue.getColorRange(index)});
    return ranges;
}

std::vector<RangeGroup> groupRanges(const std::vector<IndexedColorRange>& ranges)
{
    RangeGroup continuous{s_continuousGroup, {}};
    RangeGroup symmetric{s_symmetricGroup, {}};
    std::map<std::size_t, RangeGroup> discrete;
    RangeGroup special{"Special purpose", {}};
    for (const IndexedColorRange& entry : ranges)
    {
        const ColorRange& range = *entry.range;
        if (isContinuous(range))
            continuous.ranges.push_back(entry);
        else if (isSymmetric(range))
            symmetric.ranges.push_back(entry);
        else if (isGeneralDiscrete(range))
        {
            RangeGroup& group = discrete[range.getNumberOfColors()];
            group.title = "Discrete, " + countText(range.getNumberOfColors());
            group.ranges.push_back(entry);
        }
        else
            special.ranges.push_back(entry);
    }
    std::vector<RangeGroup> groups{continuous, symmetric};
    for (auto& [count, group] : discrete)
        groups.push_back(group);
    groups.push_back(special);
    groups.erase(std::remove_if(groups.begin(), groups.end(), [](const RangeGroup& group) { return group.ranges.empty(); }),
                 groups.end());
    return groups;
}

QRect rangeBarRect(const std::vector<RangeGroup>& groups, int index)
{
    int top = s_margin + s_headerHeight;
    for (const RangeGroup& group : groups)
    {
        top += s_groupHeadingHeight;
        for (const IndexedColorRange& entry : group.ranges)
        {
            if (entry.index == index)
                return QRect(s_pictureWidth - s_margin - s_barWidth, top + (s_rowHeight - s_barHeight) / 2, s_barWidth,
                             s_barHeight);
            top += s_rowHeight;
        }
    }
    return {};
}

bool writeRangesPicture(const std::vector<RangeGroup>& groups, const QString& path, QString& error)
{
    const QImage image = drawRangesPicture(groups, error);
    return !image.isNull() && savePng(image, path, error);
}

QImage drawRangesPicture(const std::vector<RangeGroup>& groups, QString& error)
{
    const PictureApplication application;
    if (!application.canPaintText(error))
        return {};
    std::size_t rangeCount = 0;
    for (const RangeGroup& group : groups)
        rangeCount += group.ranges.size();
    QImage image(s_pictureWidth, s_margin + s_headerHeight + rowsHeight(groups) + s_margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawHeader(painter, rangeCount);
        int top = s_margin + s_headerHeight;
        for (const RangeGroup& group : groups)
        {
            drawGroupHeading(painter, group, top);
            top += s_groupHeadingHeight + static_cast<int>(group.ranges.size()) * s_rowHeight;
            painter.setFont(pictureFont(s_fontPixels));
            for (const IndexedColorRange& entry : group.ranges)
            {
                const QRect bar = rangeBarRect(groups, entry.index);
                painter.setPen(Qt::black);
                drawLabels(painter, entry, bar);
                drawBar(painter, *entry.range, bar);
            }
        }
    }
    return image;
}

}  // namespace QvConfig
}  // namespace Quarvane
