// The weighing station window, offscreen, against a real database: choices, start and stop,
// simulated and scale weighing (a pseudo-terminal plays the scale), labels, booking, closing.
#include "desktop/data/dsn.h"
#include "desktop/data/loginstate.h"
#include "desktop/stock/rkform.h"
#include "formdriving.h"
#include "stockitems.h"
#include "tests/support/lockholder.h"
#include "tests/support/simterminal.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QToolButton>
#include <unistd.h>

using namespace korvell;
using stocktest::child;
using stocktest::click;
using stocktest::enabled;
using stocktest::insertItem;
using stocktest::pickDay;
using stocktest::statusOf;
using stocktest::text;

namespace {

// The scale: it sends on the master end of a pseudo-terminal pair whose other end the window opens.
using PtyScale = linktest::PtyPair;

void send(PtyScale& scale, const QByteArray& bytes)
{
    ASSERT_EQ(::write(scale.master, bytes.data(), size_t(bytes.size())), bytes.size());
}

// The simulated scale's step in tests: long enough that a loaded machine still sees each item
// before the next one, so a stop right after the n-th item finds exactly n.
constexpr int simulationStepMs = 250;

// Runs events until done() holds or twenty seconds have passed (a loaded machine is slow).
template <typename F> bool waitFor(F done)
{
    return QTest::qWaitFor(done, 20000);
}

} // namespace

class RkForm : public stocktest::WindowTest {
protected:
    void prepare() override
    {
        for (const char* sql : { "insert into c_procname (procid,procname,procmsg,nullweight) values "
                                 "('A1','0.35','电缆A',0.5),('B2','1.2','电缆B',1.2)",
                 "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values ('11','甲班','','')",
                 "insert into c_jzname (jzid,jzname,jzmsg,jzdesc) values ('J1','一号机组','','')",
                 "insert into c_employee (emp_id,emp_name,bz_id,jz_id,emp_desc) values "
                 "('E01','王工','11','J1',''),"
                 "('E1001','检验员','1001','J1',''),('E1002','审核员','1002','J1','')" })
            ASSERT_TRUE(ExecSQL(sql).ok) << sql;
        WindowTest::prepare();
        loginState().compphone = "0512-66887700";
        setScalePort("/dev/korvell-no-such-scale");
    }

    void setScalePort(const QString& device)
    {
        QSettings ini(loginState().myapppath + "korvell.ini", QSettings::IniFormat);
        ini.setValue("scale/port", device);
    }

    static bool wholeOrderIcon(QWidget* form, QStyle::StandardPixmap icon)
    {
        return child<QToolButton>(form, "Command2_2")->icon().pixmap(16).toImage()
            == form->style()->standardIcon(icon).pixmap(16).toImage();
    }
    static bool lamp(QWidget* form, int on)
    {
        return child<QLabel>(form, QString("Imageonoff_%1").arg(on))->isVisible();
    }

    // Picks the item of a list whose code is code, as the user would.
    static void choose(QWidget* form, const QString& box, const QString& code)
    {
        auto* combo = child<QComboBox>(form, box);
        const int i = combo->findText(code, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << code.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    static void chooseAll(QWidget* form)
    {
        choose(form, "Combo1_0", "A1");
        choose(form, "Combo2", "E01");
        choose(form, "Combo1_3", "E1001");
        choose(form, "Combo1_4", "E1002");
    }
    static void toggleSimulation(QWidget* form)
    {
        QTest::mouseClick(child<QLineEdit>(form, "Text7"), Qt::LeftButton);
    }
    // Chooses all, marks the simulation and starts weighing.
    static void startSimulated(rkform* form)
    {
        form->setSimulationInterval(simulationStepMs);
        chooseAll(form);
        if (text(form, "Text7").isEmpty())
            toggleSimulation(form);
        click(form, "Command1_0");
    }
    static int items() { return testsupport::rowCount("c_proc_main"); }
    // The window names a weight whose item was not stored.
    static bool markedUnstored(QWidget* form) { return child<QLabel>(form, "UnstoredWeight")->isVisible(); }

    // Weighs n simulated items and stops.
    static void weighSimulated(rkform* form, int n)
    {
        const int before = items();
        startSimulated(form);
        ASSERT_TRUE(form->isWeighing());
        ASSERT_TRUE(waitFor([&] { return items() >= before + n; }));
        click(form, "Command1_0");
    }

    // Opens the window and starts weighing with a pseudo-terminal as the scale.
    std::unique_ptr<rkform> openOnScale(const PtyScale& scale)
    {
        setScalePort(scale.slavePath);
        auto form = open<rkform>();
        chooseAll(form.get());
        click(form.get(), "Command1_0");
        EXPECT_TRUE(form->isWeighing()) << toasts.last().toStdString();
        return form;
    }

    // The barcode of a printed label, read back from its PDF.
    QString labelBarcode(const QString& pdf)
    {
        const QString png = printouts.filePath("page");
        QProcess::execute("pdftoppm", { "-png", "-r", "200", "-singlefile", pdf, png });
        QProcess zbar;
        zbar.start("zbarimg", { "--raw", "-q", png + ".png" });
        zbar.waitForFinished(20000);
        return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
    }
};

TEST_P(RkForm, OpensOnTodayWithANewOrderAndTheLists)
{
    ASSERT_TRUE(insertItem({ .serialno = "old", .groupno = "2006081010001", .status = "00" }));
    auto form = open<rkform>();
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-10");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    EXPECT_EQ(text(form.get(), "Text6"), "系统管理员");
    auto* products = child<QComboBox>(form.get(), "Combo1_0");
    EXPECT_EQ(products->count(), 2);
    EXPECT_EQ(products->itemText(0), "A1      |电缆A");
    EXPECT_EQ(products->currentText(), "请选择");
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_3")->count(), 1);
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_4")->count(), 1);
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo2")->count(), 3);
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
}

TEST_P(RkForm, ChoosingFillsSpecificationTareTeamAndMachineGroup)
{
    auto form = open<rkform>();
    choose(form.get(), "Combo1_0", "B2");
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_0")->currentText(), "B2");
    EXPECT_EQ(text(form.get(), "Text4"), "1.2");
    EXPECT_EQ(text(form.get(), "Text5"), "1.2");
    choose(form.get(), "Combo2", "E01");
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo2")->currentText(), "E01");
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_1")->currentText(), "11");
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_2")->currentText(), "J1");

    // A product whose data could not be read keeps nothing of the last one: no item is weighed
    // with another product's size and tare.
    ASSERT_TRUE(ExecSQL("alter table c_procname rename to away"));
    choose(form.get(), "Combo1_0", "A1");
    EXPECT_EQ(text(form.get(), "Text4"), "");
    EXPECT_EQ(text(form.get(), "Text5"), "");
}

TEST_P(RkForm, StartNeedsEveryRequiredChoiceAndAStopWithoutItemsIsIdle)
{
    auto form = open<rkform>();
    choose(form.get(), "Combo1_0", "A1");
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "请选择生产班组||1");
    EXPECT_FALSE(form->isWeighing());
    EXPECT_EQ(child<QPushButton>(form.get(), "Command1_0")->text(), "开始称重");
    EXPECT_EQ(items(), 0);
    // Stopped before an item came, the window is idle again.
    startSimulated(form.get());
    click(form.get(), "Command1_0");
    EXPECT_EQ(toasts.last(), "用户终止称重操作！||1");
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    EXPECT_EQ(form->hxsrk(), 0);
}

TEST_P(RkForm, RightsTenDisableStartAndAreCheckedAtTheClick)
{
    loginState().gyname = "没有权限的人";
    auto locked = open<rkform>();
    EXPECT_FALSE(enabled(locked.get(), "Command1_0"));

    loginState().gyname = "系统管理员";
    auto form = open<rkform>();
    chooseAll(form.get());
    loginState().gyname = "没有权限的人"; // the rights changed since the window opened
    click(form.get(), "Command1_0");
    EXPECT_FALSE(form->isWeighing());
    EXPECT_EQ(toasts.last(), "您没有称重入库的权限！|请与管理员联系|1");
}

TEST_P(RkForm, SimulationWeighsTheKnownSequenceAndPrintsEachLabel)
{
    auto form = open<rkform>();
    form->setSimulationInterval(simulationStepMs);
    chooseAll(form.get());
    toggleSimulation(form.get());
    EXPECT_EQ(text(form.get(), "Text7"), "★");
    click(form.get(), "Command1_0");
    ASSERT_TRUE(form->isWeighing());
    EXPECT_EQ(toasts.last(), "正在连续称重！|按停止称重方能做入库|1");
    // The mark is locked while weighing runs.
    toggleSimulation(form.get());
    EXPECT_EQ(text(form.get(), "Text7"), "★");
    ASSERT_TRUE(waitFor([] { return items() >= 3; }));
    click(form.get(), "Command1_0");
    EXPECT_FALSE(form->isWeighing());
    ASSERT_EQ(items(), 3);
    const auto r = ExecSQL("select proc_weight,proc_net_wt,serialno from c_proc_main order by count_num");
    QStringList weights, serials;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext()) {
        weights << QString::number(rs.value(0).toDouble()) + "/" + QString::number(rs.value(1).toDouble());
        serials << rs.value(2).toString();
    }
    EXPECT_EQ(weights, QStringList({ "70.55/70.05", "53.34/52.84", "57.95/57.45" }));
    EXPECT_EQ(serials[2], "2006081003510003");
    EXPECT_EQ(printers.files.size(), 3);
    EXPECT_EQ(text(form.get(), "Text8_0"), "3");
    EXPECT_EQ(text(form.get(), "Text8_1"), "181.84");
    EXPECT_EQ(text(form.get(), "Text8_2"), "180.34");
    auto* grid = child<platform::Grid>(form.get(), "Grid1");
    EXPECT_EQ(grid->sheet().cellText(1, 1), "2006081003510003"); // newest first
    EXPECT_EQ(toasts.last(), "点击货物入库后才能保存|入库后方能接着称重！|1");
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk(), 1);
}

TEST_P(RkForm, BookingAMixOfStatuses)
{
    auto form = open<rkform>();
    const QString order = text(form.get(), "Text1");
    ASSERT_TRUE(insertItem({ .serialno = "weighed", .groupno = order, .count_num = 10001 }));
    ASSERT_TRUE(insertItem({ .serialno = "deleted", .groupno = order, .status = "20", .count_num = 10002 }));
    ASSERT_TRUE(insertItem({ .serialno = "instock", .groupno = order, .status = "00", .count_num = 10003 }));
    // One simulated weight puts the fixture's items into the grid with it.
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    auto* grid = child<platform::Grid>(form.get(), "Grid1");
    ASSERT_EQ(grid->sheet().rows(), 5);

    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("weighed"), "00");
    EXPECT_EQ(statusOf("deleted"), "gone");
    EXPECT_EQ(statusOf("instock"), "00");
    EXPECT_EQ(statusOf(grid->sheet().cellText(1, 1)), "00");
    EXPECT_EQ(toasts.last(), "本单数据已经全部入库！||1");
    EXPECT_EQ(grid->sheet().rows(), 5); // the removed row stays in the grid
    QStringList names;
    for (int r = 1; r < 5; ++r)
        names << grid->sheet().cellText(r, 1) + ":" + grid->sheet().cellText(r, 6);
    EXPECT_TRUE(names.contains("weighed:已经入库"));
    EXPECT_TRUE(names.contains("instock:在库"));
    EXPECT_TRUE(names.contains("deleted:已删除"));
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg=?", { "将入库单号为" + order + "的所有产品入库" }), 1);
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
}

TEST_P(RkForm, FailedBookingKeepsTheItemsWaitingAndTheWindowOpen)
{
    auto form = open<rkform>();
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    click(form.get(), "Command1_2");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(toasts.last(), "本入库单有货物待入库！|请入库后再退出！！|1");
    // The items' status can no longer be read or written.
    ASSERT_TRUE(ExecSQL("alter table c_proc_main rename to c_proc_main_away").ok);
    click(form.get(), "Command1_1");
    EXPECT_TRUE(toasts.last().startsWith("货物入库没有全部完成！"));
    EXPECT_EQ(form->hxsrk(), 1) << "nothing was booked, so the order still waits";
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    click(form.get(), "Command1_2");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg like ?", { "将入库单号为%" }), 0);
    ASSERT_TRUE(ExecSQL("alter table c_proc_main_away rename to c_proc_main").ok);
    EXPECT_EQ(testsupport::rowCount("c_proc_main", "proc_sts=?", { "30" }), 1);
    click(form.get(), "Command1_1");
    EXPECT_TRUE(toasts.last().startsWith("本单数据已经全部入库！"));
    EXPECT_EQ(form->hxsrk(), 0);
    click(form.get(), "Command1_2");
    EXPECT_FALSE(form->isVisible());
}

TEST_P(RkForm, BookingAnEmptyGridLogsNothing)
{
    auto form = open<rkform>();
    auto* book = child<QPushButton>(form.get(), "Command1_1");
    book->setEnabled(true);
    book->click();
    EXPECT_EQ(toasts.last(), "没有货物数据可以入库！||1");
    EXPECT_EQ(testsupport::rowCount("c_log", "logmsg like ?", { "将入库单号为%" }), 0);
}

TEST_P(RkForm, ItemsAGridRefillMissedCanStillBeBooked)
{
    auto form = open<rkform>();
    // The item is stored but the order grid cannot be refilled after it.
    ASSERT_TRUE(ExecSQL("alter table c_main_sts rename to c_main_sts_away").ok);
    startSimulated(form.get());
    ASSERT_TRUE(waitFor([] { return items() >= 1; }));
    ASSERT_TRUE(ExecSQL("alter table c_main_sts_away rename to c_main_sts").ok);
    auto* grid = child<platform::Grid>(form.get(), "Grid1");
    EXPECT_EQ(grid->sheet().rows(), 1);
    EXPECT_EQ(form->hxsrk(), 1);

    click(form.get(), "Command1_0");
    EXPECT_EQ(grid->sheet().rows(), items() + 1);
    EXPECT_EQ(toasts.last(), "点击货物入库后才能保存|入库后方能接着称重！|1");
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    click(form.get(), "Command1_1");
    EXPECT_EQ(testsupport::rowCount("c_proc_main", "proc_sts=?", { "30" }), 0);
    EXPECT_EQ(form->hxsrk(), 0);
    click(form.get(), "Command1_2");
    EXPECT_FALSE(form->isVisible());
}

TEST_P(RkForm, EveryOpeningReadsTheUserTheListsAndTheRightsAgainAndStartsIdle)
{
    loginState().gyname = "没有权限的人";
    auto form = open<rkform>();
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    click(form.get(), "Command1_2");
    ASSERT_FALSE(form->isVisible());

    // Another user logged in and a product was added while the window was closed.
    loginState().gyname = "系统管理员";
    ASSERT_TRUE(ExecSQL("insert into c_procname (procid,procname,procmsg,nullweight) values "
                        "('C3','0.5','电缆C',0.2)")
                    .ok);
    form->show();
    EXPECT_EQ(text(form.get(), "Text6"), "系统管理员");
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    for (const char* name : { "Command2_2", "Command2_3" })
        EXPECT_TRUE(child<QToolButton>(form.get(), name)->isEnabled()) << name;
    choose(form.get(), "Combo1_0", "C3");
    EXPECT_EQ(text(form.get(), "Text4"), "0.5");
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    EXPECT_EQ(testsupport::scalar("select op_emp from c_proc_main").toString(), "系统管理员");

    // Joining the booked order and stopping at once leaves nothing to book but the book button on.
    click(form.get(), "Command1_1");
    dialogs.answers = { platform::Answer::No };
    click(form.get(), "Command1_0");
    click(form.get(), "Command1_0");
    ASSERT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(form->hxsrk(), 0);
    click(form.get(), "Command1_2");
    ASSERT_FALSE(form->isVisible());
    // Opened again, the window is idle and shows no values of the last product.
    form->show();
    EXPECT_TRUE(enabled(form.get(), "Command1_0"));
    EXPECT_FALSE(enabled(form.get(), "Command1_1"));
    EXPECT_EQ(child<platform::Grid>(form.get(), "Grid1")->sheet().rows(), 1);
    for (const char* name : { "Text4", "Text5", "Text2" })
        EXPECT_EQ(text(form.get(), name), "") << name;
    EXPECT_EQ(child<QComboBox>(form.get(), "Combo1_0")->currentText(), "请选择");
}

TEST_P(RkForm, StartWithItemsAsksForANewOrder)
{
    auto form = open<rkform>();
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    click(form.get(), "Command1_1");
    const QString first = text(form.get(), "Text1");

    dialogs.answers = { platform::Answer::No };
    click(form.get(), "Command1_0");
    EXPECT_EQ(dialogs.messages.last(),
        "友情提示|需要产生新的入库单号吗？，如果不点确定本次称重的货物将并入单号为" + first + " 的入库单！");
    EXPECT_EQ(text(form.get(), "Text1"), first);
    click(form.get(), "Command1_0");
    click(form.get(), "Command1_1");

    dialogs.answers = { platform::Answer::Yes };
    click(form.get(), "Command1_0");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010002");
    EXPECT_EQ(child<platform::Grid>(form.get(), "Grid1")->sheet().rows(), 1);
    EXPECT_EQ(text(form.get(), "Text8_0"), "0");
    click(form.get(), "Command1_0");
}

TEST_P(RkForm, NoPrinterKeepsTheItem)
{
    printers.available = false;
    auto form = open<rkform>();
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    EXPECT_TRUE(toasts.lines.filter("没有可用的打印机，标签未打印！").size() >= 1);
    EXPECT_EQ(form->hxsrk(), 1);
}

TEST_P(RkForm, ScaleLinesBecomeItems)
{
    PtyScale scale;
    auto form = openOnScale(scale);
    EXPECT_TRUE(lamp(form.get(), 1));
    EXPECT_FALSE(lamp(form.get(), 0));

    send(scale, "12.34\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 1; }));
    EXPECT_EQ(text(form.get(), "Text2"), "12.34");
    EXPECT_DOUBLE_EQ(testsupport::scalar("select proc_weight from c_proc_main").toDouble(), 12.34);
    EXPECT_DOUBLE_EQ(testsupport::scalar("select proc_net_wt from c_proc_main").toDouble(), 11.84);
    EXPECT_EQ(testsupport::scalar("select serialno from c_proc_main").toString(), "2006081003510001");
    EXPECT_EQ(printers.files.size(), 1);

    // A line in two pieces is one item however the pieces are read; a rejected line shows but
    // stores nothing.
    send(scale, "25.5");
    send(scale, "0\r\n123.4\r\n");
    ASSERT_TRUE(waitFor([&form] { return text(form.get(), "Text2") == "123.4"; }));
    EXPECT_EQ(items(), 2);
    // Two lines in one chunk are two items.
    send(scale, " 9.80\r\n05.60\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 4; }));
    ASSERT_EQ(printers.files.size(), 4);
    // Each label carries its own item.
    EXPECT_EQ(labelBarcode(printers.files[2]), "2006081003510003");
    EXPECT_EQ(labelBarcode(printers.files[3]), "2006081003510004");

    click(form.get(), "Command1_0");
    EXPECT_TRUE(lamp(form.get(), 0));
    EXPECT_FALSE(lamp(form.get(), 1));
    // A line sent after the stop is never read: weighing again starts with a clean port, and the
    // next line is the next item.
    send(scale, "33.33\r\n");
    click(form.get(), "Command1_1");
    click(form.get(), "Command1_0");
    ASSERT_TRUE(form->isWeighing());
    send(scale, "44.44\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 5; }));
    EXPECT_EQ(testsupport::rowCount("c_proc_main", "proc_weight=?", { 33.33 }), 0);
    click(form.get(), "Command1_0");
}

TEST_P(RkForm, MissingScalePortLeavesTheWindowStopped)
{
    ASSERT_TRUE(insertItem({ .serialno = "booked", .groupno = "2006081010001", .status = "00" }));
    auto form = open<rkform>();
    click(form.get(), "Command2_0");
    chooseAll(form.get());
    dialogs.answers = { platform::Answer::Yes };
    click(form.get(), "Command1_0");
    EXPECT_FALSE(form->isWeighing());
    EXPECT_EQ(text(form.get(), "Text1") + text(form.get(), "Text8_0"), "20060810100020") << "the new order";
    EXPECT_TRUE(toasts.last().startsWith("电子称串口打开失败！|/dev/korvell-no-such-scale"))
        << toasts.last().toStdString();
    EXPECT_EQ(child<QPushButton>(form.get(), "Command1_0")->text(), "开始称重");
    EXPECT_TRUE(lamp(form.get(), 0));
}

TEST_P(RkForm, VanishingScaleStopsTheWindow)
{
    auto scale = std::make_unique<PtyScale>();
    auto form = openOnScale(*scale);
    send(*scale, "12.34\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 1; }));
    scale.reset();
    ASSERT_TRUE(waitFor([&form] { return !form->isWeighing(); }));
    EXPECT_TRUE(toasts.last().contains("电子称连接中断")) << toasts.last().toStdString();
    EXPECT_EQ(child<QPushButton>(form.get(), "Command1_0")->text(), "开始称重");
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_TRUE(lamp(form.get(), 0));
}

TEST_P(RkForm, OrderButtonModesFollowTheRows)
{
    auto form = open<rkform>();
    const QString order = text(form.get(), "Text1");
    ASSERT_TRUE(insertItem({ .serialno = "first", .groupno = order, .status = "20", .count_num = 10001 }));
    ASSERT_TRUE(insertItem({ .serialno = "second",
        .groupno = order,
        .count_num = 10002,
        .entered = QDateTime(QDate(2006, 8, 10), QTime(8, 1)) }));
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    auto* whole = child<QToolButton>(form.get(), "Command2_2");
    auto* single = child<QToolButton>(form.get(), "Command2_3");
    auto* grid = child<platform::Grid>(form.get(), "Grid1");
    ASSERT_EQ(grid->sheet().rows(), 4);
    // The item weighed first (the last row) is deleted: the whole order offers restoring.
    EXPECT_EQ(grid->sheet().cellText(3, 1), "first");
    EXPECT_EQ(whole->toolTip(), "恢复删除的该入库单货物");
    // The deleted row is counted in the totals.
    EXPECT_EQ(text(form.get(), "Text8_0"), "3");

    const auto clickRow = [grid](int row) {
        grid->setActiveCell(row, 1);
        emit grid->clicked();
    };
    clickRow(3);
    EXPECT_EQ(single->toolTip(), "单笔恢复删除的入库货物");
    clickRow(1);
    EXPECT_EQ(single->toolTip(), "单笔删除入库货物");
    clickRow(3);
    clickRow(0);
    EXPECT_EQ(single->toolTip(), "单笔删除入库货物");
    // A click on the row already active reads its status again.
    grid->setActiveCell(1, 1);
    grid->sheet().setCellText(1, 11, "20");
    QTest::mouseClick(
        grid->viewport(), Qt::LeftButton, {}, QPoint(5, platform::SheetModel::defaultRowHeight + 5));
    EXPECT_EQ(single->toolTip(), "单笔恢复删除的入库货物");

    // Only a later item deleted: the whole order offers deleting again.
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_sts='30' where serialno='first'").ok);
    ASSERT_TRUE(ExecSQL("update c_proc_main set proc_sts='20' where serialno='second'").ok);
    click(form.get(), "Command1_1");
    weighSimulated(form.get(), 1);
    EXPECT_EQ(whole->toolTip(), "全部删除该入库单货物");
    ASSERT_TRUE(ExecSQL("update c_proc_main set op_emp='张三'")); // a refused delete turns the icon
    click(form.get(), "Command2_2");
    clickRow(1);
    EXPECT_TRUE(wholeOrderIcon(form.get(), QStyle::SP_BrowserReload)) << "rows leave the order's icon";
}

TEST_P(RkForm, CalendarChoiceGivesTheDayAndANewOrder)
{
    auto form = open<rkform>();
    // A day for which no number can be drawn is not taken.
    loginState().station_no = "0";
    pickDay(form.get(), QDate(2006, 8, 12));
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-10");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010001");
    loginState().station_no = "1";

    pickDay(form.get(), QDate(2006, 8, 12));
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-12");
    EXPECT_EQ(text(form.get(), "Text1"), "2006081210001");
    weighSimulated(form.get(), 1);
    EXPECT_EQ(testsupport::scalar("select serialno from c_proc_main").toString(), "2006081203510001");

    // While items wait for booking the day stays.
    pickDay(form.get(), QDate(2006, 8, 13));
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-12");
    EXPECT_EQ(toasts.last(), "本入库单有货物待入库！|请入库后再更改入库日期！|1");
}

TEST_P(RkForm, WeightsNotStoredPrintNoLabelAndWeighingGoesOn)
{
    // The serial number the next item gets is taken by an item of another order.
    ASSERT_TRUE(insertItem(
        { .serialno = "2006081003510001", .groupno = "2006081010005", .status = "00", .count_num = 10000 }));
    PtyScale scale;
    auto form = openOnScale(scale);
    send(scale, "12.3x\r\n");
    ASSERT_TRUE(waitFor(
        [this] { return toasts.last() == "重量12.3x的货物没有保存！|当前重量不是数字，请重新称重|1"; }));
    EXPECT_EQ(items(), 1) << "nothing stored";
    send(scale, "12.34\r\n");
    ASSERT_TRUE(waitFor([this] {
        return toasts.last() == "重量12.34的货物没有保存！|数据库发生错误: 数据重复，请重新称重|1";
    }));
    EXPECT_EQ(printers.files.size(), 0);
    EXPECT_EQ(form->hxsrk(), 0);
    EXPECT_TRUE(form->isWeighing());
    EXPECT_TRUE(markedUnstored(form.get()));
    send(scale, "123.4\r\n");
    ASSERT_TRUE(waitFor([&form] { return text(form.get(), "Text2") == "123.4"; }));
    EXPECT_TRUE(markedUnstored(form.get()));
    ASSERT_TRUE(ExecSQL("delete from c_proc_main").ok);
    send(scale, "12.35\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 1; }));
    EXPECT_EQ(printers.files.size(), 1);
    EXPECT_EQ(form->hxsrk(), 1);
    EXPECT_TRUE(markedUnstored(form.get())) << "until the operator dismisses it";
    click(form.get(), "Command1_0");
}

TEST_P(RkForm, WeightsLostUnderALockAreAllNamedUntilDismissed)
{
    PtyScale scale;
    auto form = openOnScale(scale);
    auto* unstored = child<QLabel>(form.get(), "UnstoredWeight");
    ASSERT_TRUE(unstored);
    EXPECT_FALSE(unstored->isVisible());
    const QString bothLost = "重量21.01、22.02的货物没有保存，请重新称重！";
    {
        testsupport::LockHolder holder(GetConnString(), "c_proc_main");
        ASSERT_TRUE(holder.holding());
        send(scale, "21.01\r\n");
        send(scale, "22.02\r\n");
        ASSERT_TRUE(waitFor([&] { return unstored->text() == bothLost; })) << unstored->text().toStdString();
    }
    EXPECT_EQ(items(), 0);
    EXPECT_EQ(printers.files.size(), 0);
    EXPECT_EQ(toasts.last(), "重量22.02的货物没有保存！|数据被其他工作站占用，请重新称重|1");
    EXPECT_TRUE(unstored->toolTip().contains("21.01、22.02"));
    for (const QString& line : toasts.lines)
        for (const char* raw : { "ERROR", "lock", "PREPARE", "qpsql" })
            EXPECT_FALSE(line.contains(raw, Qt::CaseInsensitive)) << line.toStdString();
    // A stored item leaves the line; the operator puts it away.
    send(scale, "12.35\r\n");
    ASSERT_TRUE(waitFor([] { return items() == 1; }));
    EXPECT_TRUE(unstored->isVisible());
    EXPECT_EQ(unstored->text(), bothLost);
    QTest::mouseClick(unstored, Qt::LeftButton);
    EXPECT_FALSE(unstored->isVisible());
    ASSERT_TRUE(ExecSQL("update c_procname set procname='x' where procid='A1'").ok);
    choose(form.get(), "Combo1_0", "A1");
    send(scale, "12.36\r\n");
    ASSERT_TRUE(waitFor([&] { return unstored->isVisible(); }));
    EXPECT_EQ(unstored->text(), "重量12.36的货物没有保存，请重新称重！");
    click(form.get(), "Command1_0");
}

// An order of yesterday left unbooked: left, booked by those who may, or released; what is weighed
// after it is today's.
TEST_P(RkForm, AnOrderOfYesterdayLeftUnbookedTrapsNobody)
{
    ASSERT_TRUE(insertItem({ .serialno = "a",
        .groupno = "2006080910002",
        .status = "00",
        .day = QDate(2006, 8, 9),
        .count_num = 10003,
        .weigher = "系统管理员" }));
    const auto leaveUnbooked = [](const QString& serial) {
        return insertItem({ .serialno = serial,
            .groupno = "2006080910002",
            .status = "30",
            .day = QDate(2006, 8, 9),
            .count_num = 10002,
            .weigher = "系统管理员" });
    };
    ASSERT_TRUE(leaveUnbooked("b"));
    ASSERT_TRUE(
        insertItem({ .serialno = "c", .groupno = "2006081020001", .station = "2", .count_num = 20001 }));
    auto form = open<rkform>();
    // Booked or released, it stays shown and printed with its day and number, deletes off, until a
    // start draws a new order of today (no scale here: the window stays on it).
    const auto shownUntilAStart = [&form](const QString& printed) {
        EXPECT_EQ(text(form.get(), "Text3") + " " + stocktest::printedOrder(form.get()), printed);
        EXPECT_FALSE(enabled(form.get(), "Command2_2") || enabled(form.get(), "Command1_1"));
        chooseAll(form.get());
        click(form.get(), "Command1_0");
        EXPECT_EQ(text(form.get(), "Text1") + text(form.get(), "Text8_0"), "20060810100010") << "today's";
    };
    EXPECT_EQ(text(form.get(), "Text1"), "2006080910002");
    EXPECT_EQ(text(form.get(), "Text3"), "2006-8-9");
    EXPECT_EQ(toasts.last(),
        "本入库单有货物待入库！|已打开2006-8-"
        "9未完成的入库单2006080910002，可以：货物入库、全部删除该入库单货物、"
        "退出|1");
    EXPECT_EQ(child<platform::Grid>(form.get(), "Grid1")->sheet().rows(), 3);
    EXPECT_FALSE(enabled(form.get(), "Command1_0"));
    EXPECT_TRUE(enabled(form.get(), "Command1_1"));
    EXPECT_TRUE(form->close()) << "left for the next opening";
    loginState().gyname = "没有权限的人";
    form->show();
    EXPECT_EQ(text(form.get(), "Text1"), "2006080910002");
    EXPECT_FALSE(enabled(form.get(), "Command1_1")) << "the rights at the opening decide";
    EXPECT_TRUE(form->close());
    loginState().gyname = "系统管理员";
    form->show();
    // 换用户 to rights "10", and a row click with the server away: the button stays, nothing is read.
    ASSERT_EQ(stocktest::switchUserTo("看客", true), LoginOutcome::LoggedIn);
    {
        stocktest::ServerStaysAway away;
        resetConnection();
        // An embedded database cannot go away: its rights cannot be read instead.
        EXPECT_TRUE(GetParam() != Backend::SQLite || ExecSQL("alter table c_usergroup rename to away"));
        toasts.clear();
        emit child<platform::Grid>(form.get(), "Grid1")->clicked();
        EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.last().toStdString();
        EXPECT_TRUE(enabled(form.get(), "Command1_1"));
        EXPECT_TRUE(GetParam() != Backend::SQLite || ExecSQL("alter table away rename to c_usergroup"));
    }
    click(form.get(), "Command1_1");
    EXPECT_EQ(statusOf("b"), "00");
    loginState().gyname = "系统管理员";
    shownUntilAStart("2006-8-9 2006080910002×2");
    EXPECT_TRUE(form->close());

    // Released line by line: its unbooked item deleted, its booked one kept; weighing is today's.
    ASSERT_TRUE(leaveUnbooked("d"));
    form->show();
    child<platform::Grid>(form.get(), "Grid1")->setActiveCell(2, 1);
    click(form.get(), "Command2_3");
    EXPECT_EQ(toasts.last(), "该笔货物数据已经删除！||1");
    EXPECT_EQ(statusOf("d"), "20");
    EXPECT_EQ(statusOf("a"), "00");
    EXPECT_EQ(form->hxsrk(), 0);
    shownUntilAStart("2006-8-9 2006080910002×3");
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "no question about yesterday's order";
    EXPECT_EQ(text(form.get(), "Text1"), "2006081010001");
    EXPECT_EQ(dateOf(testsupport::scalar("select rk_date from c_proc_main where groupno='2006081010001'")),
        QDate(2006, 8, 10));
}

// 换用户 while the window stays open: what is weighed names the new user, and after a change to a
// user with rights "10" the waiting items are booked and the window closed.
TEST_P(RkForm, AChangeOfUserNamesWhatIsStoredAndLeavesTheWaitingItemsToBook)
{
    auto form = open<rkform>();
    ASSERT_EQ(stocktest::switchUserTo("钱芳"), LoginOutcome::LoggedIn);
    EXPECT_EQ(text(form.get(), "Text6"), "钱芳");
    ASSERT_NO_FATAL_FAILURE(weighSimulated(form.get(), 1));
    EXPECT_EQ(testsupport::scalar("select op_emp from c_proc_main").toString(), "钱芳");
    ASSERT_EQ(stocktest::switchUserTo("看客", true), LoginOutcome::LoggedIn);
    click(form.get(), "Command1_1");
    EXPECT_EQ(toasts.last(), "本单数据已经全部入库！||1");
    EXPECT_EQ(testsupport::rowCount("c_log", "username=?", { "看客" }), 1);
    click(form.get(), "Command1_2");
    EXPECT_FALSE(form->isVisible());
    loginState().gyname = "系统管理员";
}

INSTANTIATE_BACKENDS(RkForm);
