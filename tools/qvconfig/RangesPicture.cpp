#include "tools/qvconfig/RangesPicture.h"

#include "Platform/Core/Presentation/Configuration/ColorRange.h"

#include <QtGui/QFont>
#include <QtGui/QFontMetrics>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
constexpr int s_margin = 12;
constexpr int s_titleHeight = 30;
constexpr int s_rowHeight = 22;
constexpr int s_barHeight = 16;
constexpr int s_barWidth = 640;
constexpr int s_columnGap = 14;
constexpr int s_fontPixels = 12;

// Painting text needs fonts, and fonts need a QGuiApplication. The tool has none of its own, so
// it makes one for the picture on the "minimal" platform with its fonts enabled: like the
// offscreen platform it needs neither a window nor a display, but unlike Qt 5's offscreen plugin
// it releases its screen when the application ends. A process that has an application already
// keeps it.
class PictureApplication
{
public:
    PictureApplication()
    {
        if (QCoreApplication::instance() == nullptr)
            m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }

    bool canPaintText() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

private:
    // QCoreApplication keeps references to these for its whole life.
    char m_name[9] = "qvconfig";
    char m_platformOption[10] = "-platform";
    char m_platform[21] = "minimal:enable_fonts";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    std::unique_ptr<QGuiApplication> m_application;
};

// The label columns: index (right-aligned), key, number of colours.
struct LabelColumns
{
    int indexWidth = 0;
    int keyWidth = 0;
    int countWidth = 0;
    int total() const { return indexWidth + keyWidth + countWidth + 2 * s_columnGap; }
};

QString countText(const ColorRange& range)
{
    return QString::number(range.getNumberOfColors()) + (range.getNumberOfColors() == 1 ? " colour" : " colours");
}

LabelColumns measureLabels(const std::vector<IndexedColorRange>& ranges, const QFontMetrics& metrics)
{
    LabelColumns columns;
    for (const IndexedColorRange& entry : ranges)
    {
        columns.indexWidth = std::max(columns.indexWidth, metrics.horizontalAdvance(QString::number(entry.index)));
        columns.keyWidth =
            std::max(columns.keyWidth, metrics.horizontalAdvance(QString::fromStdString(entry.range->getKey())));
        columns.countWidth = std::max(columns.countWidth, metrics.horizontalAdvance(countText(*entry.range)));
    }
    return columns;
}

void drawLabels(QPainter& painter, const IndexedColorRange& entry, const LabelColumns& columns, const QRect& bar)
{
    const int top = bar.top() - (s_rowHeight - s_barHeight) / 2;
    QRect cell(s_margin, top, columns.indexWidth, s_rowHeight);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::number(entry.index));
    cell = QRect(cell.right() + 1 + s_columnGap, top, columns.keyWidth, s_rowHeight);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(entry.range->getKey()));
    cell = QRect(cell.right() + 1 + s_columnGap, top, columns.countWidth, s_rowHeight);
    painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, countText(*entry.range));
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
}  // namespace

QRect rangeBarRect(int row, int pictureWidth)
{
    const int top = s_margin + s_titleHeight + row * s_rowHeight + (s_rowHeight - s_barHeight) / 2;
    return QRect(pictureWidth - s_margin - s_barWidth, top, s_barWidth, s_barHeight);
}

bool writeRangesPicture(const std::vector<IndexedColorRange>& ranges, const QString& path, QString& error)
{
    const PictureApplication application;
    if (!application.canPaintText())
    {
        error = "cannot render text: the process has an application object without GUI support";
        return false;
    }
    QFont font("DejaVu Sans");
    font.setPixelSize(s_fontPixels);
    const LabelColumns columns = measureLabels(ranges, QFontMetrics(font));
    const int width = s_margin + columns.total() + s_columnGap + s_barWidth + s_margin;
    const int height = s_margin + s_titleHeight + static_cast<int>(ranges.size()) * s_rowHeight + s_margin;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(s_margin, s_margin, width - 2 * s_margin, s_titleHeight),
                         Qt::AlignLeft | Qt::AlignTop,
                         QString("Colour ranges: %1, colour 0 at the left of each bar").arg(ranges.size()));
        for (std::size_t row = 0; row < ranges.size(); ++row)
        {
            const QRect bar = rangeBarRect(static_cast<int>(row), width);
            painter.setPen(Qt::black);
            drawLabels(painter, ranges[row], columns, bar);
            drawBar(painter, *ranges[row].range, bar);
        }
    }
    if (!image.save(path, "PNG"))
    {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace QvConfig
}  // namespace Quarvane
