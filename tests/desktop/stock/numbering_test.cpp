// Item and order numbers against a real database, on both backends.
#include "desktop/stock/itemtransitions.h"
#include "desktop/stock/numbering.h"
#include "stockitems.h"
#include "tests/support/testdatabase.h"

using namespace korvell;
using stocktest::insertItem;
using stocktest::Item;

namespace {
const QDate day(2006, 8, 10);
}

class Numbering : public testsupport::DatabaseTest { };

TEST_P(Numbering, FirstOfTheDayCarriesTheStation)
{
    for (const auto& [station, count, number] : { std::tuple { "3", 30001, "2006081030001" },
             std::tuple { "10", 100001, "20060810100001" }, std::tuple { "1", 10001, "2006081010001" } }) {
        EXPECT_EQ(count_num(day, station), count);
        EXPECT_EQ(NextStockInSlipNo(day, station), number);
        EXPECT_EQ(NextStockOutOrderNo(day, station), number);
        EXPECT_EQ(NextReturnOrderNo(day, station), number);
    }
}

TEST_P(Numbering, ContinuesAfterTheHighestOfDayAndStationAcrossGaps)
{
    ASSERT_TRUE(insertItem({ .serialno = "a", .groupno = "2006081010001", .count_num = 10001 }));
    ASSERT_TRUE(insertItem({ .serialno = "b", .groupno = "2006081010003", .count_num = 10005 }));
    // Other stations and other days do not count.
    ASSERT_TRUE(
        insertItem({ .serialno = "c", .groupno = "2006081020009", .station = "2", .count_num = 20009 }));
    ASSERT_TRUE(insertItem(
        { .serialno = "d", .groupno = "2006081110007", .day = QDate(2006, 8, 11), .count_num = 10070 }));
    EXPECT_EQ(count_num(day, "1"), 10006);
    EXPECT_EQ(NextStockInSlipNo(day, "1"), "2006081010004");
    EXPECT_EQ(count_num(day, "2"), 20010);
    EXPECT_EQ(count_num(QDate(2006, 8, 12), "1"), 10001);
}

TEST_P(Numbering, AnEmptyOrderKeepsItsNumber)
{
    const auto first = NextStockInSlipNo(day, "1");
    EXPECT_EQ(NextStockInSlipNo(day, "1"), first);
}

TEST_P(Numbering, TheTenThousandthOfADayIsRefused)
{
    ASSERT_TRUE(insertItem({ .serialno = "last", .groupno = "2006081019999", .count_num = 19999 }));
    EXPECT_FALSE(count_num(day, "1"));
    EXPECT_EQ(toasts.last(), "本工作站当日货物序号已经用完！|每个工作站每天最多9999件货物|1");
    EXPECT_FALSE(NextStockInSlipNo(day, "1"));
    EXPECT_EQ(toasts.last(), "本工作站当日单号已经用完！|每个工作站每天最多9999张单据|1");
    // The next station's range stays untouched.
    EXPECT_EQ(count_num(day, "2"), 20001);
}

TEST_P(Numbering, StationBelowOneIsRefused)
{
    for (const QString station : { "0", "-1", "", "A" }) {
        toasts.clear();
        EXPECT_FALSE(count_num(day, station));
        EXPECT_FALSE(NextStockInSlipNo(day, station));
        EXPECT_EQ(toasts.lines.size(), 2);
        EXPECT_TRUE(toasts.last().startsWith("本机工作站号无效！"));
    }
}

TEST_P(Numbering, FailedMaximumGivesNoNumber)
{
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    toasts.clear();
    EXPECT_FALSE(count_num(day, "1"));
    EXPECT_FALSE(NextStockInSlipNo(day, "1"));
    EXPECT_FALSE(NextStockOutOrderNo(day, "1"));
    EXPECT_EQ(toasts.lines.size(), 3);
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误"));
}

TEST_P(Numbering, HighestNumberThatIsNoOrderNumberGivesNoNumber)
{
    ASSERT_TRUE(insertItem({ .serialno = "a", .groupno = "manual" }));
    EXPECT_FALSE(NextStockInSlipNo(day, "1"));
    EXPECT_EQ(toasts.last(), "无法生成新单号！|当日最大单号manual格式错误|1");
}

TEST_P(Numbering, StockOutAndReturnSequencesFollowTheStagingStation)
{
    // Weighed at station 1, staged for stock-out at station 5.
    ASSERT_TRUE(insertItem({ .serialno = "s1", .groupno = "2006081010001", .status = "00" }));
    ASSERT_TRUE(stageForStockOut("s1", day, "2006081050001", "5", "李四") == 1);
    EXPECT_EQ(NextStockOutOrderNo(day, "5"), "2006081050002");
    EXPECT_EQ(NextStockOutOrderNo(day, "1"), "2006081010001");
    // An undone order no longer counts; its number is given again.
    ASSERT_TRUE(undoStockOutOrder("2006081050001") == 1);
    EXPECT_EQ(NextStockOutOrderNo(day, "5"), "2006081050001");

    ASSERT_TRUE(
        insertItem({ .serialno = "s2", .groupno = "2006081010001", .status = "10", .count_num = 10002 }));
    ASSERT_TRUE(stageForReturn("s2", day, "2006081050001", "5", "李四") == 1);
    EXPECT_EQ(NextReturnOrderNo(day, "5"), "2006081050002");
}

INSTANTIATE_BACKENDS(Numbering);
