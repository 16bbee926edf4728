#pragma once
// Deleting and restoring the items of a stock-in order at this station, as the weighing station
// offers it: only the user who weighed them may, and only items in a state they may leave change.
#include <QString>

namespace korvell {

enum class SlipEditResult {
    NoOrder, // no order number, or the item is not on the order: nothing asked of the database
    NotOwner, // the user did not weigh the order's newest item (or this item)
    Failed, // a statement failed; ExecSQL has shown why
    NothingChanged, // every item was in a state the action does not leave
    Changed,
};

struct [[nodiscard]] SlipEdit {
    SlipEditResult result = SlipEditResult::NoOrder;
    int changed = 0;
};

// The whole order; its owner is the weigher of its newest item. waitingOnly: only the items not
// booked yet are deleted.
SlipEdit deleteStockInSlip(
    const QString& order, const QString& station, const QString& user, bool waitingOnly);
SlipEdit restoreStockInSlip(const QString& order, const QString& station, const QString& user);
// One item of the order.
SlipEdit deleteStockInSlipItem(const QString& serial, const QString& order, const QString& station,
    const QString& user, bool waitingOnly);
SlipEdit restoreStockInSlipItem(
    const QString& serial, const QString& order, const QString& station, const QString& user);

} // namespace korvell
