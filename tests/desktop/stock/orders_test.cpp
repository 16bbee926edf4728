// Stock-out and return orders on both backends: staging with its reasons and its stop, the
// whole-order take-back, booking with its checks, its stop and its log line, the order session's
// browsing and gates, undo with its guards.
#include "desktop/data/loginstate.h"
#include "desktop/stock/orderbooking.h"
#include "desktop/stock/orderedit.h"
#include "desktop/stock/ordersession.h"
#include "desktop/stock/orderstaging.h"
#include "desktop/stock/stagingsession.h"
#include "stockitems.h"
#include "tests/support/fixedclock.h"
#include "tests/support/testdatabase.h"

using namespace korvell;
using stocktest::columnOf;
using stocktest::insertItem;
using stocktest::orderItem;
using stocktest::statusOf;

namespace {

const QDate day(2006, 8, 10);
const QString ckOrder = "2006081010001";
const QString tkOrder = "2006081010002";
const StagingTarget stockOut { ckOrder, day, "1", "李四" };
const StagingTarget returns { tkOrder, day, "1", "李四" };

// Undoes the order (no serial) or one of its lines at station 1 as user, and says so.
bool undo(const OrderKind& kind, const QString& order, const std::optional<QString>& serial,
    const QString& user, bool waitingOnly = false)
{
    const OrderEdit edit = editOrder(kind, order, "1", serial, user, [&] {
        return serial ? kind.undoLine(*serial, order, waitingOnly) : kind.undoOrder(order, waitingOnly);
    });
    return reportEdit(edit, editTexts(kind, order, { .whole = !serial, .waitingOnly = waitingOnly }));
}

} // namespace

class Orders : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = "系统管理员";
        loginState().station_no = "1";
    }
};

TEST_P(Orders, StagingAcceptsItsStatusesAndNamesTheOthers)
{
    const struct {
        const OrderKind* kind;
        QString status;
        QString reason; // empty: staged
    } cases[] {
        { &StockOutOrders, "00", "" },
        { &StockOutOrders, "01", "" },
        { &StockOutOrders, "30", "已经是已称重未入库" },
        { &StockOutOrders, "20", "已经是已删除" },
        { &StockOutOrders, "31", "已经是待出库" },
        { &StockOutOrders, "10", "已经是已出库" },
        { &ReturnOrders, "10", "" },
        { &ReturnOrders, "00", "已经是在库" },
        { &ReturnOrders, "30", "已经是已称重未入库" },
        { &ReturnOrders, "20", "已经是已删除" },
        { &ReturnOrders, "32", "已经是待退库" },
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ExecSQL("delete from c_proc_main").ok);
        ASSERT_TRUE(orderItem("20A", c.status));
        const StagingTarget& target = c.kind == &StockOutOrders ? stockOut : returns;
        const Staging s = stageBarcode(*c.kind, "20A", target);
        const std::string what = c.kind->windowName.toStdString() + " from " + c.status.toStdString();
        if (c.reason.isEmpty()) {
            EXPECT_EQ(s.result, Staging::Result::Staged) << what;
            EXPECT_EQ(statusOf("20A"), c.kind->waiting) << what;
            EXPECT_EQ(columnOf(c.kind->orderColumn, "20A"), target.order) << what;
        } else {
            EXPECT_EQ(s.result, Staging::Result::Rejected) << what;
            EXPECT_EQ(s.rejection.reason, c.reason) << what;
            EXPECT_EQ(s.rejection.model, "A1") << what;
            EXPECT_EQ(s.rejection.net, "11.84") << what;
            EXPECT_EQ(statusOf("20A"), c.status) << what;
        }
    }
    const Staging missing = stageBarcode(StockOutOrders, "20NOTHERE", stockOut);
    EXPECT_EQ(missing.result, Staging::Result::Rejected);
    EXPECT_EQ(missing.rejection.reason, "该产品不在库中");
    EXPECT_EQ(missing.rejection.serial, "20NOTHERE");
}

TEST_P(Orders, StagingWritesTheOrderColumns)
{
    ASSERT_TRUE(orderItem("20A", "00"));
    ASSERT_EQ(
        stageBarcode(StockOutOrders, "20A", { ckOrder, day, "4", "李四" }).result, Staging::Result::Staged);
    EXPECT_EQ(columnOf("ck_station_no", "20A"), "4");
    EXPECT_EQ(columnOf("ck_op_emp", "20A"), "李四");
    EXPECT_EQ(dateOf(testsupport::scalar("select ck_date from c_proc_main")), day);
}

TEST_P(Orders, DuplicateLinesAndTheQuoteLine)
{
    ASSERT_TRUE(orderItem("20A", "00"));
    ASSERT_TRUE(orderItem("20B", "00"));
    const ImportOutcome o = stageSerials(StockOutOrders, { "20A", "20' or '1'='1", "20A" }, stockOut);
    EXPECT_EQ(o.staged, 1);
    ASSERT_EQ(o.rejections.size(), 2);
    EXPECT_EQ(o.rejections[0].reason, "该产品不在库中");
    EXPECT_EQ(o.rejections[1].reason, "已经是待出库");
    EXPECT_EQ(statusOf("20B"), "00");
    EXPECT_TRUE(*holdsWaitingItems(StockOutOrders, ckOrder, "1"));
    EXPECT_FALSE(*holdsWaitingItems(StockOutOrders, ckOrder, "2"));
}

TEST_P(Orders, TakeBackOfAPartlyReturnedOrder)
{
    ASSERT_TRUE(orderItem("20A", "10", ckOrder));
    ASSERT_TRUE(orderItem("20B", "32", ckOrder, "2006081010009"));
    ASSERT_TRUE(orderItem("20C", "01", ckOrder, "2006081010009"));
    ASSERT_TRUE(orderItem("20D", "10", "2006081010005"));
    const auto serials = serialsOfStockOutOrder(ckOrder);
    ASSERT_TRUE(serials);
    const ImportOutcome o = stageSerials(ReturnOrders, *serials, returns);
    EXPECT_EQ(o.staged, 1);
    EXPECT_EQ(o.rejections.size(), 2);
    EXPECT_EQ(statusOf("20A"), "32");
    EXPECT_EQ(columnOf("tk_groupno", "20B"), "2006081010009");
    EXPECT_EQ(statusOf("20D"), "10");
    EXPECT_EQ(serialsOfStockOutOrder("no such order")->size(), 0);
}

TEST_P(Orders, TheFirstFailureStopsTheImport)
{
    for (const char* serial : { "20A", "20B", "20C" })
        ASSERT_TRUE(orderItem(serial, "00"));
    ASSERT_TRUE(stocktest::failUpdatesOf("20B"));
    const ImportOutcome o = stageSerials(StockOutOrders, { "20A", "20B", "20C" }, stockOut);
    EXPECT_EQ(o.staged, 1);
    EXPECT_EQ(o.left, 2);
    EXPECT_EQ(o.trouble, GetParam() == Backend::SQLite ? DatabaseTrouble::Refused : DatabaseTrouble::Lost);
    ASSERT_TRUE(stocktest::stopFailingUpdates());
    EXPECT_EQ(statusOf("20C"), "00");

    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    const ImportOutcome lookup = stageSerials(StockOutOrders, { "20A", "20B" }, stockOut);
    EXPECT_TRUE(lookup.stopped());
    EXPECT_EQ(lookup.left, 2);
}

TEST_P(Orders, BookingChecksItsFields)
{
    ASSERT_TRUE(orderItem("20A", "31", ckOrder));
    const QList<OrderLine> lines { { "20A", "31" } };
    const struct {
        const OrderKind* kind;
        BookingRequest request;
        QString toast;
    } refusals[] {
        { &StockOutOrders, { ckOrder, "1", "", "客户" }, "请选择出库审核员||1" },
        { &StockOutOrders, { ckOrder, "1", "王五", " " }, "请选择客户名称||1" },
        { &StockOutOrders, { "", "1", "王五", "客户" }, "没有货物数据可以出库！||1" },
        { &ReturnOrders, { tkOrder, "1", "", "" }, "请选择退库审核员||1" },
    };
    for (const auto& r : refusals) {
        EXPECT_TRUE(bookOrder(*r.kind, r.request, lines).refused) << r.toast.toStdString();
        EXPECT_EQ(toasts.last(), r.toast);
    }
    EXPECT_EQ(statusOf("20A"), "31");
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
}

TEST_P(Orders, BookingMovesOnlyTheOrdersStagedItemsAndLogsOnce)
{
    ASSERT_TRUE(orderItem("20A", "31", ckOrder));
    ASSERT_TRUE(orderItem("20B", "31", ckOrder));
    ASSERT_TRUE(orderItem("20C", "31", "2006081010003")); // shown here, since moved to another order
    ASSERT_TRUE(orderItem("20D", "00"));
    const QList<OrderLine> lines { { "20A", "31" }, { "20B", "31" }, { "20C", "31" }, { "20D", "00" } };
    const BookingOutcome o = bookOrder(StockOutOrders, { ckOrder, "1", "王五", "客户甲" }, lines);
    EXPECT_EQ(o.booked, (QStringList { "20B", "20A" }));
    EXPECT_FALSE(o.pending);
    EXPECT_EQ(toasts.last(), "本单数据已经全部出库！||1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(columnOf("ck_comp", "20B"), "客户甲");
    EXPECT_EQ(columnOf("ck_sh_emp", "20B"), "王五");
    EXPECT_EQ(statusOf("20C"), "31");
    EXPECT_EQ(statusOf("20D"), "00");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将出库单号为" + ckOrder + "的产品出库" }), 1);

    // Nothing left to book: no second log line.
    EXPECT_TRUE(bookOrder(StockOutOrders, { ckOrder, "1", "王五", "客户甲" }, lines).booked.isEmpty());
    EXPECT_EQ(toasts.last(), "没有货物数据可以出库！||1");
    EXPECT_EQ(testsupport::rowCount("c_log"), 1);

    ASSERT_TRUE(orderItem("20E", "32", ckOrder, tkOrder));
    const BookingOutcome r = bookOrder(ReturnOrders, { tkOrder, "1", "王五", "" }, { { "20E", "32" } });
    EXPECT_EQ(r.booked.size(), 1);
    EXPECT_EQ(statusOf("20E"), "01");
    EXPECT_EQ(columnOf("tk_sh_emp", "20E"), "王五");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将退库单号为" + tkOrder + "的产品退回仓库" }), 1);
}

TEST_P(Orders, FailedBookingKeepsTheOrderPending)
{
    ASSERT_TRUE(orderItem("20A", "31", ckOrder));
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    const BookingOutcome o = bookOrder(StockOutOrders, { ckOrder, "1", "王五", "客户" }, { { "20A", "31" } });
    EXPECT_TRUE(o.booked.isEmpty());
    EXPECT_EQ(o.left, 1);
    EXPECT_TRUE(o.pending);
    const QString told = toasts.lines.value(toasts.lines.size() - 2).section('|', 0, 0); // ExecSQL's words
    EXPECT_EQ(
        toasts.last(), "货物出库没有全部完成！|" + told + "，还有1笔货物未出库，请稍后再点击货物出库|1");
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
}

TEST_P(Orders, TheSessionBrowsesTheDayUntilAGap)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    for (const auto& [serial, order] : { std::pair { "20A", "2006081010001" },
             std::pair { "20B", "2006081010002" }, std::pair { "20C", "2006081010004" } })
        ASSERT_TRUE(orderItem(serial, "10", order));
    OrderSession session(StockOutOrders);
    ASSERT_EQ(session.open(day), OrderSession::Opening::Fresh);
    EXPECT_EQ(session.number(), "2006081010005");
    const struct {
        int step;
        QString shows, toast;
    } steps[] {
        { -1, "2006081010004", "" },
        { -1, "2006081010004", "本单是当日第一张出库单！|前面没有其他出库单！！|1" },
        { 1, "2006081010004", "本单是当日最后的出库单！|后面没有其他出库单！！|1" },
    };
    for (const auto& s : steps) {
        toasts.clear();
        EXPECT_EQ(session.browse(s.step), s.toast.isEmpty());
        EXPECT_EQ(session.number(), s.shows) << s.toast.toStdString();
        EXPECT_EQ(toasts.last(), s.toast);
    }
    ASSERT_TRUE(orderItem("20D", "31", "2006081010004"));
    session.readPending(false);
    EXPECT_FALSE(session.browse(-1));
    EXPECT_EQ(toasts.last(), "本出库单有货物待出库！|请出库后再查其他出库单！！|1");
    EXPECT_FALSE(session.renew());
    EXPECT_FALSE(session.changeDay(day.addDays(1)));
    EXPECT_EQ(session.day(), day);

    OrderSession returns(ReturnOrders);
    ASSERT_EQ(returns.open(day), OrderSession::Opening::Fresh);
    EXPECT_FALSE(returns.browse(-1));
    EXPECT_EQ(toasts.last(), "本单是当日第一张退库单！|前面没有其他退库单！！|1");
}

TEST_P(Orders, TheSessionOpensOnTheNewestWaitingOrderOfThisStation)
{
    ASSERT_TRUE(orderItem("20A", "31", "2006080910001"));
    ASSERT_TRUE(orderItem("20B", "31", "2006080910002"));
    ASSERT_TRUE(insertItem({ .serialno = "20C",
        .groupno = "x",
        .status = "31",
        .count_num = 99,
        .ck_groupno = "2006081020001",
        .ck_station = "2" }));
    OrderSession session(StockOutOrders);
    EXPECT_EQ(session.open(day), OrderSession::Opening::Resumed);
    EXPECT_EQ(session.number(), "2006080910002");
    EXPECT_TRUE(session.pending());
    EXPECT_EQ(toasts.last(),
        "本出库单有货物待出库！|已打开2006-8-"
        "10未完成的出库单2006080910002，可以：导入、货物出库、全部删除该出库单货物、"
        "退出|1");
    loginState().gyname = "没有权限的人";
    EXPECT_EQ(session.open(day), OrderSession::Opening::Resumed);
    EXPECT_EQ(
        toasts.last(), "本出库单有货物待出库！|已打开2006-8-10未完成的出库单2006080910002，可以：退出|1");
    loginState().gyname = "系统管理员";

    loginState().station_no = "0";
    OrderSession numberless(ReturnOrders);
    EXPECT_EQ(numberless.open(day), OrderSession::Opening::Numberless);
    EXPECT_FALSE(numberless.hasNumber());
    EXPECT_EQ(numberless.day(), day);
    loginState().station_no = "1";
}

// An order of yesterday left waiting: while it waits, the box shows its day and what is imported
// onto it carries that day; booked, it keeps its day, and the work after it is today's.
TEST_P(Orders, AResumedOrderKeepsItsDay)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    const QString yesterdays = "2006080910002";
    ASSERT_TRUE(insertItem({ .serialno = "20A",
        .groupno = "x",
        .status = "31",
        .day = day.addDays(-1),
        .count_num = 1,
        .ck_groupno = yesterdays,
        .ck_station = "1" }));
    ASSERT_TRUE(orderItem("20B", "00"));
    OrderSession session(StockOutOrders);
    ASSERT_EQ(session.open(day), OrderSession::Opening::Resumed);
    EXPECT_EQ(session.day(), day.addDays(-1));
    EXPECT_TRUE(session.resumed());
    EXPECT_EQ(session.takeWindowDay(), OrderSession::Work::SameOrder);
    EXPECT_EQ(session.number(), yesterdays) << "it waits: more goods join it";
    ASSERT_EQ(session.import({ "20B" }).staged, 1);
    EXPECT_EQ(
        dateOf(testsupport::scalar("select ck_date from c_proc_main where serialno='20B'")), session.day());

    ASSERT_FALSE(session.book("王五", "客户", {}).refused);
    EXPECT_FALSE(session.pending());
    EXPECT_FALSE(session.resumed());
    // Shown with its day, the delete buttons off; then today's order, the buttons as they were.
    const auto shown = [&] {
        return session.number() + dayText(session.day()) + (session.deletesEnabled() ? " deletes" : "");
    };
    EXPECT_EQ(shown(), yesterdays + "2006-8-9");
    EXPECT_EQ(session.takeWindowDay(), OrderSession::Work::NewOrder);
    EXPECT_EQ(shown(), "20060810100012006-8-10 deletes");
    ASSERT_TRUE(session.renew());
    EXPECT_EQ(session.number(), "2006081010001") << "nothing staged on it yet";
}

// Nobody is trapped by a resumed order: it may be left, or its waiting lines released whatever
// its day, while its booked lines of that day stay booked.
TEST_P(Orders, AResumedOrderIsLeftOrReleased)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    const QString yesterdays = "2006080910001";
    for (const auto& [serial, status] : { std::pair { "20A", "31" }, std::pair { "20B", "10" } })
        ASSERT_TRUE(insertItem({ .serialno = serial,
            .groupno = "x",
            .status = status,
            .day = day.addDays(-1),
            .count_num = status[0] == '3' ? 1 : 2,
            .ck_groupno = yesterdays,
            .ck_station = "1" }));
    OrderSession session(StockOutOrders);
    ASSERT_EQ(session.open(day), OrderSession::Opening::Resumed);
    EXPECT_TRUE(session.mayClose());
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::Open);
    EXPECT_TRUE(session.releaseOnly());
    ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='李四'"));
    EXPECT_TRUE(undo(StockOutOrders, yesterdays, std::nullopt, "李四", session.releaseOnly()));
    EXPECT_EQ(statusOf("20A"), "00");
    EXPECT_EQ(columnOf("ck_groupno", "20A"), "");
    EXPECT_EQ(statusOf("20B"), "10");
    session.readPending(true);
    EXPECT_FALSE(session.resumed());
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::PastDay) << "a released order of yesterday";

    // An order that waits since this opening keeps the window open.
    OrderSession fresh(StockOutOrders);
    ASSERT_EQ(fresh.open(day), OrderSession::Opening::Fresh);
    ASSERT_TRUE(orderItem("20C", "31", fresh.number()));
    fresh.readPending(false);
    EXPECT_FALSE(fresh.mayClose());
    EXPECT_EQ(toasts.last(), "本出库单有货物待出库！|请出库后再退出！！|1");
}

// The lines booked before a stop have their log line, under the user and the moment of that
// booking, one for each stopped booking, once the database takes them.
TEST_P(Orders, AStoppedBookingLogsTheLinesItBooked)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    for (const char* serial : { "20A", "20B", "20C" })
        ASSERT_TRUE(orderItem(serial, "31", ckOrder));
    OrderSession session(StockOutOrders);
    ASSERT_EQ(session.open(day), OrderSession::Opening::Resumed);
    ASSERT_TRUE(ExecSQL("alter table c_log rename to c_log_away").ok);
    const std::tuple<const char*, QString, QDateTime> stops[] { { "20B", "系统管理员", clock.now() },
        { "20A", "钱芳", QDateTime(day.addDays(1), QTime(8, 30)) } };
    for (const auto& [failing, user, at] : stops) {
        loginState().gyname = user;
        clock.set(at);
        ASSERT_TRUE(stocktest::failUpdatesOf(failing));
        EXPECT_EQ(session.book("王五", "客户", {}).booked.size(), 1);
        ASSERT_TRUE(stocktest::stopFailingUpdates());
    }
    ASSERT_TRUE(ExecSQL("alter table c_log_away rename to c_log").ok);
    loginState().gyname = "系统管理员";
    clock.set(QDateTime(day.addDays(2), QTime(7, 0)));
    session.settleLog();
    session.settleLog();
    for (const auto& [failing, user, at] : stops)
        EXPECT_EQ(testsupport::rowCount("c_log", "username=? and logdate=?", { user, sqlDateTime(at) }), 1)
            << failing;
}

// A stock-in order whose items are all in stock already (restored after a delete) is booked.
TEST_P(Orders, AStockInOrderOfStockedItemsIsBookedAndLogged)
{
    ASSERT_TRUE(orderItem("20A", "00"));
    const BookingOutcome o = bookOrder(StockInOrders, { "2006081010001", "1", "", "" }, { { "20A", "00" } });
    EXPECT_TRUE(o.booked.isEmpty());
    EXPECT_EQ(toasts.last(), "本单数据已经全部入库！||1");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将入库单号为2006081010001的所有产品入库" }), 1);
}

TEST_P(Orders, UndoGuards)
{
    ASSERT_TRUE(orderItem("20A", "31", ckOrder));
    ASSERT_TRUE(orderItem("20B", "10", ckOrder));
    ASSERT_TRUE(orderItem("20C", "32", ckOrder, tkOrder)); // booked out, now on a return order
    ASSERT_TRUE(orderItem("20D", "10", "2006081010003"));
    ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='李四',tk_op_emp='李四'"));

    // The owner is read from the database: the clerk of the order's newest line, or of the line.
    EXPECT_FALSE(undo(StockOutOrders, ckOrder, std::nullopt, "别人"));
    EXPECT_EQ(toasts.last(), "该单货物不是您出库的！|您无权删除！|1");
    EXPECT_FALSE(undo(StockOutOrders, ckOrder, QString("20A"), "别人"));
    EXPECT_EQ(toasts.last(), "该笔货物不是您出库的！|您无权删除！|1");
    toasts.clear();
    EXPECT_FALSE(undo(StockOutOrders, ckOrder, QString(), "李四")); // no line chosen
    EXPECT_EQ(toasts.last(), "该笔货物不是您出库的！|您无权删除！|1");
    EXPECT_FALSE(undo(StockOutOrders, "", std::nullopt, "李四"));
    EXPECT_EQ(statusOf("20A"), "31");

    // A line of another order is not touched through this one.
    EXPECT_FALSE(undo(StockOutOrders, ckOrder, QString("20D"), "李四"));
    EXPECT_EQ(statusOf("20D"), "10");
    EXPECT_TRUE(undo(StockOutOrders, ckOrder, QString("20A"), "李四"));
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！|变为正常库存|1");
    EXPECT_EQ(statusOf("20A"), "00");

    EXPECT_TRUE(undo(StockOutOrders, ckOrder, std::nullopt, "李四"));
    EXPECT_EQ(toasts.last(), "该出库单数据已经全部删除！|自动退回总库|1");
    EXPECT_EQ(statusOf("20B"), "00");
    EXPECT_EQ(columnOf("ck_groupno", "20B"), "");
    EXPECT_EQ(statusOf("20C"), "32");
    EXPECT_EQ(columnOf("ck_groupno", "20C"), ckOrder);
    // What is left of the order has gone on to a return: nothing to undo, and the toast says so.
    EXPECT_TRUE(undo(StockOutOrders, ckOrder, std::nullopt, "李四"));
    EXPECT_EQ(toasts.last(), "该出库单没有可以删除的货物！|已经退库的货物不能删除|1");

    EXPECT_TRUE(undo(ReturnOrders, tkOrder, std::nullopt, "李四"));
    EXPECT_EQ(toasts.last(), "该退库单数据已经全部删除！|仍然处于已出库状态|1");
    EXPECT_EQ(statusOf("20C"), "10");
}

// The undo of the stock-out window's session: a failed one still shows the true state, and the
// last waiting line undone leaves nothing to book and the import on, as the whole order's undo.
TEST_P(Orders, AnUndoSetsTheImportAndBookButtons)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    ASSERT_TRUE(orderItem("20A", "00"));
    ASSERT_TRUE(orderItem("20B", "00"));
    OrderSession order(StockOutOrders);
    StagingSession staging(order);
    static_cast<void>(order.open(day));
    staging.opened();
    const auto buttons = [&staging] {
        return QString("%1%2").arg(staging.controls().importEnabled).arg(staging.controls().bookEnabled);
    };
    ASSERT_EQ(staging.startImport(), OrderSession::Work::SameOrder);
    ASSERT_EQ(staging.import({ "20A", "20B" }).staged, 2);
    EXPECT_EQ(buttons(), "01");
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    EXPECT_TRUE(staging.undo(QString("20A"))) << "the grid is read again";
    ASSERT_TRUE(ExecSQL("alter table c_proc_main_away rename to c_proc_main").ok);
    EXPECT_EQ(buttons(), "01");
    for (const char* serial : { "20A", "20B" })
        ASSERT_TRUE(staging.undo(QString(serial)));
    EXPECT_EQ(buttons(), "10");
}

TEST_P(Orders, DeletesNeedTodaysOrderAndFullRights)
{
    testsupport::FixedClock clock { QDateTime(day, QTime(9, 0)) };
    OrderSession session(ReturnOrders);
    ASSERT_EQ(session.open(day), OrderSession::Opening::Fresh);
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::Open);
    ASSERT_TRUE(session.changeDay(day.addDays(-1)));
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::PastDay);
    clock.set(QDateTime(day.addDays(1), QTime(0, 1))); // the window stayed open past midnight
    ASSERT_TRUE(session.changeDay(day));
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::PastDay);
    ASSERT_TRUE(session.changeDay(day.addDays(1)));
    loginState().gyname = "没有权限的人";
    EXPECT_EQ(session.deleteGate(), OrderSession::DeleteGate::NoRights);
    EXPECT_TRUE(session.rights().refusesChange());
}

INSTANTIATE_BACKENDS(Orders);
