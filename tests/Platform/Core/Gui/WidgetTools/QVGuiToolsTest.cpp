#include "Platform/Core/Gui/WidgetTools/QVGuiTools.h"

#include "tests/Platform/Core/Gui/WidgetTools/GuiApplication.h"

#include <gtest/gtest.h>

#include <QtGui/QImage>

#include <thread>

namespace
{
using namespace Quarvane;

TEST(QVGuiTools, ColorIconIsFilledAtTheRequestedSize)
{
    Testing::guiApplication();
    const QColor teal(0, 128, 128);
    const QIcon icon = QVGuiTools::createColorIcon(teal, QSize(20, 10));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(20, 10)});
    const QImage image = icon.pixmap(QSize(20, 10)).toImage();
    for (const QPoint& corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 9), QPoint(19, 9)})
        EXPECT_EQ(image.pixelColor(corner), teal);

    EXPECT_TRUE(QVGuiTools::createColorIcon(teal, QSize(0, 10)).isNull());
    EXPECT_TRUE(QVGuiTools::createColorIcon(teal, QSize(-1, -1)).isNull());
    // Pixmaps belong to the application's thread.
    bool nullOffThread = false;
    std::thread([&] { nullOffThread = QVGuiTools::createColorIcon(teal, QSize(4, 4)).isNull(); }).join();
    EXPECT_TRUE(nullOffThread);
}

TEST(QVGuiTools, WithoutAGuiApplicationTheIconIsNull)
{
    // The process keeps its GUI application once made (see GuiApplication.h); ctest runs this
    // test in a process of its own, where none was made yet.
    if (QCoreApplication::instance() != nullptr)
        GTEST_SKIP() << "this process already has an application";
    EXPECT_TRUE(QVGuiTools::createColorIcon(Qt::red, QSize(16, 16)).isNull());
}

}  // namespace
