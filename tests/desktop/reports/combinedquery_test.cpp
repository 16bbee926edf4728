// The combined product query's set-up sheets and statements on both backends: conditions by
// field type, duplicated rows, unticked fields that still filter, hostile input refused or harmless.
#include "desktop/reports/combinedquery.h"
#include "desktop/reports/queryrun.h"
#include "queryitems.h"
#include "tests/support/testdatabase.h"

using namespace korvell;

namespace {

int rowOf(const platform::SheetModel& s, const QString& name)
{
    for (int r = 1; r < s.rows(); ++r)
        if (s.cellText(r, 1) == name)
            return r;
    return -1;
}

struct Condition {
    const char* field;
    const char* op;
    const char* value;
};

} // namespace

class CombinedQuery : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        querytest::insertFixture();
        fields = viewFields().value_or(QList<ViewField> {});
        ASSERT_EQ(fields.size(), 29);
        buildConditionSheet(conditions, fields);
        buildOutputSheet(outputs, fields);
    }

    // Fills the first empty condition row of each field (a second one after a duplicate).
    void set(const QList<Condition>& list)
    {
        for (const Condition& c : list) {
            int r = rowOf(conditions, c.field);
            while (conditions.cellText(r + 1, 1) == c.field && !conditions.cellText(r, 3).isEmpty())
                ++r;
            conditions.setCellText(r, 2, c.op);
            conditions.setCellText(r, 3, c.value);
        }
    }

    // The statements' rows (first shown column, sorted) and totals row; or the message alone.
    QStringList run()
    {
        const auto built = combinedStatements(conditions, outputs, fields);
        if (const auto* message = std::get_if<QString>(&built))
            return { *message };
        const CombinedStatements& s = std::get<CombinedStatements>(built);
        const QueryOutcome outcome = runStatements(kcqueryformConfig(), { s.rows, s.totals }, result);
        EXPECT_TRUE(outcome.ran && outcome.totalsRow) << s.rows.sql.toStdString();
        QStringList rows;
        for (int r = 1; r < result.rows() - 1; ++r)
            rows << result.cellText(r, 1);
        rows.sort();
        for (int c = 1; c <= 4; ++c)
            rows << result.cellText(result.rows() - 1, c);
        return rows;
    }

    QList<ViewField> fields;
    platform::SheetModel conditions, outputs, result;
};

TEST_P(CombinedQuery, SetUpSheetsFollowTheView)
{
    EXPECT_EQ(conditions.rows(), 30);
    EXPECT_EQ(outputs.rows(), 30);
    EXPECT_EQ(conditions.cellText(1, 1), "产品编号");
    EXPECT_EQ(outputs.cellText(29, 1), "退库原因");
    const int serial = rowOf(conditions, "产品编号"), day = rowOf(conditions, "入库日期"),
              gross = rowOf(conditions, "毛重");
    EXPECT_EQ(conditions.cellText(serial, 2), "包含");
    EXPECT_EQ(conditions.cellType(serial, 2), platform::CellType::Plain);
    EXPECT_EQ(conditions.cellType(day, 2), platform::CellType::List);
    EXPECT_EQ(conditions.cellType(day, 3), platform::CellType::Date);
    EXPECT_EQ(conditions.cellText(gross, 2), "");
    EXPECT_EQ(conditions.cellType(gross, 3), platform::CellType::Plain);
    EXPECT_EQ(conditions.columnListChoices(2), (QStringList { ">=", "=", "<=" }));
    for (int r = 1; r < outputs.rows(); ++r)
        EXPECT_EQ(outputs.cellText(r, 2), "1");

    conditions.setCellText(day, 3, "2026-10-1");
    duplicateConditionRow(conditions, day);
    EXPECT_EQ(conditions.cellText(day, 1), "入库日期");
    EXPECT_EQ(conditions.cellText(day, 3), "");
    EXPECT_EQ(conditions.cellType(day, 3), platform::CellType::Date);
    EXPECT_EQ(conditions.cellText(day + 1, 3), "2026-10-1") << "the old row moves down whole";
    duplicateConditionRow(conditions, serial);
    EXPECT_EQ(conditions.cellType(serial, 2), platform::CellType::Plain);
    EXPECT_EQ(conditions.cellText(serial, 2), "") << "the copy's operator is typed";
}

TEST_P(CombinedQuery, ConditionsByFieldType)
{
    const auto totals = [](const char* count, const char* gross, const char* net) {
        return QStringList { "总计", QString("产品数量:") + count, QString("毛重:") + gross,
            QString("净重:") + net };
    };
    struct Case {
        const char* what;
        QList<Condition> set;
        QStringList serials;
        QStringList totalsRow;
    };
    const Case cases[] = {
        { "no condition: every item", {}, { "S01", "S02", "S03", "S04", "S05", "S06", "S07", "S08", "S09" },
            totals("9", "79.75", "83.25") },
        { "blank cells add nothing", { { "产品型号", "包含", "  " }, { "毛重", " ", "5" } },
            { "S01", "S02", "S03", "S04", "S05", "S06", "S07", "S08", "S09" },
            totals("9", "79.75", "83.25") },
        { "model contains", { { "产品型号", "包含", "A" } }, { "S01", "S02", "S05", "S06", "S08" },
            totals("5", "41.75", "46.75") },
        { "model equal", { { "产品型号", "=", "B2" }, { "净重", ">=", "6.5" } }, { "S03", "S07" },
            totals("2", "37", "35.5") },
        { "a day range on one field",
            { { "入库日期", ">=", "2026-9-30" }, { "入库日期", "<=", "2026-10-1" } },
            { "S01", "S02", "S03", "S04", "S07", "S08" }, totals("6", "67.75", "72.25") },
        { "a weighing moment against a whole day", { { "称重日期", "=", "2026-10-1" } },
            { "S02", "S03", "S04", "S08" }, totals("4", "50.25", "55.75") },
        { "a quote is a character", { { "生产班组", "包含", "x'q" } }, { "S07" }, totals("1", "7", "6.5") },
        { "\"%\" and \"_\" are characters", { { "生产班组", "包含", "1%" } }, { "S04" },
            totals("1", "", "") },
        { "nothing found", { { "生产班组", "包含", "_0" } }, {}, totals("0", "", "") },
        { "letters match whatever their case", { { "产品编号", "包含", "s0" }, { "产品型号", "包含", "b" } },
            { "S03", "S04", "S07", "S09" }, totals("4", "38", "36.5") },
    };
    const int dayRow = rowOf(conditions, "入库日期");
    duplicateConditionRow(conditions, dayRow);
    platform::SheetModel blank;
    blank.assign(conditions);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        conditions.assign(blank);
        set(c.set);
        EXPECT_EQ(run(), c.serials + c.totalsRow);
    }
    EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
}

TEST_P(CombinedQuery, OutputColumnsAndRefusedInput)
{
    // Only the model shown; the serial number condition still filters and the totals fit.
    for (int r = 1; r < outputs.rows(); ++r)
        outputs.setCellText(r, 2, outputs.cellText(r, 1) == "产品型号" ? "1" : "0");
    set({ { "产品编号", "包含", "S0" }, { "生产班组", "=", "1_" } });
    EXPECT_EQ(run(), (QStringList { "B2", "总计", "产品数量:1", "毛重:30", "净重:29" }));
    EXPECT_EQ(result.cellText(0, 1), "产品型号");

    const std::pair<QList<Condition>, const char*> refused[] = {
        { { { "毛重", "= 1 or 1=1 --", "5" } }, "比较符号只能是 >=、=、<= 或 包含！" },
        { { { "毛重", ">=", "5; drop table c_proc_main" } }, "毛重的查询条件不是数字！" },
        { { { "入库日期", "<=", "2026-13-1" } }, "入库日期的查询条件不是日期！" },
    };
    for (const auto& [set, message] : refused) {
        buildConditionSheet(conditions, fields);
        this->set(set);
        EXPECT_EQ(run(), QStringList { message });
    }
    buildConditionSheet(conditions, fields);
    for (int r = 1; r < outputs.rows(); ++r)
        outputs.setCellText(r, 2, "0");
    EXPECT_EQ(run(), QStringList { "请至少选择一项输出内容！" });
    EXPECT_EQ(testsupport::rowCount("c_proc_main"), 9);
}

INSTANTIATE_BACKENDS(CombinedQuery);
