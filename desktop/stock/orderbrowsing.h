#pragma once
// Stepping through the day's stock-out or return orders, and undoing an order or one of its lines.
#include "desktop/stock/orderkind.h"

#include <QString>
#include <optional>

namespace korvell {

// The order one step before (-1) or after (+1) the shown one. Nothing, after the toast, while the
// shown order holds staged items or when no item carries the neighbouring number.
std::optional<QString> browseOrder(const OrderKind& kind, const QString& shown, int step, bool pending);

// Undo works only on today's date (the window's day text "yyyy-m-d") and with full rights.
bool undoAllowed(const OrderKind& kind, const QString& windowDay);

// Puts every item of the order back (stock-out: into stock; returns: booked out). Refused, after
// the toast, when the order's first line was staged by someone else. False when refused or when
// there is no order number.
bool undoWholeOrder(const OrderKind& kind, const QString& order, const QString& firstClerk, const QString& user);

// The same for one line of the order.
bool undoOrderLine(const OrderKind& kind, const QString& order, const QString& serial, const QString& clerk,
    const QString& user);

} // namespace korvell
