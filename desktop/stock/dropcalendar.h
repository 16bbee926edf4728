#pragma once
// The month calendar that drops below a date box of a stock window: shown on a click into the
// box, hidden when a day is chosen, when it loses the focus or on a click on the window.
#include <QCalendarWidget>

namespace korvell {

class DropCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit DropCalendar(QWidget* window);
    ~DropCalendar() override;

    // Shows the calendar centred below box, at day.
    void dropBelow(QWidget* box, const QDate& day);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void chosen(const QDate& day);

private:
    QMetaObject::Connection focusWatch;
};

} // namespace korvell
