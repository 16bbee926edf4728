// The weighing station's order buttons, offscreen, against a real database: browsing the day's
// orders, deleting and restoring a whole order or one item, and the printed stock-in order.
#include "desktop/data/loginstate.h"
#include "desktop/stock/rkform.h"
#include "formdriving.h"
#include "stockitems.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QToolButton>

using namespace korvell;
using stocktest::insertItem;
using stocktest::sheet;
using stocktest::statusOf;
using stocktest::text;

namespace {

const QString me = "系统管理员";
const QString first = "2006081010001";

} // namespace

class RkFormOrders : public stocktest::WindowTest {
protected:
    // Items of one order at station 1, weighed by me, the first listed weighed first.
    static void order(const QString& number, const QStringList& statuses, qint64 firstCount = 10001)
    {
        for (int i = 0; i < statuses.size(); ++i)
            ASSERT_TRUE(insertItem({ .serialno = number + QString::number(i),
                .groupno = number,
                .status = statuses[i],
                .count_num = firstCount + i,
                .entered = QDateTime(QDate(2006, 8, 10), QTime(8, i)),
                .weigher = me }));
    }

    // Opens the window and shows order `number` by stepping back to it from the order it opens on.
    std::unique_ptr<rkform> openOn(const QString& number)
    {
        auto form = open<rkform>();
        for (int i = 0; i < 10 && text(form.get(), "Text1") != number; ++i)
            button(form.get(), 0)->click();
        EXPECT_EQ(text(form.get(), "Text1"), number);
        return form;
    }

    static QToolButton* button(QWidget* form, int i)
    {
        return form->findChild<QToolButton*>(QString("Command2_%1").arg(i));
    }
    static void select(QWidget* form, const QString& serial)
    {
        auto* g = form->findChild<platform::Grid*>("Grid1");
        for (int r = 1; r < g->sheet().rows(); ++r)
            if (g->sheet().cellText(r, 1) == serial) {
                g->setActiveCell(r, 2); // each move is a selection the window hears of
                g->setActiveCell(r, 1);
            }
    }
    static QStringList statuses(const QString& number, int count)
    {
        QStringList s;
        for (int i = 0; i < count; ++i)
            s << statusOf(number + QString::number(i));
        return s;
    }
};

TEST_P(RkFormOrders, BrowsingStopsAtTheDaysEnds)
{
    order(first, { "00" });
    order("2006081010002", { "00" }, 10002);
    auto form = openOn(first);
    const struct {
        int button;
        QString to, toast;
    } steps[] {
        { 0, first, "本单是当日第一张入库单！|前面没有其他入库单！！|1" },
        { 1, "2006081010002", "||0" },
        { 1, "2006081010002", "本单是当日最后的入库单！|后面没有其他入库单！！|1" },
    };
    for (const auto& s : steps) {
        toasts.clear();
        button(form.get(), s.button)->click();
        EXPECT_EQ(text(form.get(), "Text1"), s.to);
        EXPECT_EQ(toasts.last(), s.toast);
    }
    EXPECT_EQ(sheet(form.get()).cellText(1, 10), "2006081010002");

    // Items waiting for booking keep the window on their order.
    ASSERT_TRUE(form->close());
    order("2006081010005", { "30" }, 10005);
    form->show();
    ASSERT_EQ(form->hxsrk(), 1);
    button(form.get(), 0)->click();
    EXPECT_EQ(toasts.last(), "本入库单有货物待入库！|请入库后再查其他入库单！！|1");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010005");
}

TEST_P(RkFormOrders, WholeOrderDeleteAndRestoreLeaveStagedAndBookedOutItems)
{
    // Weighed first: an item in stock, so the whole-order button follows it.
    const QStringList before { "00", "30", "01", "31", "10", "32" };
    order(first, before);
    auto form = openOn(first);

    // The returned item still carries its stock-out and return orders.
    ASSERT_TRUE(
        ExecSQL("update c_proc_main set ck_groupno='CK',tk_groupno='TK' where serialno=?", { first + "2" })
            .ok);
    button(form.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "该入库单数据已经全部删除！||1");
    EXPECT_EQ(statuses(first, 6), QStringList({ "20", "20", "01", "31", "10", "32" }));
    EXPECT_EQ(button(form.get(), 2)->toolTip(), "恢复删除的该入库单货物");
    EXPECT_EQ(sheet(form.get()).cellText(6, 11), "20");

    button(form.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "该入库单数据已经全部恢复！|变为正常库存！|1");
    EXPECT_EQ(statuses(first, 6), QStringList({ "00", "00", "01", "31", "10", "32" }));
    EXPECT_EQ(button(form.get(), 2)->toolTip(), "全部删除该入库单货物");

    // Restoring an order with nothing deleted, deleting one with nothing deletable: no success.
    const QString second = "2006081010002";
    order(second, { "31", "10" }, 10010);
    auto other = openOn(second);
    button(other.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "该入库单没有可以删除的货物！|已出库或在出库单、退库单上的货物不能删除|1");
    EXPECT_EQ(statuses(second, 2), QStringList({ "31", "10" }));
}

TEST_P(RkFormOrders, WholeOrderActsOnTheOrderNumberNotTheGrid)
{
    order(first, { "00", "00" });
    auto form = openOn(first);
    // A day chosen again draws a new order number while the grid still shows the old order.
    stocktest::pickDay(form.get(), QDate(2006, 8, 10));
    ASSERT_EQ(text(form.get(), "Text1"), "2006081010002");
    button(form.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "入库单2006081010002没有货物！||1");
    EXPECT_EQ(statuses(first, 2), QStringList({ "00", "00" }));
}

TEST_P(RkFormOrders, OnlyTheWeigherDeletesOrRestores)
{
    ASSERT_TRUE(insertItem({ .serialno = "theirs", .groupno = first, .status = "20", .weigher = "张三" }));
    auto form = openOn(first);
    ASSERT_EQ(button(form.get(), 2)->toolTip(), "恢复删除的该入库单货物");
    button(form.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "该单货物不是您入库的！|您无权进行删除恢复！|1");

    select(form.get(), "theirs");
    ASSERT_EQ(button(form.get(), 3)->toolTip(), "单笔恢复删除的入库货物");
    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "该笔货物不是您入库的！|您无权进行删除恢复！|1");
    EXPECT_EQ(statusOf("theirs"), "20");
    // The refused click still turns the button.
    EXPECT_EQ(button(form.get(), 3)->toolTip(), "单笔删除入库货物");
    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "该笔货物不是您入库的！|您无权删除！|1");
    EXPECT_EQ(statusOf("theirs"), "20");
}

TEST_P(RkFormOrders, SingleItemDeleteAndRestore)
{
    order(first, { "30", "31", "00" });
    auto form = openOn(first);
    const QString weighed = first + "0", staged = first + "1";

    select(form.get(), weighed);
    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！||1");
    EXPECT_EQ(statuses(first, 3), QStringList({ "20", "31", "00" }));
    EXPECT_EQ(button(form.get(), 3)->toolTip(), "单笔恢复删除的入库货物");
    // The reload leaves the whole-order button as it was.
    EXPECT_EQ(button(form.get(), 2)->toolTip(), "全部删除该入库单货物");

    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "该笔货物数据已经恢复！|变为正常库存！|1");
    EXPECT_EQ(statusOf(weighed), "00");
    EXPECT_EQ(button(form.get(), 3)->toolTip(), "单笔删除入库货物");

    select(form.get(), staged);
    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "该笔货物不能删除！|已出库或在出库单、退库单上的货物不能删除|1");
    EXPECT_EQ(statusOf(staged), "31");
    EXPECT_EQ(button(form.get(), 3)->toolTip(), "单笔删除入库货物");

    // A statement that fails is no success.
    select(form.get(), weighed);
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    toasts.clear();
    button(form.get(), 3)->click();
    ASSERT_TRUE(ExecSQL("alter table c_proc_main_away rename to c_proc_main").ok);
    ASSERT_EQ(toasts.lines.size(), 2); // the closed toast, then the database's error
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误")) << toasts.last().toStdString();
}

TEST_P(RkFormOrders, DateAndRightsAreCheckedAtEveryClick)
{
    order(first, { "00" });
    auto form = openOn(first);
    ASSERT_TRUE(button(form.get(), 2)->isEnabled());
    // Another day chosen: the first delete is refused already.
    emit form->findChild<QCalendarWidget*>("MonthView1")->clicked(QDate(2006, 8, 9));
    button(form.get(), 2)->click();
    EXPECT_EQ(toasts.last(), "只能删除或恢复当天的入库货物！|请把入库日期改回今天|1");
    EXPECT_EQ(statusOf(first + "0"), "00");
    EXPECT_FALSE(button(form.get(), 2)->isEnabled());
    EXPECT_FALSE(button(form.get(), 3)->isEnabled());

    emit form->findChild<QCalendarWidget*>("MonthView1")->clicked(QDate(2006, 8, 10));
    button(form.get(), 4)->click();
    EXPECT_TRUE(button(form.get(), 2)->isEnabled());
    EXPECT_TRUE(button(form.get(), 3)->isEnabled());

    loginState().gyname = "没有权限的人";
    button(form.get(), 3)->click();
    EXPECT_EQ(toasts.last(), "您没有删除入库货物的权限！|请与管理员联系|1");
    EXPECT_EQ(statusOf(first + "0"), "00");
    EXPECT_FALSE(button(form.get(), 3)->isEnabled());
}

TEST_P(RkFormOrders, PrintSheetOfEmptyAndFullOrders)
{
    auto empty = open<rkform>();
    button(empty.get(), 4)->click();
    const platform::SheetModel& blank = sheet(empty.get(), "Grid2");
    ASSERT_EQ(blank.rows(), 2);
    EXPECT_EQ(blank.cellText(0, 1), "产品条码");
    const QStringList totals { blank.cellText(1, 1), blank.cellText(1, 2), blank.cellText(1, 4),
        blank.cellText(1, 5) };
    EXPECT_EQ(totals, QStringList({ "合  计: ", "总0", "0", "0" }));

    order(first, QStringList(12, "00"));
    auto form = openOn(first);
    button(form.get(), 4)->click();
    button(form.get(), 4)->click();
    const platform::SheetModel& printed = sheet(form.get(), "Grid2");
    EXPECT_EQ(printed.rows(), 14);
    EXPECT_EQ(printed.cols(), 11);
    EXPECT_EQ(printed.cellText(13, 2), "总12");
    EXPECT_EQ(printed.cellText(13, 4), "148.08");
    EXPECT_EQ(printed.cellText(12, 6), "在库");
    EXPECT_EQ(printed.pageSetup().header, "产品入库单");
    EXPECT_EQ(printed.pageSetup().footer,
        "打印日期：2006年08月10日         制表人:系统管理员            第 &P 页 共&N页");
    EXPECT_EQ(printers.previewZooms, QList<int>({ 100, 100, 100 }));

    QProcess pdf;
    pdf.start("pdftotext", { "-layout", printers.files.last(), "-" });
    ASSERT_TRUE(pdf.waitForFinished(20000));
    // pdftotext gives some characters as radicals or full-width forms (NFKC folds them back).
    const QString words = QString::fromUtf8(pdf.readAllStandardOutput())
                              .normalized(QString::NormalizationForm_KC)
                              .simplified();
    for (const QString w : { "产品入库单", "20060810100011", "合 计: 总12 148.08 142.08",
             "打印日期:2006年08月10日 制表人:系统管理员 第 1" })
        EXPECT_TRUE(words.contains(w)) << w.toStdString() << " in " << words.toStdString();
}

TEST_P(RkFormOrders, PrintGridEventFillsTheOrderGridFromTheTemplate)
{
    ASSERT_TRUE(QDir(db->programFolder()).mkpath("reportmodel"));
    ASSERT_TRUE(QFile::copy(testsupport::databaseDir() + "/../reportmodel/rkreport.cel",
        db->programFolder() + "reportmodel/rkreport.cel"));
    order(first, { "30" });
    auto form = openOn(first);
    QMetaObject::invokeMethod(form->findChild<platform::Grid*>("Grid2"), "afterSort", Q_ARG(int, 1));
    EXPECT_EQ(sheet(form.get()).cellText(1, 1), "产品入库单");
}

INSTANTIATE_BACKENDS(RkFormOrders);
