#pragma once
// The toast window: a small frameless, semi-transparent window on top of all others that slides
// up at the bottom right of the screen, holds 20 seconds and slides away (or goes at a click).
// When it has slid away it stays shown, parked just below the screen.
#include "desktop/data/toast.h"
#include "desktop/frame/toastmachine.h"

#include <QTimer>
#include <QWidget>

class QLabel;

namespace korvell {

class msgfrm final : public QWidget {
    Q_OBJECT
public:
    explicit msgfrm(ToastMachine& machine);
    ~msgfrm() override;

    void setLines(const QString& mainLine, const QString& hint, int kind);
    // Time passes for the slide and hold timers; the window moves where the machine says.
    void tick(int elapsedMs);
    // Starts the window's own timer when the machine has something to do.
    void follow();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect screenArea() const;

    ToastMachine& machine;
    QTimer timer;
};

// The toast shared by the whole program: a sink for ShowToast that shows msgfrm.
class ToastWindowSink final : public ToastSink {
public:
    void show(const QString& mainLine, const QString& hint, int kind) override;
};

// Installs the toast window as the program's ShowToast.
void installToastWindow();
// Closes the toast window (windows do so when they load or unload); the next toast creates it
// again below the screen and slides it in.
void closeToast();
// The toast window while it exists, and the state it follows.
msgfrm* toastWindow();
ToastMachine& toastMachine();

} // namespace korvell
