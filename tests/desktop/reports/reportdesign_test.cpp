// The report designer's catalogue, query and binding storage on both backends, and its binding
// and catalogue grids.
#include "desktop/reports/reportbindings.h"
#include "desktop/reports/reportcatalogue.h"
#include "tests/support/testdatabase.h"

using namespace korvell;
using platform::SheetModel;

namespace {

class ReportDesign : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        ASSERT_TRUE(ExecSQL("delete from c_report_setup"));
        ASSERT_TRUE(ExecSQL("delete from c_reportname"));
    }

    static std::vector<ReportDefinition> storedCatalogue() { return readCatalogue().value(); }

    static std::vector<BindingRow> manyBindings(int count)
    {
        std::vector<BindingRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({ QString("f'%1").arg(i), QString("字段'%1").arg(i), QString::number(i + 1), "2",
                i % 2 ? "1" : "0" });
        return rows;
    }
};

const QString quotedQuery = "select serialno from c_proc_main where proc_sts='30' and proc_mod<>'it''s'";

} // namespace

TEST_P(ReportDesign, CatalogueRoundTripsQuotesAndMoreThan29Reports)
{
    std::vector<ReportDefinition> reports;
    for (int i = 0; i < 35; ++i)
        reports.push_back(
            { QString("r'%1").arg(i), QString("报表'%1").arg(i), "c_proc_main", i ? "" : quotedQuery });
    ASSERT_TRUE(saveCatalogue(reports));
    EXPECT_EQ(toasts.last(), "报表字段定义数据已经保存！||1");

    std::vector<ReportDefinition> stored = storedCatalogue();
    std::sort(stored.begin(), stored.end(), [](auto& a, auto& b) { return a.reportname < b.reportname; });
    std::sort(reports.begin(), reports.end(), [](auto& a, auto& b) { return a.reportname < b.reportname; });
    EXPECT_EQ(stored, reports);
    EXPECT_EQ(findReportByDisplayName("报表'0").value().reportsql, quotedQuery);
    EXPECT_FALSE(findReportByDisplayName("没有这个报表"));

    SheetModel grid;
    setUpCatalogueGrid(grid);
    fillCatalogueGrid(grid, stored);
    EXPECT_EQ(grid.rows(), 37) << "every report and one blank row";
    EXPECT_EQ(grid.cellText(0, 1), "报表代号");
    EXPECT_EQ(catalogueGridRows(grid).size(), 36u);
    grid.setCellText(36, 1, "new");
    keepBlankCatalogueRow(grid);
    EXPECT_EQ(grid.rows(), 38) << "a row typed into the last one brings a new blank row";
}

TEST_P(ReportDesign, CatalogueRefusalsKeepWhatIsStored)
{
    const ReportDefinition kept { "rkreport", "产品入库单", "c_proc_main", "select 1" };
    ASSERT_TRUE(saveCatalogue({ kept }));
    struct Case {
        std::vector<ReportDefinition> rows;
        QString toast;
    };
    const Case cases[] = {
        { { kept, { "x", "", "c_proc_main", "" } },
            "第2行的报表代号、报表名称、数据表名不能为空|报表定义没有保存|1" },
        { { { "", "", "", "select 1" } }, "第1行的报表代号、报表名称、数据表名不能为空|报表定义没有保存|1" },
        { { kept, { "rkreport", "又一个", "c_proc_main", "" } }, "报表代号rkreport重复|报表定义没有保存|1" },
        { { { "x", "y", "c_proc_main", "delete from c_proc_main" } },
            "第1行的语句不是查询语句|报表定义没有保存|1" },
    };
    for (const Case& c : cases) {
        toasts.clear();
        EXPECT_FALSE(saveCatalogue(c.rows));
        EXPECT_EQ(toasts.lines, QStringList { c.toast });
        EXPECT_EQ(storedCatalogue(), std::vector<ReportDefinition> { kept });
    }
    // Blank rows are no problem; a catalogue of blank rows empties the table.
    EXPECT_TRUE(saveCatalogue({ {}, kept, {} }));
    EXPECT_EQ(storedCatalogue(), std::vector<ReportDefinition> { kept });

    // An empty query cell of the grid is stored as an empty text.
    SheetModel grid;
    setUpCatalogueGrid(grid);
    fillCatalogueGrid(grid, { { "x", "y", "c_proc_main", "select 1" } });
    grid.setCellText(1, 4, {});
    EXPECT_TRUE(saveCatalogue(catalogueGridRows(grid)));
    EXPECT_EQ(testsupport::rowCount("c_reportname", "reportsql=''"), 1);
    EXPECT_EQ(testsupport::rowCount("c_reportname", "reportsql is null"), 0);
}

TEST_P(ReportDesign, QuerySaveKeepsQuotesAndRefusesCommands)
{
    ASSERT_TRUE(saveCatalogue({ { "rkreport", "产品入库单", "c_proc_main", "select 1" } }));
    EXPECT_TRUE(saveReportQuery("rkreport", quotedQuery));
    EXPECT_EQ(toasts.last(), "SQL语句成功保存||1");
    EXPECT_EQ(storedCatalogue().front().reportsql, quotedQuery);

    toasts.clear(); // which texts are queries: OnlyQueriesRunAndFillTheSheet
    EXPECT_FALSE(saveReportQuery("rkreport", "select 1; delete from c_log"));
    EXPECT_EQ(
        toasts.lines, QStringList { "只能保存查询语句|语句须是一条以SELECT或WITH开头、不写数据的查询|1" });
    EXPECT_FALSE(saveReportQuery("", "select 1"));
    EXPECT_EQ(toasts.last(), "请先选择报表||1");
    EXPECT_EQ(storedCatalogue().front().reportsql, quotedQuery);
}

TEST_P(ReportDesign, OnlyQueriesRunAndFillTheSheet)
{
    struct Case {
        const char* text;
        const char* takenBy; // the backends that store and run it: SQLite, PostgreSQL, ODBC
    };
    const Case cases[] = { { "select 1", "SPO" }, { "  SELECT 1;", "SPO" },
        { "with t as (select 1 a) select a from t", "SPO" }, { "delete from c_reportname", "" },
        { "selectx", "" }, { "", "" }, { "(select 1)", "" }, { "pragma query_only", "" },
        // What writes, however it is wrapped.
        { "with x as (select 1) delete from c_log", "" }, { "select 1; delete from c_log", "" },
        { "select 1; drop table c_log", "" }, { "select 1; commit", "" },
        { "with d as (delete from c_log returning *) select * from d", "" },
        { "select * into copy_of_log from c_log", "" }, { "select 1 for update", "" },
        // Literals, names and comments that one backend would end where another would not.
        { "select E'\\''; delete from c_log; select ''", "" },
        { "select $$'$$; delete from c_log; select $$'$$", "" },
        { "select [']; delete from c_log; select [']", "" }, { "select 'no end", "" },
        { "select 1 /* /* */ ; delete from c_log /* */", "" },
        { "select array['a]'] as x; commit; delete from c_log; -- '", "" },
        { "select 1 --\r; commit; delete from c_log", "S" }, { "select 1 ; ;", "P" },
        // Words that only look like it.
        { "select 'a; delete from b' as t, 1 as \"update\";", "SP" }, { "select 1; -- delete", "P" },
        { "select replace(logmsg,'a','b') as updated_at, E'\\n' from c_log /* ; drop */", "P" },
        { "select $tag$;delete$tag$ as t from c_log", "P" }, { "select 1 as [;into]", "S" } };
    ASSERT_TRUE(saveCatalogue({ { "rkreport", "产品入库单", "c_proc_main", "" } }));
    // What the designer or its catalogue editor stores runs at the print, and what they refuse does not.
    for (const Case& c : cases) {
        const bool taken = QString(c.takenBy).contains(QString("SPO")[int(GetParam())]);
        EXPECT_EQ(saveCatalogue({ { "rkreport", "r", "c_proc_main", c.text } }), taken || !*c.text) << c.text;
        EXPECT_EQ(saveReportQuery("rkreport", c.text), taken) << c.text;
        EXPECT_EQ(runReportQuery(c.text).ok, taken) << c.text;
    }

    EXPECT_FALSE(runReportQuery("delete from c_reportname"));
    EXPECT_EQ(toasts.last(), "只能执行查询语句|语句须是一条以SELECT或WITH开头、不写数据的查询|1");
    EXPECT_EQ(testsupport::rowCount("c_reportname"), 1);

    SheetModel sheet;
    sheet.setRows(50);
    sheet.setCellText(0, 1, "caption");
    sheet.setCellText(1, 2, "old");
    SqlResult none = runReportQuery("select reportname, tablename, reportsql from c_reportname where 1=0");
    ASSERT_TRUE(none);
    fillSheetWithRecords(sheet, *none.rs);
    EXPECT_EQ(sheet.rows(), 1);
    EXPECT_EQ(sheet.cols(), 4);
    EXPECT_EQ(sheet.cellText(0, 1), "caption");

    SqlResult one = runReportQuery("select reportname, reportsql, tablename from c_reportname");
    ASSERT_TRUE(one);
    sheet.setCellText(0, 2, "kept");
    fillSheetWithRecords(sheet, *one.rs);
    EXPECT_EQ(sheet.rows(), 2);
    EXPECT_EQ(sheet.cellText(1, 1), "rkreport");
    EXPECT_EQ(sheet.cellText(1, 3), "c_proc_main");
    EXPECT_EQ(sheet.cellText(0, 2), "kept");
}

TEST_P(ReportDesign, BindingsRoundTripQuotesAndMoreThan19Rows)
{
    const std::vector<BindingRow> rows = manyBindings(25);
    ASSERT_TRUE(saveBindings("rk'report", rows));
    EXPECT_EQ(toasts.last(), "报表字段定义数据已经保存！||1");
    EXPECT_EQ(readBindings("rk'report").value(), rows);

    SheetModel grid;
    setUpBindingGrid(grid);
    fillBindingGrid(grid, rows);
    EXPECT_EQ(grid.rows(), 26);
    EXPECT_EQ(grid.cellText(0, 3), "行号");
    EXPECT_EQ(bindingGridRows(grid), rows);

    // A save replaces the whole set; incomplete rows in between are skipped.
    std::vector<BindingRow> fewer = manyBindings(3);
    fewer.insert(fewer.begin() + 1, BindingRow { "x", "x", "", "1", "0" });
    ASSERT_TRUE(saveBindings("rk'report", fewer));
    fewer.erase(fewer.begin() + 1);
    EXPECT_EQ(readBindings("rk'report").value(), fewer);
}

TEST_P(ReportDesign, BindingRefusalsLoseNothing)
{
    const std::vector<BindingRow> kept = manyBindings(2);
    ASSERT_TRUE(saveBindings("rkreport", kept));
    struct Case {
        QString report;
        std::vector<BindingRow> rows;
        QString toast; // empty: stops without a message
    };
    const auto withBad = [&](BindingRow bad) {
        std::vector<BindingRow> rows = manyBindings(4);
        rows.push_back(bad);
        return rows;
    };
    const Case cases[] = {
        { "", kept, "请先选择报表||1" },
        { "rkreport", withBad({ "a", "b", "x", "1", "0" }),
            "第5行的行号、列号、重复必须是整数|报表字段定义没有保存|1" },
        { "rkreport", withBad({ "a", "b", "1", "-1", "0" }),
            "第5行的行号、列号、重复必须是整数|报表字段定义没有保存|1" },
        { "rkreport", withBad({ "a", "b", "1", "2", "1.5" }),
            "第5行的行号、列号、重复必须是整数|报表字段定义没有保存|1" },
        { "rkreport", { { "a", "b", "", "1", "0" }, kept[0] }, "" },
        { "rkreport", {}, "" },
    };
    for (const Case& c : cases) {
        toasts.clear();
        EXPECT_FALSE(saveBindings(c.report, c.rows));
        EXPECT_EQ(toasts.lines, c.toast.isEmpty() ? QStringList() : QStringList { c.toast });
        EXPECT_EQ(readBindings("rkreport").value(), kept);
        EXPECT_EQ(testsupport::rowCount("c_report_setup", "reportname=''"), 0);
    }
}

INSTANTIATE_BACKENDS_WITH_ODBC(ReportDesign);

TEST(BindingGrid, PickRemoveDeleteAndPlace)
{
    SheetModel grid;
    setUpBindingGrid(grid);
    EXPECT_EQ(grid.rows(), 20);
    EXPECT_TRUE(grid.isLocked(1, 1) && grid.isLocked(1, 2) && !grid.isLocked(1, 3));

    pickField(grid, "serialno", "产品编号");
    pickField(grid, "proc_mod", "产品型号");
    pickField(grid, "serialno", "产品编号");
    EXPECT_EQ(grid.cellText(3, 1), "serialno");
    placeBinding(grid, 2, 4, 5);
    EXPECT_EQ(grid.cellText(2, 3), "4");
    EXPECT_EQ(grid.cellText(2, 4), "5");
    placeBinding(grid, 0, 7, 7);
    EXPECT_EQ(grid.cellText(0, 3), "行号") << "the caption row takes no position";

    removeFieldRows(grid, "serialno");
    EXPECT_EQ(grid.rows(), 20);
    EXPECT_EQ(grid.cellText(1, 1), "proc_mod");
    EXPECT_EQ(grid.cellText(1, 3), "4");
    EXPECT_EQ(grid.cellText(2, 1), "");

    EXPECT_FALSE(deleteBindingRow(grid, 0));
    EXPECT_EQ(grid.cellText(0, 1), "项目");
    EXPECT_TRUE(deleteBindingRow(grid, 1));
    EXPECT_EQ(grid.rows(), 19);
    EXPECT_EQ(grid.cellText(1, 1), "");

    // A full grid grows by a row for the next pick.
    for (int i = 0; i < 19; ++i)
        pickField(grid, QString("f%1").arg(i), "c");
    EXPECT_EQ(grid.rows(), 20);
    EXPECT_EQ(grid.cellText(19, 1), "f18");
}

TEST(FieldList, ItemsCarryNameAndCaption)
{
    EXPECT_EQ(fieldListItem({ "serialno", "产品编号" }), "serialno       |产品编号");
    struct Case {
        QString item, name, caption;
    };
    const Case cases[] = { { "serialno       |产品编号", "serialno", "产品编号" },
        { "a_field_name_longer_than_15|说明", "a_field_name_longer_than_15", "说明" },
        { "bare", "bare", "" } };
    for (const Case& c : cases) {
        const FieldEntry f = fieldOfListItem(c.item);
        EXPECT_EQ(f.name, c.name);
        EXPECT_EQ(f.caption, c.caption);
    }
}
