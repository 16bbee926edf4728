// The report designer window, offscreen, on both backends: a report defined in the catalogue
// editor, its fields bound, its template saved and test-filled as a user would.
#include "desktop/frame/loadreport.h"
#include "desktop/reports/frmreport.h"
#include "platform/grid/grid.h"
#include "platform/grid/sheetfile.h"
#include "tests/support/application.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <memory>

using namespace korvell;

namespace {

const QString itemQuery
    = "select serialno,proc_mod,proc_weight from c_proc_main where proc_mod<>'it''s' order by serialno";

class DesignerWindow : public testsupport::DatabaseTest {
protected:
    static void SetUpTestSuite() { testsupport::ensureApp<QApplication>(); }

    void prepare() override
    {
        ASSERT_TRUE(QDir(db->programFolder()).mkpath("reportmodel"));
        window = std::make_unique<frmreport>();
        window->show();
    }
    void TearDown() override
    {
        window.reset();
        DatabaseTest::TearDown();
    }

    QString templateFile(const QString& name) const
    {
        return db->programFolder() + "reportmodel/" + name + ".cel";
    }

    void choose(const QString& displayName)
    {
        window->Combo1->setCurrentText(displayName);
        window->Combo1_Click();
    }

    void clickField(const QString& name)
    {
        const auto found = window->List1->findItems(name + " ", Qt::MatchStartsWith);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        window->List1_Click(found.front());
    }

    // Binds the field to a template cell: pick it, make its row active, pick the cell.
    void bind(const QString& field, int bindingRow, int row, int col, const QString& repeat)
    {
        clickField(field);
        window->Grid2->setActiveCell(bindingRow, 5);
        window->Grid1->setActiveCell(row, col);
        window->Grid2->sheet().setCellText(bindingRow, 5, repeat);
    }

    void item(const QString& serial, const QString& model, double weight)
    {
        ASSERT_TRUE(
            ExecSQL("insert into c_proc_main (serialno,proc_mod,proc_weight,station_no) values (?,?,?,?)",
                { serial, model, weight, "1" }));
    }

    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir pdfs;
    testsupport::PdfPrinters printers { pdfs.path() };
    std::unique_ptr<frmreport> window;
};

} // namespace

TEST_P(DesignerWindow, DefineBindSaveAndTestAReport)
{
    EXPECT_TRUE(window->Frame3->isHidden());
    window->Command3->click();
    EXPECT_FALSE(window->Frame3->isHidden());
    platform::SheetModel& catalogue = window->Grid3->sheet();
    const int row = window->Combo1->count() + 1;
    EXPECT_EQ(catalogue.cellText(row - 1, 1), "tkreport") << "the seeded reports are listed";
    catalogue.setCellText(row, 1, "itemlist");
    catalogue.setCellText(row, 2, "产品清单");
    catalogue.setCellText(row, 3, "c_proc_main");
    catalogue.setCellText(row, 4, itemQuery);
    window->Command2[0]->click();
    EXPECT_EQ(toasts.last(), "报表字段定义数据已经保存！||1");

    window->close(); // the list shows new reports when the window opens again
    window->show();
    choose("产品清单");
    EXPECT_EQ(window->reportName(), "itemlist");
    EXPECT_EQ(window->Text1->text(), itemQuery);
    EXPECT_EQ(toasts.last(), "产品清单报表不存在|系统自动新建表格|1");
    EXPECT_GT(window->List1->count(), 10);
    EXPECT_EQ(window->List2->count(), window->List1->count());

    window->Grid1->sheet().setRows(6);
    window->Grid1->sheet().setCellText(1, 1, "产品清单");
    bind("serialno", 1, 3, 1, "1");
    bind("proc_mod", 2, 3, 2, "1");
    bind("proc_weight", 3, 3, 3, "1");
    window->Command1[5]->click();
    EXPECT_EQ(toasts.last(), "报表字段定义数据已经保存！||1");
    EXPECT_EQ(testsupport::rowCount("c_report_setup", "reportname='itemlist' and row_num=3"), 3);

    window->Command1[1]->click();
    EXPECT_EQ(toasts.last(), "产品清单成功保存。||1");
    platform::SheetModel saved;
    ASSERT_TRUE(platform::loadSheetFile(templateFile("itemlist"), saved));
    EXPECT_EQ(saved.cellText(1, 1), "产品清单");

    item("2026120903500001", "YJV", 10.5);
    item("2026120903500002", "BV", 11);
    window->Grid1->sheet().setCellText(5, 5, "unsaved edit");
    const QByteArray before = platform::writeSheet(window->Grid1->sheet());
    window->Command1[2]->click();
    ASSERT_EQ(printers.files.size(), 1) << "the filled copy is previewed";
    EXPECT_GT(QFileInfo(printers.files.front()).size(), 0);
    EXPECT_EQ(platform::writeSheet(window->Grid1->sheet()), before) << "the edited template stays as it was";

    // The stock windows' filler reads the same definition and template.
    platform::SheetModel filled;
    filled.setCellText(1, 1, "x");
    ASSERT_EQ(LoadReport(filled, "itemlist"), ReportFill::Filled);
    EXPECT_EQ(filled.cellText(4, 1), "2026120903500002");
    EXPECT_EQ(filled.cellText(3, 2), "YJV");

    window->Text1->setText(itemQuery);
    window->Command1[3]->click();
    EXPECT_EQ(window->Grid1->sheet().rows(), 3);
    EXPECT_EQ(window->Grid1->sheet().cellText(2, 1), "2026120903500002");

    // Opened again, it starts afresh: no report chosen, no bindings or fields, an empty sheet.
    const int reports = window->Combo1->count();
    window->close();
    window->show();
    EXPECT_EQ(window->Combo1->count(), reports);
    EXPECT_EQ(window->Combo1->currentIndex(), -1);
    EXPECT_EQ(window->reportName(), "");
    EXPECT_EQ(window->Text1->text(), "");
    EXPECT_EQ(window->Grid2->sheet().cellText(1, 2), "");
    EXPECT_EQ(window->List1->count() + window->List2->count(), 0);
    EXPECT_EQ(window->Grid1->sheet().cellText(2, 1), "");
}

TEST_P(DesignerWindow, NothingIsSavedWithoutAChosenReport)
{
    window->Grid2->sheet().setCellText(1, 1, "serialno");
    for (int col = 2; col <= 5; ++col)
        window->Grid2->sheet().setCellText(1, col, "1");
    for (int index : { 1, 5, 2 }) {
        toasts.clear();
        window->Command1[index]->click();
        EXPECT_EQ(toasts.last(), "请先选择报表||1") << index;
    }
    EXPECT_FALSE(QFile::exists(templateFile("")));
    EXPECT_EQ(testsupport::rowCount("c_report_setup", "reportname=''"), 0);
    EXPECT_TRUE(printers.files.isEmpty());

    // 删行 on the caption row removes nothing.
    window->Grid2->setActiveCell(0, 1);
    window->Command1[6]->click();
    EXPECT_EQ(window->Grid2->sheet().cellText(0, 1), "项目");
    EXPECT_EQ(window->Grid2->sheet().rows(), 20);
}

TEST_P(DesignerWindow, ASavedQueryOutlivesTheCatalogueRewrite)
{
    choose("产品入库单");
    const QString query = "select serialno,groupno from c_proc_main order by serialno";
    window->Text1->setText(query);
    window->Command1[4]->click();
    EXPECT_EQ(toasts.last(), "SQL语句成功保存||1");
    window->Command3->click();
    window->Command2[0]->click();
    EXPECT_EQ(toasts.last(), "报表字段定义数据已经保存！||1");
    EXPECT_EQ(
        testsupport::scalar("select reportsql from c_reportname where reportname='rkreport'").toString(),
        query);
}

// A catalogue or binding list that could not be read shows empty; saving it would replace the
// stored rows with what was typed there.
TEST_P(DesignerWindow, WhatCouldNotBeReadIsNotSavedOver)
{
    const QString refused = "数据没有读出，不能保存！|请检查网络或数据库服务器，然后重新打开本窗口|1";
    const int reports = testsupport::rowCount("c_reportname");
    const int bindings = testsupport::rowCount("c_report_setup", "reportname='rkreport'");
    ASSERT_GT(bindings, 0);
    ASSERT_TRUE(ExecSQL("alter table c_reportname rename to away"));
    window->close();
    window->show();
    ASSERT_TRUE(ExecSQL("alter table away rename to c_reportname"));
    window->Grid3->sheet().setCellText(1, 1, "typed");
    window->Grid3->sheet().setCellText(1, 2, "新报表");
    window->Grid3->sheet().setCellText(1, 3, "c_proc_main");
    window->Command2[0]->click();
    EXPECT_EQ(toasts.last(), refused);
    EXPECT_EQ(testsupport::rowCount("c_reportname"), reports);

    window->close();
    window->show();
    ASSERT_TRUE(ExecSQL("alter table c_report_setup rename to away"));
    choose("产品入库单");
    ASSERT_TRUE(ExecSQL("alter table away rename to c_report_setup"));
    bind("serialno", 1, 3, 1, "1");
    window->Command1[5]->click();
    EXPECT_EQ(toasts.last(), refused);
    EXPECT_EQ(testsupport::rowCount("c_report_setup", "reportname='rkreport'"), bindings);
}

TEST_P(DesignerWindow, TheTestSaysWhyItFilledNothing)
{
    choose("产品入库单");
    window->Grid1->sheet().setCellText(1, 1, "产品入库单");
    window->Command1[1]->click(); // the template the test fills
    item("2026120903500001", "YJV", 10.5);
    // The filler's own messages are LoadReport's; a failed fill previews nothing.
    ASSERT_TRUE(ExecSQL("update c_reportname set reportsql='select serialno from c_proc_main' "
                        "where reportname='rkreport'"));
    window->Command1[2]->click();
    EXPECT_EQ(toasts.last(), "报表数据查询结果中没有字段 groupno|请检查该报表的设置|1");
    window->Grid1->sheet().setCellText(1, 1, {});
    window->Command1[2]->click();
    EXPECT_EQ(toasts.last(), "报表没有填出数据|请检查第1行第1列、查询语句和字段定义|1");
    EXPECT_TRUE(printers.files.isEmpty());
}

TEST_P(DesignerWindow, MenusFormatTheSelectionAndOpenSamples)
{
    window->Grid1->sheet().setRows(5);
    window->Grid1->setSelection({ 1, 1, 2, 2 });
    window->findChild<QAction*>("mnuSetBackColor_Red")->trigger();
    EXPECT_EQ(window->Grid1->sheet().cellFormat(2, 2).backColor, 0x0000FFu);
    EXPECT_FALSE(window->Grid1->sheet().cellFormat(3, 1).backColor);
    EXPECT_FALSE(window->findChild<QMenu*>("mnuSetFont_Name")->actions().isEmpty());

    window->findChild<QAction*>("mnuSample1")->trigger();
    EXPECT_EQ(dialogs.messages.last(), "错误|文件不存在。");
    platform::SheetModel sample;
    sample.setCellText(1, 1, "sample");
    ASSERT_TRUE(platform::saveSheetFile(db->programFolder() + "Sample.cel", sample));
    EXPECT_EQ(window->findChild<QAction*>("mnuSample1")->text(), db->programFolder() + "Sample.cel");
    window->findChild<QAction*>("mnuSample1")->trigger();
    EXPECT_EQ(window->Grid1->sheet().cellText(1, 1), "sample");

    window->findChild<QAction*>("mnuNewFile")->trigger();
    EXPECT_EQ(window->Grid1->sheet().cellText(1, 1), "");
    EXPECT_EQ(window->Grid1->sheet().pageSetup().footer, " 第&P页 共&N页 ");
    EXPECT_EQ(window->Grid1->sheet().pageSetup().headerFont.family, "Courier New");
    window->findChild<QAction*>("mnuDirectPrint")->trigger();
    EXPECT_EQ(printers.files.size(), 1);
}

INSTANTIATE_BACKENDS(DesignerWindow);
