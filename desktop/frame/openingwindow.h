#pragma once
// A window of one shared instance is opened, closed and opened again many times over a run. What it
// must redo at each opening (rights, lists and rows read afresh, filters cleared, an order drawn)
// is its Form_Load, which runs at the first showing after the window was made or closed, and
// only then: a window restored from minimised, shown again with the main window's client area,
// shown while already open or resized keeps what the user has in it. Form_Activate runs each time
// the window becomes the active window (another user may have logged in meanwhile).
#include <QEvent>

namespace korvell {

template <class Window> class OpeningWindow : public Window {
public:
    using Window::Window;

protected:
    // After the showing's own handling (showEvent), so the window has its size.
    virtual void Form_Load() = 0;
    virtual void Form_Activate() { }

    bool event(QEvent* event) override
    {
        const QEvent::Type type = event->type();
        const bool handled = Window::event(event);
        if (type == QEvent::Close && event->isAccepted()) {
            closed = true;
        } else if (type == QEvent::Show && closed) {
            closed = false;
            Form_Load();
        } else if (type == QEvent::WindowActivate) {
            Form_Activate();
        }
        return handled;
    }

private:
    bool closed = true; // made or closed: the next showing is an opening
};

} // namespace korvell
