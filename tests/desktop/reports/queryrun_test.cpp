// The query windows' runs without their windows, on both backends: statements from the filter
// values, the result sheets, the totals rows and the filter lists.
#include "desktop/data/valuetext.h"
#include "desktop/reports/queryrun.h"
#include "desktop/reports/querysheet.h"
#include "queryitems.h"
#include "tests/support/testdatabase.h"

using namespace korvell;
using querytest::oct1;
using querytest::sep30;

namespace {

// Column col of the rows below the captions, the totals row left out when there is one.
QStringList column(const platform::SheetModel& s, int col, bool totals)
{
    QStringList texts;
    for (int r = 1; r < s.rows() - (totals ? 1 : 0); ++r)
        texts << s.cellText(r, col);
    texts.sort();
    return texts;
}

QStringList lastRow(const platform::SheetModel& s)
{
    QStringList texts;
    for (int c = 1; c <= 4; ++c)
        texts << s.cellText(s.rows() - 1, c);
    return texts;
}

QStringList totals(const QString& label, const QString& count, const QString& gross, const QString& net)
{
    return { "总计", label + count, "毛重:" + gross, "净重:" + net };
}

struct RunCase {
    const char* what;
    const QueryConfig* config;
    FilterValues values;
    QStringList firstColumn; // sorted
    QStringList totalsRow; // empty: the window has none
};

} // namespace

class QueryRun : public testsupport::DatabaseTest {
protected:
    void prepare() override { querytest::insertFixture(); }
};

TEST_P(QueryRun, ListsTotalsAndFilters)
{
    const QDate oct2(2026, 10, 2);
    const auto stat
        = [](const QString& c, const QString& g, const QString& n) { return totals("笔数:", c, g, n); };
    const auto stock
        = [](const QString& c, const QString& g, const QString& n) { return totals("产品数量:", c, g, n); };
    const RunCase cases[] = {
        { "teams over two days", &bzstatformConfig(), { sep30, oct1, "" }, { "1%", "10", "1_", "x'q" },
            stat("5", "67.75", "65.25") },
        { "\"_\" is no wildcard", &bzstatformConfig(), { sep30, oct1, "1_" }, { "1_" },
            stat("1", "30", "29") },
        { "\"%\" is no wildcard; Null sums show nothing", &bzstatformConfig(), { sep30, oct1, "1%" },
            { "1%" }, stat("1", "", "") },
        { "a quote is a character", &bzstatformConfig(), { sep30, oct1, "x'q" }, { "x'q" },
            stat("1", "7", "6.5") },
        { "letters match whatever their case", &bzstatformConfig(), { sep30, oct1, "X'Q" }, { "x'q" },
            stat("1", "7", "6.5") },
        { "the later day alone", &bzstatformConfig(), { oct1, oct1, "" }, { "1%", "10", "1_" },
            stat("3", "50.25", "48.75") },
        { "the earlier day alone", &bzstatformConfig(), { sep30, sep30, "" }, { "10", "x'q" },
            stat("2", "17.5", "16.5") },
        { "start after end", &bzstatformConfig(), { oct1, sep30, "" }, {}, stat("0", "", "") },
        { "operators, Null team counted", &opstatformConfig(), { sep30, oct1, "张" }, { "张三", "张三" },
            stat("6", "67.75", "72.25") },
        { "machine groups", &jzstatformConfig(), { sep30, oct2, "J" }, { "J1", "J1" },
            stat("7", "72.75", "76.75") },
        { "in-stock summary", &kcstatformConfig(), {}, { "A1", "B2" }, stock("4", "31.75", "37.75") },
        { "in-stock detail", &kcdetailformConfig(), {}, { "S01", "S02", "S08", "S09" },
            stock("4", "31.75", "37.75") },
        { "abnormal stock", &kcabnormalformConfig(), {}, { "已删除", "已称重未入库", "待出库", "待退库" },
            stock("4", "18", "16.5") },
        { "stock-in of a day; Null team never matches", &rkqueryformConfig(), { oct1, "", "", "", "" },
            { "S02", "S03", "S04" }, {} },
        { "stock-in by team", &rkqueryformConfig(), { oct1, "", "", "", "1_" }, { "S03" }, {} },
        { "stock-in by producer and model", &rkqueryformConfig(), { oct1, "A", "0.3", "E01", "" }, { "S02" },
            {} },
        { "stock-in typed in lower case", &rkqueryformConfig(), { oct1, "a", "", "e0", "" }, { "S02" }, {} },
        { "stock-out: on an order and approved", &ckqueryformConfig(), { oct1, "", "", "" }, { "S03" }, {} },
        { "stock-out by approver and order", &ckqueryformConfig(), { oct1, "李", "审核甲", "CK1" }, { "S03" },
            {} },
        { "stock-out, other clerk", &ckqueryformConfig(), { oct1, "王", "", "" }, {}, {} },
        { "stock-out the day before", &ckqueryformConfig(), { sep30, "", "", "" }, { "S07" }, {} },
        { "returns", &tkqueryformConfig(), { oct1, "", "", "" }, { "S07" }, {} },
        { "log from the start of the day", &logqueryformConfig(), { oct1 },
            { "2026-10-1 00:00:00", "2026-10-1 12:00:00", "2026-10-2 09:00:00" }, {} },
        { "log of a later day", &logqueryformConfig(), { QDate(2026, 10, 3) }, {}, {} },
    };
    platform::SheetModel sheet;
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QueryOutcome outcome = runQuery(*c.config, c.values, sheet);
        EXPECT_TRUE(outcome.ran);
        EXPECT_EQ(outcome.totalsRow, !c.totalsRow.isEmpty());
        EXPECT_EQ(column(sheet, 1, outcome.totalsRow), c.firstColumn);
        if (outcome.totalsRow) {
            EXPECT_EQ(lastRow(sheet), c.totalsRow);
        }
        for (int col = 1; col <= c.config->captions.size(); ++col)
            EXPECT_EQ(sheet.cellText(0, col), c.config->captions[col - 1]);
    }
    EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
}

TEST_P(QueryRun, ResultShapesAndCaptions)
{
    platform::SheetModel sheet;
    ASSERT_TRUE(runQuery(bzstatformConfig(), { sep30, oct1, "10" }, sheet).ran);
    EXPECT_EQ(sheet.cols(), 7);
    const QStringList captions { "生产班组", "产品型号", "产品规格", "产品数量", "毛重", "净重" };
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(sheet.cellText(0, c), captions[c - 1]);
        EXPECT_EQ(sheet.columnWidth(c), 150);
        EXPECT_EQ(sheet.column(c).alignment, 10);
        EXPECT_EQ(sheet.column(c).option, 1);
    }
    EXPECT_EQ(sheet.columnWidth(0), 0);
    EXPECT_EQ(sheet.shadingColor1(), platform::bgrFromColor(QColor(239, 243, 255)));

    // Every column of the view after the status name, the last one too.
    ASSERT_TRUE(runQuery(kcabnormalformConfig(), {}, sheet).ran);
    EXPECT_EQ(sheet.cols(), 31);
    EXPECT_EQ(sheet.cellText(0, 1), "产品状态");
    EXPECT_EQ(sheet.cellText(0, 30), "退库原因");
    int row = 1;
    while (row < sheet.rows() && sheet.cellText(row, 1) != "待退库")
        ++row;
    EXPECT_EQ(sheet.cellText(row, 2), "S07");
    EXPECT_EQ(sheet.cellText(row, 30), "") << "a Null leaves its cell empty";

    // A wide run, then a narrow one: nothing of the first stays.
    ASSERT_TRUE(runQuery(rkqueryformConfig(), { oct1, "", "", "", "" }, sheet).ran);
    ASSERT_EQ(sheet.rows(), 4);
    ASSERT_TRUE(runQuery(rkqueryformConfig(), { oct1, "B", "", "", "1_" }, sheet).ran);
    EXPECT_EQ(sheet.rows(), 2);
    EXPECT_EQ(sheet.cols(), 13);
    EXPECT_EQ(sheet.cellText(1, 12), "2026-10-1 08:30:00");
    EXPECT_TRUE(sheet.populatedRows().back() <= 1);
}

TEST_P(QueryRun, AFailedStatementLeavesTheCaptionRowAlone)
{
    platform::SheetModel sheet;
    ASSERT_TRUE(runQuery(kcabnormalformConfig(), {}, sheet).ran);
    ASSERT_TRUE(ExecSQL("drop view proc_main").ok);
    const QueryOutcome outcome = runQuery(kcabnormalformConfig(), {}, sheet);
    EXPECT_FALSE(outcome.ran);
    EXPECT_FALSE(outcome.totalsRow);
    EXPECT_EQ(sheet.rows(), 1);
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: ")) << toasts.last().toStdString();
}

TEST_P(QueryRun, FilterListsOfferWhatTheirColumnsHold)
{
    const QueryConfig& ck = ckqueryformConfig();
    const QStringList users = filterListItems(ck.filters[1].list);
    EXPECT_TRUE(users.contains("李四"));
    for (const QString& user : users)
        EXPECT_FALSE(user.contains('|') || user.contains("argon")) << user.toStdString();
    EXPECT_EQ(filterListItems(ck.filters[2].list), QStringList { "审核甲" });

    const QueryConfig& rk = rkqueryformConfig();
    const FilterList& producers = rk.filters[3].list;
    const QStringList employees = filterListItems(producers);
    EXPECT_EQ(employees.size(), 3) << "every employee produces";
    EXPECT_TRUE(employees.contains("E01   |王工"));
    EXPECT_EQ(pickedCode(producers, "E100201|审核甲"), "E100201") << "a long code stays whole";
    EXPECT_EQ(pickedCode(producers, "E01   |王工"), "E01");
    EXPECT_EQ(filterListItems(rk.filters[4].list), QStringList { "10    |甲班" });
    EXPECT_EQ(filterListItems(rk.filters[1].list), QStringList { "A1" });
    EXPECT_EQ(pickedCode(rk.filters[1].list, "A1"), "A1");
}

INSTANTIATE_BACKENDS(QueryRun);

TEST(QuerySheet, CellTextsFooterAndPrintSetUp)
{
    EXPECT_EQ(valueText(QVariant()), "");
    EXPECT_EQ(valueText(QDate(2026, 9, 3)), "2026-9-3");
    EXPECT_EQ(valueText(QDateTime(QDate(2026, 10, 1), QTime(0, 0, 5))), "2026-10-1 00:00:05");
    EXPECT_EQ(valueText(12.34 + 11.84), "24.18");
    EXPECT_EQ(valueText(QDateTime(QDate(2026, 10, 1), QTime(23, 59, 59))), "2026-10-1 23:59:59");
    // Whole numbers print as the general 15-digit form does, on both sides of its limits.
    for (const auto& [number, text] :
        std::vector<std::pair<double, QString>> { { 12340000.0, "12340000" }, { -42.0, "-42" }, { 0.0, "0" },
            { -0.0, "0" }, { 999999999999999.0, "999999999999999" }, { 1e15, "1e+15" }, { -1e15, "-1e+15" } })
        EXPECT_EQ(valueText(number), text) << number;
    EXPECT_EQ(valueText(qlonglong(7)), "7");
    EXPECT_EQ(printFooter(QDate(2006, 8, 5), "张三"),
        "打印日期：2006年08月05日         制表人:张三            第 &P 页 共&N页");

    platform::SheetModel sheet;
    shadeResult(sheet);
    preparePrint(sheet, "库存统计表", QDate(2006, 8, 5), "张三");
    EXPECT_EQ(sheet.pageSetup().header, "库存统计表");
    EXPECT_TRUE(sheet.pageSetup().printCaptionRow && sheet.pageSetup().printGridLines);
    EXPECT_EQ(sheet.pageSetup().footerAlignment, 2);
    EXPECT_EQ(sheet.shadingColor1(), 0xFFFFFFu);
    EXPECT_EQ(sheet.shadingColor2(), 0xFFFFFFu);

    // A totals row keeps the columns its figures need, even under a narrow result.
    sheet.setCols(2);
    sheet.setRows(1);
    Recordset sums(
        { "count", "gross", "net" }, { adInteger, adDouble, adDouble }, { { 0, QVariant(), QVariant() } });
    appendTotals(sheet, "产品数量:", sums);
    EXPECT_EQ(sheet.cols(), 5);
    EXPECT_EQ(lastRow(sheet), (QStringList { "总计", "产品数量:0", "毛重:", "净重:" }));
}
