// The query windows, offscreen, opened from the main window's menus against a real database:
// runs, totals through sorts, export, print, a failed run, list picks.
#include "desktop/data/loginstate.h"
#include "desktop/frame/mainfrm.h"
#include "desktop/frame/windowregistry.h"
#include "desktop/reports/kcqueryform.h"
#include "desktop/reports/querywindow.h"
#include "desktop/reports/reportwindows.h"
#include "platform/grid/grid.h"
#include "platform/ui/fonts.h"
#include "queryitems.h"
#include "tests/platform/grid/pdftext.h"
#include "tests/support/application.h"
#include "tests/support/fixedclock.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace korvell;
using querytest::oct1;
using querytest::sep30;

namespace {

struct MenuWindow {
    const char* action;
    const char* window;
    bool totals;
};

const MenuWindow menuWindows[] = {
    { "kchz", "kcstatform", true },
    { "kcmxb", "kcdetailform", true },
    { "bzscl", "bzstatform", true },
    { "jzscl", "jzstatform", true },
    { "czry", "opstatform", true },
    { "rccpcx", "rkqueryform", false },
    { "ckcpcx", "ckqueryform", false },
    { "tkcpcx", "tkqueryform", false },
    { "cpzhcx", "kcqueryform", true },
    { "yckcmx", "kcabnormalform", true },
    { "czrz", "logqueryform", false },
};

} // namespace

class QueryWindowTest : public testsupport::DatabaseTest {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        platform::installChineseFontSubstitutes();
        registerReportWindows();
    }

    void prepare() override
    {
        querytest::insertFixture();
        loginState().gyname = "张三";
    }

    void TearDown() override
    {
        for (const MenuWindow& m : menuWindows)
            if (QWidget* w = findWindow(m.window))
                w->close();
        testsupport::DatabaseTest::TearDown();
    }

    QueryWindow* open(const QString& name)
    {
        auto* window = qobject_cast<QueryWindow*>(showWindow(name));
        EXPECT_NE(window, nullptr) << name.toStdString();
        return window;
    }

    template <class T> static T* child(QWidget* window, const QString& name)
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    static void click(QWidget* window, const QString& button)
    {
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    }

    // A click on the caption of column col.
    static void sortBy(QueryWindow* window, int col)
    {
        const platform::SheetModel& s = window->Grid1->sheet();
        int x = 5;
        for (int c = 0; c < col; ++c)
            x += s.columnWidth(c);
        QTest::mouseClick(window->Grid1->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }

    static QStringList row(const platform::SheetModel& s, int r)
    {
        QStringList texts;
        for (int c = 1; c < s.cols(); ++c)
            texts << s.cellText(r, c);
        return texts;
    }

    testsupport::FixedClock clock { QDateTime(oct1, QTime(10, 0)) };
};

TEST_P(QueryWindowTest, EveryMenuItemShowsItsWindowAndRuns)
{
    mainfrm main;
    main.show();
    for (const MenuWindow& m : menuWindows) {
        SCOPED_TRACE(m.window);
        auto* action = main.findChild<QAction*>(m.action);
        ASSERT_NE(action, nullptr);
        action->trigger();
        auto* window = qobject_cast<QueryWindow*>(findWindow(m.window));
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        click(window, "Command1");
        const platform::SheetModel& s = window->Grid1->sheet();
        EXPECT_EQ(s.cellText(s.rows() - 1, 1) == "总计", m.totals);
        window->close();
    }
    EXPECT_EQ(toasts.lines.filter("数据库").size(), 0) << toasts.lines.join("\n").toStdString();
}

TEST_P(QueryWindowTest, TotalsStayLastThroughSortsThenExportAndPrint)
{
    QueryWindow* w = open("bzstatform");
    ASSERT_NE(w, nullptr);
    for (const char* b : { "Command4", "Command5" })
        EXPECT_FALSE(child<QPushButton>(w, b)->isEnabled()) << b;
    child<QDateEdit>(w, "DTPicker2")->setDate(sep30);
    child<QDateEdit>(w, "DTPicker1")->setDate(oct1);
    click(w, "Command1");
    for (const char* b : { "Command1", "Command4", "Command5", "Command2" })
        EXPECT_TRUE(child<QPushButton>(w, b)->isEnabled()) << b;

    const platform::SheetModel& s = w->Grid1->sheet();
    ASSERT_EQ(s.rows(), 6);
    const QStringList totals = row(s, 5);
    EXPECT_EQ(totals.mid(0, 4), (QStringList { "总计", "笔数:5", "毛重:67.75", "净重:65.25" }));
    child<QLineEdit>(w, "Text1")->setText("1_"); // the totals are the run's, not the filter's now
    for (int col : { 4, 4, 1 }) {
        sortBy(w, col);
        EXPECT_EQ(s.rows(), 6);
        EXPECT_EQ(row(s, 5), totals);
    }
    EXPECT_EQ(s.cellText(1, 1), "10") << "sorted by team, numbers first";
    EXPECT_EQ(s.cellText(4, 1), "x'q");

    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    dialogs.fileNames.push_back(dir.filePath("teams.xlsx"));
    click(w, "Command4");
    EXPECT_EQ(toasts.last(), "当前数据成功导出到execl表！||1");
    QProcess unzip;
    unzip.start("unzip", { "-p", dir.filePath("teams.xlsx"), "xl/worksheets/sheet1.xml" });
    unzip.waitForFinished();
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    QProcess strings;
    strings.start("unzip", { "-p", dir.filePath("teams.xlsx"), "xl/sharedStrings.xml" });
    strings.waitForFinished();
    const QString shared = QString::fromUtf8(strings.readAllStandardOutput());
    for (const char* text : { "生产班组", "x'q", "总计", "笔数:5", "净重:65.25" })
        EXPECT_TRUE(shared.contains(text) || xml.contains(text)) << text;
    EXPECT_TRUE(xml.contains("<c r=\"A6\"")) << "captions, four groups and the totals";
    EXPECT_FALSE(xml.contains("<c r=\"A7\""));
    EXPECT_EQ(s.rows(), 6) << "the grid is as before the export";

    testsupport::PdfPrinters printers(dir.path());
    click(w, "Command5");
    ASSERT_EQ(printers.files.size(), 1);
    const QString page = gridtest::pdfPageText(printers.files[0], 1);
    for (const char* text :
        { "班组生产量统计表", "2026年10月01日", "制表人:张三", "第 1 页 共1页", "笔数:5", "x'q" })
        EXPECT_TRUE(page.contains(QString::fromUtf8(text))) << text << "\n" << page.toStdString();
    EXPECT_EQ(s.shadingColor1(), 0xFFFFFFu);
    click(w, "Command1");
    EXPECT_EQ(s.shadingColor1(), platform::bgrFromColor(QColor(239, 243, 255)));
    EXPECT_EQ(row(s, s.rows() - 1).mid(0, 2), (QStringList { "总计", "笔数:1" }));
}

TEST_P(QueryWindowTest, AFailedRunShowsNothingToSortExportOrPrint)
{
    QueryWindow* w = open("kcabnormalform");
    ASSERT_NE(w, nullptr);
    click(w, "Command1");
    EXPECT_TRUE(child<QPushButton>(w, "Command4")->isEnabled());
    ASSERT_TRUE(ExecSQL("drop view proc_main").ok);
    click(w, "Command1");
    const platform::SheetModel& s = w->Grid1->sheet();
    EXPECT_EQ(s.rows(), 1);
    sortBy(w, 1);
    sortBy(w, 2);
    EXPECT_EQ(s.rows(), 1);
    EXPECT_EQ(s.cellText(0, 1), "产品状态");
    EXPECT_TRUE(child<QPushButton>(w, "Command1")->isEnabled());
    for (const char* b : { "Command4", "Command5" })
        EXPECT_FALSE(child<QPushButton>(w, b)->isEnabled()) << b;
}

// Rows read, then the totals not (a server lost in between): the run shows nothing, says why,
// and offers nothing to export or print.
TEST_P(QueryWindowTest, RowsWithoutTheirTotalsAreNoResult)
{
    QueryConfig config = bzstatformConfig();
    config.totals = [](const FilterValues&) {
        return Statement { "select count(*),1,1 from no_such_table", {} };
    };
    QueryWindow w(config);
    w.show();
    child<QDateEdit>(&w, "DTPicker2")->setDate(sep30);
    click(&w, "Command1");
    const platform::SheetModel& s = w.Grid1->sheet();
    EXPECT_EQ(s.rows(), 1);
    EXPECT_EQ(s.cellText(0, 1), "生产班组");
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: ")) << toasts.last().toStdString();
    for (const char* b : { "Command4", "Command5" })
        EXPECT_FALSE(child<QPushButton>(&w, b)->isEnabled()) << b;
}

TEST_P(QueryWindowTest, APickedItemKeepsItsCodeAndEveryOpeningStartsOver)
{
    QueryWindow* w = open("rkqueryform");
    ASSERT_NE(w, nullptr);
    auto* producers = child<QComboBox>(w, "Combo3");
    const int index = producers->findText("E01   |王工");
    ASSERT_GE(index, 0);
    producers->setCurrentIndex(index);
    emit producers->activated(index);
    EXPECT_EQ(producers->currentText(), "E01");
    click(w, "Command1");
    const platform::SheetModel& s = w->Grid1->sheet();
    ASSERT_EQ(s.rows(), 2);
    EXPECT_EQ(s.cellText(1, 1), "S02");
    EXPECT_EQ(s.cellText(0, 7), "生产工号");

    w->close();
    clock.set(QDateTime(sep30, QTime(9, 0)));
    w = open("rkqueryform");
    EXPECT_EQ(s.rows(), 1);
    EXPECT_EQ(child<QComboBox>(w, "Combo3")->currentText(), "");
    EXPECT_EQ(child<QDateEdit>(w, "DTPicker2")->date(), sep30);
    click(w, "Command1");
}

TEST_P(QueryWindowTest, CombinedQueryFromItsSetUpPanel)
{
    auto* w = qobject_cast<kcqueryform*>(showWindow("kcqueryform"));
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Frame1->isVisible());
    click(w, "Command3");
    EXPECT_TRUE(w->Frame1->isVisible());
    platform::SheetModel& conditions = w->Grid2->sheet();
    int day = 1;
    while (conditions.cellText(day, 1) != "入库日期")
        ++day;
    emit w->Grid2->buttonClicked(day, 4);
    conditions.setCellText(day, 2, ">=");
    conditions.setCellText(day, 3, "2026-9-30");
    conditions.setCellText(day + 1, 2, "<=");
    conditions.setCellText(day + 1, 3, "2026-10-1");
    click(w, "Command1");
    EXPECT_FALSE(w->Frame1->isVisible());
    const platform::SheetModel& s = w->Grid1->sheet();
    ASSERT_EQ(s.rows(), 8);
    const QStringList totals = row(s, 7);
    EXPECT_EQ(totals.mid(0, 4), (QStringList { "总计", "产品数量:6", "毛重:67.75", "净重:72.25" }));
    sortBy(w, 7);
    EXPECT_EQ(row(s, 7), totals);
    EXPECT_TRUE(child<QPushButton>(w, "Command4")->isEnabled());

    testsupport::ScriptedDialogs dialogs;
    for (int r = 1; r < w->Grid3->sheet().rows(); ++r)
        w->Grid3->sheet().setCellText(r, 2, "0");
    click(w, "Command1");
    EXPECT_EQ(dialogs.messages, QStringList { "提示|请至少选择一项输出内容！" });
    EXPECT_EQ(s.rows(), 8) << "no run";
}

INSTANTIATE_BACKENDS(QueryWindowTest);
