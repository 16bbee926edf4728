#include "generator/ui/terminalart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace vosket {
namespace {

    const QColor LcdLight(0xc4, 0xd2, 0xa6);
    const QColor LcdDark(0x2c, 0x37, 0x22);

    enum class KeyStyle { Digit, Function, Escape, Delete, Enter };
    enum class Arrow { None, Up, Down };

    struct KeyFace {
        QString label;
        QString hint; // the multi-tap characters, printed small beside the label
        KeyStyle style;
        Arrow arrow = Arrow::None;
    };

    struct KeyColours {
        QColor top, bottom, text;
    };

    const std::array<KeyFace, FaceKeyCount>& keyFaces()
    {
        static const std::array<KeyFace, FaceKeyCount> table = { {
            { "1", "SP", KeyStyle::Digit },
            { "2", "ABC", KeyStyle::Digit },
            { "3", "DEF", KeyStyle::Digit },
            { "4", "GHI", KeyStyle::Digit },
            { "5", "JKL", KeyStyle::Digit },
            { "6", "MNO", KeyStyle::Digit },
            { "7", "PQRS", KeyStyle::Digit },
            { "8", "TUV", KeyStyle::Digit },
            { "9", "WXYZ", KeyStyle::Digit },
            { "A/1", "", KeyStyle::Function },
            { "0", "/*", KeyStyle::Digit },
            { "MENU", "", KeyStyle::Function },
            { "-", "+$", KeyStyle::Function },
            { "", "", KeyStyle::Function, Arrow::Up },
            { "", "", KeyStyle::Function, Arrow::Down },
            { ".", "%#", KeyStyle::Function },
            { "ESC", "", KeyStyle::Escape },
            { "DEL", "", KeyStyle::Delete },
            { "ENT", "", KeyStyle::Enter },
            { "ENT", "", KeyStyle::Enter },
        } };
        return table;
    }

    KeyColours coloursOf(KeyStyle style, bool down)
    {
        KeyColours c;
        switch (style) {
        case KeyStyle::Digit:
            c = { QColor(0xea, 0xec, 0xef), QColor(0xb4, 0xb9, 0xc1), QColor(0x1c, 0x1e, 0x22) };
            break;
        case KeyStyle::Function:
            c = { QColor(0x9c, 0xa3, 0xad), QColor(0x6a, 0x71, 0x7b), Qt::white };
            break;
        case KeyStyle::Escape:
            c = { QColor(0xe2, 0x5b, 0x55), QColor(0xa3, 0x32, 0x2e), Qt::white };
            break;
        case KeyStyle::Delete:
            c = { QColor(0xf3, 0xb5, 0x56), QColor(0xc4, 0x80, 0x22), QColor(0x2a, 0x1a, 0x05) };
            break;
        case KeyStyle::Enter:
            c = { QColor(0x63, 0xc0, 0x63), QColor(0x35, 0x85, 0x35), Qt::white };
            break;
        }
        if (down) {
            c.top = c.top.darker(125);
            c.bottom = c.bottom.darker(115);
        }
        return c;
    }

    QFont labelFont(int pixelSize, bool bold)
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(pixelSize);
        f.setBold(bold);
        return f;
    }

    void drawArrow(QPainter& p, QRectF area, Arrow arrow, const QColor& colour)
    {
        const QPointF c = area.center();
        const qreal dy = arrow == Arrow::Up ? -1 : 1;
        QPainterPath triangle;
        triangle.moveTo(c.x() - 7, c.y() - 3.5 * dy);
        triangle.lineTo(c.x() + 7, c.y() - 3.5 * dy);
        triangle.lineTo(c.x(), c.y() + 4.5 * dy);
        triangle.closeSubpath();
        p.fillPath(triangle, colour);
    }

    // One key drawn over the piece of the body it covers, so that the image sits seamlessly in
    // the picture. A pressed key sinks by a pixel and loses its shadow.
    QPixmap drawKey(const QPixmap& body, const face::KeyPlace& key, const KeyFace& look, bool down)
    {
        QPixmap image = body.copy(key.image);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF cap(1.5, down ? 2.5 : 1.5, key.image.width() - 3, key.image.height() - 4.5);
        if (!down) {
            QPainterPath shadow;
            shadow.addRoundedRect(cap.translated(0, 2), 6, 6);
            p.fillPath(shadow, QColor(0x14, 0x16, 0x19));
        }
        const KeyColours colours = coloursOf(look.style, down);
        QLinearGradient fill(cap.topLeft(), cap.bottomLeft());
        fill.setColorAt(0, colours.top);
        fill.setColorAt(1, colours.bottom);
        QPainterPath capPath;
        capPath.addRoundedRect(cap, 6, 6);
        p.fillPath(capPath, fill);
        p.setPen(QPen(colours.bottom.darker(160), 1));
        p.drawPath(capPath);

        p.setPen(colours.text);
        if (look.arrow != Arrow::None) {
            drawArrow(p, cap, look.arrow, colours.text);
        } else if (look.hint.isEmpty()) {
            p.setFont(labelFont(look.label.size() > 3 ? 11 : 12, true));
            p.drawText(cap, Qt::AlignCenter, look.label);
        } else {
            // the digit on the left, its letters beside it, narrowed for the four-letter groups
            const bool longHint = look.hint.size() > 3;
            QRectF left = cap;
            left.setRight(cap.left() + cap.width() * (longHint ? 0.36 : 0.42));
            QRectF right = cap;
            right.setLeft(left.right() + 2);
            p.setFont(labelFont(16, true));
            p.drawText(left, Qt::AlignRight | Qt::AlignVCenter, look.label);
            p.setFont(labelFont(longHint ? 8 : 9, true));
            p.drawText(right, Qt::AlignLeft | Qt::AlignVCenter, look.hint);
        }
        return image;
    }

    void drawBody(QPainter& p)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(QRect(QPoint(0, 0), face::Size), Qt::white);

        // housing
        QLinearGradient housing(0, 0, face::Size.width(), 0);
        housing.setColorAt(0, QColor(0x5d, 0x62, 0x6b));
        housing.setColorAt(0.45, QColor(0x42, 0x46, 0x4e));
        housing.setColorAt(1, QColor(0x26, 0x29, 0x2e));
        p.fillPath(TerminalArt::outline(), housing);
        p.setPen(QPen(QColor(0x12, 0x14, 0x17), 2));
        p.drawPath(TerminalArt::outline());

        // scanner window on the head
        QLinearGradient glass(0, 5, 0, 13);
        glass.setColorAt(0, QColor(0xd8, 0x3a, 0x3a));
        glass.setColorAt(1, QColor(0x6e, 0x0e, 0x0e));
        QPainterPath scanner;
        scanner.addRoundedRect(QRectF(60, 5, 90, 8), 3, 3);
        p.fillPath(scanner, glass);

        p.setPen(QColor(0xd0, 0xd3, 0xd8));
        p.setFont(labelFont(9, true));
        p.drawText(QRectF(0, 16, face::Size.width(), 13), Qt::AlignCenter, QStringLiteral("ZENTRAVOX"));

        // screen bezel and the LCD glass
        QPainterPath bezel;
        bezel.addRoundedRect(QRectF(14, 31, 182, 124), 10, 10);
        p.fillPath(bezel, QColor(0x18, 0x1a, 0x1e));
        QPainterPath rim;
        rim.addRoundedRect(QRectF(21, 36, 168, 112), 5, 5);
        p.fillPath(rim, QColor(0x30, 0x34, 0x3a));
        p.fillRect(face::ScreenRect.adjusted(-1, -1, 1, 1), QColor(0x5a, 0x63, 0x4c));
        p.fillRect(face::ScreenRect, LcdLight);

        // power lamp and model name under the screen
        QRadialGradient lamp(QPointF(30, 175), 6);
        lamp.setColorAt(0, QColor(0x9c, 0xff, 0x9c));
        lamp.setColorAt(0.6, QColor(0x2e, 0xb8, 0x4a));
        lamp.setColorAt(1, QColor(0x2e, 0xb8, 0x4a, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(lamp);
        p.drawEllipse(QPointF(30, 175), 6, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(0xd0, 0xd3, 0xd8));
        QFont model = labelFont(15, true);
        model.setItalic(true);
        p.setFont(model);
        p.drawText(QRectF(100, 164, 88, 22), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("7300"));

        // keypad panel
        QPainterPath panel;
        panel.addRoundedRect(QRectF(12, 193, 186, 245), 14, 14);
        QLinearGradient panelFill(0, 193, 0, 438);
        panelFill.setColorAt(0, QColor(0x36, 0x39, 0x40));
        panelFill.setColorAt(1, QColor(0x2c, 0x2f, 0x35));
        p.fillPath(panel, panelFill);
        p.setPen(QPen(QColor(0x1c, 0x1e, 0x22), 1));
        p.drawPath(panel);

        // speaker grille
        p.setPen(QPen(QColor(0x16, 0x18, 0x1b), 2, Qt::SolidLine, Qt::RoundCap));
        for (int y = 444; y <= 456; y += 4)
            p.drawLine(QPointF(82, y), QPointF(128, y));
    }

    // A 5 x 7 glyph, one text row per pixel row, '#' lit.
    QPixmap drawMark(const char* const rows[7])
    {
        QPixmap mark(face::ModeMarkRect.size());
        mark.fill(LcdDark);
        QPainter p(&mark);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 5; ++x) {
                if (rows[y][x] == '#')
                    p.fillRect(QRect(x + 1, y + 3, 1, 1), LcdLight);
            }
        }
        return mark;
    }

} // namespace

QPainterPath TerminalArt::outline()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 1, face::Size.width() - 2, face::Size.height() - 2), 24, 24);
    return path;
}

QFont TerminalArt::screenFont()
{
    QFont f;
    f.setFamilies({ QStringLiteral("Elite"), QStringLiteral("DejaVu Sans Mono") });
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    return f;
}

TerminalArt::TerminalArt()
    : bodyImage(face::Size)
    , cursorImage(face::CellWidth, face::CellHeight)
    , barImage(face::BarSize)
    , clockImage(face::BarSize)
{
    {
        QPainter p(&bodyImage);
        drawBody(p);
    }
    for (const face::KeyPlace& key : face::keys()) {
        const auto index = static_cast<size_t>(KeyNumber(key.key) - 1);
        const KeyFace& look = keyFaces().at(index);
        upImages.at(index) = drawKey(bodyImage, key, look, false);
        downImages.at(index) = drawKey(bodyImage, key, look, true);
    }
    cursorImage.fill(LcdLight);
    QPainter(&cursorImage).fillRect(QRect(0, face::CellHeight - 2, face::CellWidth, 2), LcdDark);
    barImage.fill(LcdDark);
    clockImage.fill(LcdLight);
    static const char* const letter[7] = { ".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#" };
    static const char* const digit[7] = { "..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###." };
    alphaImage = drawMark(letter);
    digitImage = drawMark(digit);
}

} // namespace vosket
