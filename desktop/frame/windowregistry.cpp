#include "desktop/frame/windowregistry.h"

#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace korvell {
namespace {

    struct Entry {
        Placement placement = Placement::Modeless;
        WindowFactory factory;
        QPointer<QWidget> instance;
    };

    QHash<QString, Entry>& entries()
    {
        static QHash<QString, Entry> registry;
        return registry;
    }

    QPointer<QMdiArea>& mdiArea()
    {
        static QPointer<QMdiArea> area;
        return area;
    }

    // A new child window takes the whole client area, from its top left corner.
    void placeInClientArea(QWidget* window)
    {
        QMdiSubWindow* frame = mdiArea()->addSubWindow(window);
        frame->setAttribute(Qt::WA_DeleteOnClose, false);
        frame->setGeometry(QRect(QPoint(0, 0), mdiArea()->viewport()->size()));
    }

    // Shows the window, restored to its size from before when it was minimised.
    void showRestored(QWidget* window)
    {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }

} // namespace

void registerWindow(const QString& name, Placement placement, WindowFactory factory)
{
    Entry& entry = entries()[name];
    entry.placement = placement;
    entry.factory = std::move(factory);
}

QWidget* findWindow(const QString& name)
{
    const auto it = entries().constFind(name);
    return it == entries().cend() ? nullptr : it->instance.data();
}

void setMdiArea(QMdiArea* area)
{
    mdiArea() = area;
}

QWidget* showWindow(const QString& name)
{
    const auto it = entries().find(name);
    if (it == entries().end())
        return nullptr;
    Entry& entry = *it;
    const bool child = entry.placement == Placement::MdiChild && mdiArea();
    if (!entry.instance) {
        entry.instance = entry.factory();
        if (!entry.instance)
            return nullptr;
        entry.instance->setAttribute(Qt::WA_DeleteOnClose, false);
        if (child)
            placeInClientArea(entry.instance);
    }
    QWidget* window = entry.instance;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
        showRestored(frame);
        window->show();
        mdiArea()->setActiveSubWindow(frame);
        return window;
    }
    showRestored(window);
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace korvell
