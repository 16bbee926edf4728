#pragma once
// The one Qt application object of a test program (QCoreApplication, QGuiApplication or
// QApplication), made by the first suite that needs it.
#include <QCoreApplication>

namespace testsupport {

template <class App> void ensureApp()
{
    static int argc = 1;
    static char name[] = "korvell-test";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new App(argc, argv);
}

} // namespace testsupport
