#include "desktop/stock/orderedit.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"

namespace korvell {

namespace {

    // The owner of the order's newest item (or of the item serial); empty when there is none,
    // nothing when the query failed.
    std::optional<QString> ownerOf(const OrderKind& kind, const QString& order, const QString& station,
        const std::optional<QString>& serial)
    {
        QString sql = "select " + kind.ownerColumn + " from c_proc_main where " + kind.orderColumn + "=? and "
            + kind.stationColumn + "=?";
        QVariantList values { order, station };
        if (serial) {
            sql += " and serialno=?";
            values << *serial;
        }
        const SqlResult r = ExecSQL(sql + " order by enter_date desc,count_num desc", values);
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
    const auto owner = ownerOf(kind, order, station, serial);
    if (!owner)
        return { EditResult::Failed };
    if (owner->isEmpty())
        return {};
    if (*owner != user)
        return { EditResult::NotOwner };
    const Changed changed = change();
    if (!changed)
        return { EditResult::Failed };
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

EditTexts undoTexts(const OrderKind& kind, bool whole)
{
    const QString noRights = QStringLiteral("您无权删除！");
    if (whole)
        return { kind.notOwnerOrder, noRights, kind.undoneOrder, kind.undoneOrderHint,
            kind.nothingUndoneOrder, kind.nothingUndoneHint, {} };
    return { kind.notOwnerLine, noRights, kind.undoneLine, kind.undoneLineHint, kind.nothingUndoneLine,
        kind.nothingUndoneHint, {} };
}

} // namespace korvell
