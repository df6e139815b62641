#include "tools/qvconfig/ObjectColorSwatches.h"

#include "tools/qvconfig/ColorView.h"
#include "tools/qvconfig/PictureSupport.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>

namespace Quarvane
{
namespace QvConfig
{
namespace
{
using Type = ColorConfiguration::ColorTypes;

// A family is a set of closed ranges of type numbers.
struct FamilyRule
{
    const char* name;
    std::vector<std::pair<int, int>> types;
};

const std::vector<FamilyRule>& familyRules()
{
    static const std::vector<FamilyRule> rules{
        {"Background and labels", {{0, 2}}},
        {"Sheet and blank", {{3, 9}}},
        {"Lines and loops", {{10, 20}, {26, 34}}},
        {"Quality of the die", {{21, 25}}},
        {"Glue and patches", {{35, 40}}},
        {"Tools", {{200, 218}}},
        {"Operations", {{219, 222}, {229, 245}}},
        {"Result scales", {{223, 226}}},
        {"Geometry comparison", {{227, 228}}},
        {"Colour markers", {{246, 249}}},
        {"Geometry faces", {{1024, 1031}}},
        {"Inner parts", {{1059, 1068}}},
        {"Coil, strip and stations", {{1069, 1092}}},
    };
    return rules;
}

bool claims(const FamilyRule& rule, Type type)
{
    return std::any_of(rule.types.begin(), rule.types.end(),
                       [type](const std::pair<int, int>& range) { return type >= range.first && type <= range.second; });
}

int byte(float component)
{
    const float scaled = component * 255.0f;
    return std::isnan(scaled) ? 0 : static_cast<int>(std::clamp(scaled, 0.0f, 255.0f));
}

// The picture's geometry: families one below the other, each a heading and a grid of cells.
constexpr int s_margin = 14;
constexpr int s_titleHeight = 44;
constexpr int s_headingHeight = 30;
constexpr int s_columns = 3;
constexpr int s_cellWidth = 400;
constexpr int s_cellHeight = 50;
constexpr int s_swatchSize = 40;
constexpr int s_defaultSwatchSize = 24;
constexpr int s_textLeft = 2 * s_swatchSize + 14;  // room for the colour and its default
constexpr int s_pictureWidth = 2 * s_margin + s_columns * s_cellWidth;

int rowsOf(const ColorFamily& family)
{
    return (static_cast<int>(family.swatches.size()) + s_columns - 1) / s_columns;
}

int pictureHeight(const std::vector<ColorFamily>& families)
{
    int height = s_margin + s_titleHeight;
    for (const ColorFamily& family : families)
        height += s_headingHeight + rowsOf(family) * s_cellHeight;
    return height + s_margin;
}

// A padlock, drawn rather than taken from a font, so it shows whatever fonts are installed.
void drawLock(QPainter& painter, const QPoint& topLeft)
{
    painter.save();
    painter.setPen(QPen(QColor(150, 20, 20), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(topLeft.x() + 2, topLeft.y(), 8, 10), 0, 180 * 16);
    painter.setBrush(QColor(150, 20, 20));
    painter.drawRect(QRect(topLeft.x(), topLeft.y() + 5, 12, 9));
    painter.restore();
}

void drawSwatchBox(QPainter& painter, const QRect& box, const QColor& color)
{
    painter.fillRect(box, color);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(-1, -1, 0, 0));
}

void drawSwatch(QPainter& painter, const ColorSwatch& swatch, const SwatchPlace& place)
{
    drawSwatchBox(painter, place.color, objectColorOnScreen(swatch.color));
    const int textLeft = place.color.left() + s_textLeft;
    const int textWidth = s_cellWidth - s_textLeft - 8;
    if (!place.defaultColor.isEmpty())
    {
        drawSwatchBox(painter, place.defaultColor, objectColorOnScreen(swatch.defaultColor));
        painter.setFont(pictureFont(9));
        painter.setPen(QColor(80, 80, 80));
        painter.drawText(QRect(place.defaultColor.left() - 4, place.defaultColor.bottom() + 1, s_swatchSize, 12),
                         Qt::AlignLeft | Qt::AlignTop, "default");
    }
    const QString name = swatch.name.isEmpty() ? QString("(no display name)") : swatch.name;
    painter.setFont(pictureFont(12, true));
    painter.setPen(swatch.name.isEmpty() ? QColor(110, 110, 110) : Qt::black);
    int nameWidth = textWidth - (swatch.editable ? 0 : 18);
    painter.drawText(QRect(textLeft, place.color.top() - 4, nameWidth, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(name, Qt::ElideRight, nameWidth));
    if (!swatch.editable)
        drawLock(painter, QPoint(textLeft + std::min(painter.fontMetrics().horizontalAdvance(name), nameWidth) + 5,
                                 place.color.top() - 3));
    painter.setFont(pictureFont(11));
    painter.setPen(QColor(40, 40, 40));
    painter.drawText(QRect(textLeft, place.color.top() + 12, textWidth, 15), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(swatch.key));
    QString bytes = QString::fromStdString(colorBytesText(swatch.color));
    if (swatch.differsFromDefault())
        bytes += QString("   (default %1)").arg(QString::fromStdString(colorBytesText(swatch.defaultColor)));
    if (!swatch.editable)
        bytes += "   locked";
    painter.drawText(QRect(textLeft, place.color.top() + 27, textWidth, 15), Qt::AlignLeft | Qt::AlignVCenter,
                     bytes);
}
}  // namespace

std::vector<ColorFamily> objectColorFamilies(const ColorConfiguration& colors)
{
    std::vector<ColorFamily> families;
    for (const FamilyRule& rule : familyRules())
        families.push_back({rule.name, {}});
    families.push_back({"Other", {}});

    // What restoring the defaults would give this group: its application's series included.
    ColorConfiguration defaults;
    defaults.changeDefaultsForType(colors.getApplicationType());
    // What the group calls a type it has no display name for.
    const QString unnamed = ColorConfiguration::getColorName(static_cast<Type>(-1));
    for (const auto& [type, key] : colors.getColorKeys())
    {
        const auto rule = std::find_if(familyRules().begin(), familyRules().end(),
                                       [type = type](const FamilyRule& candidate) { return claims(candidate, type); });
        ColorFamily& family = families[static_cast<std::size_t>(rule - familyRules().begin())];
        const QString name = ColorConfiguration::getColorName(type);
        family.swatches.push_back({type, key, name == unnamed ? QString() : name, colors.getColor(type),
                                   defaults.getColor(type), colors.getEditable(type)});
    }
    families.erase(std::remove_if(families.begin(), families.end(),
                                  [](const ColorFamily& family) { return family.swatches.empty(); }),
                   families.end());
    return families;
}

QColor objectColorOnScreen(const ColorRGB& color)
{
    return QColor(byte(color.red), byte(color.green), byte(color.blue));
}

std::map<Type, SwatchPlace> swatchPlaces(const std::vector<ColorFamily>& families)
{
    std::map<Type, SwatchPlace> places;
    int top = s_margin + s_titleHeight;
    for (const ColorFamily& family : families)
    {
        top += s_headingHeight;
        for (std::size_t i = 0; i < family.swatches.size(); ++i)
        {
            const int column = static_cast<int>(i) % s_columns;
            const int row = static_cast<int>(i) / s_columns;
            const QPoint cell(s_margin + column * s_cellWidth, top + row * s_cellHeight);
            SwatchPlace place;
            place.color = QRect(cell.x() + 1, cell.y() + 4, s_swatchSize, s_swatchSize);
            if (family.swatches[i].differsFromDefault())
                place.defaultColor = QRect(place.color.right() + 8, place.color.top(), s_defaultSwatchSize,
                                           s_defaultSwatchSize);
            places[family.swatches[i].type] = place;
        }
        top += rowsOf(family) * s_cellHeight;
    }
    return places;
}

bool writeColorsPicture(const std::vector<ColorFamily>& families, const QString& path, QString& error)
{
    const QImage image = drawColorsPicture(families, error);
    return !image.isNull() && savePng(image, path, error);
}

QImage drawColorsPicture(const std::vector<ColorFamily>& families, QString& error)
{
    const PictureApplication application;
    if (!application.canPaintText(error))
        return {};
    QImage image(s_pictureWidth, pictureHeight(families), QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::map<Type, SwatchPlace> places = swatchPlaces(families);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        std::size_t count = 0;
        for (const ColorFamily& family : families)
            count += family.swatches.size();
        painter.setFont(pictureFont(15, true));
        painter.drawText(QRect(s_margin, s_margin, s_pictureWidth - 2 * s_margin, 20), Qt::AlignLeft | Qt::AlignTop,
                         QString("Object colours: %1, by kind of object").arg(count));
        painter.setFont(pictureFont(11));
        painter.drawText(QRect(s_margin, s_margin + 20, s_pictureWidth - 2 * s_margin, 16),
                         Qt::AlignLeft | Qt::AlignTop,
                         "Each colour shows its display name, key and 0..255 bytes. A changed colour shows its default "
                         "beside it; a lock marks a colour the site locked.");
        int top = s_margin + s_titleHeight;
        for (const ColorFamily& family : families)
        {
            painter.setFont(pictureFont(13, true));
            painter.setPen(QColor(30, 60, 120));
            painter.drawText(QRect(s_margin, top + 6, s_pictureWidth - 2 * s_margin, 20),
                             Qt::AlignLeft | Qt::AlignVCenter, family.name);
            painter.drawLine(s_margin, top + s_headingHeight - 3, s_pictureWidth - s_margin, top + s_headingHeight - 3);
            for (const ColorSwatch& swatch : family.swatches)
                drawSwatch(painter, swatch, places.at(swatch.type));
            top += s_headingHeight + rowsOf(family) * s_cellHeight;
        }
    }
    return image;
}

}  // namespace QvConfig
}  // namespace Quarvane
