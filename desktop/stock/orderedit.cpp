#include "desktop/stock/orderedit.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"

namespace korvell {

namespace {

    // The owner of the order's newest item (or of the item serial); empty when there is none,
    // nothing when the query failed, with trouble saying why.
    std::optional<QString> ownerOf(const OrderKind& kind, const QString& order, const QString& station,
        const std::optional<QString>& serial, DatabaseTrouble& trouble)
    {
        QString sql = "select " + kind.ownerColumn + " from c_proc_main where " + kind.orderColumn + "=? and "
            + kind.stationColumn + "=?";
        QVariantList values { order, station };
        if (serial) {
            sql += " and serialno=?";
            values << *serial;
        }
        const SqlResult r = ExecSQL(sql + " order by enter_date desc,count_num desc", values);
        trouble = troubleOf(r);
        if (!r || !r.rs)
            return std::nullopt;
        return r.rs->eof() ? QString() : r.rs->value(0).toString().trimmed();
    }

    void tell(const QString& text, const QString& hint)
    {
        if (!text.isEmpty())
            ShowToast(text, hint, ToastRed);
    }

} // namespace

OrderEdit editOrder(const OrderKind& kind, const QString& order, const QString& station,
    const std::optional<QString>& serial, const QString& user, const std::function<Changed()>& change)
{
    if (order.isEmpty())
        return {};
    if (serial && serial->isEmpty())
        return { EditResult::NotOwner };
    DatabaseTrouble trouble = DatabaseTrouble::None;
    const auto owner = ownerOf(kind, order, station, serial, trouble);
    if (!owner)
        return { EditResult::Failed, 0, trouble };
    if (owner->isEmpty())
        return {};
    if (*owner != user)
        return { EditResult::NotOwner };
    const Changed changed = change();
    if (!changed)
        return { EditResult::Failed, 0, changed.trouble };
    return { *changed > 0 ? EditResult::Changed : EditResult::NothingChanged, *changed };
}

bool reportEdit(const OrderEdit& edit, const EditTexts& t)
{
    switch (edit.result) {
    case EditResult::NotOwner:
        tell(t.notOwner, t.notOwnerHint);
        return false;
    case EditResult::NoOrder:
        tell(t.noItem, "");
        return false;
    case EditResult::Failed:
        return false;
    case EditResult::Changed:
        tell(t.changed, t.changedHint);
        return true;
    case EditResult::NothingChanged:
        tell(t.unchanged, t.unchangedHint);
        return true;
    }
    return false;
}

EditTexts editTexts(const OrderKind& kind, const QString& order, const EditAction& action)
{
    const bool whole = action.whole;
    EditTexts t;
    t.notOwner = whole ? kind.notOwnerOrder : kind.notOwnerLine;
    const QString noItem = whole ? kind.noItemsOrder : kind.noItemLine;
    t.noItem = noItem.isEmpty() ? QString() : noItem.arg(order);
    if (action.restore) {
        t.notOwnerHint = kind.notOwnerRestoreHint;
        t.changed = whole ? kind.restoredOrder : kind.restoredLine;
        t.changedHint = kind.restoredHint;
        t.unchanged = whole ? kind.nothingRestoredOrder : kind.nothingRestoredLine;
        return t;
    }
    t.notOwnerHint = QStringLiteral("您无权删除！");
    t.changed = whole ? kind.undoneOrder : kind.undoneLine;
    t.changedHint = whole ? kind.undoneOrderHint : kind.undoneLineHint;
    t.unchanged = whole ? kind.nothingUndoneOrder : kind.nothingUndoneLine;
    t.unchangedHint = action.waitingOnly ? kind.waitingOnlyHint : kind.nothingUndoneHint;
    return t;
}

} // namespace korvell
