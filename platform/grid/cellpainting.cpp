#include "platform/grid/cellpainting.h"

#include <QPainter>
#include <QPen>

namespace platform {

QFont fontInPixels(const FontSpec& spec)
{
    QFont f(spec.family);
    f.setPixelSize(std::max(1, qRound(spec.pointSize * 96.0 / 72.0)));
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    return f;
}

CellPainter::CellPainter(const SheetModel& s, QPainter& p)
    : sheet(s)
    , painter(p)
{
}

void CellPainter::paintCell(int row, int col, const QRectF& rect) const
{
    const CellFormat f = sheet.cellFormat(row, col);
    if (background) {
        const BgrColor back = sheet.effectiveBackColor(row, col);
        if (back != 0xFFFFFF)
            painter.fillRect(rect, colorFromBgr(back));
    }
    if (gridLines) {
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }

    const QString text = sheet.cellText(row, col);
    const QColor ink = colorFromBgr(f.textColor.value_or(0));
    // Narrow margins: the windows size their columns for the text they hold (a 16-digit serial
    // number in 99 pixels).
    const QRectF inner = rect.adjusted(2, 1, -1, -1);
    if (sheet.cellType(row, col) == CellType::CheckBox) {
        const double side = std::min({ 13.0, rect.height() - 4, rect.width() - 4 });
        if (side > 2) {
            const QRectF box(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
            painter.setPen(QPen(ink, 1));
            painter.setBrush(Qt::white);
            painter.drawRect(box);
            if (text == QLatin1String("1")) {
                const QPointF tick[] = { { box.left() + side * 0.2, box.top() + side * 0.5 },
                    { box.left() + side * 0.42, box.top() + side * 0.75 },
                    { box.left() + side * 0.8, box.top() + side * 0.25 } };
                painter.setPen(QPen(ink, 2));
                painter.drawPolyline(tick, 3);
            }
        }
    } else if (!text.isEmpty()) {
        painter.setFont(fontInPixels(sheet.fontSpec(row, col)));
        painter.setPen(ink);
        int flags = int(alignmentFromCode(sheet.effectiveAlignment(row, col)));
        if (f.wrap)
            flags |= Qt::TextWordWrap;
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
        painter.drawText(inner, flags, text);
        painter.restore();
    }

    // A line kept on both neighbours is drawn by each at the same place.
    auto line = [this](BorderStyle style, QPointF a, QPointF b) {
        if (style == BorderStyle::None)
            return;
        painter.setPen(QPen(Qt::black, style == BorderStyle::Thick ? 2 : 1));
        painter.drawLine(a, b);
    };
    // For a merged area the outer edges are those of its last row and column.
    const CellFormat br = [&] {
        if (auto m = sheet.mergeAt(row, col); m && m->top == row && m->left == col) {
            CellFormat edge = f;
            edge.borderRight = sheet.cellFormat(row, m->right).borderRight;
            edge.borderBottom = sheet.cellFormat(m->bottom, col).borderBottom;
            return edge;
        }
        return f;
    }();
    line(f.borderLeft, rect.topLeft(), rect.bottomLeft());
    line(f.borderTop, rect.topLeft(), rect.topRight());
    line(br.borderRight, rect.topRight(), rect.bottomRight());
    line(br.borderBottom, rect.bottomLeft(), rect.bottomRight());
}

} // namespace platform
