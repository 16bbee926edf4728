// The login against c_user_table: outcomes, the login state, the clear-text upgrade, the station.
#include "desktop/frame/login.h"
#include "desktop/frame/passwords.h"
#include "frame_users.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>

using namespace korvell;
using namespace frametest;

namespace {

class LoginTest : public FrameDatabaseTest {
protected:
    void prepare() override
    {
        writeStationFile(loginState().myapppath, "3\r\n");
        ASSERT_TRUE(
            addUser(QStringLiteral("张三"), hashPassword(QStringLiteral("Ab12")), QStringLiteral("仓管")));
    }
    testsupport::ScriptedDialogs dialogs;
};

} // namespace

TEST_P(LoginTest, UserListComesInRowOrder)
{
    ASSERT_TRUE(addUser(QStringLiteral("李四"), QStringLiteral("1")));
    const auto names = loginUserNames();
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->contains(QStringLiteral("系统管理员")));
    EXPECT_LT(names->indexOf(QStringLiteral("张三")), names->indexOf(QStringLiteral("李四")));
}

TEST_P(LoginTest, RightPasswordFillsTheLoginState)
{
    EXPECT_EQ(attemptLogin(QStringLiteral("张三"), QStringLiteral("Ab12")), LoginOutcome::LoggedIn);
    EXPECT_EQ(loginState().gyname, QStringLiteral("张三"));
    EXPECT_EQ(loginState().gy_id, QStringLiteral("仓管"));
    EXPECT_EQ(loginState().station_no, QStringLiteral("3"));
    EXPECT_TRUE(dialogs.prompts.isEmpty());
}

TEST_P(LoginTest, RefusalsEvenOfAStoredNullLeaveTheLoginStateAlone)
{
    loginState().gyname = QStringLiteral("前一位");
    EXPECT_EQ(attemptLogin(QStringLiteral("nobody"), QStringLiteral("Ab12")), LoginOutcome::UnknownUser);
    EXPECT_EQ(attemptLogin(QStringLiteral("张三"), QStringLiteral("ab12")), LoginOutcome::WrongPassword);
    ASSERT_TRUE(addUser(QStringLiteral("空"), QVariant()));
    EXPECT_EQ(attemptLogin(QStringLiteral("空"), QString()), LoginOutcome::WrongPassword);
    EXPECT_EQ(loginState().gyname, QStringLiteral("前一位"));
    EXPECT_TRUE(loginState().gy_id.isEmpty());
}

TEST_P(LoginTest, NameWithAQuoteIsLookedUpSafely)
{
    ASSERT_TRUE(addUser(QStringLiteral("O'Brien"), hashPassword(QStringLiteral("pw"))));
    EXPECT_EQ(attemptLogin(QStringLiteral("O' or '1'='1"), QStringLiteral("pw")), LoginOutcome::UnknownUser);
    EXPECT_EQ(attemptLogin(QStringLiteral("O'Brien"), QStringLiteral("pw")), LoginOutcome::LoggedIn);
}

TEST_P(LoginTest, ClearTextIsAcceptedOnceAndReplacedByItsHash)
{
    ASSERT_TRUE(addUser(QStringLiteral("老用户"), QStringLiteral("307452")));
    EXPECT_EQ(attemptLogin(QStringLiteral("老用户"), QStringLiteral("30745")), LoginOutcome::WrongPassword);
    EXPECT_EQ(storedPassword(QStringLiteral("老用户")), QVariant(QStringLiteral("307452")));

    EXPECT_EQ(attemptLogin(QStringLiteral("老用户"), QStringLiteral("307452")), LoginOutcome::LoggedIn);
    const QString stored = storedPassword(QStringLiteral("老用户")).toString();
    EXPECT_TRUE(isPasswordHash(stored));
    EXPECT_TRUE(passwordMatches(stored, QStringLiteral("307452")));
    EXPECT_EQ(attemptLogin(QStringLiteral("老用户"), QStringLiteral("307452")), LoginOutcome::LoggedIn);
    EXPECT_EQ(storedPassword(QStringLiteral("老用户")).toString(), stored); // hashed once
}

TEST_P(LoginTest, MissingStationFileIsAskedForEvenWhenTheLoginFails)
{
    QFile::remove(loginState().myapppath + QStringLiteral("stationno.txt"));
    dialogs.inputs = { QString(), QStringLiteral("6") };
    EXPECT_EQ(attemptLogin(QStringLiteral("张三"), QStringLiteral("wrong")), LoginOutcome::WrongPassword);
    EXPECT_EQ(dialogs.prompts.size(), 2);
    EXPECT_EQ(loginState().station_no, QStringLiteral("6"));
    EXPECT_EQ(attemptLogin(QStringLiteral("张三"), QStringLiteral("Ab12")), LoginOutcome::LoggedIn);
    EXPECT_EQ(dialogs.prompts.size(), 2);
}

TEST_P(LoginTest, UnwritableStationFileEndsTheLogin)
{
    const QString folder = loginState().myapppath;
    QFile::remove(folder + QStringLiteral("stationno.txt"));
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("stationno.txt"))); // in the way of the file
    dialogs.inputs = { QStringLiteral("2") };
    EXPECT_EQ(attemptLogin(QStringLiteral("张三"), QStringLiteral("Ab12")), LoginOutcome::StationUnwritable);
    EXPECT_TRUE(loginState().gyname.isEmpty());
}

INSTANTIATE_BACKENDS(LoginTest);
