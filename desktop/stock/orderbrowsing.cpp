#include "desktop/stock/orderbrowsing.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "desktop/stock/numbering.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    std::optional<bool> orderExists(const OrderKind& kind, const QString& order)
    {
        const SqlResult r
            = ExecSQL("select count(*) from c_proc_main  where " + kind.orderColumn + "=?", { order });
        if (!r || !r.rs || r.rs->eof())
            return std::nullopt;
        return r.rs->value(0).toLongLong() > 0;
    }

} // namespace

std::optional<QString> browseOrder(const OrderKind& kind, const QString& shown, int step, bool pending)
{
    if (pending) {
        ShowToast(kind.pending, kind.pendingBrowse, ToastRed);
        return std::nullopt;
    }
    const std::optional<QString> next = step < 0 ? previousOrderNo(shown) : nextOrderNo(shown);
    if (!next)
        return std::nullopt;
    const std::optional<bool> exists = orderExists(kind, *next);
    if (!exists)
        return std::nullopt;
    if (!*exists) {
        if (step < 0)
            ShowToast(kind.firstOrder, kind.firstOrderHint, ToastRed);
        else
            ShowToast(kind.lastOrder, kind.lastOrderHint, ToastRed);
        return std::nullopt;
    }
    return next;
}

bool undoAllowed(const OrderKind& kind, const QString& windowDay)
{
    return dayText(platform::clock().now().date()) == windowDay && GetRights(kind.windowName) == "11";
}

bool undoWholeOrder(const OrderKind& kind, const QString& order, const QString& firstClerk, const QString& user)
{
    if (order.isEmpty())
        return false;
    if (firstClerk != user) {
        ShowToast(kind.notOwnerOrder, "您无权删除！", ToastRed);
        return false;
    }
    const Changed c = kind.undoOrder(order);
    if (c && *c > 0)
        ShowToast(kind.undoneOrder, kind.undoneOrderHint, ToastRed);
    return true;
}

bool undoOrderLine(const OrderKind& kind, const QString& order, const QString& serial, const QString& clerk,
    const QString& user)
{
    if (order.isEmpty() || serial.isEmpty())
        return false;
    if (clerk != user) {
        ShowToast(kind.notOwnerLine, "您无权删除！", ToastRed);
        return false;
    }
    const Changed c = kind.undoLine(serial, order);
    if (c && *c > 0)
        ShowToast(kind.undoneLine, kind.undoneLineHint, ToastRed);
    return true;
}

} // namespace korvell
