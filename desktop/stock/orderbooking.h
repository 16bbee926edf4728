#pragma once
// Booking the current stock-out or return order: its staged items become booked out ("10") or
// returned into stock ("01") with the approver (and the customer), and the booking is logged.
#include "desktop/stock/orderkind.h"

#include <QList>
#include <QString>

namespace korvell {

// One line of the order grid as loaded.
struct OrderLine {
    QString serial;
    QString status;
};

struct BookingRequest {
    QString order; // the number the window holds
    QString approver;
    QString customer; // stock-out only
};

struct BookingOutcome {
    bool refused = false; // a required field was missing; nothing was tried
    QList<int> booked; // indexes of the lines that changed
    int failed = 0; // lines whose update failed; they stay staged
    bool pending = false; // the order still holds staged items
};

// Books every staged line of the order and shows the outcome as a toast. The log line is written
// only when a line changed.
BookingOutcome bookOrder(const OrderKind& kind, const BookingRequest& request, const QList<OrderLine>& lines);

} // namespace korvell
