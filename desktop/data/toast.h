#pragma once
// ShowToast: the program's message display. Headless code (data access, numbering) reports
// through it; the frame installs the toast window as the sink, tests install a recorder.
#include <QString>

namespace korvell {

enum ToastKind { ToastBlack = 0, ToastRed = 1, ToastBlue = 2 };

class ToastSink {
public:
    virtual ~ToastSink() = default;
    virtual void show(const QString& mainLine, const QString& hint, int kind) = 0;
};

// An empty main line takes the toast away.
void ShowToast(const QString& mainLine, const QString& hint, int kind);

// Installs sink (not owned; nullptr: toasts go to stderr). Returns the previous one. A sink is
// always called on the thread of the QCoreApplication, whichever thread shows the toast.
ToastSink* setToastSink(ToastSink* sink);

} // namespace korvell
