// Records read into a sink straight from the drivers' buffers show exactly what a Recordset's
// values show, on both backends: days, moments, numbers of every form, texts, Nulls.
#include "desktop/data/execsql.h"
#include "desktop/data/valuetext.h"
#include "tests/support/testdatabase.h"

using namespace korvell;

namespace {

class Texts final : public RecordSink {
public:
    void begin(const QStringList& columnNames, const QList<int>&) override { names = columnNames; }
    void record(RecordView& record) override
    {
        QStringList row;
        for (int i = 0; i < names.size(); ++i)
            row << record.text(i);
        rows << row;
    }
    QStringList names;
    QList<QStringList> rows;
};

} // namespace

class RecordSinks : public testsupport::DatabaseTest { };

TEST_P(RecordSinks, ShowWhatARecordsetShows)
{
    struct Item {
        const char* serial;
        QVariant gross, net, count;
        QDateTime weighed;
        QDate day;
        const char* team;
    };
    const Item items[] = {
        { "S1", "12.340", "0.00001", 7, QDateTime(QDate(2026, 2, 1), QTime(8, 0, 5)), QDate(2026, 2, 1),
            "甲班" },
        { "S2", "-0.5", "123456789012345678", 0, QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)),
            QDate(2026, 12, 31), "" },
        { "S3", "10", "0.1", QVariant(), QDateTime(), QDate(), nullptr },
        { "S4", "1234567890.12345", "0.0001", -3, QDateTime(QDate(2026, 2, 1), QTime(0, 0)),
            QDate(2026, 2, 1), "x'q" },
    };
    for (const Item& i : items)
        ASSERT_TRUE(
            ExecSQL("insert into c_proc_main (serialno,proc_weight,proc_net_wt,count_num,enter_date,rk_date,"
                    "proc_bz,proc_mod) values (?,?,?,?,?,?,?,'M')",
                { i.serial, i.gross, i.net, i.count, sqlDateTime(i.weighed), sqlDate(i.day),
                    i.team ? QVariant(QString::fromUtf8(i.team)) : QVariant() }));
    if (db->backend() == Backend::SQLite) {
        ASSERT_TRUE(
            ExecSQL("update c_proc_main set rk_date='no day', enter_date='2026-2-1' where serialno='S3'"));
    }

    const std::pair<QString, QVariantList> statements[] = {
        { "select * from c_proc_main order by serialno", {} },
        { "select * from proc_main where 产品型号=? order by 产品编号", { "M" } },
        { "select proc_mod,count(*),sum(proc_weight),sum(round(proc_net_wt*1000000))/1000000 from "
          "c_proc_main "
          "group by proc_mod",
            {} },
    };
    for (const auto& [sql, params] : statements) {
        SCOPED_TRACE(sql.toStdString());
        const SqlResult stored = ExecSQL(sql, params);
        ASSERT_TRUE(stored.ok && stored.rs);
        QList<QStringList> expected;
        for (Recordset& rs = *stored.rs; !rs.eof(); rs.MoveNext()) {
            QStringList row;
            for (int i = 0; i < rs.fieldCount(); ++i)
                row << valueText(rs.value(i));
            expected << row;
        }
        Texts texts;
        const SqlResult read = ExecSQL(sql, params, texts);
        EXPECT_TRUE(read.ok);
        EXPECT_FALSE(read.rs);
        EXPECT_EQ(texts.names.size(), stored.rs->fieldCount());
        EXPECT_EQ(texts.rows, expected);
    }
    EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();

    Texts none;
    EXPECT_FALSE(ExecSQL("select nothing from no_such_table", {}, none));
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: "));
    EXPECT_TRUE(none.rows.isEmpty());
}

INSTANTIATE_BACKENDS(RecordSinks);
