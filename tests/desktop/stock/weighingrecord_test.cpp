// One weight becomes one stored item; anything that is no number stores nothing.
#include "desktop/data/connection.h"
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/weighingrecord.h"
#include "stockitems.h"
#include "tests/support/fixedclock.h"
#include "tests/support/lockholder.h"
#include "tests/support/testdatabase.h"

#include <QElapsedTimer>
#include <array>

using namespace korvell;
using stocktest::insertItem;

namespace {

WeighingEntry entry(const QString& gross, const QString& tare = "0.5", const QString& spec = "0.35")
{
    return { .gross = gross,
        .tare = tare,
        .spec = spec,
        .day = QDate(2006, 8, 10),
        .order = "2006081010001",
        .model = "A1",
        .team = " 11 ",
        .machineGroup = "J1  ",
        .inspector = "E1001",
        .auditor = "E1002",
        .producer = "请选择",
        .weigher = "张三",
        .station = "1" };
}

} // namespace

class WeighingRecord : public testsupport::DatabaseTest {
protected:
    testsupport::FixedClock clock { QDateTime(QDate(2006, 8, 10), QTime(9, 30, 15)) };
};

TEST_P(WeighingRecord, StoresGrossNetAndTheChoices)
{
    const auto item = SaveWeighingRecord(entry("12.34"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->serialno, "2006081003510001");
    EXPECT_EQ(item->net, "11.84");
    const auto r = ExecSQL("select * from c_proc_main where serialno=?", { item->serialno });
    ASSERT_TRUE(r && r.rs && !r.rs->eof());
    const Recordset& rs = *r.rs;
    EXPECT_DOUBLE_EQ(rs.value("proc_weight").toDouble(), 12.34);
    EXPECT_DOUBLE_EQ(rs.value("proc_net_wt").toDouble(), 11.84);
    EXPECT_EQ(rs.value("count_num").toLongLong(), 10001);
    EXPECT_EQ(rs.value("proc_sts").toString().trimmed(), "30");
    EXPECT_EQ(rs.value("proc_bz").toString(), "11");
    EXPECT_EQ(rs.value("proc_jz").toString(), "J1");
    EXPECT_EQ(rs.value("sh_emp").toString(), "E1002");
    EXPECT_EQ(rs.value("jy_emp").toString(), "E1001");
    EXPECT_EQ(rs.value("proc_emp").toString(), "请选择");
    EXPECT_EQ(rs.value("op_emp").toString(), "张三");
    EXPECT_EQ(rs.value("proc_mod1").toString(), "0.35");
    EXPECT_EQ(dateOf(rs.value("rk_date")), QDate(2006, 8, 10));
    EXPECT_EQ(dateTimeOf(rs.value("enter_date")), QDateTime(QDate(2006, 8, 10), QTime(9, 30, 15)));
}

TEST_P(WeighingRecord, ItemsOfADayFollowEachOtherAcrossOrders)
{
    QStringList serials;
    for (int i = 0; i < 3; ++i)
        serials << SaveWeighingRecord(entry("20"))->serialno;
    EXPECT_EQ(serials, QStringList({ "2006081003510001", "2006081003510002", "2006081003510003" }));
    WeighingEntry second = entry("20", "1.2", "0.055");
    second.order = "2006081010002";
    EXPECT_EQ(SaveWeighingRecord(second)->serialno, "200608105.510004");
}

TEST_P(WeighingRecord, ScaleTextWithLeadingBlankAndTareAboveGross)
{
    const auto item = SaveWeighingRecord(entry(" 9.80", "12.5"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->net, "-2.7");
    EXPECT_DOUBLE_EQ(testsupport::scalar("select proc_weight from c_proc_main").toDouble(), 9.8);
    EXPECT_DOUBLE_EQ(testsupport::scalar("select proc_net_wt from c_proc_main").toDouble(), -2.7);
    EXPECT_EQ(SaveWeighingRecord(entry("0", "0"))->net, "0");
}

TEST_P(WeighingRecord, TextsThatAreNoNumberStoreNothing)
{
    const std::vector<std::pair<WeighingEntry, QString>> cases {
        { entry("12.34kg"), "当前重量不是数字，请重新称重" },
        { entry("12.34", ""), "包装自重\"\"不是数字，请检查产品资料" },
        { entry("12.34", "0.5", "0.35mm"), "产品规格\"0.35mm\"不是数字，请检查产品资料" },
        { entry("12.34\r\n25.50"), "当前重量不是数字，请重新称重" },
    };
    for (const auto& [e, why] : cases)
        EXPECT_EQ(SaveWeighingRecord(e).why, why);
    EXPECT_EQ(testsupport::rowCount("c_proc_main"), 0);
    // The window can go on weighing.
    EXPECT_TRUE(SaveWeighingRecord(entry("12.34")));
}

TEST_P(WeighingRecord, WeightsAreStoredExactlyAndTheSlipAgrees)
{
    for (const auto& [gross, tare, net] :
        std::vector<std::array<QString, 3>> { { "12.3456", "0.5", "11.8456" }, { "0.1", "0.0001", "0.0999" },
            { "99999999999.9999", "0", "99999999999.9999" } }) {
        const auto item = SaveWeighingRecord(entry(gross, tare));
        ASSERT_TRUE(item) << gross.toStdString();
        EXPECT_EQ(item->net, net);
        const auto slip = loadOrderGrid(StockInGrid, "2006081010001", "1");
        ASSERT_TRUE(slip);
        EXPECT_EQ(slip->rows[0][4], gross);
        EXPECT_EQ(slip->rows[0][5], net);
        EXPECT_EQ(slip->totals[1], gross);
        ASSERT_TRUE(ExecSQL("delete from c_proc_main"));
    }
}

TEST_P(WeighingRecord, WeightsNoColumnHoldsExactlyAreRefused)
{
    for (const auto& [gross, tare] : std::vector<std::pair<QString, QString>> { { "12.3e300", "0.5" },
             { "1e3", "0.5" }, { "inf", "0.5" }, { "1234567890123456", "0" },
             { "12.34", "0.1234567890123456" }, { "99999999999999.9", "0.05" } }) {
        const WeighingOutcome refused = SaveWeighingRecord(entry(gross, tare));
        EXPECT_FALSE(refused) << gross.toStdString();
        EXPECT_FALSE(refused.why.isEmpty());
    }
    EXPECT_EQ(testsupport::rowCount("c_proc_main"), 0);
}

TEST_P(WeighingRecord, QuotesAreStoredAsTyped)
{
    WeighingEntry e = entry("10");
    e.weigher = "O'Brien";
    e.model = "A'1";
    ASSERT_TRUE(SaveWeighingRecord(e));
    EXPECT_EQ(testsupport::scalar("select op_emp from c_proc_main").toString(), "O'Brien");
}

TEST_P(WeighingRecord, ALockedItemTableFailsTheSaveWithinAFewSeconds)
{
    testsupport::LockHolder holder(GetConnString(), "c_proc_main");
    ASSERT_TRUE(holder.holding());
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(SaveWeighingRecord(entry("12.34")).why, "数据被其他工作站占用，请重新称重");
    EXPECT_LT(waited.elapsed(), lockWaitMilliseconds + 1500);
}

TEST_P(WeighingRecord, FailedInsertIsReported)
{
    // The serial number the next item gets is taken already (an item of another product size
    // with a count below the station's range), so the insert fails.
    ASSERT_TRUE(insertItem({ .serialno = "2006081003510001", .groupno = "x", .count_num = 10000 }));
    toasts.clear();
    EXPECT_EQ(SaveWeighingRecord(entry("12.34")).why, "数据库发生错误: 数据重复，请重新称重");
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误")) << toasts.last().toStdString();
    EXPECT_EQ(testsupport::rowCount("c_proc_main"), 1);
}

INSTANTIATE_BACKENDS(WeighingRecord);
