#pragma once
// Where things are on the terminal picture: its size, the screen area and its cells, and the
// 20 keys with their hit rectangles and images. No widgets here, so the hit test is checked
// headlessly.
#include "generator/sim/key.h"
#include "generator/sim/textscreen.h"

#include <QPoint>
#include <QRect>
#include <array>

namespace vosket::face {

constexpr QSize Size(210, 464);
// The simulated screen, 28,42 to 182,141; all screen painting is clipped to it.
constexpr QRect ScreenRect(QPoint(28, 42), QPoint(181, 140));
constexpr int TextLeft = 29;
constexpr int TextTop = 42;
constexpr int TextBaseline = 12; // below the top of a text line
constexpr int CellWidth = 9;
constexpr int CellHeight = 13;
constexpr QSize BarSize(144, 13); // highlight bar and clock line background
constexpr QPoint ClockOrigin(29, 126);
constexpr QRect ModeMarkRect(176, 117, 6, 12);

struct KeyPlace {
    Key key = Key::None;
    QRect hit; // inclusive bounds of the key's hit test
    QRect image; // where its up and down images are drawn
};

// Keys 1-20 in number order.
const std::array<KeyPlace, FaceKeyCount>& keys();
const KeyPlace& key(Key k);

// The key under a client point, or Key::None when the point is on no key.
Key KeyAtPoint(QPoint p);

// The text cell of (column, line) on the small pitch, where the cursor cell is drawn.
QRect cursorRect(QPoint cell);
// The client rectangle that a repaint request of the simulator covers.
QRect areaRect(const ScreenArea& area, QPoint cursorCell);

} // namespace vosket::face
