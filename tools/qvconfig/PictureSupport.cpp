#include "tools/qvconfig/PictureSupport.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>


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

bool savePng(const QImage& image, const QString& path, QString& error)
{
    if (image.save(path, "PNG"))
        return true;
    error = "cannot write " + path;
    return false;
}

}  // namespace QvConfig
}  // namespace Quarvane
