#pragma once
// Booking the order of a stock window: its waiting items become in stock ("30" -> "00", deleted
// ones leave the table), booked out ("31" -> "10") or returned into stock ("32" -> "01"), with
// approver and customer where the order has them, and the booking is logged. The first line the
// database does not take stops the booking: the rest waits for the next click.
#include "desktop/stock/databasetrouble.h"
#include "desktop/stock/orderkind.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

// A booking's line of the operation log: its text, with the user who booked and when.
struct LogLine {
    QString text;
    QString user;
    QDateTime when;
};

struct [[nodiscard]] BookingOutcome {
    bool refused = false; // a required field was missing; nothing was tried
    QStringList booked; // serial numbers of the lines that changed
    int left = 0; // lines not booked from the one the booking stopped at
    DatabaseTrouble trouble = DatabaseTrouble::None; // why it stopped
    bool pending = false; // the order still holds waiting items
    std::optional<LogLine> unlogged; // the log line the database did not take
};

// Books the items that wait on the order at the station, as the database lists them (shown: the
// window's lines, counted when the database cannot even list them), and says in a toast how it
// went. The log line is written once the order is booked, and for the lines booked before a stop.
BookingOutcome bookOrder(const OrderKind& kind, const BookingRequest& request, const QList<OrderLine>& shown);

// The lines of the order at the station that booking takes, newest weighing first; nothing when
// the query failed, with trouble saying why.
[[nodiscard]] std::optional<QList<OrderLine>> bookableLines(
    const OrderKind& kind, const QString& order, const QString& station, DatabaseTrouble* trouble = nullptr);

} // namespace korvell
