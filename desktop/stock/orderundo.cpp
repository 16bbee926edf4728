#include "desktop/stock/orderundo.h"

#include "desktop/data/toast.h"

namespace korvell {

namespace {

    // Says what came of an undo (a failed statement has been reported by ExecSQL).
    void report(const Changed& c, const QString& undone, const QString& undoneHint, const QString& nothing,
        const QString& nothingHint)
    {
        if (!c)
            return;
        if (*c > 0)
            ShowToast(undone, undoneHint, ToastRed);
        else
            ShowToast(nothing, nothingHint, ToastRed);
    }

} // namespace

bool undoWholeOrder(const OrderKind& kind, const QString& order, const QString& firstClerk,
    const QString& user, bool waitingOnly)
{
    if (order.isEmpty())
        return false;
    if (firstClerk != user) {
        ShowToast(kind.notOwnerOrder, "您无权删除！", ToastRed);
        return false;
    }
    report(kind.undoOrder(order, waitingOnly), kind.undoneOrder, kind.undoneOrderHint,
        kind.nothingUndoneOrder, kind.nothingUndoneHint);
    return true;
}

bool undoOrderLine(const OrderKind& kind, const QString& order, const QString& serial, const QString& clerk,
    const QString& user, bool waitingOnly)
{
    if (order.isEmpty())
        return false;
    if (serial.isEmpty() || clerk != user) {
        ShowToast(kind.notOwnerLine, "您无权删除！", ToastRed);
        return false;
    }
    report(kind.undoLine(serial, order, waitingOnly), kind.undoneLine, kind.undoneLineHint,
        kind.nothingUndoneLine, kind.nothingUndoneHint);
    return true;
}

} // namespace korvell
