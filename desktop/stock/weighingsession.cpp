#include "desktop/stock/weighingsession.h"

#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/orderedit.h"
#include "platform/ui/dialogs.h"

namespace korvell {

namespace {

    QString station()
    {
        return loginState().station_no;
    }

    QString user()
    {
        return loginState().gyname;
    }

    bool deletedAt(const OrderGridFill& fill, qsizetype row)
    {
        return row >= 1 && row <= fill.rows.size() && fill.rows[row - 1][OrderColStatus] == StatusDeleted;
    }

} // namespace

WeighingSession::Controls WeighingSession::controls() const
{
    Controls c;
    c.startCaption = running ? QStringLiteral("停止称重") : QStringLiteral("开始称重");
    // While weighing only stopping is offered.
    c.startEnabled = running || (!toBook && !order.openingRights().refusesChange());
    c.bookEnabled = !running && toBook && !order.bookBarred();
    // A resumed order of another day is only released: both buttons say delete, as a click does.
    static_cast<Modes&>(c) = order.releaseOnly() ? Modes {} : shownModes();
    return c;
}

void WeighingSession::opened(OrderSession::Opening opening)
{
    running = false;
    toBook = opening == OrderSession::Opening::Resumed;
    modes = {};
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
    // An order of another day, booked or released, is not asked about: a new one is drawn.
    const Start work = order.takeWindowDay();
    if (work != Start::SameOrder || !listsItems)
        return work;
    const auto answer = platform::dialogs().message(
        "需要产生新的入库单号吗？，如果不点确定本次称重的货物将并入单号为" + order.number() + " 的入库单！",
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

BookingOutcome WeighingSession::book(const QList<OrderLine>& lines)
{
    const BookingOutcome outcome = order.book({}, {}, lines);
    toBook = order.pending();
    return outcome;
}

std::optional<OrderGridFill> WeighingSession::loadOrder()
{
    auto fill = loadOrderGrid(StockInGrid, order.number(), station());
    if (fill && !fill->rows.isEmpty()) {
        Modes& m = modesToSet();
        m.wholeRestore = m.wholeRestoreIcon = deletedAt(*fill, fill->rows.size());
    }
    return fill;
}

void WeighingSession::rowChosen(const QString& status)
{
    modesToSet().itemRestore = status == StatusDeleted;
}

std::optional<OrderGridFill> WeighingSession::editWholeOrder()
{
    const bool releasing = order.releaseOnly();
    const bool restore = !releasing && shownModes().wholeRestore;
    if (restore)
        modesToSet().wholeRestoreIcon = false; // the icon turns before the owner is asked
    const QString number = order.number();
    const OrderEdit edit = editOrder(StockInOrders, number, station(), std::nullopt, user(), [&] {
        return restore ? restoreStockInOrder(number, station())
                       : deleteStockInOrder(number, station(), releasing);
    });
    const bool refill = reportEdit(edit,
        editTexts(StockInOrders, number, { .whole = true, .restore = restore, .waitingOnly = releasing }));
    std::optional<OrderGridFill> fill;
    if (refill) {
        if (releasing)
            released();
        fill = loadOrder();
    }
    // After a delete the button shows the restore icon, also when the owner refused it.
    if (!restore && !releasing && (refill || edit.result == EditResult::NotOwner))
        modesToSet().wholeRestoreIcon = true;
    return fill;
}

std::optional<OrderGridFill> WeighingSession::editItem(const QString& serial, int row)
{
    const bool releasing = order.releaseOnly();
    const bool restore = !releasing && shownModes().itemRestore;
    modesToSet().itemRestore = !restore; // the button turns at once, even when the click is refused
    const QString number = order.number();
    const OrderEdit edit = editOrder(StockInOrders, number, station(), serial, user(), [&] {
        return restore ? restoreStockInItem(serial, number, station())
                       : deleteStockInItem(serial, number, station(), releasing);
    });
    if (!reportEdit(edit,
            editTexts(
                StockInOrders, number, { .whole = false, .restore = restore, .waitingOnly = releasing })))
        return std::nullopt;
    if (releasing)
        released();
    auto fill = loadOrderGrid(StockInGrid, number, station());
    if (fill)
        modesToSet().itemRestore = deletedAt(*fill, row); // the button follows the row as it now is
    return fill;
}

WeighingSession::Modes& WeighingSession::modesToSet()
{
    if (modesOrder != order.number()) {
        modes = {};
        modesOrder = order.number();
    }
    return modes;
}

void WeighingSession::released()
{
    order.readPending(true);
    toBook = order.pending();
}

} // namespace korvell
