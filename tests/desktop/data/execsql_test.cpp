// ExecSQL on both backends: recordsets, bound values, dates, len(), the kept connection.
#include "data_rows.h"
#include "desktop/data/execsql.h"
#include "tests/support/testdatabase.h"

#include <thread>

using namespace korvell;
using datatest::addLogLine;
using datatest::firstColumn;
using testsupport::rowCount;
using testsupport::scalar;

namespace {

// One item with the columns the weighing writes; proc_sts and the order columns left to defaults.
bool insertItem(const QString& serial, const QDate& day, const QDateTime& weighed, double gross = 21.5)
{
    return ExecSQL("insert into c_proc_main (serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,"
                   "proc_weight,proc_net_wt,rk_date,station_no) values (?,?,?,?,?,?,?,?,?,?)",
        { serial, 10001, sqlDateTime(weighed), "2026093010001", "WDZ-1", "0.35", gross, gross - 1.2,
            sqlDate(day), "1" })
        .ok;
}

} // namespace

class Recordsets : public testsupport::DatabaseTest { };

TEST_P(Recordsets, EmptyResultIsAtEofAndKeepsItsFieldList)
{
    const auto result = ExecSQL("select * from c_custom where cust_name=?", { "nobody" });
    ASSERT_TRUE(result.ok);
    ASSERT_TRUE(result.rs);
    EXPECT_TRUE(result.rs->eof());
    EXPECT_EQ(result.rs->RecordCount(), 0);
    EXPECT_EQ(result.rs->fieldCount(), 5);
    EXPECT_EQ(result.rs->field(0).name, "cust_name");
    EXPECT_TRUE(result.rs->field(0).isNull());
}

TEST_P(Recordsets, CountMoveNextAndMoveFirst)
{
    const auto result = ExecSQL("select sts_id, sts_name from c_main_sts order by sts_id");
    ASSERT_TRUE(result.rs);
    auto& rs = *result.rs;
    EXPECT_EQ(rs.RecordCount(), 7);
    QStringList codes;
    for (; !rs.eof(); rs.MoveNext())
        codes << rs.value(0).toString();
    EXPECT_EQ(codes, QStringList({ "00", "01", "10", "20", "30", "31", "32" }));
    EXPECT_TRUE(rs.value("sts_id").isNull());
    rs.MoveFirst();
    EXPECT_EQ(rs.value("sts_id").toString(), "00");
}

TEST_P(Recordsets, FieldsByNameWithoutRegardToCaseAndByPosition)
{
    ASSERT_TRUE(ExecSQL("insert into c_jzname (jzid,jzname,jzmsg,jzdesc) values (?,?,?,?)",
        { "J1", "一号机组", "李四", "" }));
    const auto result = ExecSQL("select * from c_Jzname");
    ASSERT_TRUE(result.rs);
    EXPECT_EQ(result.rs->value("Jzid").toString(), "J1");
    EXPECT_EQ(result.rs->value("JZNAME").toString(), "一号机组");
    EXPECT_EQ(result.rs->field(1).name, "jzname");
    EXPECT_EQ(result.rs->value(2).toString(), "李四");
    EXPECT_FALSE(result.rs->hasField("nosuch"));
    EXPECT_TRUE(result.rs->field("nosuch").name.isEmpty());
    EXPECT_TRUE(result.rs->field(9).name.isEmpty());
    // An empty text is a value, not Null.
    EXPECT_FALSE(result.rs->field("jzdesc").isNull());
}

TEST_P(Recordsets, NullIsKeptDefaultsAreFilledAndTypeCodesFollowTheColumns)
{
    ASSERT_TRUE(
        insertItem("2026093003510001", QDate(2026, 9, 30), QDateTime(QDate(2026, 9, 30), QTime(8, 5, 9))));
    const auto result
        = ExecSQL("select serialno,count_num,enter_date,proc_weight,rk_date,ck_date,tk_yy,proc_sts,"
                  "ck_groupno,tk_groupno from c_proc_main");
    ASSERT_TRUE(result.rs);
    const auto& rs = *result.rs;
    EXPECT_EQ(rs.field("serialno").type, adVarChar);
    EXPECT_EQ(rs.field("count_num").type, adInteger);
    EXPECT_EQ(rs.field("enter_date").type, adDBTimeStamp);
    EXPECT_EQ(rs.field("proc_weight").type, adNumeric);
    EXPECT_EQ(rs.field("rk_date").type, adDBDate);
    EXPECT_EQ(rs.field("ck_date").type, adDBDate);
    EXPECT_TRUE(rs.field("ck_date").isNull());
    EXPECT_TRUE(rs.field("tk_yy").isNull());
    EXPECT_EQ(rs.value("count_num").toInt(), 10001);
    EXPECT_DOUBLE_EQ(rs.value("proc_weight").toDouble(), 21.5);
    EXPECT_EQ(rs.value("rk_date").toDate(), QDate(2026, 9, 30));
    EXPECT_EQ(rs.value("enter_date").toDateTime(), QDateTime(QDate(2026, 9, 30), QTime(8, 5, 9)));
    // Defaults of the item table: in stock, on no order (an empty text, not Null).
    EXPECT_EQ(rs.value("proc_sts").toString(), "30");
    EXPECT_EQ(rs.value("ck_groupno").toString(), "");
    EXPECT_FALSE(rs.field("ck_groupno").isNull());
    EXPECT_EQ(rs.value("tk_groupno").toString(), "");

    const auto totals = ExecSQL("select count(*), sum(proc_net_wt) from c_proc_main");
    ASSERT_TRUE(totals.rs);
    EXPECT_EQ(totals.rs->field(0).type, adInteger);
    EXPECT_EQ(totals.rs->value(0).toInt(), 1);
    EXPECT_DOUBLE_EQ(totals.rs->value(1).toDouble(), 20.3);
}

TEST_P(Recordsets, TheItemViewShowsNumbersDatesAndTextUnderChineseNames)
{
    ASSERT_TRUE(
        insertItem("2026093003510001", QDate(2026, 9, 30), QDateTime(QDate(2026, 9, 30), QTime(8, 0))));
    const auto result = ExecSQL("select * from proc_main");
    ASSERT_TRUE(result.rs);
    const auto& rs = *result.rs;
    EXPECT_DOUBLE_EQ(rs.value("毛重").toDouble(), 21.5);
    EXPECT_EQ(rs.value("产品状态").toString(), "30");
    EXPECT_EQ(rs.field("产品编号").type, adVarChar);
    for (int i = 0; i < rs.fieldCount(); ++i) {
        const Field f = rs.field(i);
        const bool isDate = f.type == adDBDate || f.type == adDBTimeStamp;
        EXPECT_EQ(isDate, f.name.contains("日期")) << f.name.toStdString();
    }
    EXPECT_DOUBLE_EQ(scalar("select sum(净重) from proc_main where 产品状态=?", { "30" }).toDouble(), 20.3);
}

INSTANTIATE_BACKENDS(Recordsets);

class BoundValues : public testsupport::DatabaseTest { };

TEST_P(BoundValues, QuotesAndChineseTextRoundTrip)
{
    const QString name = "O'Brien \"张三\" 有限公司";
    const QString hostile = "x'); delete from c_main_sts; --";
    ASSERT_TRUE(
        ExecSQL("insert into c_custom (cust_name,cust_man,cust_phone,cust_addr,cust_desc) values (?,?,?,?,?)",
            { name, "王五", "0512-1234", hostile, QString() }));
    const auto result = ExecSQL("select * from c_custom where cust_name=?", { name });
    ASSERT_TRUE(result.rs);
    ASSERT_EQ(result.rs->RecordCount(), 1);
    EXPECT_EQ(result.rs->value("cust_name").toString(), name);
    EXPECT_EQ(result.rs->value("cust_addr").toString(), hostile);
    EXPECT_TRUE(result.rs->field("cust_desc").isNull());
    EXPECT_EQ(rowCount("c_main_sts"), 7);
    EXPECT_TRUE(toasts.lines.isEmpty());
}

TEST_P(BoundValues, LenCountsCharactersWithoutTrailingBlanks)
{
    EXPECT_EQ(scalar("select len(?)", { "ab  " }).toInt(), 2);
    EXPECT_EQ(scalar("select len(?)", { "出库单" }).toInt(), 3);
    EXPECT_EQ(scalar("select len(?)", { "" }).toInt(), 0);
    EXPECT_TRUE(scalar("select len(tk_yy) from c_proc_main union all select len(null)").isNull());
    // The one-day queries keep the items that are on an order.
    ASSERT_TRUE(insertItem("2026093003510001", QDate(2026, 9, 30), QDateTime::currentDateTime()));
    EXPECT_EQ(rowCount("c_proc_main", "len(ck_groupno)>0"), 0);
}

INSTANTIATE_BACKENDS(BoundValues);

class Dates : public testsupport::DatabaseTest { };

TEST_P(Dates, StockDatesCompareAsDatesNotAsText)
{
    const QDate sep30(2026, 9, 30), oct1(2026, 10, 1), oct10(2026, 10, 10);
    ASSERT_TRUE(insertItem("A", oct10, QDateTime(oct10, QTime(9, 0))));
    ASSERT_TRUE(insertItem("B", sep30, QDateTime(sep30, QTime(9, 0))));
    ASSERT_TRUE(insertItem("C", oct1, QDateTime(oct1, QTime(9, 0))));

    EXPECT_EQ(firstColumn("select serialno from c_proc_main where rk_date<?", { sqlDate(oct1) }),
        QStringList { "B" });
    EXPECT_EQ(firstColumn("select serialno, rk_date from c_proc_main order by rk_date"),
        QStringList({ "B", "C", "A" }));

    EXPECT_EQ(rowCount("c_proc_main", "rk_date>=? and rk_date<=?", { sqlDate(sep30), sqlDate(oct1) }), 2);
    EXPECT_EQ(rowCount("c_proc_main", "rk_date=?", { sqlDate(oct10) }), 1);
    EXPECT_EQ(dateOf(scalar("select max(rk_date) from c_proc_main")), oct10);
}

TEST_P(Dates, DateTimesStoreSecondsAndCompareAsMoments)
{
    const QDateTime early(QDate(2026, 9, 30), QTime(23, 59, 59));
    const QDateTime late(QDate(2026, 10, 1), QTime(0, 0, 1));
    ASSERT_TRUE(addLogLine(late, "a", "进入系统"));
    ASSERT_TRUE(addLogLine(early, "a", "退出系统"));
    const auto result = ExecSQL("select logdate, logmsg from c_log where logdate>=? order by logdate",
        { sqlDateTime(QDateTime(QDate(2026, 9, 30), QTime(12, 0))) });
    ASSERT_TRUE(result.rs);
    ASSERT_EQ(result.rs->RecordCount(), 2);
    EXPECT_EQ(result.rs->field("logdate").type, adDBTimeStamp);
    EXPECT_EQ(result.rs->value("logdate").toDateTime(), early);
    EXPECT_EQ(result.rs->value("logmsg").toString(), "退出系统");
}

TEST_P(Dates, DateTimesKeepTheirWallClockWhateverTheServerZone)
{
    if (GetParam() == Backend::PostgreSQL) {
        ASSERT_TRUE(ExecSQL("set time zone 'Asia/Kolkata'").ok);
    }
    const QDateTime moment(QDate(2026, 3, 1), QTime(7, 30, 15));
    ASSERT_TRUE(addLogLine(moment, "a", "b"));
    EXPECT_EQ(scalar("select logdate from c_log").toDateTime(), moment);
    EXPECT_EQ(rowCount("c_log", "logdate=?", { sqlDateTime(moment) }), 1);
}

TEST_P(Dates, TextThatIsNoDateIsShownAsStored)
{
    if (GetParam() != Backend::SQLite)
        GTEST_SKIP() << "the server refuses such text";
    ASSERT_TRUE(
        ExecSQL("insert into c_proc_main (serialno,rk_date,proc_weight) values ('X','2026-9-31','abc')").ok);
    const auto result = ExecSQL("select rk_date, proc_weight from c_proc_main");
    ASSERT_TRUE(result.rs);
    EXPECT_EQ(result.rs->value("rk_date").toString(), "2026-9-31");
    EXPECT_EQ(result.rs->value("proc_weight").toString(), "abc");
}

TEST_P(Dates, HelpersReadEveryStoredForm)
{
    EXPECT_EQ(dateOf(QString("2026-09-30")), QDate(2026, 9, 30));
    EXPECT_EQ(dateOf(QString("2026-9-30")), QDate(2026, 9, 30));
    EXPECT_EQ(dateOf(QString("2026-10-01 08:00:00")), QDate(2026, 10, 1));
    EXPECT_EQ(dateOf(QDateTime(QDate(2026, 1, 2), QTime(3, 4))), QDate(2026, 1, 2));
    EXPECT_FALSE(dateOf(QVariant()).isValid());
    EXPECT_EQ(dateTimeOf(QString("2026-10-01 08:09:10")), QDateTime(QDate(2026, 10, 1), QTime(8, 9, 10)));
    EXPECT_EQ(dateTimeOf(QString("2026-10-01T08:09:10")), QDateTime(QDate(2026, 10, 1), QTime(8, 9, 10)));
    EXPECT_EQ(
        dateTimeOf(QString("2026-10-01 08:09:10.250")), QDateTime(QDate(2026, 10, 1), QTime(8, 9, 10, 250)));
    EXPECT_EQ(dateTimeOf(QString("2026-10-1")), QDateTime(QDate(2026, 10, 1), QTime(0, 0)));
    for (const char* bad :
        { "", "abc", "2026-13-01", "2026/10/01", "2026-10-01 08", "2026-10-01 25:00:00" }) {
        EXPECT_FALSE(dateOf(QString(bad)).isValid()) << bad;
        EXPECT_FALSE(dateTimeOf(QString(bad)).isValid()) << bad;
    }
    EXPECT_EQ(dayText(QDate(2006, 8, 10)), "2006-8-10");
    EXPECT_EQ(dayText(QDate(2026, 12, 31)), "2026-12-31");
    EXPECT_TRUE(sqlDate(QDate()).isNull());
}

INSTANTIATE_BACKENDS(Dates);

class KeptConnection : public testsupport::DatabaseTest { };

TEST_P(KeptConnection, OneConnectionServesEveryCallUntilReset)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "the server tells its session apart";
    const int first = scalar("select pg_backend_pid()").toInt();
    EXPECT_EQ(scalar("select pg_backend_pid()").toInt(), first);
    resetConnection();
    EXPECT_NE(scalar("select pg_backend_pid()").toInt(), first);
}

TEST_P(KeptConnection, EachThreadHasItsOwnConnection)
{
    const QVariant mine = scalar("select count(*) from c_main_sts");
    QVariant theirs;
    bool stored = false;
    std::thread worker([&] {
        stored = addLogLine(QDateTime::currentDateTime(), "worker", "线程");
        theirs = scalar(
            GetParam() == Backend::PostgreSQL ? "select pg_backend_pid()" : "select count(*) from c_log");
    });
    worker.join();
    EXPECT_TRUE(stored);
    EXPECT_EQ(mine.toInt(), 7);
    if (GetParam() == Backend::PostgreSQL) {
        EXPECT_NE(theirs.toInt(), scalar("select pg_backend_pid()").toInt());
    }
    EXPECT_EQ(rowCount("c_log", "logmsg=?", { "线程" }), 1);
}

// A committed item must survive a power loss: the program's own connection runs a write-ahead log
// that is synced at every commit.
TEST_P(KeptConnection, EmbeddedCommitsAreSyncedToDiskBeforeTheCallReturns)
{
    if (GetParam() != Backend::SQLite)
        GTEST_SKIP() << "the server keeps its own log";
    ASSERT_TRUE(addLogLine(QDateTime::currentDateTime(), "a", "进入系统"));
    EXPECT_EQ(scalar("PRAGMA journal_mode").toString(), "wal");
    EXPECT_EQ(scalar("PRAGMA synchronous").toInt(), 2); // FULL
}

INSTANTIATE_BACKENDS(KeptConnection);
