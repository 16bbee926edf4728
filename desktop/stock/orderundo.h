#pragma once
// Undoing a stock-out or return order or one of its lines: the items go back where they were
// before staging (stock-out: into stock; returns: booked out). Only the clerk who staged them may.
#include "desktop/stock/orderkind.h"

#include <QString>

namespace korvell {

// Every item of the order (waitingOnly: those that wait for booking). Refused, after the toast,
// when the order's first line was staged by someone else. False when refused or when there is no
// order number; the toast says what came of it, also when nothing could be undone.
[[nodiscard]] bool undoWholeOrder(const OrderKind& kind, const QString& order, const QString& firstClerk,
    const QString& user, bool waitingOnly = false);

// The same for one line of the order; no line chosen (an empty serial) is not the user's.
[[nodiscard]] bool undoOrderLine(const OrderKind& kind, const QString& order, const QString& serial,
    const QString& clerk, const QString& user, bool waitingOnly = false);

} // namespace korvell
