#include "tools/qvconfig/PictureSupport.h"

#include "Platform/Core/Presentation/Configuration/ColorRGB.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>

#include <algorithm>
#include <cmath>

namespace Quarvane
{
namespace QvConfig
{

PictureApplication::PictureApplication()
{
    if (QCoreApplication::instance() == nullptr)
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
}

PictureApplication::~PictureApplication() = default;

bool PictureApplication::canPaintText(QString& error) const
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        return true;
    error = "cannot render text: the process has an application object without GUI support";
    return false;
}

QFont pictureFont(int pixelSize, bool bold)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QColor screenColor(const ColorRGB& color)
{
    const auto byte = [](float component) {
        return std::isnan(component) ? 0 : static_cast<int>(std::lround(std::clamp(component, 0.0f, 1.0f) * 255.0f));
    };
    return QColor(byte(color.red), byte(color.green), byte(color.blue));
}

bool savePng(const QImage& image, const QString& path, QString& error)
{
    if (image.save(path, "PNG"))
        return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace QvConfig
}  // namespace Quarvane
