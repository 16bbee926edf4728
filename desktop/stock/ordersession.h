#pragma once
// The order a stock window works on: its day and number, and whether items wait on it for
// booking, read from the database rather than from a grid that may have failed to load. Nothing
// goes on without a number, and while items wait the window keeps its order: no new order, no
// other day, no browsing, no closing. An order left waiting by an earlier opening (a crash, a
// lost server, a clerk who left it) is offered again with its own day and number, and it may be
// booked, released or left; once it no longer waits, it is shown as any booked order of its day,
// and new work goes onto a new order of the window's day.
// The user and the station are those of the login state at the moment of each step.
#include "desktop/frame/rights.h"
#include "desktop/stock/orderbooking.h"
#include "desktop/stock/orderkind.h"
#include "desktop/stock/orderstaging.h"

#include <QDate>
#include <QString>
#include <optional>

namespace korvell {

// Whether items wait for booking on the order at the station; nothing when the query failed.
[[nodiscard]] std::optional<bool> holdsWaitingItems(
    const OrderKind& kind, const QString& order, const QString& station);

// The newest order of the station on which items wait, with its day; an empty number when there
// is none, nothing when the query failed.
struct WaitingOrder {
    QString number;
    QDate day;
};
[[nodiscard]] std::optional<WaitingOrder> waitingOrderOf(const OrderKind& kind, const QString& station);

class OrderSession {
public:
    explicit OrderSession(const OrderKind& kind)
        : kind(kind)
    {
    }

    // The day of the order shown, which the date box shows: the window's (today at an opening, or
    // the day chosen in the calendar), or that of a resumed order.
    const QDate& day() const { return shownOrderDay; }
    const QString& number() const { return shownNumber; }
    bool hasNumber() const { return !shownNumber.isEmpty(); }
    // hxsrk: items wait on the order for booking.
    bool pending() const { return waiting; }
    // The order was left waiting by an earlier opening and still waits.
    bool resumed() const { return leftOver; }
    const OrderKind& orderKind() const { return kind; }

    enum class Opening {
        Resumed, // this station's order whose items wait, said in a toast with the choices
        Fresh, // a new number for today
        Numberless, // no number could be drawn (the numbering has said why)
    };
    // Reads the rights once: the window's buttons stand as they allow until the next opening.
    [[nodiscard]] Opening open(const QDate& today);
    // The rights read at the opening.
    const Rights& openingRights() const { return granted; }
    // A resumed order's booking is for those whose rights at the opening allow changes.
    bool bookBarred() const { return leftOver && granted.refusesChange(); }

    // A new number for the same day. Refused, with a toast, while items wait; false leaves the
    // order as it was, also when no number can be drawn.
    [[nodiscard]] bool renew();
    // Another day with its new number. Refused while items wait; false leaves day and order.
    [[nodiscard]] bool changeDay(const QDate& day);
    // Before new work (import, weighing): once nothing waits on an order of another day than the
    // window's, the work goes onto a new order of the window's day. Refused when no number could
    // be drawn.
    enum class Work { Refused, SameOrder, NewOrder };
    [[nodiscard]] Work takeWindowDay();
    // Closing: refused, with a toast, while items wait on an order of this opening; an order
    // resumed may be left waiting, and the next opening offers it again.
    [[nodiscard]] bool mayClose() const;
    // The order one step before (-1) or after (+1) of the same day and station. Refused while
    // items wait; false, after the toast, when no item bears that number.
    [[nodiscard]] bool browse(int step);
    // The pending state anew from the database; when the read fails, assumed.
    void readPending(bool assumed);
    void setPending(bool on);

    // Stages the serial numbers on the order as the logged-in user. Stopped by the database, the
    // order counts as waiting when anything may be staged on it.
    ImportOutcome import(const QStringList& serials);
    // Books the items that wait on the order (lines: what the window shows, counted when the
    // database cannot even list them).
    BookingOutcome book(const QString& approver, const QString& customer, const QList<OrderLine>& lines);
    // The log lines of bookings that the database could not take are written at the next click,
    // each with its own user and moment.
    void settleLog();

    // Rights read now: a click that imports, starts a new order or weighs asks again (another user
    // may have logged in, rights may have changed).
    [[nodiscard]] Rights rights() const;
    // Unreadable: the rights could not be read (the database's toast says so); no refusal is made up.
    enum class DeleteGate { Open, PastDay, NoRights, Unreadable };
    // Deletes and undos: on today's order only, and with both rights. A resumed order's waiting
    // lines were never booked: they may be released whatever the order's day. The delete buttons
    // then stand as this click found them (unreadable rights change nothing).
    [[nodiscard]] DeleteGate deleteGate();
    // The delete buttons: as the rights at the opening allow, then as the last toolbar click left
    // them; off while a resumed order of another day is shown done with, as a click would find it.
    bool deletesEnabled() const { return deletesOn && !pastDone; }
    // Deletes and undos reach only the order's waiting lines: it is a resumed order of another
    // day, whose booked lines stay as booked.
    bool releaseOnly() const;

private:
    bool take(const QDate& day, const std::optional<QString>& number);
    QString resumedChoices() const;

    const OrderKind& kind;
    QDate windowDay;
    QDate shownOrderDay;
    QString shownNumber;
    bool waiting = false;
    bool leftOver = false;
    bool deletesOn = false;
    bool pastDone = false; // a resumed order of another day, booked or released, is shown
    Rights granted = Rights::unread();
    QList<LogLine> owedLogs; // bookings' log lines the database did not take
};

} // namespace korvell
