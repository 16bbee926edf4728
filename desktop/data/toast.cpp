#include "desktop/data/toast.h"

#include <cstdio>

namespace korvell {

namespace {
    ToastSink* installedSink = nullptr;
}

void ShowToast(const QString& mainLine, const QString& hint, int kind)
{
    if (installedSink) {
        installedSink->show(mainLine, hint, kind);
        return;
    }
    if (!mainLine.isEmpty())
        std::fprintf(stderr, "%s %s\n", qPrintable(mainLine), qPrintable(hint));
}

ToastSink* setToastSink(ToastSink* sink)
{
    ToastSink* previous = installedSink;
    installedSink = sink;
    return previous;
}

} // namespace korvell
