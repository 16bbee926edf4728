#pragma once
// The QApplication that the window tests of this folder share (offscreen under ctest). It is
// deleted when the tests end, before static destruction, which Qt does not survive.
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace testsupport {

inline void ensureWidgetApplication()
{
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "vosket_ui_test";
    static char* argv[] = { name, nullptr };
    struct Owner final : ::testing::Environment {
        QApplication* app = new QApplication(argc, argv);
        void TearDown() override { delete app; }
    };
    ::testing::AddGlobalTestEnvironment(new Owner);
}

// A mouse event as the window system delivers it: the button is held until its release.
inline void sendMouse(QWidget& to, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, to.mapToGlobal(local), button, held, Qt::NoModifier);
    QApplication::sendEvent(&to, &event);
}

} // namespace testsupport
