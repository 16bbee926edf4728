// The order grids of the stock-out and returns windows, the source-order picker and the customer
// search, on both backends.
#include "desktop/stock/customersearch.h"
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/ordersession.h"
#include "desktop/stock/returnsource.h"
#include "stockitems.h"
#include "tests/support/testdatabase.h"

using namespace korvell;
using stocktest::insertItem;

namespace {

const QString ckOrder = "2006081010001";
const QString tkOrder = "2006081010002";

qint64 nextCount = 10001;

// An item staged or booked on ck (at station ckStation) and tk, with its net and gross weight.
bool item(const QString& serial, const QString& status, double net, const QString& ck, const QString& tk = {},
    const QString& ckStation = "1")
{
    const qint64 n = nextCount++;
    return insertItem({ .serialno = serial,
               .groupno = "2006081010001",
               .status = status,
               .gross = net + 0.5,
               .net = net,
               .count_num = n,
               .entered = QDateTime(QDate(2006, 8, 10), QTime(8, 0).addSecs(n % 1000)),
               .ck_groupno = ck,
               .ck_station = ckStation,
               .tk_groupno = tk,
               .tk_station = tk.isEmpty() ? "" : "1" })
        && ExecSQL("update c_proc_main set ck_op_emp='李四',ck_sh_emp='钱芳',tk_op_emp='赵六',jy_emp='周敏',"
                   "sh_emp='吴刚' where serialno=?",
            { serial })
               .ok;
}

// A booked-out item of order on day to customer (Null when empty).
bool bookedOut(const QString& serial, const QString& order, const QDate& day, const QString& customer)
{
    const qint64 n = nextCount++;
    return insertItem({ .serialno = serial,
               .groupno = "2006081010001",
               .status = "10",
               .day = day,
               .count_num = n,
               .ck_groupno = order,
               .ck_station = "1" })
        && ExecSQL("update c_proc_main set ck_comp=? where serialno=?",
            { customer.isEmpty() ? QVariant() : QVariant(customer), serial })
               .ok;
}

QStringList column(const OrderGridFill& fill, int col)
{
    QStringList texts;
    for (const QStringList& row : fill.rows)
        texts << row[col];
    return texts;
}

} // namespace

class OrderGrid : public testsupport::DatabaseTest { };

TEST_P(OrderGrid, StockOutListsTheOrderNewestFirstWithNamesAndTotals)
{
    ASSERT_TRUE(item("s1", "10", 12.5, ckOrder));
    ASSERT_TRUE(item("s2", "01", 12.5, ckOrder)); // came back on a return, still listed
    ASSERT_TRUE(item("s3", "32", 13, ckOrder, tkOrder));
    ASSERT_TRUE(item("other", "10", 9, "2006081010003"));
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_sts='99' where serialno='s1'").ok);

    const auto fill = loadOrderGrid(StockOutGrid, ckOrder, "1");
    ASSERT_TRUE(fill);
    EXPECT_EQ(column(*fill, OrderColSerial), QStringList({ "s3", "s2", "s1" }));
    EXPECT_EQ(column(*fill, OrderColStatusName), QStringList({ "待退库", "退库在库", "" })); // 99 has no name
    EXPECT_EQ(column(*fill, OrderColStatus), QStringList({ "32", "01", "99" }));
    EXPECT_EQ(fill->rows[0],
        QStringList({ "", "s3", "A1", "0.35", "13.5", "13", "待退库", "2006-8-10", "周敏", "吴刚", ckOrder,
            "32", "李四" }));
    EXPECT_EQ(fill->totals, QStringList({ "3", "39.5", "38" }));

    const auto staged = loadOrderGrid(StockOutGrid, ckOrder, "1", "01");
    ASSERT_TRUE(staged);
    EXPECT_EQ(column(*staged, OrderColSerial), QStringList({ "s2" }));
    EXPECT_EQ(staged->totals, QStringList({ "1", "13", "12.5" }));
}

TEST_P(OrderGrid, StockInListsTheSlipNewestFirstWithTotalsOfEveryStatus)
{
    ASSERT_TRUE(
        insertItem({ .serialno = "first", .groupno = ckOrder, .status = "20", .gross = 25.5, .net = 25.0 }));
    ASSERT_TRUE(insertItem({ .serialno = "second",
        .groupno = ckOrder,
        .gross = 24.5,
        .net = 24.0,
        .count_num = 10002,
        .entered = QDateTime(QDate(2006, 8, 10), QTime(8, 0, 10)) }));
    ASSERT_TRUE(insertItem({ .serialno = "third",
        .groupno = ckOrder,
        .status = "99",
        .gross = 0.1,
        .net = 0.2,
        .count_num = 10003,
        .entered = QDateTime(QDate(2006, 8, 10), QTime(8, 0, 10)) }));
    ASSERT_TRUE(
        insertItem({ .serialno = "elsewhere", .groupno = ckOrder, .station = "2", .count_num = 20001 }));
    const auto slip = loadOrderGrid(StockInGrid, ckOrder, "1");
    ASSERT_TRUE(slip);
    EXPECT_EQ(column(*slip, OrderColSerial), QStringList({ "third", "second", "first" }));
    EXPECT_EQ(slip->rows[2][OrderColStatusName], "已删除");
    EXPECT_EQ(slip->rows[2][4], "25.5");
    EXPECT_EQ(slip->rows[2][7], "2006-8-10");
    EXPECT_EQ(slip->rows[0][OrderColStatusName], "");
    EXPECT_EQ(slip->totals, QStringList({ "3", "50.1", "49.2" }));
    EXPECT_EQ(holdsWaitingItems(StockInOrders, ckOrder, "1"), true);
    EXPECT_EQ(holdsWaitingItems(StockInOrders, ckOrder, "3"), false);
}

TEST_P(OrderGrid, ReturnsCountsAndNetOnlyAndShowsTheSourceOrder)
{
    ASSERT_TRUE(item("r1", "32", 12.5, ckOrder, tkOrder));
    ASSERT_TRUE(item("r2", "32", 12.5, ckOrder, tkOrder));
    ASSERT_TRUE(item("r3", "01", 13, ckOrder, tkOrder));

    const auto fill = loadOrderGrid(ReturnGrid, tkOrder, "1");
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->totals, QStringList({ "3", "38" }));
    EXPECT_EQ(fill->rows[0],
        QStringList({ "", "r3", "A1", "0.35", ckOrder, "13", "退库在库", "2006-8-10", "李四", "钱芳", tkOrder,
            "01", "赵六" }));
    EXPECT_EQ(loadOrderGrid(ReturnGrid, tkOrder, "1", "32")->totals, QStringList({ "2", "25" }));
}

TEST_P(OrderGrid, ListsWhatThisStationStagedWhereverItWasWeighed)
{
    ASSERT_TRUE(insertItem({ .serialno = "w2",
        .groupno = "2006081020001",
        .station = "2",
        .status = "31",
        .ck_groupno = ckOrder,
        .ck_station = "1" }));
    ASSERT_TRUE(item("mine", "31", 10, ckOrder));
    ASSERT_TRUE(item("theirs", "31", 10, ckOrder, {}, "2"));

    EXPECT_EQ(
        column(*loadOrderGrid(StockOutGrid, ckOrder, "1"), OrderColSerial), QStringList({ "mine", "w2" }));
    EXPECT_EQ(column(*loadOrderGrid(StockOutGrid, ckOrder, "2"), OrderColSerial), QStringList({ "theirs" }));
}

TEST_P(OrderGrid, WeightTotalsThatCouldNotAddEveryLineSaySo)
{
    ASSERT_TRUE(item("plain", "31", 12.5, ckOrder));
    ASSERT_TRUE(item("nonet", "31", 13, ckOrder));
    ASSERT_TRUE(item("huge", "31", 10, ckOrder));
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_net_wt=null where serialno='nonet'").ok);
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_weight=1e40 where serialno='huge'").ok);

    const auto fill = loadOrderGrid(StockOutGrid, ckOrder, "1");
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->rows[1][5], ""); // the Null weight itself
    EXPECT_EQ(fill->totals, QStringList({ "3", "26.5（1笔未计入）", "22.5（1笔未计入）" }));
}

TEST_P(OrderGrid, AnEmptyOrderGivesNoLinesAndZeroTotals)
{
    const auto fill = loadOrderGrid(StockOutGrid, "2006081010009", "1");
    ASSERT_TRUE(fill);
    EXPECT_TRUE(fill->rows.isEmpty());
    EXPECT_EQ(fill->totals, QStringList({ "0", "0", "0" }));
    EXPECT_EQ(loadOrderGrid(ReturnGrid, "", "1")->totals, QStringList({ "0", "0" }));
    const auto slip = loadOrderGrid(StockInGrid, "2006081010009", "1");
    ASSERT_TRUE(slip);
    EXPECT_TRUE(slip->rows.isEmpty());
    EXPECT_EQ(slip->totals, QStringList({ "0", "0", "0" }));
}

TEST_P(OrderGrid, PickerListsThirteenCharacterOrdersOncePerDayAndCustomer)
{
    const QDate aug10(2006, 8, 10), aug12(2006, 8, 12);
    ASSERT_TRUE(bookedOut("a1", "2006081010001", aug10, "华东电缆"));
    ASSERT_TRUE(bookedOut("a2", "2006081010001", aug10, "华东电缆"));
    ASSERT_TRUE(bookedOut("a3", "2006081010001", aug12, "南方线材"));
    ASSERT_TRUE(bookedOut("b1", "2006081010002", aug12, ""));
    ASSERT_TRUE(bookedOut("b2", "2006081010003", aug12, "Acme Ltd"));
    ASSERT_TRUE(bookedOut("c1", "20060810100001", aug10, "华东电缆")); // station 10: 14 characters
    ASSERT_TRUE(bookedOut("d1", "", aug10, "华东电缆"));

    const auto all = stockOutOrders();
    ASSERT_TRUE(all);
    EXPECT_EQ(*all,
        QStringList({ "2006081010001\t  2006-8-10\t华东电缆", "2006081010001\t  2006-8-12\t南方线材",
            "2006081010002\t  2006-8-12\t", "2006081010003\t  2006-8-12\tAcme Ltd" }));
    EXPECT_EQ(pickedOrderNumber(all->at(1)), "2006081010001");

    const struct {
        QDate from, to;
        QString customer;
        QStringList orders;
    } cases[] {
        { QDate(2006, 8, 9), aug12, "",
            { "2006081010001\t  2006-8-10\t华东电缆", "2006081010001\t  2006-8-12\t南方线材",
                "2006081010003\t  2006-8-12\tAcme Ltd" } },
        { aug12, aug12, "",
            { "2006081010001\t  2006-8-12\t南方线材", "2006081010003\t  2006-8-12\tAcme Ltd" } },
        { QDate(2006, 8, 9), aug12, " 华东 ", { "2006081010001\t  2006-8-10\t华东电缆" } },
        { QDate(2006, 8, 11), aug12, "华东", {} },
        { QDate(2006, 8, 9), aug12, "%", {} },
        { QDate(2006, 8, 9), aug12, "'", {} },
        { aug12, aug12, "ACME", { "2006081010003\t  2006-8-12\tAcme Ltd" } },
    };
    for (const auto& c : cases) {
        const auto found = stockOutOrders(c.from, c.to, c.customer);
        ASSERT_TRUE(found) << c.customer.toStdString();
        EXPECT_EQ(*found, c.orders) << c.from.toString().toStdString() << " " << c.customer.toStdString();
    }
    EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
}

TEST_P(OrderGrid, CustomerSearchFindsTheTypedTextLiterally)
{
    for (const char* name : { "华东电缆", "南方线材", "百分之100%公司", "老王's", "A_B", "Acme Ltd" })
        ASSERT_TRUE(ExecSQL("insert into c_custom (cust_name) values (?)", { QString::fromUtf8(name) }).ok);

    const struct {
        QString typed;
        QStringList names;
    } cases[] {
        { "", { "A_B", "Acme Ltd", "华东电缆", "南方线材", "百分之100%公司", "老王's" } },
        { "aCmE", { "Acme Ltd" } },
        { "  电缆 ", { "华东电缆" } },
        { "%", { "百分之100%公司" } },
        { "'", { "老王's" } },
        { "_", { "A_B" } },
        { "b", { "A_B" } },
        { "无此", {} },
    };
    for (const auto& c : cases) {
        const auto found = customersContaining(c.typed);
        ASSERT_TRUE(found);
        QStringList sorted = *found;
        sorted.sort();
        QStringList expected = c.names;
        expected.sort();
        EXPECT_EQ(sorted, expected) << c.typed.toStdString();
    }
    EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
}

TEST(ReturnSource, MoreThanTenCharactersTakeBackAWholeOrder)
{
    const struct {
        QString text;
        bool whole;
    } cases[] { { "", false }, { "   ", false }, { "1234567890", false }, { "  1234567890  ", false },
        { "12345678901", true }, { " 2006081010001 ", true } };
    for (const auto& c : cases)
        EXPECT_EQ(isWholeOrderReturn(c.text), c.whole) << c.text.toStdString();
}

INSTANTIATE_BACKENDS(OrderGrid);
