// The editor windows, opened by name as the main window's menus open them, driven offscreen.
#include "desktop/data/toast.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/windowregistry.h"
#include "desktop/masterdata/editorwindow.h"
#include "desktop/masterdata/masterdatawindows.h"
#include "desktop/masterdata/usergroup.h"
#include "masterdatatest.h"
#include "platform/grid/grid.h"
#include "tests/support/application.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvell;
using masterdatatest::MasterDataTest;
using testsupport::rowCount;

namespace {

const QStringList editorNames { "jzform", "khform", "procform", "bzform", "employeeform", "useraddmdo" };

EditorWindow* openEditor(const QString& name)
{
    return qobject_cast<EditorWindow*>(showWindow(name));
}

// Clicks column 1 of row as the user would (column 0 is hidden, rows keep the default height).
void clickRow(platform::Grid* grid, int row)
{
    QTest::mouseClick(
        grid->viewport(), Qt::LeftButton, {}, QPoint(5, platform::SheetModel::defaultRowHeight * row + 5));
}

} // namespace

class MasterDataWindows : public MasterDataTest {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        registerMasterDataWindows();
    }
    void TearDown() override
    {
        for (const QString& name : editorNames + QStringList { "usergroup" }) {
            if (QWidget* w = findWindow(name))
                w->close();
        }
        MasterDataTest::TearDown();
    }
};

TEST_P(MasterDataWindows, MenuNamesOpenOneSharedWindowEach)
{
    const QStringList captions { "机组信息设置", "客户信息维护", "产品型号规格设置", "班组信息维护",
        "员工信息维护", "系统用户维护" };
    for (int i = 0; i < editorNames.size(); ++i) {
        EditorWindow* w = openEditor(editorNames.at(i));
        ASSERT_NE(w, nullptr) << editorNames.at(i).toStdString();
        EXPECT_EQ(w->windowTitle(), captions.at(i));
        EXPECT_TRUE(w->isVisible());
        EXPECT_GE(w->Grid1->sheet().rows(), 20) << "loaded on showing";
        EXPECT_EQ(showWindow(editorNames.at(i)), w) << "no second copy";
    }
    auto* rights = qobject_cast<usergroup*>(showWindow("usergroup"));
    ASSERT_NE(rights, nullptr);
    EXPECT_EQ(rights->windowTitle(), QString("用户组设置维护"));
    EXPECT_EQ(rights->Grid1->sheet().cellText(1, 1), QString("管理员"));
    EXPECT_EQ(openEditor("bzform")->Label1->text(), QString("1001为检验员，1002为称重或入库组"));
}

TEST_P(MasterDataWindows, AResizeOrReshowKeepsUnsavedEditsAndReopeningReloads)
{
    EditorWindow* w = openEditor("khform");
    platform::SheetModel& sheet = w->Grid1->sheet();
    sheet.editCell(1, 1, "未保存客户");
    w->resize(900, 600);
    w->hide();
    w->show();
    QApplication::processEvents();
    EXPECT_EQ(sheet.cellText(1, 1), QString("未保存客户")) << "shown again without closing";

    // The laid-out windows follow their size: grid width W - 200 twips, columns by factor.
    EXPECT_EQ(w->Grid1->width(), (900 * 15 - 200) / 15);
    EXPECT_EQ(sheet.columnWidth(1), qRound(w->Grid1->width() * 15 * 0.015));
    EXPECT_EQ(w->Command1->x(), int(900 * 15 * 0.35) / 15);
    EXPECT_EQ(sheet.columnWidth(0), 0);

    w->close();
    ASSERT_TRUE(ExecSQL("insert into c_custom (cust_name) values ('别处新增')"));
    w = openEditor("khform");
    EXPECT_EQ(w->Grid1->sheet().cellText(1, 1), QString("别处新增"));
}

TEST_P(MasterDataWindows, SaveButtonFollowsTheRightsReadAtEachOpening)
{
    grant("procform", "1", "0");
    EditorWindow* w = openEditor("procform");
    EXPECT_FALSE(w->Command1->isEnabled());
    w->close();
    grant("procform", "0", "1");
    w = openEditor("procform");
    EXPECT_TRUE(w->Command1->isEnabled()) << "\"01\" may save";
    w->close();
    ASSERT_TRUE(ExecSQL("delete from c_usergroup where groupname=?", { masterdatatest::testGroup }));
    w = openEditor("procform");
    EXPECT_FALSE(w->Command1->isEnabled()) << "no rights row: \"10\"";

    // Another user logs in while the window stays open: its rights count once it is activated,
    // a group row with nothing ticked ("00") as a refusal.
    grant("procform", "0", "0", "空权限组");
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userlevel) values ('空权限员','空权限组')"));
    for (const auto& [user, enabled] : { std::pair { "系统管理员", true }, { "空权限员", false } }) {
        loginState().gyname = user;
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w, &activate);
        EXPECT_EQ(w->Command1->isEnabled(), enabled) << user;
    }
    loginState().gyname = masterdatatest::tester;

    grant("usergroup", "1", "0");
    auto* rights = qobject_cast<usergroup*>(showWindow("usergroup"));
    EXPECT_FALSE(rights->Command1->isEnabled());
    rights->close();
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userlevel) values ('超级用户',?)",
        { masterdatatest::testGroup }));
    loginState().gyname = "超级用户";
    rights = qobject_cast<usergroup*>(showWindow("usergroup"));
    EXPECT_TRUE(rights->Command1->isEnabled()) << "the super user may always save rights";
}

TEST_P(MasterDataWindows, ButtonsAndGridEventsReachTheEditor)
{
    grant("jzform", "1", "1");
    EditorWindow* w = openEditor("jzform");
    platform::Grid* grid = w->Grid1;
    grid->sheet().editCell(1, 1, "J1");
    grid->sheet().editCell(1, 2, "一号机组");
    w->Command1->click();
    EXPECT_EQ(rowCount("c_jzname", "jzid='J1'"), 1);
    EXPECT_EQ(toasts.last(), QString("数据已经成功保存！||1"));

    grid->setActiveCell(1, 2);
    dialogs.answers = { platform::Answer::Ok };
    emit grid->mouseDown(2, 0, 10, 10);
    EXPECT_EQ(dialogs.messages.last(), QString("友情提示|确定删除机组代码为J1机组信息数据吗？"));
    EXPECT_EQ(rowCount("c_jzname"), 0);

    // The close button closes; bzform logs "退出" as it goes.
    EditorWindow* teams = openEditor("bzform");
    teams->Command2->click();
    EXPECT_FALSE(teams->isVisible());
    EXPECT_EQ(rowCount("c_log", "logmsg='退出'"), 1);

    // Clicking a group shows its rights; saving writes them.
    grant("usergroup", "1", "1");
    auto* rights = qobject_cast<usergroup*>(showWindow("usergroup"));
    for (int r = 1; r < rights->Grid1->sheet().rows(); ++r) {
        if (rights->Grid1->sheet().cellText(r, 1) == "管理员")
            rights->Grid1->setActiveCell(r, 1);
    }
    EXPECT_EQ(rights->Grid2->sheet().cellText(0, 1), QString("功能模块"));
    rights->Command1->click();
    EXPECT_EQ(toasts.last(), QString("用户组管理员|权限成功保存！|1"));
}

TEST_P(MasterDataWindows, AClickOnTheActiveCellTakesTheToastAway)
{
    for (const char* name : { "jzform", "useraddmdo" }) {
        EditorWindow* w = openEditor(name);
        clickRow(w->Grid1, 1);
        ShowToast("数据已经成功保存！", "", ToastRed);
        clickRow(w->Grid1, 1);
        EXPECT_EQ(toasts.last(), QString("||0")) << name;
    }
}

TEST_P(MasterDataWindows, GroupRightsFollowEveryClickAndASaveWritesWhatIsShownForTheRow)
{
    grant("usergroup", "1", "1");
    const int programs = rowCount("c_programgroup");
    auto* w = qobject_cast<usergroup*>(showWindow("usergroup"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << "focus moves only in the active window";
    platform::Grid* groups = w->Grid1;
    const int admin = masterdatatest::rowOf(groups->sheet(), "管理员");
    const int blank = admin + 1;
    ASSERT_TRUE(groups->sheet().cellText(blank, 1).isEmpty());
    // Types name into the blank row; the first key opens the cell's editor.
    auto typeGroup = [&](const QString& name) {
        groups->setActiveCell(blank, 1);
        QTest::keyClicks(groups, name.left(1));
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : groups->viewport()->findChildren<QLineEdit*>())
            editor = e->isVisible() ? e : editor;
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, name.mid(1));
    };

    // A new name saved before any rights were shown for it: nothing is written, its rights show.
    typeGroup("QA");
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(rowCount("c_usergroup", "groupname='QA'"), 0);
    EXPECT_EQ(toasts.last(), QString("用户组QA的权限没有保存！|请核对显示的权限后再保存|1"));
    EXPECT_EQ(w->Grid2->sheet().cellText(1, 2), QString("0"));

    // 管理员 viewed, a new name typed and its row clicked while typing: the new group's own
    // rights (none) are shown and saved.
    clickRow(groups, admin);
    EXPECT_EQ(w->Grid2->sheet().cellText(1, 2), QString("1"));
    typeGroup("QB");
    clickRow(groups, blank);
    EXPECT_EQ(w->Grid2->sheet().cellText(1, 2), QString("0"));
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(rowCount("c_usergroup", "groupname='QB'"), programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname='QB' and (groupauth1<>'0' or groupauth2<>'0')"), 0);
    EXPECT_EQ(toasts.last(), QString("用户组QB|权限成功保存！|1"));

    // Clicking the shown group again reads its rights afresh.
    ASSERT_TRUE(ExecSQL("update c_usergroup set groupauth1='1' where groupname='QB'"));
    clickRow(groups, blank);
    EXPECT_EQ(w->Grid2->sheet().cellText(1, 2), QString("1"));

    // Opened again, it shows no group's rights until one is clicked.
    w->close();
    w = qobject_cast<usergroup*>(showWindow("usergroup"));
    EXPECT_EQ(w->Grid2->sheet().rows(), 1);
}

// Every window draws its grid with the captions; KORVELL_SCREENSHOTS names a folder for the
// pictures, to look at by eye.
TEST_P(MasterDataWindows, EveryWindowDrawsItself)
{
    const QString folder = qEnvironmentVariable("KORVELL_SCREENSHOTS");
    ASSERT_TRUE(ExecSQL("insert into c_bzname (bzid,bzname,bzmsg) values ('1001','检验组','王''组长')"));
    ASSERT_TRUE(ExecSQL("insert into c_bzname (bzid,bzname,bzmsg) values ('1002','称重组','李组长')"));
    ASSERT_TRUE(ExecSQL("insert into c_jzname (jzid,jzname) values ('J01','一号机组')"));
    ASSERT_TRUE(ExecSQL("insert into c_procname values ('QZ-1','0.35','漆包线',1.25)"));
    ASSERT_TRUE(ExecSQL("insert into c_employee values ('0001','张三','1002','J01','')"));
    ASSERT_TRUE(ExecSQL(
        "insert into c_custom (cust_name,cust_man,cust_phone) values ('恒通电缆','赵经理','0512-1234')"));
    for (const QString& name : editorNames + QStringList { "usergroup" }) {
        QWidget* w = showWindow(name);
        if (auto* rights = qobject_cast<usergroup*>(w)) {
            rights->Grid1->setActiveCell(1, 1);
        }
        QApplication::processEvents();
        const QImage picture = w->grab().toImage();
        EXPECT_EQ(picture.size(), w->size() * w->devicePixelRatio());
        const int y = w->height() / 2;
        EXPECT_EQ(picture.pixelColor(2, y), *gradientColour(y, w->height(), 100, 255, 0, 40, 60, -3.0))
            << "the banded background";
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name + ".png"));
    }
}

INSTANTIATE_BACKENDS(MasterDataWindows);
