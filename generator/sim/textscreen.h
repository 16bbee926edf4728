#pragma once
// The simulated terminal's screen as the terminal holds it: eight lines of CP936 bytes, the
// highlighted line, the line pitch, the cursor cell, the input mode, the pending multi-tap
// character and the clock line. The simulator fills it and asks for repaints; the terminal face
// decodes the bytes when it paints and reads nothing else.
#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <vector>

namespace vosket {

// A part of the screen that the simulator asks to have repainted.
struct ScreenArea {
    enum Kind { Whole, AboveClock, Line, Clock, Cursor };
    Kind kind = Whole;
    int line = 0; // 0-based line for Kind::Line
};

// One character of a screen line as painted: its text, its first byte column and how many
// columns (bytes) it covers.
struct ScreenGlyph {
    QString text;
    int column = 0;
    int cells = 1;
};

// Decodes a line of CP936 bytes cell by cell: a double-byte character covers two cells, every
// other byte one; a byte that starts no valid character shows as U+FFFD in its one cell.
std::vector<ScreenGlyph> ScreenGlyphs(QByteArrayView bytes);

class TextScreen final : public QObject {
    Q_OBJECT
public:
    static constexpr int LineCount = 8;
    // Bytes per line (a 25-byte slot with its NUL on the terminal).
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

    // Lines by 0-based index; bytes beyond LineCells are cut off.
    QByteArray line(int index) const { return lines.at(static_cast<size_t>(index)); }
    void setLine(int index, QByteArrayView bytes);

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
    // The column stays on the screen.
    QPoint cursor() const { return cursorCell; }
    void setCursor(QPoint cell);

    // The multi-tap character waiting in the cursor cell; 0 when none.
    char pendingCharacter() const { return pending; }
    void setPendingCharacter(char c) { pending = c; }

    // The clock line under the main menu; painted only in the main-menu state.
    QByteArray clockLine() const { return clock; }
    void setClockLine(QByteArrayView bytes);

    void requestRepaint(ScreenArea area) { emit repaintRequested(area); }

signals:
    void repaintRequested(vosket::ScreenArea area);

private:
    std::array<QByteArray, LineCount> lines;
    int highlight = 0;
    Pitch linePitch = Pitch::Large;
    int screenState = MainMenu;
    bool alpha = false;
    QPoint cursorCell;
    char pending = 0;
    QByteArray clock;
};

} // namespace vosket
