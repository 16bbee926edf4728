// The work behind the buttons of the stock-out and returns windows, offscreen, against a real
// database: import through a stand-in generator, booking, new order, browsing, undo, printing.
#include "desktop/data/loginstate.h"
#include "desktop/stock/ckform.h"
#include "desktop/stock/tkform.h"
#include "platform/grid/grid.h"
#include "platform/ui/collecteddatafile.h"
#include "stockitems.h"
#include "tests/support/application.h"
#include "tests/support/files.h"
#include "tests/support/fakegenerator.h"
#include "tests/support/fixedclock.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

using namespace korvell;
using stocktest::statusOf;

namespace {

const QString firstOrder = "2006081010001";

template <typename T> T* child(QWidget* form, const QString& name)
{
    T* w = form->findChild<T*>(name);
    EXPECT_TRUE(w) << name.toStdString();
    return w;
}

void click(QWidget* form, const QString& name)
{
    child<QAbstractButton>(form, name)->click();
}

bool enabled(QWidget* form, const QString& name)
{
    return child<QAbstractButton>(form, name)->isEnabled();
}

QString text(QWidget* form, const QString& name)
{
    return child<QLineEdit>(form, name)->text();
}

bool item(const QString& serial, const QString& status, const QString& ck = {}, const QString& tk = {},
    qint64 count = 10001)
{
    return stocktest::insertItem({ .serialno = serial, .groupno = firstOrder, .status = status,
        .count_num = count, .ck_groupno = ck, .ck_station = "1", .tk_groupno = tk, .tk_station = "1" });
}

} // namespace

class OrderHandlers : public testsupport::DatabaseTest {
protected:
    static void SetUpTestSuite() { testsupport::ensureApp<QApplication>(); }
    bool withDemoData() const override { return true; }

    void prepare() override
    {
        loginState().gyname = "系统管理员";
        loginState().station_no = "1";
    }

    template <typename Form> std::unique_ptr<Form> open()
    {
        auto form = std::make_unique<Form>();
        form->resize(1200, 760);
        form->show();
        return form;
    }


    static void chooseApprover(QWidget* form)
    {
        auto* box = child<QComboBox>(form, "Combo1_4");
        box->setCurrentIndex(0);
    }

    static QString cell(QWidget* form, const QString& grid, int row, int col)
    {
        return child<platform::Grid>(form, grid)->sheet().cellText(row, col);
    }
    static int rows(QWidget* form, const QString& grid) { return child<platform::Grid>(form, grid)->sheet().rows(); }

    testsupport::FixedClock clock { QDateTime(QDate(2006, 8, 10), QTime(9, 0)) };
    testsupport::ScriptedDialogs dialogs;
    testsupport::HomeFolder home;
    QTemporaryDir printouts;
    testsupport::PdfPrinters printers { printouts.path() };
};

TEST_P(OrderHandlers, StockOutImportsBooksAndStartsANewOrder)
{
    ASSERT_TRUE(item("20A", "00", {}, {}, 10001));
    ASSERT_TRUE(item("20B", "01", {}, {}, 10002));
    ASSERT_TRUE(item("20C", "30", {}, {}, 10003));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20C\r\nREADY\r\n20X\r\n20B");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "数据已经导入！||1");
    EXPECT_EQ(rows(form.get(), "Grid1"), 3);
    EXPECT_EQ(rows(form.get(), "Grid3"), 3);
    EXPECT_EQ(cell(form.get(), "Grid3", 1, 5), "已经是已称重未入库");
    EXPECT_EQ(cell(form.get(), "Grid3", 2, 1), "20X");
    EXPECT_EQ(cell(form.get(), "Grid3", 2, 5), "该产品不在库中");
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk, 1);

    click(form.get(), "Command1_3");
    EXPECT_EQ(toasts.last(), "本出库单有货物待出库！|请出库后产生新的出库单！！|1");
    EXPECT_FALSE(form->close());
    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "请选择出库审核员||1");

    chooseApprover(form.get());
    child<QComboBox>(form.get(), "Combo2")->setEditText("新客户");
    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "本单数据已经全部出库！||1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(statusOf("20B"), "10");
    EXPECT_EQ(statusOf("20C"), "30");
    EXPECT_EQ(testsupport::scalar("select ck_comp from c_proc_main where serialno='20A'").toString(), "新客户");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将出库单号为" + firstOrder + "的产品出库" }), 1);
    EXPECT_EQ(cell(form.get(), "Grid1", 1, 6), "已出库");
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk, 0);
    EXPECT_TRUE(printers.files.isEmpty()); // no print mark

    click(form.get(), "Command1_3");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    EXPECT_EQ(rows(form.get(), "Grid1"), 1);
    EXPECT_EQ(rows(form.get(), "Grid3"), 1);
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo2")->currentText(), "");
    EXPECT_EQ(text(form.get(), "Text8_0"), "0");
}

TEST_P(OrderHandlers, ImportWithoutAFileOrWithoutGoods)
{
    auto form = open<ckform>();
    click(form.get(), "Command1_0"); // no generator, no file, the pick is cancelled
    EXPECT_EQ(toasts.last(), "用户取消，没有选择导入文本！||1");
    EXPECT_EQ(dialogs.fileDialogs, QStringList { "打开文件" });

    dialogs.fileNames = { testsupport::writeFile(home.path() + "/empty.txt", "") };
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "采集文本是空的||1");

    testsupport::installFakeGenerator(loginState().myapppath, home, "READY\r\n19\r\n");
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "没有符合条件的出库货物！||1");
    EXPECT_EQ(form->hxsrk, 0);
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
}

TEST_P(OrderHandlers, ReturnsTakeBackAWholeOrderAndKeepTheBookedLines)
{
    const QString ckOrder = "2006080910001";
    ASSERT_TRUE(item("20A", "10", ckOrder, {}, 10001));
    ASSERT_TRUE(item("20B", "01", ckOrder, "2006080910001", 10002));
    auto form = open<tkform>();
    child<QLineEdit>(form.get(), "Text2")->setText(ckOrder);
    click(form.get(), "Command1_0");
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(rows(form.get(), "Grid1"), 2);
    EXPECT_EQ(cell(form.get(), "Grid3", 1, 5), "已经是退库在库");
    chooseApprover(form.get());
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("20A"), "01");
    EXPECT_EQ(cell(form.get(), "Grid1", 1, 6), "已经退库");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg like ?", { "将退库单号为%的产品退回仓库" }), 1);
    EXPECT_EQ(form->hxsrk, 0);
}

TEST_P(OrderHandlers, BrowsingAndUndoWithTheOwnerTestAndTheDayGate)
{
    ASSERT_TRUE(item("20A", "10", "2006081010001", {}, 10001));
    ASSERT_TRUE(item("20B", "31", "2006081010002", {}, 10002));
    ExecSQL("update c_proc_main set ck_op_emp='系统管理员' where serialno='20A'");
    ExecSQL("update c_proc_main set ck_op_emp='别人' where serialno='20B'");
    auto form = open<ckform>();
    ASSERT_EQ(text(form.get(), "Text1"), "2006081010003");
    click(form.get(), "Command2_1");
    EXPECT_EQ(toasts.last(), "本单是当日最后的出库单！|后面没有其他出库单！！|1");
    click(form.get(), "Command2_0");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    click(form.get(), "Command2_2");
    EXPECT_EQ(toasts.last(), "该单货物不是您出库的！|您无权删除！|1");
    EXPECT_EQ(statusOf("20B"), "31");

    click(form.get(), "Command2_0");
    EXPECT_EQ(text(form.get(), "Text1"), firstOrder);
    click(form.get(), "Command2_0");
    EXPECT_EQ(toasts.last(), "本单是当日第一张出库单！|前面没有其他出库单！！|1");

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
    EXPECT_EQ(rows(form.get(), "Grid1"), 1);
    EXPECT_EQ(form->hxsrk, 0);
}

TEST_P(OrderHandlers, UndoLineClearsThePendingFlagWithTheLastLine)
{
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n");
    ASSERT_TRUE(item("20A", "00"));
    auto form = open<tkform>();
    ExecSQL("update c_proc_main set proc_sts='10' where serialno='20A'");
    click(form.get(), "Command1_0");
    ASSERT_EQ(form->hxsrk, 1);
    child<platform::Grid>(form.get(), "Grid1")->setActiveCell(1, 1);
    click(form.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！|仍然变为出库状态|1");
    EXPECT_EQ(statusOf("20A"), "10");
    EXPECT_EQ(form->hxsrk, 0);
    EXPECT_TRUE(form->close());
}

TEST_P(OrderHandlers, PrintAtOnceAfterBookingAndPrintedTwiceOneTotalsRow)
{
    ASSERT_TRUE(item("20A", "00", {}, {}, 10001));
    ASSERT_TRUE(item("20B", "00", {}, {}, 10002));
    testsupport::installFakeGenerator(loginState().myapppath, home, "20A\r\n20B\r\n");
    auto form = open<ckform>();
    click(form.get(), "Command1_0");
    QTest::mouseClick(child<QLineEdit>(form.get(), "printflg"), Qt::LeftButton);
    ASSERT_TRUE(form->printAtOnce());
    chooseApprover(form.get());
    child<QComboBox>(form.get(), "Combo2")->setEditText("客户甲");
    click(form.get(), "Command1_1");
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_GT(QFileInfo(printers.files[0]).size(), 0);
    const platform::SheetModel& sheet = child<platform::Grid>(form.get(), "Grid2")->sheet();
    EXPECT_EQ(sheet.rows(), 4);
    EXPECT_EQ(sheet.cellText(1, 6), "已经出库"); // printed as the grid stood, before the reload
    EXPECT_EQ(sheet.cellText(3, 2), "总数：2");
    EXPECT_EQ(sheet.pageSetup().header, "产品出库单");
    EXPECT_EQ(sheet.pageSetup().footer, "打印日期：2006年08月10日         制表人:系统管理员            第 &P 页 共&N页");

    click(form.get(), "Command2_4");
    click(form.get(), "Command2_4");
    EXPECT_EQ(printers.files.size(), 3);
    EXPECT_EQ(sheet.rows(), 4);
    EXPECT_EQ(sheet.cellText(1, 6), "已出库");
    EXPECT_EQ(printers.previewZooms, (QList<int> { 100, 100, 100 }));
}

INSTANTIATE_BACKENDS(OrderHandlers);
