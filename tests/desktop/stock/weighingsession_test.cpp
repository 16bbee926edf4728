// The weighing station's session without its window, on both backends: the checks before a start,
// the new-order question through the dialog seam, an item stored making the order wait, the
// booking after a stop, and the buttons as it has them.
#include "desktop/data/loginstate.h"
#include "desktop/stock/weighingsession.h"
#include "stockitems.h"
#include "tests/support/fixedclock.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

using namespace korvell;

class WeighingSessions : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = "系统管理员";
        loginState().station_no = "1";
    }

    testsupport::FixedClock clock { QDateTime(QDate(2006, 8, 10), QTime(9, 0)) };
    testsupport::ScriptedDialogs dialogs;
};

TEST_P(WeighingSessions, StartsStopsAndBooksWithTheButtonsToMatch)
{
    OrderSession order(StockInOrders);
    WeighingSession station(order);
    station.opened(order.open(QDate(2006, 8, 10)));
    ASSERT_EQ(order.number(), "2006081010001");
    const QList<WeighingSession::Choice> chosen { { true, "请选择产品型号" }, { true, "请选择生产班组" } };
    const auto buttons = [&station] {
        const WeighingSession::Controls c = station.controls();
        return QString("%1 %2 %3").arg(c.startCaption).arg(c.startEnabled).arg(c.bookEnabled);
    };
    EXPECT_EQ(buttons(), "开始称重 1 0");

    int unchosen = -1;
    EXPECT_EQ(station.start({ chosen[0], { false, "请选择生产班组" } }, false, &unchosen),
        WeighingSession::Start::Refused);
    EXPECT_EQ(unchosen, 1);
    EXPECT_EQ(toasts.last(), "请选择生产班组||1");
    loginState().gyname = "没有权限的人"; // the buttons stay as opened; the click asks again
    EXPECT_EQ(station.start(chosen, false), WeighingSession::Start::Refused);
    EXPECT_EQ(toasts.last(), "您没有称重入库的权限！|请与管理员联系|1");
    EXPECT_EQ(buttons(), "开始称重 1 0");
    loginState().gyname = "系统管理员";

    EXPECT_EQ(station.start(chosen, false), WeighingSession::Start::SameOrder);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "nothing listed, nothing asked";
    station.started(true);
    EXPECT_EQ(buttons(), "停止称重 1 0");
    EXPECT_FALSE(station.maySwitchSimulation());
    ASSERT_TRUE(
        stocktest::insertItem({ .serialno = "a", .groupno = order.number(), .weigher = "系统管理员" }));
    station.stored();
    EXPECT_TRUE(station.holdsOrder());
    station.stop(true);
    EXPECT_EQ(toasts.last(), "点击货物入库后才能保存|入库后方能接着称重！|1");
    EXPECT_EQ(buttons(), "开始称重 0 1");
    loginState().gyname = "没有权限的人"; // whoever holds the weighed items books them
    EXPECT_EQ(buttons(), "开始称重 0 1");
    EXPECT_EQ(station.book({ { "a", "30" } }).booked, QStringList { "a" });
    loginState().gyname = "系统管理员";
    EXPECT_FALSE(station.holdsOrder());
    EXPECT_EQ(buttons(), "开始称重 1 0");

    // The order listed: asked whether a new one is to be drawn.
    dialogs.answers = { platform::Answer::No, platform::Answer::Yes };
    EXPECT_EQ(station.start(chosen, true), WeighingSession::Start::SameOrder);
    EXPECT_EQ(order.number(), "2006081010001");
    EXPECT_EQ(station.start(chosen, true), WeighingSession::Start::NewOrder);
    EXPECT_EQ(order.number(), "2006081010002");
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0],
        "友情提示|需要产生新的入库单号吗？，如果不点确定本次称重的货物将并入单号为2006081010001 的入库单！");
}

// An order left waiting of today is the current order: deleted whole, it still waits, and the
// booking removes its deleted items. One of another day is only released: both buttons say
// delete, whatever the rows, until it no longer waits; a start then draws a new order of today.
TEST_P(WeighingSessions, AResumedOrderOfTodayIsDeletedAndBookedOneOfAnotherDayReleased)
{
    OrderSession order(StockInOrders);
    WeighingSession station(order);
    // Whole-order tooltip, its icon, single-item tooltip; start, book.
    const auto modes = [&station] {
        const WeighingSession::Controls c = station.controls();
        QString on;
        for (const bool b :
            { c.wholeRestore, c.wholeRestoreIcon, c.itemRestore, c.startEnabled, c.bookEnabled })
            on += b ? '1' : '0';
        return on;
    };
    ASSERT_TRUE(
        ExecSQL("insert into c_user_table (username,userpasswd,userlevel) values ('张三','x','管理员')"));
    loginState().gyname = "张三"; // who weighed the items left
    ASSERT_TRUE(stocktest::orderItem("300", "30"));
    ASSERT_TRUE(stocktest::orderItem("201", "20"));
    station.opened(order.open(QDate(2006, 8, 10)));
    ASSERT_TRUE(station.loadOrder());
    station.rowChosen("20");
    EXPECT_EQ(modes(), "00101");
    ASSERT_EQ(station.editWholeOrder()->rows.size(), 2);
    EXPECT_EQ(toasts.last(), "该入库单数据已经全部删除！||1");
    EXPECT_EQ(modes(), "11101") << "still waiting for its booking";
    EXPECT_EQ(station.book({}).booked.size(), 2);
    EXPECT_EQ(testsupport::rowCount("c_proc_main"), 0) << "the deleted items left with the booking";

    for (const QString serial : { "200", "301", "002" })
        ASSERT_TRUE(stocktest::insertItem({ .serialno = serial,
            .groupno = "2006080910001",
            .status = serial.left(2),
            .day = QDate(2006, 8, 9),
            .count_num = 10001 + serial.right(1).toInt() }));
    station.opened(order.open(QDate(2006, 8, 10)));
    ASSERT_TRUE(station.loadOrder());
    station.rowChosen("20");
    EXPECT_EQ(modes(), "00001");
    EXPECT_TRUE(station.editItem("200", 3));
    EXPECT_EQ(toasts.last(), "该笔货物不能删除！|其他日期的入库单只能删除待入库的货物|1");
    ASSERT_TRUE(station.editWholeOrder());
    EXPECT_EQ(stocktest::statusOf("301"), "20");
    EXPECT_EQ(order.number() + modes(), "200608091000111110") << "released: as its rows and clicks left it";
    EXPECT_EQ(station.start({ { true, "" } }, true), WeighingSession::Start::NewOrder);
    EXPECT_EQ(order.number() + modes(), "200608101000100010") << "its buttons in delete mode";
}

INSTANTIATE_BACKENDS(WeighingSessions);
