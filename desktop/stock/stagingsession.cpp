#include "desktop/stock/stagingsession.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/stock/orderedit.h"

namespace korvell {

StagingSession::Controls StagingSession::controls() const
{
    // Whatever waits on the order may be booked.
    return { importOn, order.pending() && !order.bookBarred() };
}

void StagingSession::opened()
{
    importOn = !order.openingRights().refusesChange();
}

OrderSession::Work StagingSession::startImport()
{
    const OrderKind& kind = order.orderKind();
    if (!order.hasNumber()) {
        ShowToast(kind.noNumber, kind.noNumberHint, ToastRed);
        return OrderSession::Work::Refused;
    }
    if (order.rights().deniesChangeSaying(kind.noSaveRights, noRightsHint))
        return OrderSession::Work::Refused;
    return order.takeWindowDay();
}

ImportOutcome StagingSession::import(const QStringList& serials)
{
    const ImportOutcome outcome = order.import(serials);
    if (outcome.stopped()) {
        // What was staged stays on the order; the rest is imported with the next click.
        ShowToast("数据导入没有完成！",
            QString("%1，还有%2笔货物没有导入，请稍后再导入")
                .arg(troubleText(outcome.trouble), QString::number(outcome.left)),
            ToastRed);
    } else if (!order.pending()) {
        ShowToast(order.orderKind().noGoods, "", ToastRed);
    } else {
        ShowToast("数据已经导入！", "", ToastRed);
        importOn = false;
    }
    return outcome;
}

BookingOutcome StagingSession::book(
    const QString& approver, const QString& customer, const QList<OrderLine>& lines)
{
    const BookingOutcome outcome = order.book(approver, customer, lines);
    if (!outcome.refused && !outcome.pending)
        importOn = false;
    return outcome;
}

bool StagingSession::mayStartNewOrder() const
{
    const OrderKind& kind = order.orderKind();
    if (order.pending()) {
        ShowToast(kind.pending, kind.pendingNewOrder, ToastRed);
        return false;
    }
    return !order.rights().deniesChangeSaying(kind.noSaveRights, noRightsHint);
}

void StagingSession::newOrder()
{
    importOn = order.hasNumber();
}

bool StagingSession::undo(const std::optional<QString>& serial)
{
    const OrderKind& kind = order.orderKind();
    const QString number = order.number();
    const bool waitingOnly = order.releaseOnly();
    const bool waited = order.pending();
    const OrderEdit edit = editOrder(kind, number, loginState().station_no, serial, loginState().gyname, [&] {
        return serial ? kind.undoLine(*serial, number, waitingOnly) : kind.undoOrder(number, waitingOnly);
    });
    const bool done
        = reportEdit(edit, editTexts(kind, number, { .whole = !serial, .waitingOnly = waitingOnly }));
    const bool answered = edit.result == EditResult::Failed && !outOfReach(edit.trouble);
    if (!done && !answered)
        return false;
    order.readPending(waited);
    // Nothing left to book: import again, as after the whole order's undo.
    if ((done && !serial) || (waited && !order.pending()))
        importOn = true;
    return true;
}

} // namespace korvell
