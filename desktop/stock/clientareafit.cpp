#include "desktop/stock/clientareafit.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace korvell {

ClientAreaFit::ClientAreaFit(QWidget* window)
    : QObject(window)
    , window(window)
{
}

void ClientAreaFit::fit()
{
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!frame || !frame->mdiArea())
        return;
    if (!area) {
        area = frame->mdiArea()->viewport();
        area->installEventFilter(this);
    }
    if (!frame->isMinimized())
        frame->setGeometry(QRect(QPoint(0, 0), area->size()));
}

bool ClientAreaFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == area)
        fit();
    return QObject::eventFilter(watched, event);
}

} // namespace korvell
