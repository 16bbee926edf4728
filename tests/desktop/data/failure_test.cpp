// Failures: nothing is thrown, the result says failed, and the toast tells the user what happened.
#include "data_rows.h"
#include "desktop/data/connection.h"
#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "tests/support/application.h"
#include "tests/support/files.h"
#include "tests/support/lockholder.h"
#include "tests/support/tcprelay.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <arpa/inet.h>
#include <condition_variable>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <tuple>
#include <unistd.h>

using namespace korvell;

namespace {

const QString connectionToast = "数据库连接发生错误|请检查网络或数据库服务器|1";

// A local port on which nothing listens: bound once by us, then released.
int closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

} // namespace

class Failures : public testsupport::DatabaseTest { };

// The driver's text speaks the server's language and quotes statements: the toast and the result
// say what was refused in the system's words, alike on every backend.
TEST_P(Failures, StatementsTheDatabaseRefusesAreToldInTheSystemsWords)
{
    const QString insert = "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)";
    ASSERT_TRUE(ExecSQL(insert, { "1001", "检验组", "", "" }));
    const std::tuple<QString, QVariantList, QString> refused[] = {
        { insert, { "1001", "又一个", "", "" }, "数据重复" },
        { "insert into c_bzname (bzid) values (?)", { QVariant() }, "必填的数据为空" },
        { "select * from no_such_table", {}, "表不存在" },
        { "selec 1", {}, "SQL语句语法错误" },
        { "update c_log set nosuch=? where 1=0", { 1 }, "字段不存在" },
        { "select nosuchfunction(1)", {}, "函数不存在" },
    };
    for (const auto& [sql, params, words] : refused) {
        toasts.clear();
        const SqlResult result = ExecSQL(sql, params);
        EXPECT_FALSE(result.ok) << sql.toStdString();
        EXPECT_FALSE(result.rs);
        EXPECT_EQ(result.error, words) << sql.toStdString();
        EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: " + words + "||1" }) << sql.toStdString();
    }
    // Nothing changed, and the connection is fine afterwards.
    EXPECT_EQ(
        testsupport::scalar("select bzname from c_bzname where bzid=?", { "1001" }).toString(), "检验组");
    EXPECT_EQ(testsupport::rowCount("c_main_sts"), 7);
}

// A fault of nd.dsn names the file; a server that does not answer, or an ODBC driver that is
// not installed, is a connection fault. Queries and commands alike fail without a recordset.
TEST_P(Failures, FaultsOfTheConnectionFileAndUnreachableServersAreToasted)
{
    const QString folder = loginState().myapppath;
    const QString dsn = folder + "nd.dsn";
    const struct {
        QByteArray file; // nd.dsn as written; empty: no file
        QString toast;
    } cases[] = {
        { "", "数据库发生错误: 找不到连接文件 " + dsn + "||1" },
        { "DRIVER=SQLite3 (no section)\n\x01\x02",
            "数据库发生错误: 连接文件 " + dsn + " 的 [ODBC] 节中没有 DRIVER=||1" },
        { "[ODBC]\nDRIVER=SQLite3\nDATABASE=gone.db\n",
            "数据库发生错误: 连接文件 nd.dsn 中 DATABASE= 所指的文件 " + folder + "gone.db 不存在||1" },
        { "[ODBC]\nDRIVER=PostgreSQL\nSERVER=127.0.0.1\nPORT=5432x\nDATABASE=k\n",
            "数据库发生错误: 连接文件 " + dsn + " 中的 PORT=5432x 不是端口号||1" },
        { "[ODBC]\nDRIVER=PostgreSQL\nSERVER=127.0.0.1\nDATABASE=korvell\nUID=postgres\nPORT="
                + QByteArray::number(closedPort()),
            connectionToast },
        { "[ODBC]\nDRIVER=No Such ODBC Driver\nSERVER=127.0.0.1\nDATABASE=korvell\n", connectionToast },
    };
    for (const auto& c : cases) {
        QFile::remove(dsn);
        if (!c.file.isEmpty())
            testsupport::writeFile(dsn, c.file);
        resetConnection();
        for (const QString& sql :
            { QString("select * from c_compmsg"), QString("update c_compmsg set compphone='1'") }) {
            toasts.clear();
            const SqlResult result = ExecSQL(sql);
            EXPECT_FALSE(result.ok) << c.file.toStdString();
            EXPECT_FALSE(result.rs);
            EXPECT_EQ(toasts.lines, QStringList { c.toast }) << sql.toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(folder + "gone.db")) << "a missing database is not created empty";
}

TEST_P(Failures, ServerThatGoesAwayIsAConnectionFailureAndTheNextCallReconnects)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database cannot go away";
    const int pid = testsupport::scalar("select pg_backend_pid()").toInt();
    ASSERT_GT(pid, 0);
    // The server ends our session, as a restart or a network cut would; another thread has its own.
    std::thread([pid] { ASSERT_TRUE(ExecSQL("select pg_terminate_backend(?)", { pid })); }).join();

    const SqlResult lost = ExecSQL("select * from c_compmsg");
    EXPECT_FALSE(lost.ok);
    EXPECT_EQ(toasts.lines, QStringList { connectionToast });

    const SqlResult again = ExecSQL("select * from c_compmsg");
    EXPECT_TRUE(again.ok);
    ASSERT_TRUE(again.rs);
    EXPECT_EQ(again.rs->RecordCount(), 1);
}

TEST_P(Failures, ALockedTableIsWaitedForAFewSecondsOnly)
{
    ASSERT_TRUE(ExecSQL(
        "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)", { "1001", "检验组", "", "" }));
    testsupport::LockHolder holder(GetConnString(), "c_bzname");
    ASSERT_TRUE(holder.holding());
    toasts.clear();
    QElapsedTimer waited;
    waited.start();
    const SqlResult result = ExecSQL("update c_bzname set bzname=? where bzid=?", { "又一个", "1001" });
    const qint64 elapsed = waited.elapsed();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.lockTimedOut);
    EXPECT_FALSE(result.connectionLost);
    EXPECT_GE(elapsed, lockWaitMilliseconds - 500);
    EXPECT_LT(elapsed, lockWaitMilliseconds + 1500);
    EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: 数据被其他工作站占用，等待超时||1" });
}

TEST_P(Failures, AFrozenNetworkCountsAsLostWithinSeconds)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database has no network";
    const ConnectionSettings server = GetConnString();
    testsupport::TcpRelay relay(server.host, server.port);
    ASSERT_GT(relay.port(), 0);
    const QString dsn = loginState().myapppath + "nd.dsn";
    DsnKeys keys = readDsnKeys(dsn);
    for (auto& [key, value] : keys)
        if (key.compare("PORT", Qt::CaseInsensitive) == 0)
            value = QString::number(relay.port());
    ASSERT_TRUE(writeDsnKeys(dsn, keys));
    resetConnection();
    ASSERT_TRUE(ExecSQL("select * from c_compmsg").ok);
    relay.freeze();
    // Whatever happens, the path comes back after a minute, so a wait without bound ends too.
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread rescue([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, std::chrono::seconds(60), [&] { return finished; }))
            relay.thaw();
    });
    const qint64 bound = answerWaitMilliseconds + serverProbeSeconds * 1000 + 3000;
    for (const QString& sql :
        { QString("select * from c_compmsg"), QString("update c_compmsg set compphone=?") }) {
        // The first call finds its connection frozen, the second cannot open a new one.
        toasts.clear();
        QElapsedTimer waited;
        waited.start();
        const SqlResult lost = ExecSQL(sql, sql.contains('?') ? QVariantList { "1" } : QVariantList {});
        EXPECT_LT(waited.elapsed(), bound) << sql.toStdString();
        EXPECT_FALSE(lost.ok);
        EXPECT_TRUE(lost.connectionLost);
        EXPECT_EQ(toasts.lines, QStringList { connectionToast });
    }
    {
        std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_all();
    rescue.join();
    relay.thaw();
    EXPECT_TRUE(ExecSQL("select * from c_compmsg").ok);
}

TEST_P(Failures, ASlowStatementOfAServerThatAnswersIsNotCut)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database has no network";
    QElapsedTimer waited;
    waited.start();
    const SqlResult slow = ExecSQL("select pg_sleep(?)", { (answerWaitMilliseconds + 1500) / 1000.0 });
    EXPECT_TRUE(slow.ok) << slow.error.toStdString();
    EXPECT_GE(waited.elapsed(), answerWaitMilliseconds + 1000);
}

// A connection whose lock wait could not be bounded, or whose embedded set-up failed, is not used:
// every call fails with the reason until an opening succeeds.
TEST_P(Failures, AConnectionWhoseSetUpFailedIsNotUsedAndTheNextCallTriesAgain)
{
    const std::vector<std::pair<SetupStep, QString>> steps = GetParam() == Backend::PostgreSQL
        ? std::vector<std::pair<SetupStep, QString>> { { SetupStep::LockWait, "无法设置数据库的锁等待时限" } }
        : std::vector<std::pair<SetupStep, QString>> {
              { SetupStep::LenFunction, "无法在数据库中注册 len() 函数" },
              { SetupStep::WalJournal, "无法将数据库设为预写日志方式" },
              { SetupStep::FullSync, "无法将数据库设为每次提交即写入磁盘" },
          };
    for (const auto& [step, reason] : steps) {
        refuseSetupStepForTesting(step);
        resetConnection();
        for (const QString& sql :
            { QString("select * from c_compmsg"), QString("update c_compmsg set compphone='1'") }) {
            toasts.clear();
            const SqlResult refused = ExecSQL(sql);
            EXPECT_FALSE(refused.ok) << reason.toStdString();
            EXPECT_FALSE(refused.connectionLost);
            EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: " + reason + "||1" });
        }
        refuseSetupStepForTesting(std::nullopt);
        EXPECT_TRUE(ExecSQL("select * from c_compmsg").ok) << reason.toStdString();
    }
}

TEST_P(Failures, ReadOnlyTextsWriteNothingAndLeaveTheConnectionWritable)
{
    ASSERT_TRUE(datatest::addLogLine(QDateTime::currentDateTime(), "a", "b"));
    for (const QString& sql :
        { QString("delete from c_log"), QString("select count(*) from c_log; delete from c_log"),
            QString("update c_log set logmsg='x'") }) {
        std::ignore = ExecReadOnlySQL(sql); // refused or not, it must change nothing
        EXPECT_EQ(testsupport::scalar("select logmsg from c_log").toString(), "b") << sql.toStdString();
    }
    const SqlResult read = ExecReadOnlySQL("select logmsg from c_log where username=?", { "a" });
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.rs->value(0).toString(), "b");
    EXPECT_TRUE(ExecSQL("delete from c_log").ok);
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
}

TEST(Toasts, AToastFromAWorkerThreadIsShownOnTheProgramsThread)
{
    testsupport::ensureApp<QCoreApplication>();
    struct ThreadRecorder final : ToastSink {
        void show(const QString& mainLine, const QString&, int) override
        {
            lines << mainLine;
            threads << QThread::currentThread();
        }
        QStringList lines;
        QList<QThread*> threads;
    } recorder;
    ToastSink* previous = setToastSink(&recorder);
    std::thread([] { ShowToast("数据库发生错误: x", "", ToastRed); }).join();
    QDeadlineTimer deadline(10000);
    while (recorder.lines.isEmpty() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    setToastSink(previous);
    EXPECT_EQ(recorder.lines, QStringList { "数据库发生错误: x" });
    EXPECT_EQ(recorder.threads, QList<QThread*> { QCoreApplication::instance()->thread() });
}

INSTANTIATE_BACKENDS(Failures);
