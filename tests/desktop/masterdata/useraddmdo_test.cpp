// The program users editor: new users with the default password, group changes, and the two
// accounts it treats specially.
#include "desktop/frame/login.h"
#include "desktop/frame/passwords.h"
#include "desktop/masterdata/grideditor.h"
#include "masterdatatest.h"
#include "tests/support/fixedclock.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace korvell;
using masterdatatest::MasterDataTest;
using testsupport::rowCount;
using testsupport::scalar;

class UsersEditorDb : public MasterDataTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(MasterDataTest::prepare());
        grantEditorMaintenance();
        editor.prepare();
    }
    int rowOf(const QString& name) const { return masterdatatest::rowOf(sheet, name); }
    static QVariant userValue(const QString& field, const QString& user)
    {
        return scalar(QStringLiteral("select %1 from c_user_table where username=?").arg(field), { user });
    }

    platform::SheetModel sheet;
    GridEditor editor { useraddmdoConfig(), sheet };
};

TEST_P(UsersEditorDb, ANewUserGetsTheDefaultPasswordAsAHashAndCanLogInWithIt)
{
    const QDateTime at(QDate(2026, 3, 4), QTime(9, 8, 7));
    testsupport::FixedClock clock(at);
    editor.load();
    const int blank = sheet.rows() - 1;
    type(sheet, blank, { " 王五 ", "管理员" });
    toasts.clear();
    EXPECT_EQ(editor.save().saved, 3) << "the two listed users are written again";
    EXPECT_EQ(toasts.last(), QString("用户信息已经成功保存！|新用户的初始密码为307452|1"));
    EXPECT_EQ(rowCount("c_log", "logmsg=?", { "对操作员资料进行维护" }), 1);

    const QString hash = userValue("userpasswd", "王五").toString();
    EXPECT_TRUE(isPasswordHash(hash)) << hash.toStdString();
    EXPECT_NE(hash, QString("307452"));
    EXPECT_TRUE(passwordMatches(hash, "307452"));
    EXPECT_EQ(dateTimeOf(userValue("user_crt_date", "王五")), at);
    EXPECT_EQ(userValue("userlevel", "王五").toString(), QString("管理员"));

    QFile station(loginState().myapppath + "stationno.txt");
    ASSERT_TRUE(station.open(QIODevice::WriteOnly));
    station.write("1\n");
    station.close();
    EXPECT_EQ(attemptLogin("王五", "307452"), LoginOutcome::LoggedIn);
    EXPECT_EQ(loginState().gy_id, QString("管理员"));
}

TEST_P(UsersEditorDb, ANewUserWhosePasswordHashCannotBeMadeIsRefused)
{
    EditorConfig failing = useraddmdoConfig();
    failing.newRecordValues = [] {
        return RecordValues { { "userpasswd", QVariant() },
            { "user_crt_date", QVariant("2026-03-04 09:08:07") } };
    };
    platform::SheetModel users;
    GridEditor refusing(failing, users);
    refusing.prepare();
    refusing.load();
    type(users, users.rows() - 1, { "王五", "管理员" });
    toasts.clear();
    const SaveOutcome outcome = refusing.save();
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(rowCount("c_user_table", "username='王五'"), 0) << "no user with an empty password";
    EXPECT_TRUE(toasts.last().startsWith("有1行数据没有保存！|")) << toasts.last().toStdString();
    EXPECT_TRUE(toasts.last().contains("新用户的初始密码无法生成")) << toasts.last().toStdString();
}

TEST_P(UsersEditorDb, TheGroupIsPickedFromTheListAndSavingAgainOnlyChangesIt)
{
    editor.load();
    EXPECT_EQ(sheet.cellType(1, 2), platform::CellType::List);
    EXPECT_TRUE(sheet.columnListChoices(2).contains("管理员"));
    EXPECT_TRUE(sheet.column(2).listOnly);
    type(sheet, 5, { "王五", "" });
    editor.save();
    EXPECT_EQ(userValue("userlevel", "王五").toString(), QString()) << "no group: stored empty";
    const QString hash = userValue("userpasswd", "王五").toString();
    const QVariant created = userValue("user_crt_date", "王五");

    sheet.editCell(5, 2, "管理员");
    editor.save();
    EXPECT_EQ(rowCount("c_user_table", "username=?", { "王五" }), 1);
    EXPECT_EQ(userValue("userlevel", "王五").toString(), QString("管理员"));
    EXPECT_EQ(userValue("userpasswd", "王五").toString(), hash);
    EXPECT_EQ(userValue("user_crt_date", "王五"), created);

    // An existing user's group, changed in its loaded row.
    editor.load();
    const int row = rowOf(masterdatatest::tester);
    ASSERT_GT(row, 0);
    sheet.editCell(row, 2, "管理员");
    editor.save();
    EXPECT_EQ(userValue("userlevel", masterdatatest::tester).toString(), QString("管理员"));
}

TEST_P(UsersEditorDb, SuperAdministratorIsNeverShownNorChanged)
{
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userpasswd,userlevel) values (?,?,?)",
        { "超级管理员", "保密", "超级" }));
    editor.load();
    EXPECT_EQ(rowOf("超级管理员"), -1);
    EXPECT_GT(rowOf("系统管理员"), 0);
    EXPECT_EQ(sheet.rows(), 20) << "two users listed";

    type(sheet, 10, { "超级管理员", "管理员" });
    toasts.clear();
    const SaveOutcome outcome = editor.save();
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_TRUE(toasts.last().startsWith("有1行数据没有保存！|第10行：")) << toasts.last().toStdString();
    EXPECT_EQ(userValue("userlevel", "超级管理员").toString(), QString("超级"));
    EXPECT_EQ(userValue("userpasswd", "超级管理员").toString(), QString("保密"));

    grant("useraddmdo", "1", "1");
    dialogs.answers = { platform::Answer::Ok };
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 10));
    EXPECT_EQ(rowCount("c_user_table", "username=?", { "超级管理员" }), 1);
}

TEST_P(UsersEditorDb, SystemAdministratorCannotBeDeleted)
{
    grant("useraddmdo", "1", "1");
    editor.load();
    const int row = rowOf("系统管理员");
    ASSERT_GT(row, 0);
    dialogs.answers = { platform::Answer::Ok };
    toasts.clear();
    EXPECT_FALSE(editor.deleteOnMouseButton(2, row));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "refused before the question";
    EXPECT_EQ(toasts.last(), QString("“系统管理员”不能删除！||1"));
    EXPECT_EQ(sheet.cellText(row, 1), QString("系统管理员")) << "the row stays";
    EXPECT_EQ(rowCount("c_user_table", "username=?", { "系统管理员" }), 1);

    // Another user goes after the question.
    const int other = rowOf(masterdatatest::tester);
    EXPECT_TRUE(editor.deleteOnMouseButton(2, other));
    EXPECT_EQ(dialogs.messages.last(), QString("友情提示|确定删除用户名称为测试员的用户信息吗？"));
    EXPECT_EQ(rowCount("c_user_table", "username=?", { masterdatatest::tester }), 0);
}

INSTANTIATE_BACKENDS(UsersEditorDb);
