#include "desktop/stock/ordersession.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "desktop/stock/numbering.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    std::optional<bool> anyItem(const OrderKind& kind, const QString& order, const QString& station,
        const QString& condition = {}, const QVariantList& values = {})
    {
        const SqlResult r = ExecSQL("select count(*) from c_proc_main where " + kind.orderColumn + "=? and "
                + kind.stationColumn + "=?" + condition,
            QVariantList { order, station } + values);
        if (!r || !r.rs || r.rs->eof())
            return std::nullopt;
        return r.rs->value(0).toLongLong() > 0;
    }

    QString station()
    {
        return loginState().station_no;
    }

} // namespace

std::optional<bool> holdsWaitingItems(const OrderKind& kind, const QString& order, const QString& station)
{
    return anyItem(kind, order, station, " and proc_sts=?", { kind.waiting });
}

std::optional<WaitingOrder> waitingOrderOf(const OrderKind& kind, const QString& station)
{
    const SqlResult r
        = ExecSQL("select " + kind.orderColumn + "," + kind.dayColumn + " from c_proc_main where "
                + kind.stationColumn + "=? and proc_sts=? order by " + kind.orderColumn + " desc",
            { station, kind.waiting });
    if (!r || !r.rs)
        return std::nullopt;
    if (r.rs->eof())
        return WaitingOrder {};
    return WaitingOrder { r.rs->value(0).toString(), dateOf(r.rs->value(1)) };
}

OrderSession::Opening OrderSession::open(const QDate& today)
{
    granted = rights();
    waiting = leftOver = pastDone = false;
    deletesOn = !granted.refusesChange();
    windowDay = today;
    if (const auto left = waitingOrderOf(kind, station()); left && !left->number.isEmpty()) {
        shownOrderDay = left->day.isValid() ? left->day : today;
        shownNumber = left->number;
        waiting = leftOver = true;
        ShowToast(kind.pending, kind.resumedHint.arg(shownNumber, dayText(shownOrderDay)) + resumedChoices(),
            ToastRed);
        return Opening::Resumed;
    }
    shownOrderDay = today;
    shownNumber.clear();
    return take(today, kind.nextNumber(today, station())) ? Opening::Fresh : Opening::Numberless;
}

// What the user may do with a resumed order, as the rights stand at the opening.
QString OrderSession::resumedChoices() const
{
    QStringList choices;
    if (granted.mayChange()) {
        if (!kind.importCaption.isEmpty())
            choices << kind.importCaption;
        choices << kind.bookCaption;
    }
    if (granted.mayDelete())
        choices << kind.releaseCaption;
    choices << QStringLiteral("退出");
    return "，可以：" + choices.join("、");
}

bool OrderSession::renew()
{
    if (waiting) {
        ShowToast(kind.pending, kind.pendingNewOrder, ToastRed);
        return false;
    }
    return take(windowDay, kind.nextNumber(windowDay, station()));
}

bool OrderSession::changeDay(const QDate& day)
{
    if (waiting) {
        ShowToast(kind.pending, kind.pendingDay, ToastRed);
        return false;
    }
    if (!take(day, kind.nextNumber(day, station())))
        return false;
    windowDay = day;
    return true;
}

OrderSession::Work OrderSession::takeWindowDay()
{
    if (waiting || (hasNumber() && shownOrderDay == windowDay))
        return Work::SameOrder;
    return renew() ? Work::NewOrder : Work::Refused;
}

bool OrderSession::mayClose() const
{
    if (!waiting || leftOver)
        return true;
    ShowToast(kind.pending, kind.pendingClose, ToastRed);
    return false;
}

bool OrderSession::take(const QDate& day, const std::optional<QString>& number)
{
    if (!number)
        return false;
    shownOrderDay = day;
    shownNumber = *number;
    leftOver = pastDone = false;
    return true;
}

bool OrderSession::browse(int step)
{
    if (waiting) {
        ShowToast(kind.pending, kind.pendingBrowse, ToastRed);
        return false;
    }
    const std::optional<QString> next = step < 0 ? previousOrderNo(shownNumber) : nextOrderNo(shownNumber);
    if (!next)
        return false;
    const std::optional<bool> exists = anyItem(kind, *next, station());
    if (!exists)
        return false;
    if (!*exists) {
        if (step < 0)
            ShowToast(kind.firstOrder, kind.firstOrderHint, ToastRed);
        else
            ShowToast(kind.lastOrder, kind.lastOrderHint, ToastRed);
        return false;
    }
    shownNumber = *next;
    return true;
}

void OrderSession::readPending(bool assumed)
{
    setPending(hasNumber() && holdsWaitingItems(kind, shownNumber, station()).value_or(assumed));
}

void OrderSession::setPending(bool on)
{
    pastDone = pastDone || (!on && releaseOnly());
    waiting = on;
    leftOver = leftOver && on;
}

ImportOutcome OrderSession::import(const QStringList& serials)
{
    const ImportOutcome outcome
        = stageSerials(kind, serials, { shownNumber, shownOrderDay, station(), loginState().gyname });
    const bool mayWait = waiting || outcome.staged > 0;
    // A lost or locked database would make the read wait again; it cannot tell more than this.
    if (outOfReach(outcome.trouble))
        setPending(mayWait);
    else
        readPending(mayWait);
    return outcome;
}

BookingOutcome OrderSession::book(
    const QString& approver, const QString& customer, const QList<OrderLine>& lines)
{
    settleLog();
    const BookingOutcome outcome = bookOrder(kind, { shownNumber, station(), approver, customer }, lines);
    if (!outcome.refused)
        setPending(outcome.pending);
    if (outcome.unlogged)
        owedLogs << *outcome.unlogged;
    return outcome;
}

void OrderSession::settleLog()
{
    while (!owedLogs.isEmpty()) {
        const LogLine& line = owedLogs.first();
        if (!WriteLog(line.text, line.user, line.when))
            return;
        owedLogs.removeFirst();
    }
}

Rights OrderSession::rights() const
{
    return GetRights(kind.windowName);
}

OrderSession::DeleteGate OrderSession::deleteGate()
{
    DeleteGate gate = DeleteGate::PastDay;
    if (leftOver || shownOrderDay == platform::clock().now().date()) {
        const Rights now = rights();
        gate = now.mayDelete() ? DeleteGate::Open
            : now.isRead()     ? DeleteGate::NoRights
                               : DeleteGate::Unreadable;
    }
    if (gate != DeleteGate::Unreadable)
        deletesOn = gate == DeleteGate::Open;
    return gate;
}

bool OrderSession::releaseOnly() const
{
    return leftOver && shownOrderDay != platform::clock().now().date();
}

} // namespace korvell
