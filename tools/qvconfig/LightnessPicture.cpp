#include "tools/qvconfig/LightnessPicture.h"

#include "tools/qvconfig/PictureSupport.h"

#include "Platform/Core/Presentation/Configuration/ColorRange.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
constexpr int s_margin = 14;
constexpr int s_headerHeight = 60;
constexpr int s_panelWidth = 200;
constexpr int s_panelGap = 18;
constexpr int s_panelTitleHeight = 52;
constexpr int s_plotHeight = 250;
constexpr int s_axisWidth = 28;
constexpr int s_curvesHeight = s_panelTitleHeight + s_plotHeight + 30;
constexpr int s_discreteHeadingHeight = 34;
constexpr int s_rowHeight = 30;
constexpr int s_labelWidth = 330;
constexpr int s_cellsWidth = 600;
constexpr int s_cellHeight = 20;
constexpr int s_verdictWidth = 230;
constexpr int s_pictureWidth = 2 * s_margin + s_labelWidth + s_cellsWidth + 14 + s_verdictWidth;
constexpr int s_discreteTop = s_margin + s_headerHeight + s_curvesHeight + s_discreteHeadingHeight;

QString number(double value)
{
    return QString::number(value, 'f', 1);
}

QString rangeLabel(const IndexedColorRange& entry)
{
    return QString::number(entry.index) + "  " + QString::fromStdString(entry.range->getKey());
}

void drawHeader(QPainter& painter)
{
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(15, true));
    painter.drawText(QRect(s_margin, s_margin, s_pictureWidth, 20), Qt::AlignLeft | Qt::AlignTop,
                     "Perceptual check of the colour ranges (CIE L*, \u0394E CIE76)");
    painter.setFont(pictureFont(12));
    painter.drawText(QRect(s_margin, s_margin + 24, s_pictureWidth, 16), Qt::AlignLeft | Qt::AlignTop,
                     "A smooth scale reads best when its lightness changes steadily in one direction. Information "
                     "only: no colour is changed.");
}

void drawPanel(QPainter& painter, const LightnessCurve& curve, int panel)
{
    const int left = s_margin + panel * (s_panelWidth + s_panelGap);
    const int top = s_margin + s_headerHeight;
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(11, true));
    painter.drawText(QRect(left, top, s_panelWidth, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(rangeLabel(curve.range), Qt::ElideRight, s_panelWidth));
    painter.setFont(pictureFont(11));
    painter.setPen(curve.monotonic ? QColor(20, 110, 20) : QColor(170, 20, 20));
    painter.drawText(QRect(left, top + 16, s_panelWidth, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     (curve.monotonic ? "monotonic" : "not monotonic") + QString(", largest jump ") +
                         number(curve.largestJump));
    const QRect plot(left + s_axisWidth, top + s_panelTitleHeight, s_panelWidth - s_axisWidth, s_plotHeight);
    painter.setFont(pictureFont(10));
    for (int lightness = 0; lightness <= 100; lightness += 20)
    {
        const int y = plot.bottom() - lightness * (plot.height() - 1) / 100;
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(QColor(90, 90, 90));
        painter.drawText(QRect(left, y - 7, s_axisWidth - 4, 14), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(lightness));
    }
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), 14), Qt::AlignLeft | Qt::AlignTop,
                     "colour 0");
    painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), 14), Qt::AlignRight | Qt::AlignTop, "last");
    painter.drawText(QRect(left, plot.top() - 14, s_axisWidth, 12), Qt::AlignLeft | Qt::AlignVCenter, "L*");
    const std::vector<QColor>& colors = curve.range.range->getColors();
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < colors.size(); ++i)
    {
        painter.setBrush(colors[i]);
        painter.drawEllipse(lightnessPoint(panel, i, colors.size(), curve.lightness[i]), 3, 3);
    }
}

void drawContrastRow(QPainter& painter, const NeighbourContrast& contrast, int row)
{
    const std::vector<QColor>& colors = contrast.range.range->getColors();
    const QRect first = contrastCellRect(row, 0, colors.size());
    painter.setPen(Qt::black);
    painter.setFont(pictureFont(12));
    painter.drawText(QRect(s_margin, first.top(), s_labelWidth - 8, s_cellHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(rangeLabel(contrast.range), Qt::ElideRight, s_labelWidth - 8));
    painter.setFont(pictureFont(9));
    for (std::size_t i = 0; i < colors.size(); ++i)
    {
        const QRect cell = contrastCellRect(row, i, colors.size());
        painter.fillRect(cell, colors[i]);
        if (cell.width() >= 22)
        {
            painter.setPen(contrast.lightness[i] > 55.0 ? Qt::black : Qt::white);
            painter.drawText(cell, Qt::AlignCenter, QString::number(static_cast<int>(contrast.lightness[i] + 0.5)));
        }
        // The pair of this colour and the previous one, marked under their border.
        if (i > 0 && contrast.deltaE[i - 1] < s_indistinctDeltaE)
            painter.fillRect(QRect(cell.left() - 4, cell.bottom() + 2, 8, 4), QColor(200, 0, 0));
    }
    painter.setFont(pictureFont(12));
    const QRect verdict(s_margin + s_labelWidth + s_cellsWidth + 14, first.top(), s_verdictWidth, s_cellHeight);
    if (contrast.indistinctPairs == 0)
    {
        painter.setPen(QColor(20, 110, 20));
        painter.drawText(verdict, Qt::AlignLeft | Qt::AlignVCenter,
                         colors.size() < 2 ? QString("one colour") : "smallest \u0394E " + number(contrast.smallestDeltaE));
        return;
    }
    painter.setPen(QColor(170, 20, 20));
    painter.drawText(verdict, Qt::AlignLeft | Qt::AlignVCenter,
                     QString("%1 %2 \u0394E < 10, smallest %3")
                         .arg(contrast.indistinctPairs)
                         .arg(contrast.indistinctPairs == 1 ? "pair" : "pairs")
                         .arg(number(contrast.smallestDeltaE)));
}
}  // namespace

QPoint lightnessPoint(int panel, std::size_t colour, std::size_t count, double lightness)
{
    const int left = s_margin + panel * (s_panelWidth + s_panelGap) + s_axisWidth + 4;
    const int width = s_panelWidth - s_axisWidth - 8;
    const int bottom = s_margin + s_headerHeight + s_panelTitleHeight + s_plotHeight - 1;
    const double position = count > 1 ? static_cast<double>(colour) / static_cast<double>(count - 1) : 0.0;
    const double clamped = std::clamp(lightness, 0.0, 100.0);
    return QPoint(left + static_cast<int>(position * width + 0.5),
                  bottom - static_cast<int>(clamped * (s_plotHeight - 1) / 100.0 + 0.5));
}

QRect contrastCellRect(int row, std::size_t colour, std::size_t count)
{
    const int width = std::clamp(s_cellsWidth / std::max<int>(1, static_cast<int>(count)), 1, 40);
    return QRect(s_margin + s_labelWidth + static_cast<int>(colour) * width, s_discreteTop + row * s_rowHeight, width,
                 s_cellHeight);
}

bool writeLightnessPicture(const LightnessCheck& check, const QString& path, QString& error)
{
    const PictureApplication application;
    if (!application.canPaintText(error))
        return false;
    const int height = s_discreteTop + static_cast<int>(check.discrete.size()) * s_rowHeight + s_margin;
    const int width = std::max(s_pictureWidth, 2 * s_margin + static_cast<int>(check.curves.size()) *
                                                                  (s_panelWidth + s_panelGap));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawHeader(painter);
        painter.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t panel = 0; panel < check.curves.size(); ++panel)
            drawPanel(painter, check.curves[panel], static_cast<int>(panel));
        painter.setPen(QColor(30, 60, 120));
        painter.setFont(pictureFont(13, true));
        painter.drawText(QRect(s_margin, s_discreteTop - s_discreteHeadingHeight, width, 24),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         "Discrete ranges: L* in each colour; a red mark joins neighbours with \u0394E below 10, hard "
                         "to tell apart");
        for (std::size_t row = 0; row < check.discrete.size(); ++row)
            drawContrastRow(painter, check.discrete[row], static_cast<int>(row));
    }
    return savePng(image, path, error);
}

}  // namespace QvConfig
}  // namespace Quarvane
