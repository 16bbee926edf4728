// The main window offscreen: its look, the popup menu, the accelerators, closing and the about box.
#include "generator/project/gbk.h"
#include "generator/ui/aboutbox.h"
#include "generator/ui/commands.h"
#include "generator/ui/comsettingdlg.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/facegeometry.h"
#include "generator/ui/mainwindow.h"
#include "generator/ui/popupmenu.h"
#include "generator/ui/terminalface.h"
#include "tests/generator/ui/widgetapp.h"
#include "tests/support/demoproject.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/scriptedmodal.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using platform::Answer;
using namespace vosket;

namespace {

class VosketMainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureWidgetApplication(); }

    void clickFace(QPoint local)
    {
        for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
            testsupport::sendMouse(window.face(), type, local);
    }

    testsupport::ScriptedDialogs dialogs;
    testsupport::ScriptedModal modal;
    MainWindow window;
};

// The menu as "text=command", "-" for a separator, "submenu>text=command" inside a submenu.
QStringList describe(const QMenu& menu, const QString& prefix = {})
{
    QStringList entries;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator())
            entries << prefix + "-";
        else if (action->menu())
            entries << describe(*action->menu(), prefix + action->text() + ">");
        else
            entries << prefix + action->text() + "=" + QString::number(action->data().toInt());
    }
    return entries;
}

const QStringList expectedMenu = {
    "新建\tCtrl+N=1010",
    "打开...\tCtrl+O=1020",
    "保存\tCtrl+S=1030",
    "另存为...=1040",
    "-",
    "编辑\tCtrl+E=2000",
    "设置COM口...=2100",
    "-",
    "下载应用程序>通过Cradle-IR...=3021",
    "下载应用程序>通过IrDA...=3020",
    "下载索引文件>通过Cradle-IR...=3041",
    "下载索引文件>通过IrDA...=3040",
    "收集数据>通过Cradle-IR...=3031",
    "收集数据>通过IrDA...=3030",
    "-",
    "关于...=9030",
    "退出\tAlt+F4=1090",
};

} // namespace

TEST(VosketPopupMenu, TextsAndCommandsAreThoseOfTheTerminalMenu)
{
    testsupport::ensureWidgetApplication();
    std::vector<int> dispatched;
    std::unique_ptr<QMenu> menu(
        createPopupMenu(nullptr, [&](int command) { dispatched.push_back(command); }));
    EXPECT_EQ(describe(*menu), expectedMenu);

    // every item hands its own number to the dispatcher, submenu items included
    std::function<void(QMenu&)> triggerAll = [&](QMenu& m) {
        for (QAction* action : m.actions()) {
            if (action->menu())
                triggerAll(*action->menu());
            else if (!action->isSeparator())
                action->trigger();
        }
    };
    triggerAll(*menu);
    EXPECT_EQ(dispatched,
        (std::vector<int> {
            1010, 1020, 1030, 1040, 2000, 2100, 3021, 3020, 3041, 3040, 3031, 3030, 9030, 1090 }));
}

TEST_F(VosketMainWindow, IsABorderlessTerminalShapedWindow)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("应用程序产生器"));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.size(), QSize(210, 464));
    EXPECT_EQ(window.pos(), QPoint(300, 50));
    EXPECT_EQ(window.face().geometry(), QRect(0, 0, 210, 464));
    EXPECT_EQ(describe(window.popupMenu()), expectedMenu);
    // rounded corners are cut away, the middle is not
    EXPECT_FALSE(window.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.mask().contains(QPoint(105, 232)));
}

// Where the face asks for the popup (a right click anywhere, key 12) is the face's own test.
TEST_F(VosketMainWindow, KeyTwelveShowsThePopupMenu)
{
    window.show();
    clickFace(face::key(Key::Menu).hit.center());
    ASSERT_TRUE(window.popupMenu().isVisible());
    EXPECT_EQ(window.popupMenu().pos(), window.face().mapToGlobal(QPoint(129, 401)));
    window.popupMenu().hide();
}

TEST_F(VosketMainWindow, AcceleratorsRunTheirCommands)
{
    std::map<QKeySequence, int> expected = { { QKeySequence("Ctrl+N"), 0 }, { QKeySequence("Ctrl+O"), 0 },
        { QKeySequence("Ctrl+S"), 0 }, { QKeySequence("Ctrl+E"), 0 } };
    const auto shortcuts = window.findChildren<QShortcut*>();
    EXPECT_EQ(shortcuts.size(), 4);
    for (QShortcut* shortcut : shortcuts)
        EXPECT_EQ(expected.count(shortcut->key()), 1u) << shortcut->key().toString().toStdString();

    // Ctrl+S on a new project asks for a file name
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
}

TEST_F(VosketMainWindow, ClosingAsksForUnsavedWork)
{
    window.show();
    window.shell().project().modified = true;
    dialogs.answers = { Answer::Cancel };
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());

    // Yes, then cancelling the file dialog, ends the program without saving.
    dialogs.answers = { Answer::Yes };
    dialogs.fileNames = { QString() };
    window.dispatch(CmdExit);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
}

TEST_F(VosketMainWindow, OnlyItsButtonClosesTheAboutBox)
{
    bool escapeIgnored = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &escape);
        box->close();
        escapeIgnored = box->isVisible();
        box->findChild<QPushButton*>()->click();
    });
    window.dispatch(CmdAbout);
    EXPECT_TRUE(escapeIgnored);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(VosketMainWindow, TheComSettingsDialogChangesThePortWithoutMarkingTheProject)
{
    CommSettings& comm = window.shell().project().comm;
    auto answerDialog = [](int port, int baud, bool ok) {
        QTimer::singleShot(0, [=] {
            auto* dialog = qobject_cast<ComSettingDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->portBox()->setCurrentIndex(port);
            dialog->baudBox()->setCurrentIndex(baud);
            ok ? dialog->accept() : dialog->reject();
        });
    };
    answerDialog(3, 4, true);
    window.dispatch(CmdComSettings);
    EXPECT_EQ(comm.portIndex(), 3);
    EXPECT_EQ(comm.baudIndex(), 4);
    EXPECT_FALSE(window.shell().project().modified);

    answerDialog(0, 0, false);
    window.dispatch(CmdComSettings);
    EXPECT_EQ(comm.portIndex(), 3) << "cancel keeps both settings";
    EXPECT_EQ(comm.baudIndex(), 4);
}

TEST_F(VosketMainWindow, TheFacesKeysAndTicksDriveTheSimulator)
{
    QTRY_VERIFY_WITH_TIMEOUT(!window.simulator().screen().clockLine().isEmpty(), 5000);

    Project& project = window.shell().project();
    testsupport::MakeDemoProject(project);
    for (Key key : { Key::One, Key::One, Key::Four })
        clickFace(face::key(key).hit.center());
    EXPECT_EQ(window.simulator().screen().state(), TextScreen::FormInput);
    EXPECT_EQ(window.simulator().lineInput(0), "4");
}

TEST_F(VosketMainWindow, NothingToRunLetsTheKeyGoAndStartsANewProject)
{
    Project& project = window.shell().project();
    project.path = QStringLiteral("/somewhere/old.VSK");
    testsupport::sendMouse(window.face(), QEvent::MouseButtonPress, face::key(Key::One).hit.center());
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("没有可执行程序|请定义您的程序!") });
    EXPECT_EQ(window.face().heldKey(), Key::None) << "the key came up with the warning";
    EXPECT_EQ(project.path, QStringLiteral("/somewhere/old.VSK"))
        << "the new project waits for the event loop";
    QTRY_VERIFY_WITH_TIMEOUT(project.path.isEmpty(), 5000);
    EXPECT_EQ(modal.shown, 1) << "the new project opens in the editor";
}

TEST_F(VosketMainWindow, TheEditorsOkRestartsTheSimulatorWithTheEditedProject)
{
    modal.steps.push_back(testsupport::ScriptedModal::closing([](QDialog& d) {
        auto& sheet = dynamic_cast<EditorSheet&>(d);
        sheet.tabs()->setCurrentIndex(2);
        sheet.page(2)->findChild<QLineEdit*>("edit509")->setText("20"); // record length
        sheet.page(2)->findChild<QComboBox*>("combo601")->setCurrentIndex(2); // two fields
    }));
    window.dispatch(CmdEdit);
    EXPECT_TRUE(window.shell().project().modified);
    window.simulator().SimulatorKey(Key::Three);
    ASSERT_EQ(window.simulator().screen().state(), TextScreen::SystemTools);
    EXPECT_EQ(FromGbk(window.simulator().screen().line(7)), QStringLiteral("8.下载索引  "));
}
