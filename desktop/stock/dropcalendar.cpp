#include "desktop/stock/dropcalendar.h"

#include <QApplication>
#include <QEvent>

namespace korvell {

DropCalendar::DropCalendar(QWidget* window)
    : QCalendarWidget(window)
{
    hide();
    const auto choose = [this](const QDate& day) {
        hide();
        emit chosen(day);
    };
    connect(this, &QCalendarWidget::clicked, this, choose);
    connect(this, &QCalendarWidget::activated, this, choose);
    window->installEventFilter(this);
    focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (isVisible() && now != this && (!now || !isAncestorOf(now)))
            hide();
    });
}

DropCalendar::~DropCalendar()
{
    // Focus moves while the window's children are destroyed.
    disconnect(focusWatch);
}

bool DropCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::MouseButtonPress)
        hide();
    return QCalendarWidget::eventFilter(watched, event);
}

void DropCalendar::dropBelow(QWidget* box, const QDate& day)
{
    const QPoint below = box->mapTo(parentWidget(), QPoint(box->width() / 2, box->height()));
    adjustSize();
    move(below.x() - width() / 2, below.y());
    setSelectedDate(day);
    show();
    raise();
    setFocus();
}

} // namespace korvell
