#pragma once
// The simulated terminal's screen: eight text lines, the highlighted line, the line pitch, the
// cursor cell, the input mode and the clock line. The simulator fills it and asks for repaints;
// the terminal face paints from it and nothing else.
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>

namespace vosket {

// A part of the screen that the simulator asks to have repainted.
struct ScreenArea {
    enum Kind { Whole, AboveClock, Line, Clock, Cursor };
    Kind kind = Whole;
    int line = 0; // 0-based line for Kind::Line
};

class TextScreen final : public QObject {
    Q_OBJECT
public:
    static constexpr int LineCount = 8;
    // Character cells per line. The terminal counts bytes of CP936 text, so a character outside
    // ASCII takes two cells.
    static constexpr int LineCells = 24;

    enum class Pitch { Small, Large };
    // The simulator's screen states.
    enum State {
        MainMenu = 10,
        UserMenu = 100,
        FormInput = 110,
        SystemTools = 200,
        SystemSettings = 300,
        Connecting = 500,
        ErrorScreen = 999
    };

    using QObject::QObject;

    static int cellsOf(QChar c) { return c.unicode() < 0x80 ? 1 : 2; }
    static int cellsOf(const QString& text);

    // Lines by 0-based index; text beyond LineCells cells is cut off.
    QString line(int index) const { return lines.at(static_cast<size_t>(index)); }
    void setLine(int index, const QString& text);
    void clearLines();

    // 0 for none, else the line number 1-8.
    int highlightedLine() const { return highlight; }
    void setHighlightedLine(int number);

    Pitch pitch() const { return linePitch; }
    void setPitch(Pitch p) { linePitch = p; }
    // Pixels from one line to the next.
    int pitchPixels() const { return linePitch == Pitch::Large ? 17 : 12; }

    int state() const { return screenState; }
    void setState(int s) { screenState = s; }

    bool alphaMode() const { return alpha; }
    void setAlphaMode(bool on) { alpha = on; }

    // The cursor cell (column, line) of the field being typed; drawn in the form-input state.
    QPoint cursor() const { return cursorCell; }
    void setCursor(QPoint cell) { cursorCell = cell; }

    // The multi-tap character waiting in the cursor cell; null when none.
    QChar pendingCharacter() const { return pending; }
    void setPendingCharacter(QChar c) { pending = c; }

    // The clock line under the main menu; empty when not shown.
    QString clockLine() const { return clock; }
    void setClockLine(const QString& text) { clock = text; }

    void requestRepaint(ScreenArea area) { emit repaintRequested(area); }

signals:
    void repaintRequested(vosket::ScreenArea area);

private:
    std::array<QString, LineCount> lines;
    int highlight = 0;
    Pitch linePitch = Pitch::Large;
    int screenState = MainMenu;
    bool alpha = false;
    QPoint cursorCell;
    QChar pending;
    QString clock;
};

} // namespace vosket
