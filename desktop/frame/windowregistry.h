#pragma once
// Windows are opened by name: each library registers a factory for its windows, the main window's
// menus ask for them by name. One shared instance per window, created on first use.
#include <QString>
#include <functional>

class QMdiArea;
class QWidget;

namespace korvell {

enum class Placement {
    Modeless, // a separate top-level window
    MdiChild, // a child of the main window's client area, filling it (the stock windows)
};

using WindowFactory = std::function<QWidget*()>;

void registerWindow(const QString& name, Placement placement, WindowFactory factory);

// Shows the shared instance of the window, creating it on first use; an open window, minimised
// or not, is brought forward. nullptr when no window of that name is registered yet.
QWidget* showWindow(const QString& name);
// The shared instance if it was created, else nullptr.
QWidget* findWindow(const QString& name);

// The client area that MdiChild windows live in (the main window sets it).
void setMdiArea(QMdiArea* area);

} // namespace korvell
