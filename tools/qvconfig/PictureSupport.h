#pragma once

#include <QtCore/QString>
#include <QtGui/QFont>

#include <memory>

class QGuiApplication;
class QImage;

namespace Quarvane
{

namespace QvConfig
{

// Painting text needs fonts, and fonts need a QGuiApplication. The tool has none of its own, so
// it makes one for the picture on the "minimal" platform with its fonts enabled: like the
// offscreen platform it needs neither a window nor a display, but unlike Qt 5's offscreen plugin
// it releases its screen when the application ends. A process that has an application already
// keeps it.
class PictureApplication
{
public:
    PictureApplication();
    ~PictureApplication();
    PictureApplication(const PictureApplication&) = delete;
    PictureApplication& operator=(const PictureApplication&) = delete;

    // False with `error` set when the process has an application that cannot paint text.
    bool canPaintText(QString& error) const;

private:
    // QCoreApplication keeps references to these for its whole life.
    char m_name[9] = "qvconfig";
    char m_platformOption[10] = "-platform";
    char m_platform[21] = "minimal:enable_fonts";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    std::unique_ptr<QGuiApplication> m_application;
};

// The font of every picture the tool draws, at the given pixel size.
QFont pictureFont(int pixelSize = 12, bool bold = false);

// Saves the image as PNG, in one step; false with `error` naming the file and the reason when
// it cannot be written or its name does not end in ".png".
bool savePng(const QImage& image, const QString& path, QString& error);

}  // namespace QvConfig
}  // namespace Quarvane
