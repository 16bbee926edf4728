// The stock-out and returns windows, offscreen, against a real database with the demo data:
// opening, rights, approver and customer lists, the order grid, the error list and the picker;
// every opening of the three stock windows as fresh as the first.
#include "desktop/data/loginstate.h"
#include "desktop/frame/windowregistry.h"
#include "desktop/masterdata/editorwindow.h"
#include "desktop/masterdata/masterdatawindows.h"
#include "desktop/stock/ckform.h"
#include "desktop/stock/rkform.h"
#include "desktop/stock/stockwindows.h"
#include "desktop/stock/tkform.h"
#include "formdriving.h"
#include "stockitems.h"

#include <QDateEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

using namespace korvell;
using stocktest::child;
using stocktest::click;
using stocktest::insertItem;
using stocktest::text;

namespace {

QStringList items(QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class OrderWindows : public stocktest::WindowTest {
protected:
    bool withDemoData() const override { return true; }

    // The logged-in user's group gets exactly the rights code (no row for "10").
    void grantOnly(const QString& code)
    {
        ASSERT_TRUE(ExecSQL("delete from c_usergroup where groupname='仓管'"));
        ASSERT_TRUE(ExecSQL("delete from c_user_table where username='仓管员'"));
        ASSERT_TRUE(
            ExecSQL("insert into c_user_table (username,userpasswd,userlevel) values ('仓管员','x','仓管')")
                .ok);
        loginState().gyname = "仓管员";
        if (code == "10")
            return;
        for (const char* window : { "ckform", "tkform" })
            ASSERT_TRUE(ExecSQL("insert into c_usergroup (groupname,progname,groupauth1,groupauth2) "
                                "select '仓管', programchname, ?, ? from c_programgroup where programname=?",
                { code.left(1), code.size() > 1 ? QVariant(code.mid(1)) : QVariant(), QString(window) })
                            .ok);
    }
};

TEST_P(OrderWindows, RightsGateCoversExactlyFourButtons)
{
    for (const QString& rights :
        { QString("0"), QString("10"), QString("00"), QString("01"), QString("11") }) {
        SCOPED_TRACE(rights.toStdString());
        grantOnly(rights);
        const bool gated = rights != "11" && rights != "01";
        for (QWidget* form :
            std::initializer_list<QWidget*> { open<ckform>().release(), open<tkform>().release() }) {
            const std::unique_ptr<QWidget> owner(form);
            for (const char* name : { "Command1_0", "Command1_3", "Command2_2", "Command2_3" })
                EXPECT_EQ(child<QAbstractButton>(form, name)->isEnabled(), !gated) << name;
            for (const char* name : { "Command1_2", "Command2_0", "Command2_1", "Command2_4" })
                EXPECT_TRUE(child<QAbstractButton>(form, name)->isEnabled()) << name;
            EXPECT_FALSE(child<QAbstractButton>(form, "Command1_1")->isEnabled());
        }
    }
}

TEST_P(OrderWindows, OpensOnTodayWithTheListsAndCutsTheApproverToTheName)
{
    auto form = open<ckform>();
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-10");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010001");
    EXPECT_EQ(text(form.get(), "Text6"), "系统管理员");
    EXPECT_EQ(items(child<QComboBox>(form.get(), "Combo2")).size(), testsupport::rowCount("c_custom"));
    auto* approver = child<QComboBox>(form.get(), "Combo1_4");
    EXPECT_EQ(items(approver), QStringList({ "0201    |吴刚", "0202    |钱芳" }));
    EXPECT_EQ(approver->currentText(), "请选择审核工号");
    EXPECT_EQ(form->approverName(), ""); // the prompt is no approver
    approver->setCurrentIndex(1);
    emit approver->activated(1);
    EXPECT_EQ(approver->currentText(), "钱芳");
    EXPECT_EQ(form->approverName(), "钱芳");

    ASSERT_TRUE(insertItem({ .serialno = "s1",
        .groupno = "2006081010001",
        .status = "31",
        .ck_groupno = "2006081010001",
        .ck_station = "1" }));
    form->LoadStockOutOrderGrid("31");
    const platform::SheetModel& grid = form->Grid1->sheet();
    ASSERT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.cellText(1, 1), "s1");
    EXPECT_EQ(grid.cellText(1, 6), "待出库");
    EXPECT_EQ(form->totals(), QStringList({ "1", "12.34", "11.84" }));
    EXPECT_EQ(form->orderLines().size(), 1);
}

TEST_P(OrderWindows, EnterSearchesCustomersForTheTypedTextLiterally)
{
    ASSERT_TRUE(ExecSQL("insert into c_custom (cust_name) values ('百分之100%公司')").ok);
    auto form = open<ckform>();
    auto* box = child<QComboBox>(form.get(), "Combo2");
    box->setEditText("%");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(items(box), QStringList { "百分之100%公司" });
    EXPECT_EQ(box->currentText(), "%");
    EXPECT_EQ(form->customerName(), "%");
    EXPECT_TRUE(toasts.lines.filter("数据库").isEmpty());
}

TEST_P(OrderWindows, EachCustomerEditorClickAddsABlankRow)
{
    registerMasterDataWindows();
    auto form = open<ckform>();
    child<QToolButton>(form.get(), "Command3")->click();
    auto* editor = qobject_cast<EditorWindow*>(findWindow("khform"));
    ASSERT_TRUE(editor);
    const int rows = editor->Grid1->sheet().rows();
    child<QToolButton>(form.get(), "Command3")->click();
    EXPECT_EQ(editor->Grid1->sheet().rows(), rows + 1);
    EXPECT_TRUE(editor->Grid1->sheet().cellText(rows, 1).isEmpty());
    delete editor;
}

TEST_P(OrderWindows, PrintMarkAndErrorListEnlargeAndRestore)
{
    auto form = open<ckform>();
    auto* mark = child<QLineEdit>(form.get(), "printflg");
    EXPECT_FALSE(form->printAtOnce());
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_EQ(mark->text(), "★");
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_EQ(mark->text(), "");

    form->setErrorList({ { "20060810x", "A1", "0.35", "11.84", "已经是已出库" }, { "bad", "", "", "", "" } });
    const platform::SheetModel& errors = form->Grid3->sheet();
    ASSERT_EQ(errors.rows(), 3);
    EXPECT_EQ(errors.cellText(2, 0), "2");
    EXPECT_EQ(errors.cellText(1, 5), "已经是已出库");

    const int normal = form->Grid3->height();
    child<QScrollBar>(form.get(), "FlatScrollBar1")->setValue(1);
    EXPECT_TRUE(form->errorListEnlarged());
    QTRY_VERIFY_WITH_TIMEOUT(form->Grid3->height() > normal * 2, 20000);
    EXPECT_FALSE(form->Grid1->isVisible());
    child<QScrollBar>(form.get(), "FlatScrollBar2")->setValue(1);
    QTRY_COMPARE_WITH_TIMEOUT(form->Grid3->height(), normal, 20000);
    EXPECT_TRUE(form->Grid1->isVisible());
}

TEST_P(OrderWindows, CalendarDrawsTheNumberOfTheChosenDay)
{
    auto form = open<tkform>();
    auto* calendar = child<QCalendarWidget>(form.get(), "MonthView1");
    QTest::mouseClick(child<QLineEdit>(form.get(), "Text3"), Qt::LeftButton);
    EXPECT_TRUE(calendar->isVisible());
    QTest::mouseClick(form.get(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(calendar->isVisible());
    QTest::mouseClick(child<QLineEdit>(form.get(), "Text3"), Qt::LeftButton);
    emit calendar->clicked(QDate(2006, 8, 12));
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(form->orderDay(), QDate(2006, 8, 12));
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-12");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081210001");
}

TEST_P(OrderWindows, PickerTakesAStockOutOrderAndSwitchesTheImportCaption)
{
    for (const auto& [serial, order, customer] :
        { std::tuple { "a1", "2006081010001", "华东电缆" }, std::tuple { "b1", "2006081010002", "南方线材" },
            std::tuple { "c1", "20060810100001", "华东电缆" } }) {
        ASSERT_TRUE(insertItem({ .serialno = serial,
            .groupno = "2006081010001",
            .status = "10",
            .ck_groupno = order,
            .ck_station = "1" }));
        ASSERT_TRUE(ExecSQL(
            "update c_proc_main set ck_comp=? where serialno=?", { QString(customer), QString(serial) }));
    }
    auto form = open<tkform>();
    auto* importButton = child<QPushButton>(form.get(), "Command1_0");
    EXPECT_EQ(importButton->text(), "导入退库");
    auto* picker = child<QWidget>(form.get(), "Frame2");
    EXPECT_FALSE(picker->isVisible());
    child<QToolButton>(form.get(), "Command3")->click();
    EXPECT_TRUE(picker->isVisible());
    auto* list = child<QListWidget>(form.get(), "List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "2006081010002\t  2006-8-10\t南方线材");
    EXPECT_EQ(child<QDateEdit>(form.get(), "DTPicker1")->date(), QDate(2006, 8, 9));

    child<QLineEdit>(form.get(), "Text4")->setText("华东");
    child<QPushButton>(form.get(), "Command4")->click();
    ASSERT_EQ(list->count(), 1);
    emit list->itemClicked(list->item(0));
    EXPECT_EQ(form->sourceOrder(), "2006081010001");
    EXPECT_EQ(importButton->text(), "整单退库");
    EXPECT_TRUE(picker->isVisible());
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_FALSE(picker->isVisible());

    auto* source = child<QLineEdit>(form.get(), "Text2");
    source->setText(" 12345678901 ");
    EXPECT_EQ(importButton->text(), "整单退库");
    source->clear();
    EXPECT_EQ(importButton->text(), "导入退库");
}

TEST_P(OrderWindows, EachWindowFillsTheClientAreaKeepsItsOrderAndReopensOnToday)
{
    QMdiArea area;
    area.resize(1100, 760);
    area.show();
    setMdiArea(&area);
    registerStockWindows();
    for (const char* name : { "rkform", "ckform", "tkform" }) {
        SCOPED_TRACE(name);
        QWidget* window = showWindow(name);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->objectName(), name);
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->geometry(), QRect(QPoint(0, 0), area.viewport()->size()));
        const QString order = text(window, "Text1");
        // Past midnight, resized, minimized and restored: the window lays out only.
        clock.set(QDateTime(QDate(2006, 8, 11), QTime(0, 1)));
        area.resize(1200, 800);
        QTRY_COMPARE_WITH_TIMEOUT(frame->geometry(), QRect(QPoint(0, 0), area.viewport()->size()), 20000);
        frame->showMinimized();
        frame->showNormal();
        EXPECT_EQ(text(window, "Text3"), "2006-8-10");
        EXPECT_EQ(text(window, "Text1"), order);
        area.resize(1100, 760);
        // Closed and opened again by another user the next day: today, a new number, that user.
        click(window, "Command1_2");
        EXPECT_FALSE(frame->isVisible());
        clock.set(QDateTime(QDate(2006, 8, 11), QTime(7, 0)));
        loginState().gyname = "钱芳";
        EXPECT_EQ(showWindow(name), window);
        EXPECT_TRUE(frame->isVisible());
        EXPECT_EQ(text(window, "Text3"), "2006-8-11");
        EXPECT_EQ(text(window, "Text1"), "2006081110001");
        EXPECT_EQ(text(window, "Text6"), "钱芳");
        clock.set(QDateTime(QDate(2006, 8, 10), QTime(9, 0)));
        loginState().gyname = "系统管理员";
        delete frame;
    }
    setMdiArea(nullptr);
}

// Whatever the last user left in a window, the next opening shows none of it: no simulation or
// print mark, the error list and the toolbar as laid out, every list to choose, today's date and
// a new number.
TEST_P(OrderWindows, EveryOpeningStartsFresh)
{
    ASSERT_TRUE(insertItem({ .serialno = "d", .groupno = "2006081010001", .status = "20" }));
    const auto reopen = [this](QWidget* form) {
        stocktest::pickDay(form, QDate(2006, 8, 3));
        EXPECT_EQ(text(form, "Text3"), "2006-8-3");
        click(form, "Command1_2");
        ASSERT_FALSE(form->isVisible());
        form->show();
        EXPECT_EQ(text(form, "Text3"), "2006-8-10");
    };
    const auto chosen
        = [](QWidget* form, const QString& box) { return child<QComboBox>(form, box)->currentText(); };

    auto rk = open<rkform>();
    QTest::mouseClick(child<QLineEdit>(rk.get(), "Text7"), Qt::LeftButton);
    child<QComboBox>(rk.get(), "Combo1_0")->setCurrentIndex(0);
    emit child<QComboBox>(rk.get(), "Combo1_0")->activated(0);
    click(rk.get(), "Command2_0"); // the order whose item is deleted
    rk->Grid1->setActiveCell(1, 1);
    emit rk->Grid1->clicked();
    ASSERT_EQ(child<QToolButton>(rk.get(), "Command2_3")->toolTip(), "单笔恢复删除的入库货物");
    ASSERT_EQ(child<QToolButton>(rk.get(), "Command2_2")->toolTip(), "恢复删除的该入库单货物");
    ASSERT_NO_FATAL_FAILURE(reopen(rk.get()));
    EXPECT_EQ(text(rk.get(), "Text7"), "");
    EXPECT_EQ(text(rk.get(), "Text4"), "");
    EXPECT_EQ(chosen(rk.get(), "Combo1_0"), "请选择");
    EXPECT_EQ(child<QToolButton>(rk.get(), "Command2_2")->toolTip(), "全部删除该入库单货物");
    EXPECT_EQ(child<QToolButton>(rk.get(), "Command2_3")->toolTip(), "单笔删除入库货物");
    EXPECT_EQ(text(rk.get(), "Text1"), "2006081010002");
    EXPECT_EQ(rk->Grid1->sheet().rows(), 1);

    auto ck = open<ckform>();
    QTest::mouseClick(child<QLineEdit>(ck.get(), "printflg"), Qt::LeftButton);
    child<QScrollBar>(ck.get(), "FlatScrollBar1")->setValue(1);
    stocktest::fillBooking(ck.get(), "客户甲");
    ASSERT_TRUE(ck->errorListEnlarged());
    ASSERT_NO_FATAL_FAILURE(reopen(ck.get()));
    EXPECT_FALSE(ck->printAtOnce());
    EXPECT_FALSE(ck->errorListEnlarged());
    EXPECT_TRUE(ck->Grid1->isVisible());
    EXPECT_EQ(chosen(ck.get(), "Combo1_4"), "请选择审核工号");
    EXPECT_EQ(chosen(ck.get(), "Combo2"), "");
    EXPECT_EQ(text(ck.get(), "Text1"), "2006081010001");

    auto tk = open<tkform>();
    child<QLineEdit>(tk.get(), "Text2")->setText("2006081010001");
    click(tk.get(), "Command3");
    child<QScrollBar>(tk.get(), "FlatScrollBar1")->setValue(1);
    ASSERT_NO_FATAL_FAILURE(reopen(tk.get()));
    EXPECT_EQ(tk->sourceOrder(), "");
    EXPECT_FALSE(child<QWidget>(tk.get(), "Frame2")->isVisible());
    EXPECT_FALSE(tk->errorListEnlarged());
    EXPECT_EQ(chosen(tk.get(), "Combo1_4"), "请选择审核工号");
}

INSTANTIATE_BACKENDS(OrderWindows);
