#include "desktop/frame/frmlogin.h"

#include "desktop/data/toast.h"
#include "desktop/frame/login.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/passwordbox.h"
#include "desktop/frame/procedures.h"
#include "desktop/frame/windowregistry.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korvell {
namespace {

    void hideToast()
    {
        ShowToast(QString(), QString(), ToastBlack);
    }

    std::function<void()>& handover()
    {
        static std::function<void()> open = [] { showWindow(QStringLiteral("mainfrm")); };
        return open;
    }

} // namespace

frmLogin::frmLogin(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("登录"));

    auto* title = new QLabel(QStringLiteral("Velmora电子称重仓库管理系统"));
    QFont titleFont(QStringLiteral("黑体"));
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto* picture = new QLabel;
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));

    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // The name is taken as typed: a completion would log in as the user whose name starts so.
    Combo1->setCompleter(nullptr);
    txtPassword = new QLineEdit;
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    makePasswordBox(txtPassword, 10);
    txtPassword->installEventFilter(this);

    cmdOK = new QPushButton(QStringLiteral("确定(&E)"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("取消(&Q)"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("用户名"), Combo1);
    fields->addRow(QStringLiteral("密  码"), txtPassword);
    auto* middle = new QHBoxLayout;
    middle->addWidget(picture, 0, Qt::AlignTop);
    middle->addSpacing(16);
    middle->addLayout(fields, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(16);
    layout->addWidget(title);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    resize(460, 260);

    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    connect(Combo1, &QComboBox::activated, this, [] { hideToast(); });

    Form_Load();
}

void setLoginHandover(std::function<void()> open)
{
    handover() = std::move(open);
}

void frmLogin::Form_Load()
{
    usersRead = fillUsers();
}

bool frmLogin::fillUsers()
{
    const std::optional<QStringList> names = loginUserNames();
    if (!names)
        return false;
    const QString typed = Combo1->currentText();
    Combo1->clear();
    Combo1->addItems(*names);
    Combo1->setEditText(typed);
    return true;
}

void frmLogin::cmdOK_Click()
{
    // Started while the database was unreachable: the list is read again now.
    if (!usersRead)
        usersRead = fillUsers();
    switch (attemptLogin(Combo1->currentText(), txtPassword->text())) {
    case LoginOutcome::LoggedIn:
        txtPassword->clear();
        hide();
        handover()();
        return;
    case LoginOutcome::UnknownUser:
        ShowToast(QStringLiteral("请选择用户名"), QString(), ToastBlack);
        Combo1->setFocus();
        return;
    case LoginOutcome::WrongPassword:
        ShowToast(QStringLiteral("用户密码不正确，请重新输入"), QString(), ToastBlack);
        txtPassword->setFocus();
        return;
    case LoginOutcome::DatabaseDown:
        ShowToast(QStringLiteral("请注意:数据库未启动！！请联系相关部门"), QString(), ToastBlack);
        return;
    case LoginOutcome::StationUnwritable:
        ShowToast(QStringLiteral("工作站号无法保存！！"),
            QStringLiteral("请检查程序目录能否写入stationno.txt"), ToastBlack);
        return;
    }
}

void frmLogin::cmdCancel_Click()
{
    ExitSystem();
}

void frmLogin::reject()
{
    cmdCancel_Click();
}

void frmLogin::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, 3.0);
}

bool frmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtPassword && event->type() == QEvent::KeyPress)
        hideToast();
    return QDialog::eventFilter(watched, event);
}

} // namespace korvell
