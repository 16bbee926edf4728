#include "generator/ui/dragoutline.h"

#include <QPainter>

namespace vosket {

DragOutline::DragOutline()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DragOutline::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // dark and light dashes, visible on any background
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, Thickness, Qt::DashLine));
    p.drawRect(QRectF(rect()).adjusted(Thickness / 2.0, Thickness / 2.0, -Thickness / 2.0, -Thickness / 2.0));
}

void DragOutline::resizeEvent(QResizeEvent*)
{
    setMask(
        QRegion(rect()).subtracted(QRegion(rect().adjusted(Thickness, Thickness, -Thickness, -Thickness))));
}

} // namespace vosket
