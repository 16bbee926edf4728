// GetRights, WriteLog, ShellWait and ExitSystem.
#include "desktop/frame/procedures.h"
#include "frame_exit.h"
#include "frame_users.h"
#include "tests/support/fixedclock.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

using namespace korvell;
using namespace frametest;

namespace {

class ProceduresTest : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        loginState().gyname = QStringLiteral("王五");
        ASSERT_TRUE(addUser(QStringLiteral("王五"), QStringLiteral("x"), QStringLiteral("仓管")));
    }
    void TearDown() override
    {
        loginState().gyname.clear();
        DatabaseTest::TearDown();
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
    for (const QString code : { "0", "10" })
        EXPECT_TRUE(Rights(code).refusesChange()) << code.toStdString();
    for (const QString code : { "11", "01", "00", "1", "" })
        EXPECT_TRUE(Rights(code).mayChange()) << code.toStdString();
    EXPECT_TRUE(Rights("11").mayDelete());
    for (const QString code : { "10", "01", "00", "1", "111" })
        EXPECT_FALSE(Rights(code).mayDelete()) << code.toStdString();
    const Rights unread = Rights::unread();
    EXPECT_FALSE(unread.mayChange() || unread.mayDelete() || unread.refusesChange());
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

TEST_P(ProceduresTest, RightsThatCouldNotBeReadAreNoAnswer)
{
    grant(QStringLiteral("rkform"), "1", "1");
    QTemporaryDir empty;
    DatabaseGone gone(empty.path());
    EXPECT_FALSE(GetRights(QStringLiteral("rkform")).isRead());
    EXPECT_FALSE(toasts.lines.isEmpty());
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

TEST_P(ProceduresTest, WriteLogReportsAFailure)
{
    QTemporaryDir empty;
    DatabaseGone gone(empty.path());
    EXPECT_FALSE(WriteLog(QStringLiteral("x")));
    EXPECT_FALSE(toasts.lines.isEmpty());
}

TEST_P(ProceduresTest, ExitSystemLogsAndEndsEvenWithNobodyLoggedIn)
{
    CatchExit exits;
    loginState().gyname.clear();
    EXPECT_THROW(ExitSystem(), ProgramEnded);
    EXPECT_EQ(logLines(), QStringList { QStringLiteral("|退出系统") });
}

TEST_P(ProceduresTest, ExitSystemEndsWhenTheLogLineFails)
{
    CatchExit exits;
    QTemporaryDir empty;
    DatabaseGone gone(empty.path());
    EXPECT_THROW(ExitSystem(), ProgramEnded);
    EXPECT_FALSE(toasts.lines.isEmpty());
}

INSTANTIATE_BACKENDS(ProceduresTest);

TEST(ShellWait, StartedProgramIsWaitedForWhileTimersRun)
{
    EXPECT_TRUE(ShellWait(QStringLiteral("/bin/true")));

    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("vosket"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\nsleep 0.4\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(50);
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_TRUE(ShellWait(script));
    EXPECT_GE(elapsed.elapsed(), 380);
    EXPECT_GE(ticks, 3); // the event loop kept running during the wait
}

TEST(ShellWait, MissingProgramGivesFalseAtOnce)
{
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_FALSE(ShellWait(QStringLiteral("/no/such/folder/vosket")));
    EXPECT_LT(elapsed.elapsed(), 2000);
}
