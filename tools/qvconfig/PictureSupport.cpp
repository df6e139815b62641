#include "tools/qvconfig/PictureSupport.h"

#include <QtCore/QSaveFile>
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
    // The suffix is what a viewer goes by: a PNG named x.jpg would open as a broken JPEG.
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
    {
        error = "cannot write " + path + ": the picture is a PNG; name the file *.png";
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
    {
        error = "cannot write " + path + ": " + file.errorString();
        return false;
    }
    if (image.save(&file, "PNG") && file.commit())
        return true;
    const QString reason = file.errorString().isEmpty() ? QStringLiteral("the PNG encoder failed") : file.errorString();
    error = "cannot write " + path + ": " + reason;
    return false;
}

}  // namespace QvConfig
}  // namespace Quarvane
