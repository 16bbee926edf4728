// The password change's checks, in their order, and what is stored.
#include "desktop/frame/passwordchange.h"
#include "desktop/frame/passwords.h"
#include "frame_users.h"

using namespace korvell;
using namespace frametest;

namespace {

class PasswordChangeTest : public FrameDatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = QStringLiteral("张三");
        ASSERT_TRUE(addUser(QStringLiteral("张三"), hashPassword(QStringLiteral("old1"))));
    }
    bool stored(const QString& password) const
    {
        return passwordMatches(storedPassword(QStringLiteral("张三")), password);
    }
};

} // namespace

TEST_P(PasswordChangeTest, ChecksComeInOrder)
{
    EXPECT_EQ(changePassword("bad", "bad", "other"), PasswordChange::OldWrong);
    EXPECT_EQ(changePassword("old1", " old1 ", "x"), PasswordChange::SameAsOld);
    EXPECT_EQ(changePassword("old1", "new1", "new2"), PasswordChange::Mismatch);
    EXPECT_TRUE(stored("old1"));
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_P(PasswordChangeTest, NewPasswordEvenEmptyIsStoredTrimmedAsAHashAndLogged)
{
    EXPECT_EQ(changePassword(" old1 ", " new1", "new1 "), PasswordChange::Changed);
    const QString hashed = storedPassword(QStringLiteral("张三")).toString();
    EXPECT_TRUE(isPasswordHash(hashed));
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("张三|修改操作员密码") });
    // Given with or without its blanks, as the old password and at the login alike.
    EXPECT_TRUE(stored(" new1 "));
    EXPECT_TRUE(stored("new1"));
    EXPECT_EQ(changePassword("new1", "new2", "new2"), PasswordChange::Changed);
    EXPECT_TRUE(stored("new2"));
    EXPECT_EQ(changePassword("new2", "", ""), PasswordChange::Changed); // an empty one too
    EXPECT_TRUE(stored(""));
}

TEST_P(PasswordChangeTest, ClearTextOldPasswordIsComparedTrimmed)
{
    ASSERT_TRUE(ExecSQL(QStringLiteral("update c_user_table set userpasswd=? where username=?"),
        { QStringLiteral("307452 "), QStringLiteral("张三") }));
    EXPECT_EQ(changePassword(" 307452", "abc", "abc"), PasswordChange::Changed);
    EXPECT_TRUE(stored("abc"));
}

TEST_P(PasswordChangeTest, MissingUserOrDatabaseChangesNothing)
{
    loginState().gyname = QStringLiteral("已删除");
    EXPECT_EQ(changePassword("old1", "new1", "new1"), PasswordChange::UserMissing);
    loginState().gyname = QStringLiteral("张三");
    DatabaseGone gone;
    EXPECT_EQ(changePassword("old1", "new1", "new1"), PasswordChange::NotStored);
    gone.back();
    EXPECT_TRUE(stored("old1"));
    EXPECT_TRUE(logLines().isEmpty());
}

INSTANTIATE_BACKENDS(PasswordChangeTest);
