#include "Platform/Core/Gui/WidgetTools/QVGuiTools.h"

#include <QtCore/QThread>
#include <QtGui/QGuiApplication>
#include <QtGui/QPixmap>

namespace Quarvane
{
namespace
{
// Qt stops the process when a pixmap is made without a GUI application, and warns when one is
// made off its thread.
bool canMakePixmaps()
{
    const QCoreApplication* application = QCoreApplication::instance();
    return qobject_cast<const QGuiApplication*>(application) != nullptr &&
           QThread::currentThread() == application->thread();
}
}  // namespace

QIcon QVGuiTools::createColorIcon(const QColor& color, const QSize& size)
{
    if (size.isEmpty() || !canMakePixmaps())
        return QIcon();
    QPixmap pixmap(size);
    pixmap.fill(color);
    return QIcon(pixmap);
}

}  // namespace Quarvane
