#pragma once
// Every change of an item's status, one statement each. Each statement is guarded by the status
// the item leaves (and, where the window acts on its own order, by that order and station), so a
// station acting on a stale view changes nothing that another has changed meanwhile.
// Each returns the number of items really changed, or nothing when the statement failed
// (ExecSQL has shown why), with the trouble that made it fail.
#include "desktop/stock/databasetrouble.h"

#include <QDate>
#include <QString>
#include <optional>

namespace korvell {

struct [[nodiscard]] Changed : std::optional<int> {
    using std::optional<int>::optional;
    DatabaseTrouble trouble = DatabaseTrouble::None; // why nothing could be changed
};

// Booking a stock-in order: "30" -> "00"; a "20" item of the order is removed from the table.
Changed bookStockInItem(const QString& serial, const QString& order, const QString& station);
Changed removeDeletedItem(const QString& serial, const QString& order, const QString& station);

// Delete and restore on a stock-in order at its station: "30" or "00" -> "20", and "20" -> "00".
// An item on a stock-out or return order (staged, booked out, returned) stays as it is.
// waitingOnly: deletes and undos reach only the items that wait for booking ("30", "31", "32").
Changed deleteStockInOrder(const QString& order, const QString& station, bool waitingOnly = false);
Changed restoreStockInOrder(const QString& order, const QString& station);
Changed deleteStockInItem(
    const QString& serial, const QString& order, const QString& station, bool waitingOnly = false);
Changed restoreStockInItem(const QString& serial, const QString& order, const QString& station);

// Stock-out: "00" or "01" -> "31" staged on order; "31" -> "10" booked; undo "31" or "10" of the
// order -> "00" (an item since staged for return or returned is left alone).
Changed stageForStockOut(const QString& serial, const QDate& day, const QString& order,
    const QString& station, const QString& user);
Changed bookStockOutItem(
    const QString& serial, const QString& order, const QString& customer, const QString& approver);
Changed undoStockOutOrder(const QString& order, bool waitingOnly = false);
Changed undoStockOutLine(const QString& serial, const QString& order, bool waitingOnly = false);

// Returns: "10" -> "32" staged on order; "32" -> "01" booked; undo "32" or "01" of the order -> "10".
Changed stageForReturn(const QString& serial, const QDate& day, const QString& order, const QString& station,
    const QString& user);
Changed bookReturnItem(const QString& serial, const QString& order, const QString& approver);
Changed undoReturnOrder(const QString& order, bool waitingOnly = false);
Changed undoReturnLine(const QString& serial, const QString& order, bool waitingOnly = false);

} // namespace korvell
