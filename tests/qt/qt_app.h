#pragma once
#include <QApplication>

// The one application object of the Qt tests, on the offscreen platform.
inline QApplication& qtApp()
{
    static int argc = 1;
    static char name[] = "test_qt";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}
