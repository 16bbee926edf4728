#include "desktop/stock/generatorwait.h"

#include "desktop/data/toast.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvell {

GeneratorWait::GeneratorWait(QWidget* window)
    : window(window)
{
    window->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ShowToast("正在运行数据采集程序……", "采集完成并关闭数据采集程序后，数据随即导入", ToastBlue);
}

GeneratorWait::~GeneratorWait()
{
    // Input that arrived during the wait is delivered now, and dropped here.
    qApp->installEventFilter(this);
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    window->setEnabled(true);
}

bool GeneratorWait::eventFilter(QObject* watched, QEvent* event)
{
    if (event->isInputEvent() || event->type() == QEvent::Shortcut
        || event->type() == QEvent::ShortcutOverride)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace korvell
