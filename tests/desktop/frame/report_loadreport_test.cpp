#include "desktop/frame/loadreport.h"

#include "desktop/data/sqlscript.h"
#include "platform/grid/sheetfile.h"
#include "tests/support/files.h"
#include "tests/support/testdatabase.h"

#include <QDir>
#include <QFile>

using korvell::ExecSQL;
using korvell::LoadReport;
using korvell::ReportFill;
using platform::SheetModel;

namespace {

class LoadReportTest : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        ASSERT_TRUE(db && db->ok());
        ASSERT_TRUE(QDir(db->programFolder()).mkpath("reportmodel"));
        clearReports();
        grid.setRows(3);
        grid.setCols(4);
        grid.setCellText(1, 1, "current order");
    }

    static void clearReports()
    {
        ASSERT_TRUE(ExecSQL("delete from c_report_setup"));
        ASSERT_TRUE(ExecSQL("delete from c_reportname"));
    }

    QString templatePath(const QString& name) const
    {
        return db->programFolder() + "reportmodel/" + name + ".cel";
    }

    // A 12-row template: a title, texts "t<row>" in column 6 of every row.
    void writeTemplate(const QString& name, int rows = 12)
    {
        SheetModel t;
        t.setRows(rows);
        t.setCols(7);
        t.setCellText(1, 1, "产品入库单");
        for (int r = 1; r < rows; ++r)
            t.setCellText(r, 6, QString("t%1").arg(r));
        t.setCellText(5, 2, "template 5,2");
        ASSERT_TRUE(platform::saveSheetFile(templatePath(name), t));
    }

    void define(const QString& name, const QVariant& sql)
    {
        ASSERT_TRUE(
            ExecSQL("insert into c_reportname (reportname,reportchname,tablename,reportsql) values (?,?,?,?)",
                { name, name + "报表", "c_proc_main", sql }));
    }

    struct Binding {
        const char* column;
        int row, col, repeat;
    };
    // A template and a definition of name, with its cell bindings.
    void report(const QString& name, const QVariant& sql, std::initializer_list<Binding> bindings = {})
    {
        writeTemplate(name);
        define(name, sql);
        for (const Binding& b : bindings)
            ASSERT_TRUE(ExecSQL(
                "insert into c_report_setup (reportname,table_name,field_name,row_num,col_num,repeatnum) "
                "values (?,?,?,?,?,?)",
                { name, b.column, b.column, b.row, b.col, b.repeat }));
    }

    void item(const QString& serial, const QVariant& weight, const QString& group = "2026120910001")
    {
        ASSERT_TRUE(
            ExecSQL("insert into c_proc_main (serialno,groupno,proc_mod,proc_weight,proc_net_wt,rk_date,"
                    "station_no) values (?,?,?,?,?,?,?)",
                { serial, group, "YJV", weight, 1.5, korvell::sqlDate(QDate(2026, 12, 9)), "1" }));
    }

    SheetModel grid;
};

const QString itemQuery
    = "select serialno,groupno,proc_mod,proc_weight,rk_date from c_proc_main order by serialno";

} // namespace

TEST_P(LoadReportTest, AnEmptyFirstCellOrNoDefinitionRowStopsWithoutAMessage)
{
    report("rkreport", itemQuery);
    grid.setCellText(1, 1, "");
    grid.setCellText(2, 2, "mine");
    EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::NotFilled);
    EXPECT_EQ(grid.rows(), 3) << "the grid is left untouched";
    EXPECT_EQ(grid.cellText(2, 2), "mine");

    writeTemplate("ckreport");
    grid.setCellText(1, 1, "current order");
    EXPECT_EQ(LoadReport(grid, "ckreport"), ReportFill::NotFilled);
    EXPECT_TRUE(toasts.lines.isEmpty());
}

TEST_P(LoadReportTest, AMissingOrForeignTemplateIsReported)
{
    define("rkreport", itemQuery);
    for (const QByteArray& file : { QByteArray(), QByteArray("<Workbook/>") }) {
        if (!file.isEmpty())
            testsupport::writeFile(templatePath("rkreport"), file);
        toasts.clear();
        EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::TemplateMissing) << file.toStdString();
        EXPECT_EQ(toasts.last(), "该报表不存在|请检查该报表相应的模板|1");
        EXPECT_EQ(grid.cellText(1, 1), "current order") << "the grid keeps its sheet";
    }
}

TEST_P(LoadReportTest, AReportWithoutQueryIsReported)
{
    for (const QVariant& sql : { QVariant(""), QVariant(QMetaType(QMetaType::QString)) }) {
        report("rkreport", sql);
        toasts.clear();
        EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::NoQuery);
        EXPECT_EQ(toasts.last(), "没有定义该报表数据查询语句||1");
        EXPECT_EQ(grid.cellText(1, 1), "产品入库单") << "the template is loaded";
        clearReports();
    }
}

TEST_P(LoadReportTest, ThreeRecordsFillTheBandAndCutTheTemplateAfterIt)
{
    // A name with a quote: bound, not joined.
    report("o'brien", itemQuery,
        { { "groupno", 2, 2, 0 }, { "rk_date", 2, 4, 0 }, { "serialno", 5, 1, 1 },
            { "proc_weight", 5, 3, 1 } });
    item("2026120903500001", 10.5);
    item("2026120903500002", 11.25);
    item("2026120903500003", 12);

    EXPECT_EQ(LoadReport(grid, "o'brien"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 9);
    EXPECT_EQ(grid.cellText(1, 1), "产品入库单");
    EXPECT_EQ(grid.cellText(2, 2), "2026120910001");
    EXPECT_EQ(grid.cellText(2, 4), "2026-12-9") << "dates as day texts";
    EXPECT_EQ(grid.cellText(5, 1), "2026120903500001");
    EXPECT_EQ(grid.cellText(6, 1), "2026120903500002");
    EXPECT_EQ(grid.cellText(7, 1), "2026120903500003");
    EXPECT_EQ(grid.cellText(5, 3).toDouble(), 10.5);
    EXPECT_EQ(grid.cellText(7, 3).toDouble(), 12.0);
    EXPECT_EQ(grid.cellText(5, 2), "template 5,2") << "unbound band cells keep the template";
    EXPECT_EQ(grid.cellText(8, 6), "t8") << "the row after the band stays";
    EXPECT_TRUE(toasts.lines.isEmpty());

    // Filling again from the reloaded template gives the same sheet.
    EXPECT_EQ(LoadReport(grid, "o'brien"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 9);
    EXPECT_EQ(grid.cellText(7, 1), "2026120903500003");
}

TEST_P(LoadReportTest, ANullIsWrittenEmptyInASingleCellKeepsTheTemplateInTheBandAndTheFillGoesOn)
{
    // proc_weight is Null in the first record.
    report("rkreport", itemQuery,
        { { "proc_weight", 5, 2, 0 }, { "groupno", 2, 2, 0 }, { "serialno", 6, 1, 1 } });
    item("2026120903500001", QVariant(QMetaType(QMetaType::Double)));
    item("2026120903500002", 3);
    EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::Filled);
    EXPECT_EQ(grid.cellText(5, 2), "") << "the template text gives way to the empty value";
    EXPECT_EQ(grid.cellText(2, 2), "2026120910001");
    EXPECT_EQ(grid.cellText(7, 1), "2026120903500002");

    ASSERT_TRUE(ExecSQL("delete from c_proc_main"));
    report("ckreport", itemQuery, { { "proc_weight", 4, 6, 1 }, { "serialno", 4, 1, 1 } });
    item("2026120903500001", 7);
    item("2026120903500002", QVariant(QMetaType(QMetaType::Double)));
    item("2026120903500003", 9);
    EXPECT_EQ(LoadReport(grid, "ckreport"), ReportFill::Filled);
    EXPECT_EQ(grid.cellText(4, 6).toDouble(), 7.0);
    EXPECT_EQ(grid.cellText(5, 6), "t5") << "the Null leaves the template's text";
    EXPECT_EQ(grid.cellText(5, 1), "2026120903500002") << "the next binding is still written";
    EXPECT_EQ(grid.cellText(6, 6).toDouble(), 9.0);
}

TEST_P(LoadReportTest, AnEmptyResultKeepsTheRowsDownToTheBand)
{
    report("rkreport", itemQuery, { { "groupno", 2, 2, 0 }, { "serialno", 5, 1, 1 } });

    EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 6);
    EXPECT_EQ(grid.cellText(1, 1), "产品入库单");
    EXPECT_EQ(grid.cellText(4, 6), "t4");
    EXPECT_EQ(grid.cellText(2, 2), "") << "no record: single cells stay as the template has them";

    // Without a band binding the template keeps all its rows, with or without records: single
    // cells below the record count are not cut off.
    report("ckreport", itemQuery, { { "groupno", 4, 2, 0 } });
    EXPECT_EQ(LoadReport(grid, "ckreport"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 12);
    item("2026120903500001", 1);
    EXPECT_EQ(LoadReport(grid, "ckreport"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 12);
    EXPECT_EQ(grid.cellText(4, 2), "2026120910001");
    EXPECT_EQ(grid.cellText(11, 6), "t11");
}

TEST_P(LoadReportTest, TheLastBandBindingSetsTheBandAndOtherRepeatValuesWriteNothing)
{
    // The groupno binding sets the band row and writes nothing.
    report("rkreport", itemQuery, { { "serialno", 3, 1, 1 }, { "groupno", 6, 2, 2 } });
    item("2026120903500001", 1);
    EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::Filled);
    EXPECT_EQ(grid.rows(), 8);
    EXPECT_EQ(grid.cellText(6, 1), "2026120903500001");
    EXPECT_EQ(grid.cellText(6, 2), "");
    EXPECT_EQ(grid.cellText(3, 1), "");
}

TEST_P(LoadReportTest, FailuresStopTheFillAndKeepWhatWasWritten)
{
    report("rkreport", itemQuery,
        { { "groupno", 2, 2, 0 }, { "no_such_column", 3, 2, 0 }, { "serialno", 5, 1, 1 } });
    item("2026120903500001", 1);
    EXPECT_EQ(LoadReport(grid, "rkreport"), ReportFill::Failed);
    EXPECT_EQ(grid.cellText(2, 2), "2026120910001") << "written before the failure";
    EXPECT_EQ(grid.cellText(5, 1), "");
    EXPECT_EQ(toasts.last(), "报表数据查询结果中没有字段 no_such_column|请检查该报表的设置|1");

    // A query the database rejects: ExecSQL's toast, no fill.
    report("ckreport", "select nothing from no_such_table");
    toasts.clear();
    EXPECT_EQ(LoadReport(grid, "ckreport"), ReportFill::Failed);
    ASSERT_EQ(toasts.lines.size(), 1);
    EXPECT_TRUE(toasts.lines[0].startsWith("数据库发生错误"));
}

TEST_P(LoadReportTest, AStoredQueryCannotWrite)
{
    item("2026120903500001", 1);
    for (const QString& sql : { QString("delete from c_proc_main"),
             QString("select serialno from c_proc_main; delete from c_proc_main"),
             QString("with gone as (delete from c_proc_main returning serialno) select * from gone") }) {
        report("rkreport", sql, { { "serialno", 5, 1, 1 } });
        LoadReport(grid, "rkreport");
        EXPECT_EQ(testsupport::rowCount("c_proc_main"), 1) << sql.toStdString();
        clearReports();
    }
}

// The shipped templates and their seeded definitions fill the three order sheets.
TEST_P(LoadReportTest, ShippedTemplatesFillTheOrderSheets)
{
    const QByteArray script = testsupport::readFile(testsupport::databaseDir() + "/reports.sql");
    ASSERT_FALSE(script.isEmpty());
    for (const QString& statement : korvell::splitSqlScript(QString::fromUtf8(script)))
        ASSERT_TRUE(ExecSQL(statement)) << statement.toStdString();
    const QDir source(testsupport::databaseDir() + "/../reportmodel");

    struct Case {
        const char* name;
        const char* status;
        const char* title;
    };
    for (const Case& c : { Case { "rkreport", "30", "产品入库单" }, Case { "ckreport", "31", "产品出库单" },
             Case { "tkreport", "32", "产品退库单" } }) {
        SCOPED_TRACE(c.name);
        QFile::remove(templatePath(c.name));
        ASSERT_TRUE(QFile::copy(source.filePath(QString(c.name) + ".cel"), templatePath(c.name)));
        ASSERT_TRUE(ExecSQL("delete from c_proc_main"));
        for (int i = 1; i <= 4; ++i)
            ASSERT_TRUE(
                ExecSQL("insert into c_proc_main (serialno,groupno,ck_groupno,tk_groupno,proc_mod,proc_mod1,"
                        "proc_weight,proc_net_wt,rk_date,ck_date,tk_date,ck_comp,proc_sts) "
                        "values (?,?,?,?,?,?,?,?,?,?,?,?,?)",
                    { QString("202612090350000%1").arg(i), "2026120910001", "2026120910002", "2026120910003",
                        "YJV", "0.35", 20 + i, 18 + i, korvell::sqlDate(QDate(2026, 12, 9)),
                        korvell::sqlDate(QDate(2026, 12, 10)), korvell::sqlDate(QDate(2026, 12, 11)),
                        "客户甲", c.status }));
        SheetModel sheet;
        sheet.setCellText(1, 1, "x");
        ASSERT_EQ(LoadReport(sheet, c.name), ReportFill::Filled);
        QStringList cells;
        for (int r = 0; r < sheet.rows(); ++r)
            for (int col = 0; col < sheet.cols(); ++col)
                cells << sheet.cellText(r, col);
        EXPECT_TRUE(cells.contains(c.title));
        EXPECT_TRUE(cells.contains("2026120903500004")) << "every staged item is listed";
        EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
    }
}

INSTANTIATE_BACKENDS_WITH_ODBC(LoadReportTest);
