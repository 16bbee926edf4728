// GetRights, WriteLog, ShellWait and ExitSystem.
#include "desktop/frame/procedures.h"
#include "frame_users.h"
#include "tests/support/fixedclock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <tuple>

using namespace korvell;
using namespace frametest;

namespace {

class ProceduresTest : public FrameDatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = QStringLiteral("王五");
        ASSERT_TRUE(addUser(QStringLiteral("王五"), QStringLiteral("x"), QStringLiteral("仓管")));
    }
    void grant(const QString& window, const QVariant& query, const QVariant& maintain)
    {
        ASSERT_TRUE(ExecSQL(
            QStringLiteral("insert into c_usergroup (groupname,progname,groupauth1,groupauth2) "
                           "select '仓管', programchname, ?, ? from c_programgroup where programname=?"),
            { query, maintain, window }));
    }
};

} // namespace

TEST(Rights, CodesDecideChangeAndDelete)
{
    for (const QString code : { "0", "10", "00", "1", "", "111", "1 " })
        EXPECT_TRUE(Rights(code).refusesChange()) << code.toStdString();
    for (const QString code : { "11", "01" })
        EXPECT_TRUE(Rights(code).mayChange()) << code.toStdString();
    EXPECT_TRUE(Rights("11").mayDelete());
    for (const QString code : { "10", "01", "00", "1", "111" })
        EXPECT_FALSE(Rights(code).mayDelete()) << code.toStdString();
    const Rights unread = Rights::unread();
    EXPECT_FALSE(unread.mayChange() || unread.mayDelete() || unread.refusesChange());
    // The group rights editor: "11", or the super user whatever the rights.
    for (const auto& [code, user, may] :
        { std::tuple { "11", "张三", true }, { "10", "张三", false }, { "01", "张三", false },
            { "", "张三", false }, { "10", "超级用户", true }, { "0", "超级用户", true } })
        EXPECT_EQ(Rights(code).maySaveGroupRights(user), may) << code << user;
    EXPECT_FALSE(unread.maySaveGroupRights("张三"));
}

TEST_P(ProceduresTest, GetRightsFollowsTheGroupRow)
{
    // No registered window, or no row for the group: "10".
    EXPECT_TRUE(GetRights(QStringLiteral("nosuchform")).refusesChange());
    EXPECT_TRUE(GetRights(QStringLiteral("rkform")).refusesChange());

    grant(QStringLiteral("rkform"), "1", "1");
    grant(QStringLiteral("ckform"), "0", QVariant());
    grant(QStringLiteral("tkform"), "1", "0");
    EXPECT_TRUE(GetRights(QStringLiteral("rkform")).mayDelete());
    EXPECT_TRUE(GetRights(QStringLiteral("ckform")).refusesChange()) << "a Null right adds nothing: \"0\"";
    EXPECT_TRUE(GetRights(QStringLiteral("tkform")).refusesChange());
    EXPECT_TRUE(toasts.lines.isEmpty());

    // The administrators' group holds every right.
    loginState().gyname = QStringLiteral("系统管理员");
    EXPECT_TRUE(GetRights(QStringLiteral("tkform")).mayDelete());
}

TEST_P(ProceduresTest, WriteLogBindsTimeAndUser)
{
    testsupport::FixedClock clock(QDateTime(QDate(2026, 3, 5), QTime(9, 5, 7)));
    loginState().gyname = QStringLiteral("O'Brien");
    ASSERT_TRUE(WriteLog(QStringLiteral("it's 进入系统")));
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("O'Brien|it's 进入系统") });
    EXPECT_EQ(dateTimeOf(testsupport::scalar(QStringLiteral("select logdate from c_log"))),
        QDateTime(QDate(2026, 3, 5), QTime(9, 5, 7)));
}

// Rights that could not be read are no answer, a lost log line is reported, the program ends anyway.
TEST_P(ProceduresTest, WithTheDatabaseGoneEachFailureIsToastedAndExitSystemStillEnds)
{
    grant(QStringLiteral("rkform"), "1", "1");
    CatchExit exits;
    DatabaseGone gone;
    EXPECT_FALSE(GetRights(QStringLiteral("rkform")).isRead());
    EXPECT_EQ(toasts.lines.size(), 1);
    EXPECT_FALSE(WriteLog(QStringLiteral("x")));
    EXPECT_EQ(toasts.lines.size(), 2);
    EXPECT_THROW(ExitSystem(), ProgramEnded);
    EXPECT_EQ(toasts.lines.size(), 3);
}

INSTANTIATE_BACKENDS(ProceduresTest);

TEST(ShellWait, StartedProgramIsWaitedForWhileTimersRunAndAMissingOneGivesFalseAtOnce)
{
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(ShellWait(QStringLiteral("/no/such/folder/vosket")));
    EXPECT_LT(elapsed.elapsed(), 2000);
    EXPECT_TRUE(ShellWait(QStringLiteral("/bin/true")));

    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("vosket"));
    QFile::setPermissions(
        testsupport::writeFile(script, "#!/bin/sh\nsleep 0.4\n"), QFile::ReadOwner | QFile::ExeOwner);

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(50);
    elapsed.restart();
    EXPECT_TRUE(ShellWait(script));
    EXPECT_GE(elapsed.elapsed(), 380);
    EXPECT_GE(ticks, 3); // the event loop kept running during the wait
}
