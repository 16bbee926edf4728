#include "generator/ui/receivedcountbox.h"

#include "generator/link/linkenvironment.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace vosket {

ReceivedCountBox::ReceivedCountBox()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    programLinkEnvironment().countView = this;
}

ReceivedCountBox::~ReceivedCountBox()
{
    if (programLinkEnvironment().countView == this)
        programLinkEnvironment().countView = nullptr;
}

void ReceivedCountBox::prepare()
{
    const QSize size(fontMetrics().horizontalAdvance(QStringLiteral("已收到 : 0   ")) + 20, 40);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
}

void ReceivedCountBox::showCount(int count)
{
    shown = QStringLiteral("已收到: %1").arg(count);
    show();
    repaint();
    // The collection holds the event loop; let the box appear.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ReceivedCountBox::remove()
{
    hide();
}

void ReceivedCountBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 255, 100));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, shown);
}

} // namespace vosket
