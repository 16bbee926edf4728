#include "desktop/stock/dropcalendar.h"

#include <QApplication>

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
