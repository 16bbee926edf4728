// The road of items through both programs, headless: scale lines on a pseudo-terminal become
// items, they are booked into stock, the terminal's collection writes the collected-data file,
// stock-out imports and books them, and a return takes one back into stock.
#include "desktop/data/loginstate.h"
#include "desktop/stock/collectedserials.h"
#include "desktop/stock/itemtransitions.h"
#include "desktop/stock/orderbooking.h"
#include "desktop/stock/orderstaging.h"
#include "desktop/stock/scalelink.h"
#include "desktop/stock/weighingrecord.h"
#include "generator/link/collect.h"
#include "platform/ui/collecteddatafile.h"
#include "stockitems.h"
#include "tests/support/fakegenerator.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/simterminal.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <unistd.h>

using namespace korvell;
using stocktest::statusOf;

namespace {

const QDate day(2006, 8, 10);
const QString stockInOrder = "2006081010001";
const QString ckOrder = "2006081010001";
const QString tkOrder = "2006081010001";
const QString clerk = "系统管理员";

QString column(const QString& col, const QString& serial)
{
    return testsupport::scalar("select " + col + " from c_proc_main where serialno=?", { serial }).toString();
}

} // namespace

class RoadOfOneItem : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = clerk;
        loginState().station_no = "1";
        qputenv("VOSKET_COM1", terminalLine.slavePath.toLocal8Bit());
    }
    void TearDown() override
    {
        qunsetenv("VOSKET_COM1");
        DatabaseTest::TearDown();
    }

    // Weights sent by the scale, read back through the scale link.
    QList<QByteArray> weigh(const QByteArray& sent)
    {
        linktest::PtyPair scale;
        ScaleLink link;
        EXPECT_TRUE(link.open(scale.slavePath)) << link.errorText().toStdString();
        QList<QByteArray> lines;
        QObject::connect(&link, &ScaleLink::lineReceived, [&](const QByteArray& line) { lines << line; });
        EXPECT_EQ(::write(scale.master, sent.constData(), size_t(sent.size())), sent.size());
        const QDeadlineTimer deadline(10000);
        while (lines.size() < sent.count('\n') && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return lines;
    }

    QList<OrderLine> stagedLines(const OrderKind& kind, const QString& order)
    {
        QList<OrderLine> lines;
        const SqlResult r = ExecSQL(
            "select serialno,proc_sts from c_proc_main where " + kind.orderColumn + "=? order by serialno", { order });
        for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
            lines << OrderLine { rs.value(0).toString(), rs.value(1).toString().trimmed() };
        return lines;
    }

    testsupport::HomeFolder home;
    linktest::PtyPair terminalLine;
    testsupport::ScriptedDialogs dialogs;
};

TEST_P(RoadOfOneItem, WeighedBookedCollectedShippedAndReturned)
{
    const QList<QByteArray> weights = weigh("12.50\r\n13.00\r\n");
    ASSERT_EQ(weights.size(), 2);
    QStringList serials;
    for (const QByteArray& line : weights) {
        ASSERT_TRUE(isWeightFrame(line));
        const auto item = SaveWeighingRecord({ .gross = weightLineText(line),
            .tare = "0.5",
            .spec = "0.35",
            .day = day,
            .order = stockInOrder,
            .model = "A1",
            .team = "11",
            .machineGroup = "J1",
            .inspector = "E1001",
            .auditor = "E1002",
            .producer = "E01",
            .weigher = clerk,
            .station = "1" });
        ASSERT_TRUE(item);
        serials << item->serialno;
        EXPECT_EQ(bookStockInItem(item->serialno, stockInOrder, "1"), 1);
    }
    EXPECT_EQ(serials, (QStringList { "2006081003510001", "2006081003510002" }));

    // The terminal hands the scanned labels to the generator's collection.
    linktest::SimBehaviour behaviour;
    for (const QString& s : serials)
        behaviour.records.push_back(s.toLatin1());
    behaviour.records.push_back("READY"); // not a serial number: skipped by the import
    linktest::SimTerminal terminal(terminalLine, behaviour);
    dialogs.fileNames = { platform::collectedDataFilePath() };
    dialogs.answers = { platform::Answer::No };
    vosket::LinkEnvironment env;
    env.timing = { 500, 250, 25 };
    EXPECT_EQ(vosket::CollectData(env, { 0, 0 }, vosket::Adapter::IrDA), 3);
    terminal.stop();

    const CollectedFile file = readCollectedFile(platform::collectedDataFilePath());
    ASSERT_EQ(file.serials, serials);
    const ImportOutcome out = stageSerials(StockOutOrders, file.serials, { ckOrder, day, "1", clerk });
    EXPECT_EQ(out.staged, 2);
    const BookingOutcome shipped
        = bookOrder(StockOutOrders, { ckOrder, "审核员", "客户甲" }, stagedLines(StockOutOrders, ckOrder));
    EXPECT_EQ(shipped.booked.size(), 2);

    const ImportOutcome back = stageSerials(ReturnOrders, { serials[0] }, { tkOrder, day, "1", clerk });
    EXPECT_EQ(back.staged, 1);
    const BookingOutcome returned
        = bookOrder(ReturnOrders, { tkOrder, "审核员", "" }, stagedLines(ReturnOrders, tkOrder));
    EXPECT_EQ(returned.booked.size(), 1);

    EXPECT_EQ(statusOf(serials[0]), "01");
    EXPECT_EQ(column("tk_groupno", serials[0]), tkOrder);
    EXPECT_EQ(column("tk_sh_emp", serials[0]), "审核员");
    EXPECT_EQ(column("ck_groupno", serials[0]), ckOrder);
    EXPECT_EQ(statusOf(serials[1]), "10");
    EXPECT_EQ(column("ck_comp", serials[1]), "客户甲");
    EXPECT_EQ(column("ck_sh_emp", serials[1]), "审核员");
    EXPECT_EQ(testsupport::rowCount("c_log"), 2);
}

INSTANTIATE_BACKENDS(RoadOfOneItem);
