#include "desktop/stock/weighingsession.h"

#include "desktop/data/toast.h"
#include "platform/ui/dialogs.h"

namespace korvell {

WeighingSession::Controls WeighingSession::controls() const
{
    Controls c;
    c.startCaption = running ? QStringLiteral("停止称重") : QStringLiteral("开始称重");
    // While weighing only stopping is offered; the rights are asked otherwise.
    const bool may = running || !order.rights().refusesChange();
    c.startEnabled = running || (!toBook && may);
    c.bookEnabled = !running && toBook && may;
    c.wholeRestore = wholeRestore;
    c.itemRestore = itemRestore;
    return c;
}

void WeighingSession::opened(OrderSession::Opening opening)
{
    running = false;
    toBook = opening == OrderSession::Opening::Resumed;
    wholeRestore = itemRestore = false;
}

WeighingSession::Start WeighingSession::start(const QList<Choice>& choices, bool listsItems, int* unchosenAt)
{
    if (order.rights().deniesChangeSaying(StockInOrders.noSaveRights, noRightsHint))
        return Start::Refused;
    for (int i = 0; i < choices.size(); ++i)
        if (!choices[i].made) {
            ShowToast(choices[i].prompt, "", ToastRed);
            if (unchosenAt)
                *unchosenAt = i;
            return Start::Refused;
        }
    const QString shown = order.number();
    if (!order.takeWindowDay())
        return Start::Refused;
    // An order of another day, booked or released, is not asked about: a new one was drawn.
    if (order.number() != shown)
        return Start::NewOrder;
    if (!listsItems)
        return Start::SameOrder;
    const auto answer = platform::dialogs().message(
        "需要产生新的入库单号吗？，如果不点确定本次称重的货物将并入单号为" + shown + " 的入库单！",
        "友情提示", platform::Buttons::YesNo, platform::Icon::Question);
    if (answer != platform::Answer::Yes)
        return Start::SameOrder;
    return order.renew() ? Start::NewOrder : Start::Refused;
}

void WeighingSession::started(bool simulation)
{
    running = true;
    simulated = simulation;
    ShowToast("正在连续称重！", "按停止称重方能做入库", ToastRed);
}

void WeighingSession::stop(bool listsItems, const QString& reason)
{
    running = false;
    const QString lost = QStringLiteral("电子称连接中断，称重已停止");
    if (!listsItems && !order.pending()) {
        ShowToast(reason.isEmpty() ? QStringLiteral("用户终止称重操作！") : reason,
            reason.isEmpty() ? QString() : lost, ToastRed);
        return;
    }
    toBook = true;
    if (reason.isEmpty())
        ShowToast("点击货物入库后才能保存", "入库后方能接着称重！", ToastRed);
    else
        ShowToast(reason, lost + "；点击货物入库后才能保存", ToastRed);
}

bool WeighingSession::maySwitchSimulation() const
{
    if (!running)
        return true;
    ShowToast("正在称重，不能切换模拟称重！", "请先停止称重", ToastRed);
    return false;
}

std::optional<BookingOutcome> WeighingSession::book(const QList<OrderLine>& lines)
{
    if (order.rights().deniesChangeSaying(StockInOrders.noSaveRights, noRightsHint))
        return std::nullopt;
    BookingOutcome outcome = order.book({}, {}, lines);
    toBook = order.pending();
    return outcome;
}

void WeighingSession::released()
{
    if (!order.resumed())
        return;
    order.readPending(true);
    toBook = order.pending();
}

} // namespace korvell
