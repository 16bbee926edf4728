// The main window: title, status bar, clock, menus and buttons, child windows, closing.
#include "desktop/frame/login.h"
#include "desktop/frame/mainfrm.h"
#include "frame_windowtest.h"
#include "tests/support/files.h"
#include "tests/support/fixedclock.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>

using namespace korvell;
using namespace frametest;

namespace {

// A stand-in for a window another library registers; it may refuse to close.
class StandIn final : public QWidget {
public:
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (refuse)
            event->ignore();
    }
};

const QStringList stockWindows { "rkform", "ckform", "tkform" };
const QStringList otherWindows { "kcstatform", "kcdetailform", "bzstatform", "jzstatform", "opstatform",
    "rkqueryform", "ckqueryform", "tkqueryform", "kcqueryform", "kcabnormalform", "employeeform", "jzform",
    "bzform", "khform", "procform", "usergroup", "useraddmdo", "logqueryform" };

class MainWindowTest : public FrameWindowTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(FrameWindowTest::prepare());
        for (const QString& name : stockWindows)
            registerWindow(name, Placement::MdiChild, [name] { return standIn(name); });
        for (const QString& name : otherWindows)
            registerWindow(name, Placement::Modeless, [name] { return standIn(name); });
        made << stockWindows << otherWindows;
        LoginState& state = loginState();
        state.gyname = QStringLiteral("张三");
        state.station_no = QStringLiteral("3");
    }
    static QWidget* standIn(const QString& name)
    {
        auto* window = new StandIn;
        window->setObjectName(name);
        return window;
    }
    QAction* item(mainfrm* main, const char* name)
    {
        return main->findChild<QAction*>(QString::fromLatin1(name));
    }

    testsupport::FixedClock clock { QDateTime(QDate(2026, 3, 5), QTime(9, 5, 7)) };
};

} // namespace

TEST_P(MainWindowTest, StartUpSetsTitleStatusBarWelcomeAndLogLineThenTheClockTicks)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    ASSERT_NE(main, nullptr);
    const QString title = QStringLiteral("Velmora电子称重仓库管理系统—Velmora线缆制品有限公司");
    EXPECT_EQ(main->windowTitle(), title);
    EXPECT_EQ(programTitle(), title);
    EXPECT_EQ(loginState().compphone, QStringLiteral("0512-66887700"));
    EXPECT_EQ(main->panelText(1), QStringLiteral("当前日期：2026-3-5"));
    EXPECT_EQ(main->panelText(2), QStringLiteral("时间：09:05:07"));
    EXPECT_EQ(main->panelText(3), QStringLiteral("操作人员：张三"));
    EXPECT_EQ(main->panelText(4), QStringLiteral("工作站号：3号"));
    EXPECT_EQ(main->panelText(5), QStringLiteral("系统名称：Velmora电子称重仓库管理系统"));
    EXPECT_EQ(toasts.lines, QStringList { QStringLiteral("欢迎您！张三|祝您工作愉快！！|1") });
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("张三|进入系统") });

    // The clock refreshes the time and the operator only.
    clock.set(QDateTime(QDate(2026, 3, 6), QTime(0, 0, 3)));
    loginState().gyname = QStringLiteral("李四");
    loginState().station_no = QStringLiteral("8");
    main->Timer1_Timer();
    EXPECT_EQ(main->panelText(1), QStringLiteral("当前日期：2026-3-5"));
    EXPECT_EQ(main->panelText(2), QStringLiteral("时间：00:00:03"));
    EXPECT_EQ(main->panelText(3), QStringLiteral("操作人员：李四"));
    EXPECT_EQ(main->panelText(4), QStringLiteral("工作站号：3号"));
}

TEST_P(MainWindowTest, WithoutCompanyRowTheTitleStaysUnset)
{
    ASSERT_TRUE(ExecSQL(QStringLiteral("delete from c_compmsg")));
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    EXPECT_FALSE(main->windowTitle().contains(QStringLiteral("—")));
    EXPECT_EQ(programTitle(), defaultTitle);
    EXPECT_TRUE(loginState().compphone.isEmpty());
}

// The company that could not be read at start-up is read at the next login (换用户), so the title
// and the phone on the labels do not stay empty for the whole run.
TEST_P(MainWindowTest, StartUpWithTheDatabaseGoneShowsTheWindowAndReadsTheCompanyAtTheNextLogin)
{
    DatabaseGone gone;
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->panelText(3), QStringLiteral("操作人员：张三"));
    EXPECT_EQ(programTitle(), defaultTitle);

    gone.back();
    emit loginAnnouncer().loggedIn();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Velmora电子称重仓库管理系统—Velmora线缆制品有限公司"));
    EXPECT_EQ(loginState().compphone, QStringLiteral("0512-66887700"));
}

TEST_P(MainWindowTest, MenusAndItemsInOrder)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    const QStringList expected {
        "dsa 基本功能: rkcl 货物入库, ckcl 货物出库, tkcl 退货处理",
        "cxgl 一般报表: kchz 仓库库存汇总表, kcmxb 仓库库存明细表, bzscl 班组生产量统计表, jzscl "
        "机组生产量统计表, "
        "czry 操作人员入库汇总表",
        "zhcx 综合查询: rccpcx 入库产品查询, ckcpcx 出库产品查询, tkcpcx 退库产品查询, cpzhcx 产品组合查询, "
        "yckcmx 异常库存明细",
        "whgn 维护功能: ygxxwh 员工信息维护, jzxxwh 机组信息维护, bzxxwh 班组信息维护, khzl 客户资料维护, "
        "cpxxwh 产品信息维护",
        "yhgl 用户管理: yhzb 用户组别维护, czrywh 操作人员维护, yhmmxg 用户密码修改",
        "gj 辅助功能: calc 计算器, czrz 操作日志查询, gy 关于",
        "exit 退    出: exitsys 退出系统",
    };
    QStringList menus;
    for (QAction* top : main->menuBar()->actions()) {
        QStringList items;
        for (QAction* action : top->menu()->actions())
            items << action->objectName() + " " + action->text();
        menus << top->menu()->objectName() + " " + top->text() + ": " + items.join(", ");
    }
    EXPECT_EQ(menus, expected);

    QStringList buttons;
    for (const char* name : { "Command1", "Command2", "Command3", "Command4" })
        buttons << main->findChild<QToolButton*>(QString::fromLatin1(name))->text();
    EXPECT_EQ(buttons, (QStringList { "入库", "出库", "退库", "换用户" }));
}

TEST_P(MainWindowTest, EveryItemShowsItsWindowOnceAndAnUnknownNameNothing)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    // Each item and the window it shows, in menu order.
    const QList<QPair<const char*, const char*>> items { { "rkcl", "rkform" }, { "ckcl", "ckform" },
        { "tkcl", "tkform" }, { "kchz", "kcstatform" }, { "kcmxb", "kcdetailform" },
        { "bzscl", "bzstatform" }, { "jzscl", "jzstatform" }, { "czry", "opstatform" },
        { "rccpcx", "rkqueryform" }, { "ckcpcx", "ckqueryform" }, { "tkcpcx", "tkqueryform" },
        { "cpzhcx", "kcqueryform" }, { "yckcmx", "kcabnormalform" }, { "ygxxwh", "employeeform" },
        { "jzxxwh", "jzform" }, { "bzxxwh", "bzform" }, { "khzl", "khform" }, { "cpxxwh", "procform" },
        { "yhzb", "usergroup" }, { "czrywh", "useraddmdo" }, { "yhmmxg", "frmgymm" },
        { "czrz", "logqueryform" }, { "gy", "frmAbout" } };
    for (const auto& [action, window] : items) {
        item(main, action)->trigger();
        QWidget* shown = findWindow(QString::fromLatin1(window));
        ASSERT_NE(shown, nullptr) << action;
        EXPECT_TRUE(shown->isVisible()) << action;
        // Shown again, even from minimised, it is that same window brought forward.
        QWidget* frame = qobject_cast<QMdiSubWindow*>(shown->parentWidget()) ? shown->parentWidget() : shown;
        frame->showMinimized();
        item(main, action)->trigger();
        EXPECT_EQ(findWindow(QString::fromLatin1(window)), shown) << action;
        EXPECT_FALSE(frame->isMinimized()) << action;
    }
    for (const QString& name : stockWindows)
        EXPECT_NE(qobject_cast<QMdiSubWindow*>(findWindow(name)->parentWidget()), nullptr)
            << name.toStdString();
    EXPECT_EQ(findWindow("frmAbout")->parentWidget(), nullptr);
    EXPECT_EQ(showWindow(QStringLiteral("frmreport")), nullptr) << "a name nobody registered";
    EXPECT_EQ(findWindow(QStringLiteral("frmreport")), nullptr);
}

TEST_P(MainWindowTest, StockWindowsFillTheClientAreaAndMenuPutsThemTopLeft)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    item(main, "rkcl")->trigger();
    auto* frame = qobject_cast<QMdiSubWindow*>(findWindow("rkform")->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(QPoint(0, 0), main->clientArea()->viewport()->size()));

    frame->move(40, 30);
    main->findChild<QToolButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(frame->pos(), QPoint(40, 30));
    item(main, "rkcl")->trigger();
    EXPECT_EQ(frame->pos(), QPoint(0, 0));
}

TEST_P(MainWindowTest, ClosingIsRefusedByAStockWindowButTheExitItemEndsRegardless)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    item(main, "ckcl")->trigger();
    static_cast<StandIn*>(findWindow("ckform"))->refuse = true;
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("张三|进入系统") });

    EXPECT_THROW(main->exitsys_Click(), ProgramEnded);
    EXPECT_EQ(logLines().last(), QStringLiteral("张三|退出系统"));
}

TEST_P(MainWindowTest, CalculatorIsTheFirstKnownToolOnPath)
{
    mainfrm* main = show<mainfrm>(QStringLiteral("mainfrm"));
    RecordingProcesses processes;
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    main->calc_Click();
    EXPECT_TRUE(processes.started.isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 1);

    QFile::setPermissions(testsupport::writeFile(bin.filePath(QStringLiteral("galculator")), {}),
        QFile::ReadOwner | QFile::ExeOwner);
    main->calc_Click();
    qputenv("PATH", path);
    EXPECT_EQ(processes.started, QStringList { bin.filePath(QStringLiteral("galculator")) });
}

INSTANTIATE_BACKENDS(MainWindowTest);
