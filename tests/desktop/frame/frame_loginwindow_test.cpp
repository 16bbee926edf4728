// The login window: start-up, login by Enter, refusals, user switch, cancel, database down.
#include "desktop/frame/frmlogin.h"
#include "desktop/frame/mainfrm.h"
#include "desktop/frame/passwords.h"
#include "frame_windowtest.h"
#include "tests/support/fixedclock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace korvell;
using namespace frametest;

namespace {

class LoginWindowTest : public FrameWindowTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(FrameWindowTest::prepare());
        ASSERT_TRUE(addUser(QStringLiteral("张三"), hashPassword(QStringLiteral("Ab12"))));
        ASSERT_TRUE(addUser(QStringLiteral("李四"), hashPassword(QStringLiteral("Cd34"))));
    }
    // The name typed as a user types it, after a click into the box.
    void submit(frmLogin* login, const QString& user, const QString& password)
    {
        login->Combo1->clearEditText();
        QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
        QApplication::sendEvent(login->Combo1->lineEdit(), &focus);
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, user);
        QApplication::sendEvent(login->Combo1->lineEdit(), &typed);
        login->txtPassword->setText(password);
        login->cmdOK->click();
    }
};

} // namespace

TEST_P(LoginWindowTest, EnterLogsInAndShowsTheMainWindow)
{
    frmLogin* login = show<frmLogin>(QStringLiteral("frmLogin"));
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->windowTitle(), QStringLiteral("登录"));
    QTest::keyClicks(login->txtPassword, QStringLiteral("12345678901"));
    EXPECT_EQ(login->txtPassword->displayText(), QString(10, '*'));
    EXPECT_GE(login->Combo1->findText(QStringLiteral("张三")), 0);
    EXPECT_TRUE(login->Combo1->currentText().isEmpty());

    login->Combo1->setEditText(QStringLiteral("张三"));
    login->txtPassword->setText(QStringLiteral("Ab12"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    EXPECT_FALSE(login->isVisible());
    QWidget* main = findWindow(QStringLiteral("mainfrm"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(loginState().gyname, QStringLiteral("张三"));
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("张三|进入系统") });
}

TEST_P(LoginWindowTest, RefusalsToastInBlackAndPutTheFocusBack)
{
    frmLogin* login = show<frmLogin>(QStringLiteral("frmLogin"));
    // A name no row carries, though it starts another's (with that user's password): no completion.
    submit(login, QStringLiteral("张"), QStringLiteral("Ab12"));
    EXPECT_EQ(toasts.last(), QStringLiteral("请选择用户名||0"));
    EXPECT_EQ(login->focusWidget(), login->Combo1);

    submit(login, QStringLiteral("张三"), QStringLiteral("ab12"));
    EXPECT_EQ(toasts.last(), QStringLiteral("用户密码不正确，请重新输入||0"));
    EXPECT_EQ(login->focusWidget(), login->txtPassword);
    EXPECT_TRUE(login->isVisible());
    EXPECT_EQ(login->txtPassword->text(), QStringLiteral("ab12"));
    EXPECT_TRUE(loginState().gyname.isEmpty());
    EXPECT_TRUE(logLines().isEmpty());

    // Typing in the password box takes the toast away.
    QTest::keyClick(login->txtPassword, Qt::Key_A);
    EXPECT_EQ(toasts.last(), QStringLiteral("||0"));
}

TEST_P(LoginWindowTest, UserSwitchClearsThePasswordAndKeepsTheWelcome)
{
    testsupport::FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(9, 0, 0)));
    frmLogin* login = show<frmLogin>(QStringLiteral("frmLogin"));
    submit(login, QStringLiteral("张三"), QStringLiteral("Ab12"));
    auto* main = qobject_cast<mainfrm*>(findWindow(QStringLiteral("mainfrm")));
    ASSERT_NE(main, nullptr);
    toasts.clear();

    main->findChild<QToolButton*>(QStringLiteral("Command4"))->click();
    EXPECT_TRUE(login->isVisible());
    EXPECT_TRUE(login->txtPassword->text().isEmpty());
    EXPECT_TRUE(main->isVisible());

    submit(login, QStringLiteral("李四"), QStringLiteral("Cd34"));
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(findWindow(QStringLiteral("mainfrm")), main); // no second main window
    main->Timer1_Timer();
    EXPECT_EQ(main->panelText(3), QStringLiteral("操作人员：李四"));
    EXPECT_TRUE(toasts.lines.isEmpty());
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("张三|进入系统") });
}

TEST_P(LoginWindowTest, CancelEndsTheProgramWithOneLogLine)
{
    frmLogin* login = show<frmLogin>(QStringLiteral("frmLogin"));
    EXPECT_THROW(login->cmdCancel_Click(), ProgramEnded);
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("|退出系统") });
}

TEST_P(LoginWindowTest, StartsWithTheDatabaseDownAndLogsInOnceItIsBack)
{
    DatabaseGone gone;
    writeStationFile(loginState().myapppath, "3\r\n");
    frmLogin* login = show<frmLogin>(QStringLiteral("frmLogin"));
    ASSERT_NE(login, nullptr);
    EXPECT_EQ(login->Combo1->count(), 0);
    EXPECT_FALSE(toasts.lines.isEmpty());

    submit(login, QStringLiteral("张三"), QStringLiteral("Ab12"));
    EXPECT_EQ(toasts.last(), QStringLiteral("请注意:数据库未启动！！请联系相关部门||0"));
    EXPECT_TRUE(login->isVisible());

    gone.back();
    login->cmdOK->click();
    EXPECT_GE(login->Combo1->findText(QStringLiteral("李四")), 0);
    EXPECT_FALSE(login->isVisible());
    EXPECT_EQ(loginState().gyname, QStringLiteral("张三"));
}

INSTANTIATE_BACKENDS(LoginWindowTest);
