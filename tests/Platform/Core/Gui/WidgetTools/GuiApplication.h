#pragma once

#include <QtGui/QGuiApplication>

namespace Quarvane::Testing
{

// The test process's GUI application, made on first use and kept until the process ends, as a
// program keeps its own. It is never destroyed on purpose: Qt 5.15's offscreen platform leaves
// the screen it made behind when the application goes, and the leak check would report that.
inline QGuiApplication& guiApplication()
{
    static int argc = 1;
    static char name[] = "test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const application = new QGuiApplication(argc, argv);
    return *application;
}

}  // namespace Quarvane::Testing
