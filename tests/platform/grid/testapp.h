#pragma once
// The Qt application object the grid's tests need (fonts, painting, widgets), made once.
#include <QCoreApplication>

namespace gridtest {

template <class App> void ensureApp()
{
    static int argc = 1;
    static char name[] = "grid-test";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new App(argc, argv);
}

} // namespace gridtest
