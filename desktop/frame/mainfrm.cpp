#include "desktop/frame/mainfrm.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/login.h"
#include "desktop/frame/msgfrm.h"
#include "desktop/frame/procedures.h"
#include "desktop/frame/programtitle.h"
#include "desktop/frame/systemtools.h"
#include "desktop/frame/windowregistry.h"
#include "platform/ui/clock.h"
#include "platform/ui/dialogs.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <vector>

namespace korvell {
namespace {

    const QString systemName = QStringLiteral("Velmora电子称重仓库管理系统");

    struct MenuItem {
        const char* name;
        const char* caption;
        const char* window; // the window it shows; nullptr for the items with their own handler
        bool topLeft = false;
    };

    struct Menu {
        const char* name;
        const char* caption;
        std::vector<MenuItem> items;
    };

    const std::vector<Menu> menus = {
        { "dsa", "基本功能",
            { { "rkcl", "货物入库", "rkform", true }, { "ckcl", "货物出库", "ckform", true },
                { "tkcl", "退货处理", "tkform", true } } },
        { "cxgl", "一般报表",
            { { "kchz", "仓库库存汇总表", "kcstatform" }, { "kcmxb", "仓库库存明细表", "kcdetailform" },
                { "bzscl", "班组生产量统计表", "bzstatform" }, { "jzscl", "机组生产量统计表", "jzstatform" },
                { "czry", "操作人员入库汇总表", "opstatform" } } },
        { "zhcx", "综合查询",
            { { "rccpcx", "入库产品查询", "rkqueryform" }, { "ckcpcx", "出库产品查询", "ckqueryform" },
                { "tkcpcx", "退库产品查询", "tkqueryform" }, { "cpzhcx", "产品组合查询", "kcqueryform" },
                { "yckcmx", "异常库存明细", "kcabnormalform" } } },
        { "whgn", "维护功能",
            { { "ygxxwh", "员工信息维护", "employeeform" }, { "jzxxwh", "机组信息维护", "jzform" },
                { "bzxxwh", "班组信息维护", "bzform" }, { "khzl", "客户资料维护", "khform" },
                { "cpxxwh", "产品信息维护", "procform" } } },
        { "yhgl", "用户管理",
            { { "yhzb", "用户组别维护", "usergroup" }, { "czrywh", "操作人员维护", "useraddmdo" },
                { "yhmmxg", "用户密码修改", "frmgymm" } } },
        { "gj", "辅助功能",
            { { "calc", "计算器", nullptr }, { "czrz", "操作日志查询", "logqueryform" },
                { "gy", "关于", "frmAbout" } } },
        { "exit", "退    出", { { "exitsys", "退出系统", nullptr } } },
    };

    struct Button {
        const char* name;
        const char* caption;
        const char* window;
        QStyle::StandardPixmap icon;
    };

    const Button buttons[] = {
        { "Command1", "入库", "rkform", QStyle::SP_ArrowDown },
        { "Command2", "出库", "ckform", QStyle::SP_ArrowUp },
        { "Command3", "退库", "tkform", QStyle::SP_ArrowBack },
        { "Command4", "换用户", "frmLogin", QStyle::SP_DialogYesButton },
    };

    // The fixed background of the client area.
    QBrush clientBackground()
    {
        QLinearGradient shade(0, 0, 0, 1);
        shade.setCoordinateMode(QGradient::ObjectMode);
        shade.setColorAt(0, QColor(0xEF, 0xF3, 0xFF));
        shade.setColorAt(1, QColor(0x9C, 0xB4, 0xDC));
        return QBrush(shade);
    }

} // namespace

mainfrm::mainfrm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainfrm"));
    area = new QMdiArea;
    area->setObjectName(QStringLiteral("clientArea"));
    area->setBackground(clientBackground());
    setCentralWidget(area);
    setMdiArea(area);
    buildMenus();
    buildButtons();
    for (int i = 0; i < panelCount; ++i) {
        panels[i] = new QLabel;
        panels[i]->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        statusBar()->addWidget(panels[i], i == panelCount - 1 ? 2 : 1);
    }
    resize(1024, 720);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &mainfrm::Timer1_Timer);
    MDIForm_Load();
    Timer1.start();
}

void mainfrm::buildMenus()
{
    for (const Menu& menu : menus) {
        QMenu* bar = menuBar()->addMenu(QString::fromUtf8(menu.caption));
        bar->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = bar->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const QString window = item.window ? QString::fromLatin1(item.window) : QString();
            if (item.topLeft)
                connect(action, &QAction::triggered, this, [this, window] { showAtTopLeft(window); });
            else if (item.window)
                connect(action, &QAction::triggered, this, [window] { showWindow(window); });
        }
    }
    connect(findChild<QAction*>(QStringLiteral("calc")), &QAction::triggered, this, &mainfrm::calc_Click);
    connect(
        findChild<QAction*>(QStringLiteral("exitsys")), &QAction::triggered, this, &mainfrm::exitsys_Click);
}

void mainfrm::buildButtons()
{
    QToolBar* strip = addToolBar(QStringLiteral("buttons"));
    strip->setObjectName(QStringLiteral("buttons"));
    strip->setMovable(false);
    strip->setIconSize(QSize(32, 32));
    for (const Button& button : buttons) {
        auto* tool = new QToolButton;
        tool->setObjectName(QString::fromLatin1(button.name));
        tool->setText(QString::fromUtf8(button.caption));
        tool->setIcon(style()->standardIcon(button.icon));
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setMinimumWidth(64);
        strip->addWidget(tool);
        const QString window = QString::fromLatin1(button.window);
        connect(tool, &QToolButton::clicked, this, [window] { showWindow(window); });
    }
}

void mainfrm::showAtTopLeft(const QString& name)
{
    QWidget* window = showWindow(name);
    if (!window)
        return;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        frame->move(0, 0);
    else
        window->move(0, 0);
}

void mainfrm::MDIForm_Load()
{
    LoginState& state = loginState();
    ShowToast(QStringLiteral("欢迎您！") + state.gyname, QStringLiteral("祝您工作愉快！！"), ToastRed);
    WriteLog(QStringLiteral("进入系统"));

    companyRead = readCompany();
    // Not read (the server went away after the login): the next login, once it answers, reads it.
    connect(&loginAnnouncer(), &LoginAnnouncer::loggedIn, this, [this] {
        if (!companyRead)
            companyRead = readCompany();
    });

    const QDate today = platform::clock().now().date();
    panels[0]->setText(QStringLiteral("当前日期：") + today.toString(QStringLiteral("yyyy-M-d")));
    panels[3]->setText(QStringLiteral("工作站号：") + state.station_no + QStringLiteral("号"));
    panels[4]->setText(QStringLiteral("系统名称：") + systemName);
    Timer1_Timer();
}

bool mainfrm::readCompany()
{
    const SqlResult company = ExecSQL(QStringLiteral("select * from c_compmsg"));
    if (company && !company.rs->eof()) {
        setProgramTitle(
            systemName + QStringLiteral("—") + company.rs->value(QStringLiteral("compname")).toString());
        setWindowTitle(programTitle());
        loginState().compphone = company.rs->value(QStringLiteral("compphone")).toString();
    }
    return company.ok;
}

void mainfrm::Timer1_Timer()
{
    panels[1]->setText(
        QStringLiteral("时间：") + platform::clock().now().time().toString(QStringLiteral("HH:mm:ss")));
    panels[2]->setText(QStringLiteral("操作人员：") + loginState().gyname);
}

QString mainfrm::panelText(int panel) const
{
    return panel >= 1 && panel <= panelCount ? panels[panel - 1]->text() : QString();
}

void mainfrm::calc_Click()
{
    if (!startFirstProgram(calculatorPrograms()))
        platform::dialogs().message(QStringLiteral("找不到计算器程序"), programTitle(), platform::Buttons::Ok,
            platform::Icon::Warning);
}

void mainfrm::exitsys_Click()
{
    ExitSystem();
}

void mainfrm::closeEvent(QCloseEvent* event)
{
    // Each open child window may refuse (a stock window with an order not yet booked).
    for (QMdiSubWindow* child : area->subWindowList()) {
        if (child->isVisible() && !child->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    MDIForm_Unload();
}

void mainfrm::MDIForm_Unload()
{
    ExitSystem();
}

} // namespace korvell
