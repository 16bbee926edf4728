// The road of items through the windows of both programs' sides: scale lines on a pseudo-terminal
// become items at the weighing station and are booked into stock; the terminal's collection, run
// as the generator of the stock windows, writes the collected-data file; stock-out imports and
// books them, while the server goes away once during the booking, and prints the note; a return
// takes one back into stock after a line staged by mistake is undone.
#include "desktop/data/loginstate.h"
#include "desktop/stock/ckform.h"
#include "desktop/stock/rkform.h"
#include "desktop/stock/tkform.h"
#include "formdriving.h"
#include "generator/link/collect.h"
#include "platform/grid/grid.h"
#include "platform/ui/collecteddatafile.h"
#include "platform/ui/processes.h"
#include "stockitems.h"
#include "tests/support/fakegenerator.h"
#include "tests/support/simterminal.h"

#include <QLineEdit>
#include <QSettings>
#include <unistd.h>

using namespace korvell;
using stocktest::child;
using stocktest::click;
using stocktest::statusOf;

namespace {

void choose(QWidget* form, const QString& box, int index)
{
    auto* combo = child<QComboBox>(form, box);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The generator the stock windows start: it collects the terminal's records into the
// collected-data file, as Vosket's collection does, with the terminal on a pseudo-terminal.
class CollectingGenerator final : public platform::Processes {
public:
    explicit CollectingGenerator(testsupport::ScriptedDialogs& dialogs)
        : dialogs(dialogs)
    {
        previous = platform::setProcesses(this);
        qputenv("VOSKET_COM1", line.slavePath.toLocal8Bit());
    }
    ~CollectingGenerator() override
    {
        qunsetenv("VOSKET_COM1");
        platform::setProcesses(previous);
    }

    QStringList scanned; // what the terminal holds at the next run

    bool startAndWait(const QString&, const QStringList&) override
    {
        linktest::SimBehaviour behaviour;
        for (const QString& s : scanned)
            behaviour.records.push_back(s.toLatin1());
        behaviour.records.push_back("READY"); // not a serial number: skipped by the import
        linktest::SimTerminal terminal(line, behaviour);
        dialogs.fileNames = { platform::collectedDataFilePath() };
        dialogs.answers = { platform::Answer::Yes }; // replace the file of the last collection
        vosket::LinkEnvironment env;
        env.timing = { 500, 250, 25 };
        collected = vosket::CollectData(env, { 0, 0 }, vosket::Adapter::IrDA);
        terminal.stop();
        return true;
    }
    bool startDetached(const QString&, const QStringList&) override { return false; }

    int collected = 0;

private:
    testsupport::ScriptedDialogs& dialogs;
    linktest::PtyPair line;
    platform::Processes* previous = nullptr;
};

} // namespace

class RoadOfOneItem : public stocktest::WindowTest {
protected:
    bool withDemoData() const override { return true; }

    void prepare() override
    {
        WindowTest::prepare();
        QSettings ini(loginState().myapppath + "korvell.ini", QSettings::IniFormat);
        ini.setValue("scale/port", scale.slavePath);
    }

    // Weighs each line on the scale, waiting for its item; gives the serial numbers.
    QStringList weigh(rkform* form, const QList<QByteArray>& weights)
    {
        for (int box = 0; box < 5; ++box)
            choose(form, QString("Combo1_%1").arg(box), 0);
        choose(form, "Combo2", 0);
        click(form, "Command1_0");
        EXPECT_TRUE(form->isWeighing());
        const int before = testsupport::rowCount("c_proc_main");
        for (int i = 0; i < weights.size(); ++i) {
            EXPECT_EQ(
                ::write(scale.master, weights[i].constData(), size_t(weights[i].size())), weights[i].size());
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return testsupport::rowCount("c_proc_main") == before + i + 1; }, 20000));
        }
        click(form, "Command1_0");
        QStringList serials;
        const platform::SheetModel& grid = form->Grid1->sheet();
        for (int r = grid.rows() - 1; r >= 1; --r)
            serials << grid.cellText(r, 1);
        return serials;
    }

    linktest::PtyPair scale;
    testsupport::HomeFolder home;
    CollectingGenerator generator { dialogs };
};

TEST_P(RoadOfOneItem, WeighedBookedCollectedShippedAndReturned)
{
    auto station = open<rkform>();
    const QStringList serials = weigh(station.get(), { "12.50\r\n", "13.00\r\n", "14.00\r\n" });
    ASSERT_EQ(serials, (QStringList { "2006081003510001", "2006081003510002", "2006081003510003" }));
    EXPECT_EQ(printers.files.size(), 3);
    click(station.get(), "Command1_1");
    for (const QString& s : serials)
        EXPECT_EQ(statusOf(s), "00");

    // Stock-out: the server goes away at the second line of the booking. Nothing is lost, nothing
    // is booked twice, the order waits until it is back.
    auto out = open<ckform>();
    const QString ckOrder = out->orderNumber();
    generator.scanned = serials;
    click(out.get(), "Command1_0");
    EXPECT_EQ(generator.collected, 4);
    EXPECT_EQ(toasts.last(), "数据已经导入！||1");
    EXPECT_EQ(out->orderLines().size(), 3);
    stocktest::fillBooking(out.get(), "客户甲");
    ASSERT_TRUE(stocktest::failUpdatesOf(serials[1]));
    {
        stocktest::ServerStaysAway away;
        click(out.get(), "Command1_1");
        EXPECT_TRUE(toasts.last().startsWith("货物出库没有全部完成！|")) << toasts.last().toStdString();
        EXPECT_FALSE(out->close());
    }
    ASSERT_TRUE(stocktest::stopFailingUpdates());
    QTest::mouseClick(child<QLineEdit>(out.get(), "printflg"), Qt::LeftButton); // print at once
    click(out.get(), "Command1_1");
    EXPECT_TRUE(toasts.lines.contains("本单数据已经全部出库！||1")); // the print then closes it
    EXPECT_EQ(printers.files.size(), 4) << "three labels and the stock-out note";
    for (const QString& s : serials) {
        EXPECT_EQ(statusOf(s), "10");
        EXPECT_EQ(stocktest::columnOf("ck_groupno", s), ckOrder);
        EXPECT_EQ(stocktest::columnOf("ck_comp", s), "客户甲");
    }
    // One line for the part booked before the server went, one for the rest.
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将出库单号为" + ckOrder + "的产品出库" }), 2);
    EXPECT_TRUE(out->close());

    // A return takes the first one back; the second, scanned by mistake, is undone.
    auto back = open<tkform>();
    generator.scanned = { serials[0], serials[1] };
    click(back.get(), "Command1_0");
    ASSERT_EQ(back->orderLines().size(), 2);
    const int mistaken = back->Grid1->sheet().cellText(1, 1) == serials[1] ? 1 : 2;
    back->Grid1->setActiveCell(mistaken, 1);
    click(back.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！|仍然变为出库状态|1");
    EXPECT_EQ(back->orderLines().size(), 1);
    stocktest::fillBooking(back.get());
    click(back.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "本单数据已经全部退库！||1");
    EXPECT_EQ(statusOf(serials[0]), "01");
    EXPECT_EQ(stocktest::columnOf("tk_groupno", serials[0]), back->orderNumber());
    EXPECT_EQ(stocktest::columnOf("ck_groupno", serials[0]), ckOrder);
    EXPECT_EQ(statusOf(serials[1]), "10");
    EXPECT_EQ(stocktest::columnOf("tk_groupno", serials[1]), "");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg like ?", { "将%" }), 4);
}

INSTANTIATE_BACKENDS(RoadOfOneItem);
