#include "desktop/stock/orderbooking.h"

#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "desktop/stock/orderstaging.h"

namespace korvell {

BookingOutcome bookOrder(const OrderKind& kind, const BookingRequest& request, const QList<OrderLine>& lines)
{
    BookingOutcome outcome;
    if (request.approver.trimmed().isEmpty()) {
        ShowToast(kind.noApprover, "", ToastRed);
        outcome.refused = true;
        return outcome;
    }
    if (kind.needsCustomer && request.customer.trimmed().isEmpty()) {
        ShowToast("请选择客户名称", "", ToastRed);
        outcome.refused = true;
        return outcome;
    }
    if (request.order.isEmpty()) {
        ShowToast(kind.nothingToBook, "", ToastRed);
        outcome.refused = true;
        return outcome;
    }
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].serial.isEmpty() || lines[i].status != kind.staged)
            continue;
        const Changed c = kind.book(lines[i].serial, request.order, request.approver, request.customer);
        if (!c)
            ++outcome.failed;
        else if (*c > 0)
            outcome.booked << i;
    }
    if (outcome.failed > 0)
        ShowToast(kind.partlyBooked, kind.partlyBookedHint.arg(outcome.failed), ToastRed);
    else if (!outcome.booked.isEmpty())
        ShowToast(kind.booked, "", ToastRed);
    else
        ShowToast(kind.nothingToBook, "", ToastRed);
    if (!outcome.booked.isEmpty())
        WriteLog(kind.logPrefix + request.order + kind.logSuffix);
    outcome.pending = hasStagedItems(kind, request.order).value_or(outcome.failed > 0);
    return outcome;
}

} // namespace korvell
