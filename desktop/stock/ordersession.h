#pragma once
// The order a stock window works on: its day and number, and whether items wait on it for
// booking, read from the database rather than from a grid that may have failed to load. Nothing
// goes on without a number, and while items wait the window keeps its order: no new order, no
// other day, no browsing, no closing. The user and the station are those of the login state at
// the moment of each step.
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

    const QDate& day() const { return shownDay; }
    const QString& number() const { return shownNumber; }
    bool hasNumber() const { return !shownNumber.isEmpty(); }
    // hxsrk: items wait on the order for booking.
    bool pending() const { return waiting; }

    enum class Opening {
        Resumed, // this station's order whose items wait, said in a toast
        Fresh, // a new number for today
        Numberless, // no number could be drawn (the numbering has said why)
    };
    [[nodiscard]] Opening open(const QDate& today);

    // A new number for the same day. Refused, with a toast, while items wait; false leaves the
    // order as it was, also when no number can be drawn.
    [[nodiscard]] bool renew();
    // Another day with its new number. Refused while items wait; false leaves day and order.
    [[nodiscard]] bool changeDay(const QDate& day);
    // The order one step before (-1) or after (+1) of the same day and station. Refused while
    // items wait; false, after the toast, when no item bears that number.
    [[nodiscard]] bool browse(int step);
    // The pending state anew from the database; when the read fails, assumed.
    void readPending(bool assumed);
    void setPending(bool on) { waiting = on; }

    // Stages the serial numbers on the order as the logged-in user. Stopped by the database, the
    // order counts as waiting when anything may be staged on it.
    ImportOutcome import(const QStringList& serials);
    // Books the items that wait on the order (lines: what the window shows, counted when the
    // database cannot even list them).
    BookingOutcome book(const QString& approver, const QString& customer, const QList<OrderLine>& lines);

    // Rights are read at every use: another user may have logged in, rights may have changed.
    // Import, new orders and weighing need rights that may change.
    [[nodiscard]] Rights rights() const;
    // Unreadable: the rights could not be read (the database's toast says so); no refusal is made up.
    enum class DeleteGate { Open, PastDay, NoRights, Unreadable };
    // Deletes and undos: on today's order only, and with both rights.
    [[nodiscard]] DeleteGate deleteGate() const;

private:
    bool take(const QDate& day, const std::optional<QString>& number);

    const OrderKind& kind;
    QDate shownDay;
    QString shownNumber;
    bool waiting = false;
};

} // namespace korvell
