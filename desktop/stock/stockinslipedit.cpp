#include "desktop/stock/stockinslipedit.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/itemtransitions.h"

#include <optional>

namespace korvell {

namespace {

    // The weigher of the order's newest item (or of the item serial); empty when there is none,
    // nothing when the query failed.
    std::optional<QString> ownerOf(const QString& order, const QString& station, const QString& serial)
    {
        const SqlResult r = serial.isEmpty()
            ? ExecSQL("select op_emp from c_proc_main where groupno=? and station_no=? "
                      "order by enter_date desc,count_num desc",
                { order, station })
            : ExecSQL("select op_emp from c_proc_main where serialno=? and groupno=? and station_no=?",
                { serial, order, station });
        if (!r || !r.rs)
            return std::nullopt;
        return r.rs->eof() ? QString() : r.rs->value(0).toString().trimmed();
    }

    template <typename Change>
    SlipEdit edit(const QString& order, const QString& station, const QString& serial, const QString& user,
        Change change)
    {
        if (order.isEmpty())
            return {};
        const auto owner = ownerOf(order, station, serial);
        if (!owner)
            return { SlipEditResult::Failed };
        if (owner->isEmpty())
            return {};
        if (*owner != user)
            return { SlipEditResult::NotOwner };
        const Changed changed = change();
        if (!changed)
            return { SlipEditResult::Failed };
        return { *changed > 0 ? SlipEditResult::Changed : SlipEditResult::NothingChanged, *changed };
    }

} // namespace

SlipEdit deleteStockInSlip(
    const QString& order, const QString& station, const QString& user, bool waitingOnly)
{
    return edit(order, station, {}, user, [&] { return deleteStockInOrder(order, station, waitingOnly); });
}

SlipEdit restoreStockInSlip(const QString& order, const QString& station, const QString& user)
{
    return edit(order, station, {}, user, [&] { return restoreStockInOrder(order, station); });
}

SlipEdit deleteStockInSlipItem(const QString& serial, const QString& order, const QString& station,
    const QString& user, bool waitingOnly)
{
    if (serial.isEmpty())
        return {};
    return edit(
        order, station, serial, user, [&] { return deleteStockInItem(serial, order, station, waitingOnly); });
}

SlipEdit restoreStockInSlipItem(
    const QString& serial, const QString& order, const QString& station, const QString& user)
{
    if (serial.isEmpty())
        return {};
    return edit(order, station, serial, user, [&] { return restoreStockInItem(serial, order, station); });
}

} // namespace korvell
