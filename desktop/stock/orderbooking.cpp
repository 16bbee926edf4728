#include "desktop/stock/orderbooking.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "desktop/stock/ordersession.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    bool refused(const OrderKind& kind, const BookingRequest& request)
    {
        if (kind.needsApprover && request.approver.trimmed().isEmpty()) {
            ShowToast(kind.noApprover, "", ToastRed);
            return true;
        }
        if (kind.needsCustomer && request.customer.trimmed().isEmpty()) {
            ShowToast("请选择客户名称", "", ToastRed);
            return true;
        }
        if (request.order.isEmpty()) {
            ShowToast(kind.nothingToBook, "", ToastRed);
            return true;
        }
        return false;
    }

    void log(const OrderKind& kind, const BookingRequest& request, BookingOutcome& outcome)
    {
        const LogLine line { kind.logPrefix + request.order + kind.logSuffix, loginState().gyname,
            platform::clock().now() };
        if (!WriteLog(line.text, line.user, line.when))
            outcome.unlogged = line;
    }

    // Shipped goods always have their log line: the lines booked before the stop are logged.
    BookingOutcome stopped(const OrderKind& kind, const BookingRequest& request, BookingOutcome outcome,
        DatabaseTrouble trouble, int left)
    {
        outcome.trouble = trouble;
        outcome.left = left;
        outcome.pending = true;
        if (!outcome.booked.isEmpty())
            log(kind, request, outcome);
        ShowToast(kind.partlyBooked, kind.partlyBookedHint.arg(troubleText(trouble), QString::number(left)),
            ToastRed);
        return outcome;
    }

} // namespace

std::optional<QList<OrderLine>> bookableLines(
    const OrderKind& kind, const QString& order, const QString& station, DatabaseTrouble* trouble)
{
    QString statuses;
    QVariantList values { order, station };
    for (const QString& status : kind.bookable) {
        statuses += statuses.isEmpty() ? "?" : ",?";
        values << status;
    }
    const SqlResult r = ExecSQL("select serialno,proc_sts from c_proc_main where " + kind.orderColumn
            + "=? and " + kind.stationColumn + "=? and proc_sts in (" + statuses
            + ") order by enter_date desc,count_num desc",
        values);
    if (trouble)
        *trouble = troubleOf(r);
    if (!r || !r.rs)
        return std::nullopt;
    QList<OrderLine> lines;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
        lines << OrderLine { rs.value(0).toString(), rs.value(1).toString().trimmed() };
    return lines;
}

BookingOutcome bookOrder(const OrderKind& kind, const BookingRequest& request, const QList<OrderLine>& shown)
{
    BookingOutcome outcome;
    if (refused(kind, request)) {
        outcome.refused = true;
        return outcome;
    }
    DatabaseTrouble trouble = DatabaseTrouble::None;
    const auto lines = bookableLines(kind, request.order, request.station, &trouble);
    if (!lines) {
        const auto waiting = std::count_if(shown.begin(), shown.end(),
            [&kind](const OrderLine& l) { return !l.serial.isEmpty() && kind.bookable.contains(l.status); });
        return stopped(kind, request, outcome, trouble, int(waiting));
    }
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const Changed c = kind.book(lines->at(i), request);
        if (!c)
            return stopped(kind, request, outcome, c.trouble, int(lines->size() - i));
        if (*c > 0)
            outcome.booked << lines->at(i).serial;
    }
    // An order whose lines are all booked already (a stock-in order restored to stock) is booked.
    const bool allBooked = !shown.isEmpty()
        && std::none_of(shown.begin(), shown.end(),
            [&kind](const OrderLine& l) { return kind.bookable.contains(l.status); });
    if (!outcome.booked.isEmpty() || allBooked) {
        ShowToast(kind.booked, "", ToastRed);
        log(kind, request, outcome);
    } else {
        ShowToast(kind.nothingToBook, "", ToastRed);
    }
    outcome.pending = holdsWaitingItems(kind, request.order, request.station).value_or(true);
    return outcome;
}

} // namespace korvell
