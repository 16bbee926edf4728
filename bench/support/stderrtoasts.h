#pragma once
// Toasts of a benchmark go to stderr, so a failing statement is seen without a window.
#include "desktop/data/toast.h"

#include <cstdio>

namespace benchsupport {

class StderrToasts final : public korvell::ToastSink {
public:
    StderrToasts() { previous = korvell::setToastSink(this); }
    ~StderrToasts() override { korvell::setToastSink(previous); }
    StderrToasts(const StderrToasts&) = delete;
    StderrToasts& operator=(const StderrToasts&) = delete;

    void show(const QString& mainLine, const QString& hint, int) override
    {
        if (!mainLine.isEmpty())
            std::fprintf(stderr, "toast: %s %s\n", qPrintable(mainLine), qPrintable(hint));
    }

private:
    korvell::ToastSink* previous = nullptr;
};

} // namespace benchsupport
