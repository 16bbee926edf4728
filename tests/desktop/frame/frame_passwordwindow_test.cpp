// The password window's four outcomes in order, its limits, and its refusals.
#include "desktop/frame/frmabout.h"
#include "desktop/frame/frmgymm.h"
#include "desktop/frame/passwords.h"
#include "frame_windowtest.h"
#include "tests/support/files.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace korvell;
using namespace frametest;

namespace {

class PasswordWindowTest : public FrameWindowTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(FrameWindowTest::prepare());
        loginState().gyname = QStringLiteral("张三");
        ASSERT_TRUE(addUser(QStringLiteral("张三"), hashPassword(QStringLiteral("old1"))));
        window = show<frmgymm>(QStringLiteral("frmgymm"));
        ASSERT_NE(window, nullptr);
    }
    void fill(const QString& old, const QString& fresh, const QString& again)
    {
        window->Text1->setText(old);
        window->Text2->setText(fresh);
        window->Text3->setText(again);
        window->Command1->click();
    }
    frmgymm* window = nullptr;
};

} // namespace

TEST_P(PasswordWindowTest, FourOutcomesInOrder)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("用户密码修改"));
    fill("bad", "new1", "new1");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("出错提示|老密码错误请重输！！"));
    EXPECT_EQ(window->focusWidget(), window->Text1);
    EXPECT_EQ(window->Text1->text(), QStringLiteral("bad"));

    fill(" old1", "old1 ", "x");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("出错提示|新旧密码不能一样，请重输！！"));
    EXPECT_EQ(window->focusWidget(), window->Text2);

    fill("old1", "new1", "new2");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("出错提示|两次输入的新密码不一致，请重输！！"));
    EXPECT_EQ(window->focusWidget(), window->Text3);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(logLines().isEmpty());

    fill("old1", "new1", "new1");
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("成功提示|密码修改成功！！"));
    EXPECT_TRUE(passwordMatches(storedPassword(QStringLiteral("张三")), QStringLiteral("new1")));
    EXPECT_TRUE(window->Text1->text().isEmpty());
    EXPECT_TRUE(window->Text2->text().isEmpty());
    EXPECT_TRUE(window->Text3->text().isEmpty());
    EXPECT_FALSE(window->isVisible());
}

TEST_P(PasswordWindowTest, BoxesTakeSixHiddenCharacters)
{
    for (QLineEdit* box : { window->Text1, window->Text2, window->Text3 }) {
        QTest::keyClicks(box, QStringLiteral("1234567"));
        EXPECT_EQ(box->text(), QStringLiteral("123456"));
        EXPECT_EQ(box->displayText(), QStringLiteral("******"));
    }
}

TEST_P(PasswordWindowTest, MissingUserOrDatabaseKeepsTheWindowOpen)
{
    loginState().gyname = QStringLiteral("已删除");
    fill("old1", "new1", "new1");
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.last().startsWith(QStringLiteral("出错提示|")));
    EXPECT_TRUE(window->isVisible());

    loginState().gyname = QStringLiteral("张三");
    DatabaseGone gone;
    fill("old1", "new1", "new1");
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Text2->text(), QStringLiteral("new1"));
}

TEST_P(PasswordWindowTest, ClosingTakesTheToastAndTheTypedPasswordsAway)
{
    ToastWindowSink toastWindows;
    ToastSink* recording = setToastSink(&toastWindows);
    for (const auto& closeIt : { std::function<void()>([this] { window->Command2->click(); }),
             std::function<void()>([this] { QTest::keyClick(window, Qt::Key_Escape); }) }) {
        window->Text1->setText(QStringLiteral("old1"));
        window->Text2->setText(QStringLiteral("new1"));
        ShowToast(QStringLiteral("提示"), QString(), ToastBlack);
        ASSERT_NE(toastWindow(), nullptr);
        closeIt();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(toastWindow(), nullptr);
        // A user switch later, the next user opens the same window.
        EXPECT_EQ(show<frmgymm>(QStringLiteral("frmgymm")), window);
        for (QLineEdit* box : { window->Text1, window->Text2, window->Text3 })
            EXPECT_TRUE(box->text().isEmpty());
    }
    setToastSink(recording);
}

INSTANTIATE_BACKENDS(PasswordWindowTest);

namespace {

class AboutWindowTest : public FrameWindowTest { };

} // namespace

TEST_P(AboutWindowTest, CaptionAndSystemInformation)
{
    setProgramTitle(QStringLiteral("Velmora电子称重仓库管理系统—某公司"));
    auto* about = show<frmAbout>(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("关于 Velmora电子称重仓库管理系统—某公司"));

    RecordingProcesses processes;
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    about->cmdSysInfo->click();
    EXPECT_EQ(dialogs.messages,
        QStringList { QStringLiteral("Velmora电子称重仓库管理系统—某公司|此时系统信息无效") });
    EXPECT_TRUE(about->isVisible());

    QFile::setPermissions(testsupport::writeFile(bin.filePath(QStringLiteral("hardinfo")), {}),
        QFile::ReadOwner | QFile::ExeOwner);
    about->cmdSysInfo->click();
    qputenv("PATH", path);
    EXPECT_EQ(processes.started, QStringList { bin.filePath(QStringLiteral("hardinfo")) });

    about->cmdOK->click();
    EXPECT_FALSE(about->isVisible());
}

INSTANTIATE_BACKENDS(AboutWindowTest);
