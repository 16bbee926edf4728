// Every status transition from every status: only the statuses a transition leaves are changed,
// and a station acting on a stale view loses against the one that acted first.
#include "desktop/stock/itemtransitions.h"
#include "stockitems.h"
#include "tests/support/testdatabase.h"

#include <functional>
#include <span>

using namespace korvell;
using stocktest::insertItem;
using stocktest::statusOf;

namespace {

const QDate day(2006, 8, 10);
const QString order = "2006081010001";
const QStringList allStatuses { "30", "20", "00", "31", "10", "32", "01" };

struct Transition {
    const char* name;
    std::function<Changed(const QString& serial)> apply;
    QStringList from;
    QString to; // "gone": the row is removed
};

// Items sit on stock-in order `order` at station 1, on stock-out order "CK" and return order "TK".
const std::vector<Transition> transitions {
    { "book stock-in", [](const QString& s) { return bookStockInItem(s, order, "1"); }, { "30" }, "00" },
    { "remove deleted", [](const QString& s) { return removeDeletedItem(s, order, "1"); }, { "20" }, "gone" },
    // An item on a stock-out or return order is never deleted from its stock-in order.
    { "delete order", [](const QString&) { return deleteStockInOrder(order, "1"); }, {}, "20" },
    { "restore order", [](const QString&) { return restoreStockInOrder(order, "1"); }, { "20" }, "00" },
    { "delete item", [](const QString& s) { return deleteStockInItem(s, order, "1"); }, {}, "20" },
    { "restore item", [](const QString& s) { return restoreStockInItem(s, order, "1"); }, { "20" }, "00" },
    { "stage stock-out", [](const QString& s) { return stageForStockOut(s, day, "CK2", "2", "李四"); },
        { "00", "01" }, "31" },
    { "book stock-out", [](const QString& s) { return bookStockOutItem(s, "CK", "客户", "王五"); }, { "31" },
        "10" },
    { "undo stock-out order", [](const QString&) { return undoStockOutOrder("CK"); }, { "31", "10" }, "00" },
    { "undo stock-out line", [](const QString& s) { return undoStockOutLine(s, "CK"); }, { "31", "10" },
        "00" },
    { "stage return", [](const QString& s) { return stageForReturn(s, day, "TK2", "2", "李四"); }, { "10" },
        "32" },
    { "book return", [](const QString& s) { return bookReturnItem(s, "TK", "王五"); }, { "32" }, "01" },
    { "undo return order", [](const QString&) { return undoReturnOrder("TK"); }, { "32", "01" }, "10" },
    { "undo return line", [](const QString& s) { return undoReturnLine(s, "TK"); }, { "32", "01" }, "10" },
};

} // namespace

class Transitions : public testsupport::DatabaseTest { };

TEST_P(Transitions, FullMatrix)
{
    for (const Transition& t : transitions) {
        for (const QString& from : allStatuses) {
            ASSERT_TRUE(ExecSQL("delete from c_proc_main").ok);
            ASSERT_TRUE(insertItem({ .serialno = "item",
                .groupno = order,
                .status = from,
                .ck_groupno = "CK",
                .tk_groupno = "TK" }));
            const Changed changed = t.apply("item");
            ASSERT_TRUE(changed.has_value()) << t.name;
            const bool leaves = t.from.contains(from);
            EXPECT_EQ(*changed, leaves ? 1 : 0) << t.name << " from " << from.toStdString();
            EXPECT_EQ(statusOf("item"), leaves ? t.to : from) << t.name << " from " << from.toStdString();
        }
    }
}

TEST_P(Transitions, StagingAndUndoWriteTheirOrderColumns)
{
    ASSERT_TRUE(insertItem({ .serialno = "item", .groupno = order, .status = "00" }));
    ASSERT_EQ(stageForStockOut("item", day, "CK9", "4", "李四"), 1);
    EXPECT_EQ(testsupport::scalar("select ck_groupno from c_proc_main").toString(), "CK9");
    EXPECT_EQ(testsupport::scalar("select ck_station_no from c_proc_main").toString(), "4");
    EXPECT_EQ(testsupport::scalar("select ck_op_emp from c_proc_main").toString(), "李四");
    ASSERT_EQ(bookStockOutItem("item", "CK9", "客户甲", "王五"), 1);
    EXPECT_EQ(testsupport::scalar("select ck_comp from c_proc_main").toString(), "客户甲");
    ASSERT_EQ(undoStockOutOrder("CK9"), 1);
    EXPECT_EQ(testsupport::scalar("select ck_groupno from c_proc_main").toString(), "");
    // Other stock-out columns stay until a later staging overwrites them.
    EXPECT_EQ(testsupport::scalar("select ck_comp from c_proc_main").toString(), "客户甲");
}

TEST_P(Transitions, StockInDeletesTakeOnlyItemsOnNoOtherOrder)
{
    const struct {
        QString status, ck, tk;
        int deleted;
    } items[] {
        { "30", "", "", 1 },
        { "00", "", "", 1 }, // in stock again after its stock-out was undone
        { "00", "", "TK", 0 }, // returned, then staged for stock-out and undone: still the returned item
        { "01", "CK", "TK", 0 },
        { "10", "CK", "", 0 },
    };
    for (const auto& i : items) {
        ASSERT_TRUE(ExecSQL("delete from c_proc_main").ok);
        ASSERT_TRUE(insertItem({ .serialno = "item",
            .groupno = order,
            .status = i.status,
            .ck_groupno = i.ck,
            .tk_groupno = i.tk }));
        EXPECT_EQ(deleteStockInItem("item", order, "1"), i.deleted)
            << i.status.toStdString() << i.tk.toStdString();
        EXPECT_EQ(deleteStockInOrder(order, "1"), 0) << "deleted above or never";
    }
}

TEST_P(Transitions, StockInActionsActOnlyOnTheirOwnOrderAndStation)
{
    // The first six transitions are those of stock-in; a weighed item is what a delete takes.
    for (const Transition& t : std::span(transitions).first(6)) {
        ASSERT_TRUE(ExecSQL("delete from c_proc_main").ok);
        const QString from = t.from.isEmpty() ? "30" : t.from.first();
        ASSERT_TRUE(insertItem({ .serialno = "mine", .groupno = order, .status = from }));
        ASSERT_TRUE(insertItem(
            { .serialno = "other order", .groupno = "2006081010002", .status = from, .count_num = 10002 }));
        ASSERT_TRUE(insertItem({ .serialno = "other station",
            .groupno = order,
            .station = "2",
            .status = from,
            .count_num = 20001 }));
        for (const QString serial : { "mine", "other order", "other station" })
            EXPECT_TRUE(t.apply(serial).has_value()) << t.name;
        EXPECT_EQ(statusOf("mine"), t.to) << t.name;
        EXPECT_EQ(statusOf("other order"), from) << t.name;
        EXPECT_EQ(statusOf("other station"), from) << t.name;
    }
}

TEST_P(Transitions, SecondStationLosesTheRace)
{
    // Both stations saw the item in stock and stage it on their own stock-out orders.
    ASSERT_TRUE(insertItem({ .serialno = "item", .groupno = order, .status = "00" }));
    EXPECT_EQ(stageForStockOut("item", day, "2006081020001", "2", "甲"), 1);
    EXPECT_EQ(stageForStockOut("item", day, "2006081030001", "3", "乙"), 0);
    EXPECT_EQ(testsupport::scalar("select ck_groupno from c_proc_main").toString(), "2006081020001");
    // The loser's booking of the item on its order changes nothing either.
    EXPECT_EQ(bookStockOutItem("item", "2006081030001", "客户", "王五"), 0);
    EXPECT_EQ(statusOf("item"), "31");

    // A row shown as deleted is restored by another station before this one books: kept.
    ASSERT_TRUE(insertItem({ .serialno = "restored", .groupno = order, .status = "20", .count_num = 10002 }));
    EXPECT_EQ(restoreStockInItem("restored", order, "1"), 1);
    EXPECT_EQ(removeDeletedItem("restored", order, "1"), 0);
    EXPECT_EQ(statusOf("restored"), "00");

    // A row shown as weighed is deleted by another station before this one books: stays deleted.
    ASSERT_TRUE(insertItem({ .serialno = "deleted", .groupno = order, .count_num = 10003 }));
    EXPECT_EQ(deleteStockInItem("deleted", order, "1"), 1);
    EXPECT_EQ(bookStockInItem("deleted", order, "1"), 0);
    EXPECT_EQ(statusOf("deleted"), "20");
}

TEST_P(Transitions, FailedStatementIsReported)
{
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    toasts.clear();
    const Changed failed = bookStockInItem("x", order, "1");
    EXPECT_FALSE(failed.has_value());
    EXPECT_EQ(failed.trouble, DatabaseTrouble::Refused);
    EXPECT_FALSE(undoReturnOrder("TK").has_value());
    EXPECT_EQ(toasts.lines.size(), 2);
}

INSTANTIATE_BACKENDS(Transitions);
