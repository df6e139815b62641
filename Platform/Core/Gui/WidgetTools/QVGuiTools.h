#pragma once

#include <QtGui/QColor>
#include <QtGui/QIcon>
#include <QtCore/QSize>

namespace Quarvane
{

// Small helpers the suite's widgets share.
class QVGuiTools
{
public:
    // An icon of `size` filled with `color`, for colour pickers, legends and menus. Icons are
    // pixmaps, which exist only while a QGuiApplication does (on the thread it runs on); without
    // one, or for an empty size, the icon is null rather than the process being stopped.
    static QIcon createColorIcon(const QColor& color, const QSize& size);
};

}  // namespace Quarvane
