#include "generator/ui/facegeometry.h"

#include <vector>

namespace vosket::face {
namespace {

    // A key's hit rectangle from inclusive bounds, its image from the corner and size.
    constexpr KeyPlace makeKey(int number, int x0, int x1, int y0, int y1, int ix, int iy, int iw, int ih)
    {
        return KeyPlace { FaceKey(number), QRect(QPoint(x0, y0), QPoint(x1, y1)), QRect(ix, iy, iw, ih) };
    }

    const std::array<KeyPlace, FaceKeyCount> keyTable = {
        makeKey(1, 31, 76, 311, 335, 29, 309, 50, 29),
        makeKey(2, 84, 128, 311, 335, 82, 309, 49, 29),
        makeKey(3, 134, 179, 311, 335, 132, 309, 50, 29),
        makeKey(4, 33, 77, 342, 366, 31, 339, 49, 31),
        makeKey(5, 84, 128, 342, 366, 82, 339, 49, 31),
        makeKey(6, 133, 177, 342, 366, 131, 339, 49, 31),
        makeKey(7, 36, 78, 373, 396, 34, 370, 47, 30),
        makeKey(8, 85, 127, 373, 396, 83, 370, 47, 30),
        makeKey(9, 133, 175, 373, 396, 131, 370, 47, 30),
        makeKey(10, 40, 79, 404, 427, 37, 401, 46, 30),
        makeKey(11, 87, 126, 404, 427, 84, 401, 45, 30),
        makeKey(12, 132, 171, 404, 427, 129, 401, 46, 30),
        makeKey(13, 28, 73, 283, 306, 27, 281, 48, 28),
        makeKey(14, 82, 125, 254, 273, 80, 251, 48, 26),
        makeKey(15, 82, 125, 284, 303, 80, 282, 48, 25),
        makeKey(16, 137, 182, 283, 306, 136, 281, 48, 28),
        makeKey(17, 26, 78, 245, 277, 24, 243, 56, 37),
        makeKey(18, 137, 189, 245, 277, 135, 243, 56, 37),
        makeKey(19, 24, 65, 201, 236, 22, 200, 46, 38),
        makeKey(20, 145, 187, 201, 236, 144, 200, 46, 38),
    };

    // The hit bands, tried in this order; the first band that holds the point decides.
    struct Band {
        int top, bottom;
        int left = -1, right = -1; // an extra x condition when left >= 0
        std::vector<Key> keys;
    };

    const std::vector<Band>& bands()
    {
        static const std::vector<Band> table = {
            { 201, 236, -1, -1, { Key::Enter, Key::RightEnter } },
            { 254, 303, 82, 125, { Key::Up, Key::Down } },
            { 283, 306, -1, -1, { Key::Minus, Key::Point } },
            { 245, 277, -1, -1, { Key::Escape, Key::Delete } },
            { 311, 335, -1, -1, { Key::One, Key::Two, Key::Three } },
            { 342, 366, -1, -1, { Key::Four, Key::Five, Key::Six } },
            { 373, 396, -1, -1, { Key::Seven, Key::Eight, Key::Nine } },
            { 404, 427, -1, -1, { Key::Mode, Key::Zero, Key::Menu } },
        };
        return table;
    }

} // namespace

const std::array<KeyPlace, FaceKeyCount>& keys()
{
    return keyTable;
}

const KeyPlace& key(Key k)
{
    return keyTable.at(static_cast<size_t>(KeyNumber(k) - 1));
}

Key KeyAtPoint(QPoint p)
{
    for (const Band& band : bands()) {
        if (p.y() < band.top || p.y() > band.bottom)
            continue;
        if (band.left >= 0 && (p.x() < band.left || p.x() > band.right))
            continue;
        // Inside the band the key's own rectangle decides; between the up and down keys the
        // band holds the point but no key does.
        for (Key k : band.keys) {
            if (key(k).hit.contains(p))
                return k;
        }
        return Key::None;
    }
    return Key::None;
}

QRect cursorRect(QPoint cell)
{
    return QRect(TextLeft + CellWidth * cell.x(), TextTop + 1 + 12 * cell.y(), CellWidth, CellHeight);
}

QRect areaRect(const ScreenArea& area, QPoint cursorCell)
{
    switch (area.kind) {
    case ScreenArea::Whole:
        return ScreenRect;
    case ScreenArea::AboveClock:
        return QRect(QPoint(28, 42), QPoint(181, 123));
    case ScreenArea::Line:
        return QRect(QPoint(28, 42 + 12 * area.line), QPoint(181, 58 + 12 * area.line));
    case ScreenArea::Clock:
        return QRect(ClockOrigin, BarSize);
    case ScreenArea::Cursor:
        return cursorRect(cursorCell);
    }
    return ScreenRect;
}

} // namespace vosket::face
