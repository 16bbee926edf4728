#pragma once
// The live picture of the terminal that fills the main window: its keys press under the mouse
// and go to the simulator as key numbers, dragging off the keys moves the whole window, a right
// click or key 12 asks for the popup menu, and the simulated screen is painted from the
// simulator's TextScreen. Its 100 ms timer drives the simulator's clock.
#include "generator/sim/textscreen.h"
#include "generator/ui/terminalart.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace vosket {

class DragOutline;

class TerminalFace final : public QWidget {
    Q_OBJECT
public:
    static constexpr int TimerInterval = 100; // ms

    explicit TerminalFace(TextScreen& screen, QWidget* parent = nullptr);
    ~TerminalFace() override;

    TextScreen& screen() { return model; }
    const TerminalArt& art() const { return images; }
    const QTimer& simulatorTimer() const { return timer; }

    Key heldKey() const { return keyHeld; }
    // Ends a press whose release will not come here (a popup menu or a message box took it):
    // the key comes up, the drag outline goes and the mouse is released.
    void endPress();
    bool dragging() const { return isDragging; }
    // The outline of the window's new place while dragging, in screen coordinates.
    QRect dragOutline() const { return outlineRect; }

signals:
    // A key pressed on the picture, for the simulator.
    void keyPressed(vosket::Key key);
    // Every 100 ms, for the simulator's clock line and multi-tap time-out.
    void ticked();
    // Open the program's popup menu at this screen point.
    void popupRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintScreen(QPainter& p) const;
    void drawCells(QPainter& p, QPoint topLeft, QByteArrayView bytes) const;
    void pressKey(Key key);

    TextScreen& model;
    TerminalArt images;
    QFont screenFont = TerminalArt::screenFont();
    QFont compactFont = TerminalArt::screenFont();
    QTimer timer;
    // The alpha mark shows while alpha mode is on; the digit mark only from switching back to
    // digits until the screen under it is repainted.
    bool digitMarkShown = false;
    Key keyHeld = Key::None;
    bool isDragging = false;
    QPoint pressPoint; // global pointer position at the press
    QRect startRect; // the window's screen rectangle at the press
    QRect outlineRect;
    std::unique_ptr<DragOutline> outline;
};

} // namespace vosket
