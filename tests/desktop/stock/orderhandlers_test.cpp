// The work behind the buttons of the stock-out and returns windows, offscreen, against a real
// database: import through a stand-in generator, booking, new order, browsing, undo, printing.
#include "desktop/data/connection.h"
#include "desktop/data/dsn.h"
#include "desktop/data/loginstate.h"
#include "desktop/stock/ckform.h"
#include "desktop/stock/tkform.h"
#include "formdriving.h"
#include "platform/ui/collecteddatafile.h"
#include "platform/ui/processes.h"
#include "stockitems.h"
#include "tests/support/fakegenerator.h"
#include "tests/support/lockholder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPushButton>

using namespace korvell;
using stocktest::child;
using stocktest::click;
using stocktest::enabled;
using stocktest::fillBooking;
using stocktest::orderItem;
using stocktest::printedOrder;
using stocktest::sheet;
using stocktest::statusOf;
using stocktest::text;

namespace {

const QString firstOrder = "2006081010001";

// The generator as a clerk meets it: while it runs, the clerk clicks at the stock window's buttons
// and at the main window's; when it ends, it has saved the collected serial numbers.
class ClickedAtGenerator final : public platform::Processes {
public:
    ClickedAtGenerator(QWidget* form, QAbstractButton* mainWindowButton, QByteArray collected)
        : form(form)
        , mainWindowButton(mainWindowButton)
        , collected(std::move(collected))
    {
        previous = platform::setProcesses(this);
    }
    ~ClickedAtGenerator() override { platform::setProcesses(previous); }

    bool startAndWait(const QString&, const QStringList&) override
    {
        ++runs;
        waitShown = !form->isEnabled();
        testsupport::writeFile(platform::collectedDataFilePath(), collected);
        QList<QAbstractButton*> buttons { mainWindowButton };
        for (const char* name : { "Command1_1", "Command1_0", "Command1_2" })
            buttons << form->findChild<QAbstractButton*>(name);
        for (QAbstractButton* button : buttons) {
            const QPointF at = QRectF(button->rect()).center();
            for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
                QCoreApplication::postEvent(button,
                    new QMouseEvent(type, at, button->mapToGlobal(at), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
        }
        return true;
    }
    bool startDetached(const QString&, const QStringList&) override { return false; }

    int runs = 0;
    bool waitShown = false;

private:
    QWidget* form;
    QAbstractButton* mainWindowButton;
    QByteArray collected;
    platform::Processes* previous = nullptr;
};

} // namespace

class OrderHandlers : public stocktest::WindowTest {
protected:
    bool withDemoData() const override { return true; }
    testsupport::HomeFolder home;
};

TEST_P(OrderHandlers, StockOutImportsBooksAndStartsANewOrder)
{
    ASSERT_TRUE(orderItem("20A", "00", {}, {}, 10001));
    ASSERT_TRUE(orderItem("20B", "01", {}, {}, 10002));
    ASSERT_TRUE(orderItem("20C", "30", {}, {}, 10003));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20C\r\nREADY\r\n20X\r\n20B");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "数据已经导入！||1");
    EXPECT_EQ(sheet(form.get()).rows(), 3);
    EXPECT_EQ(sheet(form.get(), "Grid3").rows(), 3);
    EXPECT_EQ(sheet(form.get(), "Grid3").cellText(1, 5), "已经是已称重未入库");
    EXPECT_EQ(sheet(form.get(), "Grid3").cellText(2, 1), "20X");
    EXPECT_EQ(sheet(form.get(), "Grid3").cellText(2, 5), "该产品不在库中");
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk(), 1);

    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "请选择出库审核员||1");

    fillBooking(form.get(), "新客户");
    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "本单数据已经全部出库！||1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(statusOf("20B"), "10");
    EXPECT_EQ(statusOf("20C"), "30");
    EXPECT_EQ(
        testsupport::scalar("select ck_comp from c_proc_main where serialno='20A'").toString(), "新客户");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将出库单号为" + firstOrder + "的产品出库" }), 1);
    EXPECT_EQ(sheet(form.get()).cellText(1, 6), "已出库");
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_TRUE(printers.files.isEmpty()); // no print mark

    click(form.get(), "Command1_3");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    EXPECT_EQ(sheet(form.get()).rows(), 1);
    EXPECT_EQ(sheet(form.get(), "Grid3").rows(), 1);
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo2")->currentText(), "");
    EXPECT_EQ(text(form.get(), "Text8_0"), "0");
}

TEST_P(OrderHandlers, ImportWithoutAFileOrWithoutGoods)
{
    auto form = open<ckform>();
    click(form.get(), "Command1_0"); // no generator, no file, the pick is cancelled
    EXPECT_EQ(toasts.last(), "用户取消，没有选择导入文本！||1");

    dialogs.fileNames = { testsupport::writeFile(home.path() + "/empty.txt", "") };
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "采集文本是空的||1");

    testsupport::installFakeGenerator(loginState().myapppath, home, "READY\r\n19\r\n");
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "没有符合条件的出库货物！||1");
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
}

TEST_P(OrderHandlers, ReturnsTakeBackAWholeOrderAndKeepTheBookedLines)
{
    const QString ckOrder = "2006080910001";
    ASSERT_TRUE(orderItem("20A", "10", ckOrder, {}, 10001));
    ASSERT_TRUE(orderItem("20B", "01", ckOrder, "2006080910001", 10002));
    auto form = open<tkform>();
    child<QLineEdit>(form.get(), "Text2")->setText(ckOrder);
    EXPECT_EQ(child<QAbstractButton>(form.get(), "Command1_0")->text(), "整单退库");
    click(form.get(), "Command1_0");
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(sheet(form.get()).rows(), 2);
    EXPECT_EQ(sheet(form.get(), "Grid3").cellText(1, 5), "已经是退库在库");
    fillBooking(form.get());
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("20A"), "01");
    EXPECT_EQ(sheet(form.get()).cellText(1, 6), "已经退库");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg like ?", { "将退库单号为%的产品退回仓库" }), 1);
    EXPECT_EQ(form->hxsrk(), 0);
    // The next import reads the collected file, as the caption says, also after a new order.
    for (const char* step : { "booked", "new order" }) {
        EXPECT_EQ(child<QAbstractButton>(form.get(), "Command1_0")->text(), "导入退库") << step;
        EXPECT_EQ(form->sourceOrder(), "") << step;
        child<QLineEdit>(form.get(), "Text2")->setText(ckOrder);
        click(form.get(), "Command1_3");
    }
}

TEST_P(OrderHandlers, BrowsingAndUndoWithTheOwnerTestAndTheDayGate)
{
    ASSERT_TRUE(orderItem("20A", "10", "2006081010001", {}, 10001));
    ASSERT_TRUE(orderItem("20B", "10", "2006081010002", {}, 10002));
    ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='系统管理员' where serialno='20A'"));
    ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='别人' where serialno='20B'"));
    auto form = open<ckform>();
    ASSERT_EQ(text(form.get(), "Text1"), "2006081010003");
    QTest::keyClicks(child<QLineEdit>(form.get(), "Text3"), "9");
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-10") << "the date box changes only through the calendar";
    click(form.get(), "Command2_0");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "该单货物不是您出库的！|您无权删除！|1");
    EXPECT_EQ(statusOf("20B"), "10");

    click(form.get(), "Command2_0");
    EXPECT_EQ(text(form.get(), "Text1"), firstOrder);

    clock.set(QDateTime(QDate(2006, 8, 11), QTime(0, 1))); // the window stayed open past midnight
    click(form.get(), "Command2_2");
    EXPECT_FALSE(enabled(form.get(), "Command2_2"));
    EXPECT_FALSE(enabled(form.get(), "Command2_3"));
    EXPECT_EQ(statusOf("20A"), "10");

    clock.set(QDateTime(QDate(2006, 8, 10), QTime(9, 0)));
    click(form.get(), "Command2_0"); // any toolbar click opens the gate again
    EXPECT_TRUE(enabled(form.get(), "Command2_2"));
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "该出库单数据已经全部删除！|自动退回总库|1");
    EXPECT_EQ(statusOf("20A"), "00");
    EXPECT_EQ(sheet(form.get()).rows(), 1);
    EXPECT_EQ(form->hxsrk(), 0);
}

TEST_P(OrderHandlers, UndoLineClearsThePendingFlagWithTheLastLine)
{
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n");
    ASSERT_TRUE(orderItem("20A", "00"));
    auto form = open<tkform>();
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_sts='10' where serialno='20A'"));
    click(form.get(), "Command1_0");
    ASSERT_EQ(form->hxsrk(), 1);
    child<platform::Grid>(form.get(), "Grid1")->setActiveCell(1, 1);
    click(form.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！|仍然变为出库状态|1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_TRUE(form->close());
}

TEST_P(OrderHandlers, PrintAtOnceAfterBookingAndPrintedTwiceOneTotalsRow)
{
    ASSERT_TRUE(orderItem("20A", "00", {}, {}, 10001));
    ASSERT_TRUE(orderItem("20B", "00", {}, {}, 10002));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20B\r\n");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    QTest::mouseClick(child<QLineEdit>(form.get(), "printflg"), Qt::LeftButton);
    ASSERT_TRUE(form->printAtOnce());
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_GT(QFileInfo(printers.files[0]).size(), 0);
    const platform::SheetModel& printed = sheet(form.get(), "Grid2");
    EXPECT_EQ(printed.rows(), 4);
    EXPECT_EQ(printed.cellText(1, 6), "已经出库"); // printed as the grid stood, before the reload
    EXPECT_EQ(printed.cellText(3, 2), "总数：2");
    EXPECT_EQ(printed.pageSetup().header, "产品出库单");
    EXPECT_EQ(printed.pageSetup().footer,
        "打印日期：2006年08月10日         制表人:系统管理员            第 &P 页 共&N页");

    click(form.get(), "Command2_4");
    click(form.get(), "Command2_4");
    EXPECT_EQ(printers.files.size(), 3);
    EXPECT_EQ(printed.rows(), 4);
    EXPECT_EQ(printed.cellText(1, 6), "已出库");
    EXPECT_EQ(printers.previewZooms, (QList<int> { 100, 100, 100 }));
}

TEST_P(OrderHandlers, ClicksMadeWhileTheGeneratorRunsAreDropped)
{
    ASSERT_TRUE(orderItem("20A", "00", {}, {}, 10001));
    ASSERT_TRUE(orderItem("20B", "00", {}, {}, 10002));
    QPushButton mainWindow("出库"); // the main window stays enabled meanwhile
    mainWindow.show();
    int mainWindowClicks = 0;
    QObject::connect(&mainWindow, &QPushButton::clicked, [&] { ++mainWindowClicks; });
    auto form = open<ckform>();
    fillBooking(form.get(), "客户甲");
    ClickedAtGenerator generator(form.get(), &mainWindow, "20A\r\n20B\r\n");
    click(form.get(), "Command1_0");
    QCoreApplication::processEvents();
    EXPECT_EQ(generator.runs, 1);
    EXPECT_EQ(mainWindowClicks, 0);
    EXPECT_TRUE(generator.waitShown) << "the window shows that it waits";
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(statusOf("20A"), "31") << "staged, shown, not booked";
    EXPECT_EQ(sheet(form.get()).rows(), 3);
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(toasts.last(), "数据已经导入！||1");
}

TEST_P(OrderHandlers, AnImportCutShortSaysWhatIsLeftAndTheOrderWaits)
{
    const QStringList serials { "20A", "20B", "20C", "20D" };
    for (int i = 0; i < serials.size(); ++i)
        ASSERT_TRUE(orderItem(serials[i], "00", {}, {}, 10001 + i));
    ASSERT_TRUE(stocktest::failUpdatesOf("20C"));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20B\r\n20C\r\n20D\r\n");
    auto form = open<ckform>();
    {
        stocktest::ServerStaysAway away;
        click(form.get(), "Command1_0");
        const QString why = GetParam() == Backend::SQLite ? "数据库发生错误: quota %1" : "数据库连接中断";
        EXPECT_EQ(toasts.last(), "数据导入没有完成！|" + why + "，还有2笔货物没有导入，请稍后再导入|1");
        EXPECT_EQ(form->hxsrk(), 1) << "staged items wait on the order";
        click(form.get(), "Command1_3");
        EXPECT_EQ(toasts.last(), "本出库单有货物待出库！|请出库后产生新的出库单！！|1");
        EXPECT_FALSE(form->close());
    }
    EXPECT_EQ(statusOf("20B"), "31");
    EXPECT_EQ(statusOf("20C"), "00");
    EXPECT_EQ(statusOf("20D"), "00");
    ASSERT_TRUE(stocktest::stopFailingUpdates());

    // The server is back: the rest is imported onto the same order and the whole order booked.
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    click(form.get(), "Command1_0");
    EXPECT_EQ(statusOf("20D"), "31");
    EXPECT_EQ(sheet(form.get()).rows(), 5);
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    for (const QString& s : serials)
        EXPECT_EQ(statusOf(s), "10") << s.toStdString();
    EXPECT_EQ(form->hxsrk(), 0);
}

TEST_P(OrderHandlers, ABookingCutShortSaysWhatIsLeftAndTheOrderWaits)
{
    for (const auto& [serial, count] :
        { std::pair { "20A", 10003 }, std::pair { "20B", 10002 }, std::pair { "20C", 10001 } })
        ASSERT_TRUE(orderItem(serial, "00", {}, {}, count));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20B\r\n20C\r\n");
    auto form = open<tkform>();
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_sts='10'"));
    click(form.get(), "Command1_0");
    ASSERT_EQ(sheet(form.get()).rows(), 4);
    fillBooking(form.get());
    ASSERT_TRUE(stocktest::failUpdatesOf("20B"));
    {
        stocktest::ServerStaysAway away;
        click(form.get(), "Command1_1");
        const QString why = GetParam() == Backend::SQLite ? "数据库发生错误: quota %1" : "数据库连接中断";
        EXPECT_EQ(
            toasts.last(), "货物退库没有全部完成！|" + why + "，还有2笔货物未退库，请稍后再点击货物退库|1");
        EXPECT_EQ(form->hxsrk(), 1);
        EXPECT_FALSE(form->close());
    }
    ASSERT_TRUE(stocktest::stopFailingUpdates());
    EXPECT_EQ(statusOf("20B"), "32");
    EXPECT_EQ(statusOf("20C"), "32") << "nothing is tried after the stop";
    // The line booked before the stop is logged as soon as the database answers: at once when it
    // refused a statement, at the next click when it was away.
    EXPECT_EQ(testsupport::rowCount("c_log"), GetParam() == Backend::SQLite ? 1 : 0);
    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "本单数据已经全部退库！||1");
    EXPECT_EQ(testsupport::rowCount("c_log"), 2);
    for (const char* s : { "20A", "20B", "20C" })
        EXPECT_EQ(statusOf(s), "01") << s;
    EXPECT_EQ(form->hxsrk(), 0);
}

TEST_P(OrderHandlers, ALockedTableStopsTheBookingAtOnce)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(orderItem(QString("20%1").arg(i), "00", {}, {}, 10001 + i));
    testsupport::installFakeGenerator(loginState().myapppath, home, "200\r\n201\r\n202\r\n");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    fillBooking(form.get(), "客户甲");
    {
        testsupport::LockHolder holder(GetConnString(), "c_proc_main");
        ASSERT_TRUE(holder.holding());
        QElapsedTimer waited;
        waited.start();
        click(form.get(), "Command1_1");
        EXPECT_LT(waited.elapsed(), 2 * lockWaitMilliseconds);
        EXPECT_EQ(toasts.last(),
            "货物出库没有全部完成！|数据被其他工作站占用，还有3笔货物未出库，请稍后再点击货物出库|1");
        EXPECT_EQ(form->hxsrk(), 1);
        EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    }
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("202"), "10");
}

TEST_P(OrderHandlers, NoOrderNumberNoGoingOn)
{
    ASSERT_TRUE(orderItem("20A", "00"));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    ASSERT_EQ(statusOf("20A"), "10");

    // No number can be drawn: the booked order stays shown and nothing can be imported onto it.
    loginState().station_no = "0";
    click(form.get(), "Command1_3");
    EXPECT_EQ(text(form.get(), "Text1"), firstOrder);
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    stocktest::pickDay(form.get(), QDate(2006, 8, 12));
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-10") << "the date box shows the date in use";
    EXPECT_EQ(text(form.get(), "Text1"), firstOrder);

    // Opened again without a number: nothing to import onto.
    ASSERT_TRUE(form->close());
    QFile::remove(platform::collectedDataFilePath());
    form->show();
    EXPECT_EQ(text(form.get(), "Text1"), "");
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "没有出库单号！|请点击新出库单|1");
    EXPECT_FALSE(QFile::exists(platform::collectedDataFilePath())) << "the generator was not started";
    loginState().station_no = "1";
    click(form.get(), "Command1_3");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
}

TEST_P(OrderHandlers, OpensOnTheOrderThisStationLeftHalfBooked)
{
    ASSERT_TRUE(orderItem("20A", "10", firstOrder, {}, 10001));
    ASSERT_TRUE(orderItem("20B", "31", "2006081010002", {}, 10002));
    ASSERT_TRUE(orderItem("20C", "10", "2006081010002", {}, 10003));
    ASSERT_TRUE(stocktest::insertItem({ .serialno = "20D",
        .groupno = firstOrder,
        .status = "31",
        .count_num = 10004,
        .ck_groupno = "2006081020001",
        .ck_station = "2" }));
    ASSERT_TRUE(stocktest::insertItem({ .serialno = "20E",
        .groupno = firstOrder,
        .status = "32",
        .day = QDate(2006, 8, 9),
        .count_num = 10005,
        .ck_groupno = firstOrder,
        .ck_station = "1",
        .tk_groupno = "2006080910001",
        .tk_station = "1" }));
    // Booked, it stays shown and printed with its day and number, without import, until a new order.
    const auto opened
        = [this](QWidget* form, const QString& order, const QString& toast, const QString& booked) {
              EXPECT_EQ(text(form, "Text1"), order);
              EXPECT_EQ(text(form, "Text3"), "2006-8-" + QString::number(order.mid(6, 2).toInt()));
              EXPECT_EQ(toasts.last(), toast);
              EXPECT_EQ(sheet(form).rows(), 2);
              EXPECT_TRUE(enabled(form, "Command1_1"));
              EXPECT_TRUE(form->close()) << "left waiting";
              form->show();
              EXPECT_EQ(text(form, "Text1"), order) << "offered again";
              fillBooking(form, form->findChild<QComboBox*>("Combo2") ? "客户甲" : "");
              click(form, "Command1_1");
              EXPECT_EQ(text(form, "Text3") + " " + text(form, "Text1") + " " + printedOrder(form), booked);
              EXPECT_FALSE(enabled(form, "Command1_0"));
              click(form, "Command1_3");
              EXPECT_EQ(text(form, "Text3") + text(form, "Text8_0"), "2006-8-100");
              EXPECT_EQ(sheet(form).rows(), 1);
          };
    opened(open<ckform>().get(), "2006081010002",
        "本出库单有货物待出库！|已打开2006-8-"
        "10未完成的出库单2006081010002，可以：导入、货物出库、全部删除该出库单货物、"
        "退出|1",
        "2006-8-10 2006081010002 2006081010002×2");
    opened(open<tkform>().get(), "2006080910001",
        "本退库单有货物待退库！|已打开2006-8-"
        "9未完成的退库单2006080910001，可以：导入退库、货物退库、全部删除该单货物、退出|1",
        "2006-8-9 2006080910001 2006080910001×1");
}

// A stock-out order of yesterday left waiting: booked, released or left, and the work after it is
// today's; a user without the rights books nothing and is told why.
TEST_P(OrderHandlers, AnOrderOfYesterdayLeftWaitingTrapsNobody)
{
    const QString yesterdays = "2006080910002";
    const auto leaveWaiting = [&](const QString& serial) {
        ASSERT_TRUE(stocktest::insertItem({ .serialno = serial,
            .groupno = "x",
            .status = "31",
            .day = QDate(2006, 8, 9),
            .count_num = 1,
            .ck_groupno = yesterdays,
            .ck_station = "1" }));
        ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='系统管理员'"));
    };
    ASSERT_NO_FATAL_FAILURE(leaveWaiting("20A"));
    ASSERT_TRUE(orderItem("20B", "00", {}, {}, 10002));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20B\r\n");

    // Left by a user without the rights, booked by one with them, then the next order is today's.
    loginState().gyname = "没有权限的人";
    auto form = open<ckform>();
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
    EXPECT_TRUE(form->close());
    loginState().gyname = "系统管理员";
    form->show();
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-9");
    EXPECT_EQ(text(form.get(), "Text1"), yesterdays);
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(text(form.get(), "Text3") + " " + printedOrder(form.get()), "2006-8-9 2006080910002×1");
    EXPECT_FALSE(enabled(form.get(), "Command1_0") || enabled(form.get(), "Command2_2"));
    click(form.get(), "Command1_3");
    click(form.get(), "Command1_0");
    EXPECT_EQ(dateOf(testsupport::scalar("select ck_date from c_proc_main where serialno='20B'")),
        QDate(2006, 8, 10));
    EXPECT_EQ(stocktest::columnOf("ck_groupno", "20B"), "2006081010001");
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    EXPECT_TRUE(form->close());

    // Released: the waiting line back in stock, yesterday's booked line as booked; the import after
    // it goes onto today's next order.
    ASSERT_NO_FATAL_FAILURE(leaveWaiting("20C"));
    ASSERT_TRUE(orderItem("20D", "00", {}, {}, 10004));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20D\r\n");
    form->show();
    ASSERT_EQ(text(form.get(), "Text1"), yesterdays);
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "该出库单数据已经全部删除！|自动退回总库|1");
    EXPECT_EQ(statusOf("20C"), "00");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_EQ(text(form.get(), "Text3") + " " + printedOrder(form.get()), "2006-8-9 2006080910002×1");
    click(form.get(), "Command1_0");
    EXPECT_EQ(stocktest::columnOf("ck_groupno", "20D"), "2006081010002");
}

TEST_P(OrderHandlers, WhatIsStoredNamesTheUserLoggedInNow)
{
    ASSERT_TRUE(orderItem("20A", "00"));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n");
    auto form = open<ckform>();
    ASSERT_EQ(stocktest::switchUserTo("钱芳"), LoginOutcome::LoggedIn); // 换用户 while the window stays open
    EXPECT_EQ(text(form.get(), "Text6"), "钱芳");
    click(form.get(), "Command1_0");
    EXPECT_EQ(testsupport::scalar("select ck_op_emp from c_proc_main").toString(), "钱芳");
    // A user with rights "10" books what waits and closes the window.
    ASSERT_EQ(stocktest::switchUserTo("看客", true), LoginOutcome::LoggedIn);
    fillBooking(form.get(), "客户甲");
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("20A"), "10");
    click(form.get(), "Command1_2");
    EXPECT_FALSE(form->isVisible());
    loginState().gyname = "系统管理员";
}

TEST_P(OrderHandlers, RefusalsSayWhatWasRefused)
{
    ASSERT_TRUE(orderItem("20A", "32", firstOrder, "2006081010001", 10001));
    ASSERT_TRUE(ExecSQL("update c_proc_main set ck_op_emp='系统管理员'"));
    auto form = open<ckform>();
    click(form.get(), "Command2_0");
    ASSERT_EQ(text(form.get(), "Text1"), firstOrder);
    // The order's only item has been staged for return meanwhile: nothing to undo.
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "该出库单没有可以删除的货物！|已经退库的货物不能删除|1");
    child<platform::Grid>(form.get(), "Grid1")->setActiveCell(1, 1);
    click(form.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "该笔货物不能删除！|已经退库的货物不能删除|1");

    stocktest::pickDay(form.get(), QDate(2006, 8, 9));
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "只能删除当天的出库货物！|请把出库日期改回今天|1");

    emit child<QCalendarWidget>(form.get(), "MonthView1")->clicked(QDate(2006, 8, 10));
    click(form.get(), "Command2_4"); // any toolbar click opens the gate again
    loginState().gyname = "没有权限的人";
    click(form.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "您没有删除出库货物的权限！|请与管理员联系|1");
    click(form.get(), "Command1_3");
    EXPECT_EQ(toasts.last(), "您没有出库的权限！|请与管理员联系|1");
    loginState().gyname = "系统管理员";
}

// Rights that could not be read, from a table that does not answer or a server that is away.
TEST_P(OrderHandlers, RightsThatCouldNotBeReadAreNoRefusal)
{
    auto form = open<ckform>();
    const auto clickingSays = [&](const QString& why) {
        for (const char* button : { "Command1_3", "Command1_0", "Command2_2" }) {
            click(form.get(), button);
            EXPECT_TRUE(toasts.last().startsWith(why)) << button << toasts.last().toStdString();
            EXPECT_TRUE(enabled(form.get(), button)) << button;
        }
    };
    ASSERT_TRUE(ExecSQL("alter table c_usergroup rename to away"));
    clickingSays("数据库发生错误: ");
    ASSERT_TRUE(ExecSQL("alter table away rename to c_usergroup"));
    if (GetParam() == Backend::SQLite)
        return; // an embedded database cannot go away
    stocktest::ServerStaysAway away;
    resetConnection();
    clickingSays("数据库连接发生错误|请检查网络或数据库服务器|1");
}

INSTANTIATE_BACKENDS(OrderHandlers);
