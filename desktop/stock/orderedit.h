#pragma once
// Deleting, restoring and undoing the items of an order, alike in the three stock windows: only
// the user who weighed or staged them may (the owner is read from the database: the weigher or
// clerk of the order's newest item, or of the item itself), and only items in a state that the
// action may leave change. What came of it is told through one mapping of results to toasts.
#include "desktop/stock/itemtransitions.h"
#include "desktop/stock/orderkind.h"

#include <QString>
#include <functional>
#include <optional>

namespace korvell {

enum class EditResult {
    NoOrder, // no order number, or no such item on the order: nothing asked of the database
    NotOwner, // another user weighed or staged the order's newest item (or this item), or none was chosen
    Failed, // a statement failed; ExecSQL has shown why
    NothingChanged, // every item was in a state the action does not leave
    Changed,
};

struct [[nodiscard]] OrderEdit {
    EditResult result = EditResult::NoOrder;
    int changed = 0;
    DatabaseTrouble trouble = DatabaseTrouble::None; // why it failed
};

// The edit of the whole order at the station (no serial) or of one of its items (an empty serial:
// none chosen, nobody's item), as user; change runs once the user is found to be the owner.
OrderEdit editOrder(const OrderKind& kind, const QString& order, const QString& station,
    const std::optional<QString>& serial, const QString& user, const std::function<Changed()>& change);

// What the user is told of each result; an empty text tells nothing.
struct EditTexts {
    QString notOwner, notOwnerHint, changed, changedHint, unchanged, unchangedHint, noItem;
};

// Says what came of an edit; true when the order's rows may have changed and are to be shown again.
bool reportEdit(const OrderEdit& edit, const EditTexts& texts);

// What an edit does: to the whole order or one line; a restore of deleted stock-in items; a
// release of a resumed order of another day, which reaches only its waiting lines.
struct EditAction {
    bool whole = false;
    bool restore = false;
    bool waitingOnly = false;
};

// The texts of deleting or undoing (or restoring) the order (whole) or one of its lines.
EditTexts editTexts(const OrderKind& kind, const QString& order, const EditAction& action);

} // namespace korvell
