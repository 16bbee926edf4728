#include "desktop/stock/weightlabel.h"

#include "desktop/stock/code128.h"

#include <QFont>
#include <QPainter>

namespace korvell {

namespace {

    // Font sizes in twips (20 per point): fields 10.5 pt bold "宋体", the window's default 9 pt.
    QFont fieldFont()
    {
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(210);
        f.setBold(true);
        return f;
    }

    QFont defaultFont()
    {
        QFont f(QStringLiteral("宋体"));
        f.setPixelSize(180);
        return f;
    }

    void field(QPainter& p, int left, int top, const QString& text)
    {
        p.drawText(QRectF(left, top, labelWidthTwips - left, 400), Qt::AlignLeft | Qt::AlignTop, text);
    }

} // namespace

void paintWeightLabel(QPainter& p, const QRectF& target, const WeightLabel& l)
{
    p.save();
    p.translate(target.topLeft());
    p.scale(target.width() / labelWidthTwips, target.height() / labelHeightTwips);
    p.fillRect(QRectF(0, 0, labelWidthTwips, labelHeightTwips), Qt::white);
    p.setPen(Qt::black);

    p.setFont(fieldFont());
    field(p, 1800, 1200, l.spec);
    field(p, 3480, 1200, l.net);
    field(p, 1800, 1680, l.model);
    field(p, 3480, 1680, l.producer);
    field(p, 1800, 2160, l.gross);
    field(p, 3480, 2160, l.day);
    field(p, 1800, 2520, l.phone);
    field(p, 1800, 4230, l.spec);
    field(p, 3480, 4230, l.model);
    field(p, 1800, 4560, l.net);
    field(p, 3480, 4560, l.producer);
    field(p, 1800, 4920, l.gross);
    field(p, 3480, 4920, l.inspector);
    field(p, 3480, 5280, l.day);

    if (const auto code = Code128::encode(l.serialno))
        code->paint(p, labelBarcodeBox);

    p.setFont(defaultFont());
    p.drawText(QRectF(2400, 3480, 2055, 255), Qt::AlignLeft | Qt::AlignTop, l.serialno);
    field(p, 1680, 5280, l.compphone);
    p.restore();
}

} // namespace korvell
