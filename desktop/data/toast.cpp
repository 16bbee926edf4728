#include "desktop/data/toast.h"

#include <QCoreApplication>
#include <QThread>
#include <atomic>
#include <cstdio>

namespace korvell {

namespace {
    std::atomic<ToastSink*> installedSink = nullptr;
}

void ShowToast(const QString& mainLine, const QString& hint, int kind)
{
    // Sinks show windows: a toast from a worker thread is shown by the program's own thread.
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() != application->thread()) {
        QMetaObject::invokeMethod(
            application, [mainLine, hint, kind] { ShowToast(mainLine, hint, kind); }, Qt::QueuedConnection);
        return;
    }
    if (ToastSink* sink = installedSink.load()) {
        sink->show(mainLine, hint, kind);
        return;
    }
    if (!mainLine.isEmpty())
        std::fprintf(stderr, "%s %s\n", qPrintable(mainLine), qPrintable(hint));
}

ToastSink* setToastSink(ToastSink* sink)
{
    return installedSink.exchange(sink);
}

} // namespace korvell
