// Failures: nothing is thrown, the result says failed, and the toast tells the user what happened.
#include "data_rows.h"
#include "desktop/data/connection.h"
#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/transaction.h"
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
#include <functional>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <sqlite3.h>
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

// While it lives, SQLite ignores (answer SQLITE_IGNORE) or refuses (SQLITE_DENY: "not
// authorized") the pragma that would set name (to argument, or to anything when argument is null)
// on every connection opened, after running before on it: a database on which the setting cannot
// be made.
struct IgnoredPragma {
    IgnoredPragma(
        const char* name, const char* argument, const char* before = nullptr, int answer = SQLITE_IGNORE)
    {
        pragma = { name, argument, before, answer };
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&install));
    }
    ~IgnoredPragma() { sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&install)); }
    static inline struct {
        const char *name, *argument, *before;
        int answer;
    } pragma {};
    static int authorize(void*, int action, const char* name, const char* argument, const char*, const char*)
    {
        return action == SQLITE_PRAGMA && sqlite3_stricmp(name, pragma.name) == 0 && argument
                && (!pragma.argument || sqlite3_stricmp(argument, pragma.argument) == 0)
            ? pragma.answer
            : SQLITE_OK;
    }
    static int install(sqlite3* db, const char**, const sqlite3_api_routines*)
    {
        if (pragma.before)
            sqlite3_exec(db, pragma.before, nullptr, nullptr, nullptr);
        return sqlite3_set_authorizer(db, authorize, nullptr);
    }
};

// A relay to the server that this program folder's nd.dsn names, and nd.dsn pointed at it.
std::unique_ptr<testsupport::TcpRelay> relayToServer()
{
    const QString dsn = loginState().myapppath + "nd.dsn";
    DsnKeys keys = readDsnKeys(dsn);
    QString host;
    int port = 0;
    for (const auto& [key, value] : keys) {
        if (key.compare("SERVER", Qt::CaseInsensitive) == 0)
            host = value;
        if (key.compare("PORT", Qt::CaseInsensitive) == 0)
            port = value.toInt();
    }
    auto relay = std::make_unique<testsupport::TcpRelay>(host, port);
    for (auto& [key, value] : keys)
        if (key.compare("PORT", Qt::CaseInsensitive) == 0)
            value = QString::number(relay->port());
    EXPECT_GT(relay->port(), 0);
    EXPECT_TRUE(writeDsnKeys(dsn, keys));
    resetConnection();
    return relay;
}

} // namespace

class Failures : public testsupport::DatabaseTest { };
class Refusals : public testsupport::DatabaseTest { };

// The program's words for what it knows exactly; any other refusal in the database's own words,
// its message line without the driver's trailer, so that the user can act on it. Alike natively
// and through ODBC, whose driver numbers its errors its own way.
TEST_P(Refusals, OwnWordsForWhatTheProgramKnowsTheDatabasesWordsForTheRest)
{
    const QString insert = "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)";
    const QString role = db->databaseName() + "_reader"; // roles are the server's, not the database's
    const std::tuple<QString, QVariantList, QString, QString> statements[] = {
        // text, values, then what SQLite and a server say ("": stored; "-": not on SQLite)
        { insert, { "1001", "检验组", "", "" }, "", "" },
        { insert, { "1001", "又一个", "", "" }, "数据重复", "数据重复" },
        { insert, { "1002", QString(51, u'长'), "", "" }, "-", "数据太长" },
        { insert, { QVariant(), "无代号", "", "" }, "NOT NULL constraint failed: c_bzname.bzid",
            "ERROR: null value in column \"bzid\" of relation \"c_bzname\" violates not-null constraint" },
        { "create table korvell_checked (n int check (n > 0))", {}, "", "" },
        { "insert into korvell_checked (n) values (?)", { 0 }, "CHECK constraint failed: n > 0",
            "ERROR: new row for relation \"korvell_checked\" violates check constraint "
            "\"korvell_checked_n_check\"" },
        { "selec * from c_bzname", {}, "near \"selec\": syntax error",
            "ERROR: syntax error at or near \"selec\"" },
        // SQLite's driver refuses a second statement itself, and SQLite has no words for that.
        { "select 1; select 2", {}, "Unable to execute multiple statements at a time", "" },
        { "select * from no_such_table", {}, "no such table: no_such_table",
            "ERROR: relation \"no_such_table\" does not exist" },
        { "create role " + role, {}, "-", "" },
        { "set role " + role, {}, "-", "" },
        { insert, { "1003", "无权", "", "" }, "-", "ERROR: permission denied for table c_bzname" },
        { "reset role", {}, "-", "" },
        { "drop role " + role, {}, "-", "" },
    };
    for (const auto& [sql, params, sqliteWords, serverWords] : statements) {
        const QString& words = GetParam() == Backend::SQLite ? sqliteWords : serverWords;
        if (words == "-")
            continue;
        toasts.clear();
        const SqlResult result = ExecSQL(sql, params);
        EXPECT_EQ(result.error, words) << sql.toStdString();
        EXPECT_EQ(toasts.lines,
            words.isEmpty() ? QStringList() : QStringList { "数据库发生错误: " + words + "||1" });
    }
    EXPECT_EQ(testsupport::rowCount("c_bzname"), 1);
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
        { "[ODBC]\nDRIVER=PostgreSQL Unicode\nSERVER=127.0.0.1\nDATABASE=korvell\nUID=postgres\nPORT="
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
    if (GetParam() == Backend::SQLite)
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

TEST_P(Refusals, ALockedTableIsWaitedForAFewSecondsOnly)
{
    ASSERT_TRUE(ExecSQL(
        "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)", { "1001", "检验组", "", "" }));
    std::optional<testsupport::LockHolder> holder(std::in_place, GetConnString(), "c_bzname");
    ASSERT_TRUE(holder->holding());
    toasts.clear();
    const SqlResult result = ExecSQL("update c_bzname set bzname=? where bzid=?", { "又一个", "1001" });
    holder.reset();
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.lockTimedOut);
    EXPECT_FALSE(result.connectionLost);
    EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: 数据被其他工作站占用，等待超时||1" });
    // The wait ended by the connection's own bound (in milliseconds), not by the holder's end.
    EXPECT_EQ(testsupport::scalar(GetParam() == Backend::SQLite
                      ? "PRAGMA busy_timeout"
                      : "select setting from pg_settings where name='lock_timeout'")
                  .toString(),
        QString::number(lockWaitMilliseconds));
    if (GetParam() != Backend::SQLite)
        return;
    // A transaction whose snapshot another station wrote past may not write: SQLite answers at
    // once with an extended code of SQLITE_BUSY, which is no less a lock.
    Transaction transaction;
    ASSERT_TRUE(ExecSQL("select count(*) from c_bzname"));
    std::thread([] {
        EXPECT_TRUE(ExecSQL("delete from c_bzname"));
        resetConnection();
    }).join();
    EXPECT_TRUE(ExecSQL("update c_bzname set bzname=? where bzid=?", { "又一个", "1001" }).lockTimedOut);
}

TEST_P(Failures, AFrozenNetworkCountsAsLostWithinSeconds)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database has no network; through ODBC the driver's time-outs decide";
    const auto path = relayToServer();
    testsupport::TcpRelay& relay = *path;
    // Whatever happens, the path comes back every half minute, so a wait without bound ends too.
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread rescue([&] {
        std::unique_lock lock(mutex);
        while (!done.wait_for(lock, std::chrono::seconds(30), [&] { return finished; }))
            relay.thaw();
    });
    const qint64 bound = answerWaitMilliseconds + serverProbeSeconds * 1000 + 3000;
    // Frozen under a statement, a new connection, the begin of a report run and of a transaction, and
    // a commit: each is given up within seconds (a call answers false then) and told as lost.
    const std::function<bool()> calls[] = {
        [&] { return relay.freeze(), !ExecSQL("select * from c_compmsg").connectionLost; },
        [&] { return resetConnection(), relay.freeze(), !ExecSQL("delete from c_log").connectionLost; },
        [&] { return relay.freeze(), !ExecReadOnlySQL("select * from c_compmsg").connectionLost; },
        [&] { return relay.freeze(), Transaction().active(); },
        [&] {
            Transaction transaction;
            return ExecSQL("delete from c_log").ok && (relay.freeze(), transaction.commit());
        },
    };
    for (const auto& call : calls) {
        relay.thaw();
        EXPECT_TRUE(ExecSQL("select * from c_compmsg").ok) << "the next call reconnects";
        toasts.clear();
        QElapsedTimer waited;
        waited.start();
        EXPECT_FALSE(call());
        EXPECT_LT(waited.elapsed(), bound);
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
    if (GetParam() == Backend::SQLite)
        GTEST_SKIP() << "an embedded database has no network";
    QElapsedTimer waited;
    waited.start();
    const SqlResult slow = ExecSQL("select pg_sleep(?)", { (answerWaitMilliseconds + 1500) / 1000.0 });
    EXPECT_TRUE(slow.ok) << slow.error.toStdString();
    EXPECT_GE(waited.elapsed(), answerWaitMilliseconds + 1000);
}

// A connection whose set-up the database did not take is not used: every call fails with the
// reason, followed by the database's own words when it refused, until an opening succeeds. SQLite
// may ignore a setting without a word: only the setting read back shows that it was not made.
TEST_P(Failures, AConnectionWhoseSetUpDidNotTakeIsNotUsedAndTheNextCallTriesAgain)
{
    const QString lockWait = "无法设置数据库的锁等待时限";
    if (GetParam() != Backend::SQLite) {
        // The server is asked through a path that misspells the setting on the way.
        const auto relay = relayToServer();
        relay->rewrite("lock_timeout", "lock_timeoux");
        for (const QString& sql :
            { QString("select * from c_compmsg"), QString("update c_compmsg set compphone='1'") }) {
            toasts.clear();
            EXPECT_FALSE(ExecSQL(sql).connectionLost);
            EXPECT_EQ(toasts.lines,
                QStringList { "数据库发生错误: " + lockWait
                    + ": ERROR: unrecognized configuration parameter \"lock_timeoux\"||1" });
        }
        relay->rewrite("lock_timeout", "lock_timeout");
        EXPECT_TRUE(ExecSQL("select * from c_compmsg").ok);
        return;
    }
    const std::tuple<const char*, const char*, QString> settings[] = {
        // the setting, what the connection starts with, the reason told
        { "busy_timeout", nullptr, lockWait },
        { "journal_mode", "PRAGMA journal_mode=DELETE", "无法将数据库设为预写日志方式" },
        { "synchronous", "PRAGMA synchronous=OFF", "无法将数据库设为每次提交即写入磁盘" },
    };
    for (const auto& [pragma, before, reason] : settings) {
        for (const int answer : { SQLITE_IGNORE, SQLITE_DENY }) {
            const IgnoredPragma ignored(pragma, nullptr, before, answer);
            resetConnection();
            const QString told = answer == SQLITE_DENY ? reason + ": not authorized" : reason;
            for (const QString& sql :
                { QString("select * from c_compmsg"), QString("update c_compmsg set compphone='1'") }) {
                toasts.clear();
                const SqlResult refused = ExecSQL(sql);
                EXPECT_FALSE(refused.connectionLost);
                EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: " + told + "||1" }) << pragma;
            }
        }
        EXPECT_TRUE(ExecSQL("select * from c_compmsg").ok) << pragma;
    }
}

// A transaction refused at its begin (misspelt on the way to the server) or at its commit (by a
// deferred constraint) is told in the database's words and stores nothing.
TEST_P(Failures, ATransactionRefusedAtBeginOrAtCommitIsToldAndStoresNothing)
{
    if (GetParam() == Backend::SQLite)
        GTEST_SKIP() << "SQLite defers no constraint to the commit";
    ASSERT_TRUE(ExecSQL("create table korvell_deferred (n int unique deferrable initially deferred)"));
    const QString insert = "insert into korvell_deferred (n) values (1)";
    {
        Transaction transaction;
        ASSERT_TRUE(ExecSQL(insert) && ExecSQL(insert));
        toasts.clear();
        EXPECT_FALSE(transaction.commit());
        EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: 数据重复||1" });
    }
    const auto relay = relayToServer();
    relay->rewrite("BEGIN", "BEGIX");
    toasts.clear();
    {
        Transaction transaction;
        EXPECT_FALSE(transaction.active() && ExecSQL(insert) && transaction.commit());
    }
    EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: ERROR: syntax error at or near \"BEGIX\"||1" });
    relay->rewrite("BEGIN", "BEGIN");
    EXPECT_EQ(testsupport::rowCount("korvell_deferred"), 0);
}

TEST_P(Failures, ReadOnlyTextsWriteNothingAndLeaveTheConnectionWritable)
{
    ASSERT_TRUE(datatest::addLogLine(QDateTime::currentDateTime(), "a", "b"));
    const bool server = GetParam() != Backend::SQLite;
    ASSERT_TRUE(!server
        || (ExecSQL("create sequence korvell_counter") && ExecSQL("set standard_conforming_strings=off")));
    // Only a query reaches the database, and there it can neither write nor reach outside.
    const QString written = "/tmp/korvell-copied-" + db->databaseName().section('/', -1);
    for (const QString& sql : { QString("delete from c_log"), QString("update c_log set logmsg='x'"),
             "copy c_log to '" + written + "'", "copy (select 1) to program 'touch " + written + "'",
             QString("select nextval('korvell_counter')") }) {
        std::ignore = ExecReadOnlySQL(sql); // refused or not, it must change nothing
        EXPECT_EQ(testsupport::scalar("select logmsg from c_log").toString(), "b") << sql.toStdString();
        EXPECT_FALSE(QFile::remove(written)) << sql.toStdString();
    }
    EXPECT_TRUE(!server || testsupport::scalar("select nextval('korvell_counter')").toInt() == 1);
    // One statement as the database reads it, whatever a lexer would make of the text (the server's
    // strings as set above): a second could end the read-only transaction and write on its own. On a
    // server all are refused alike; SQLite reads some as one (the second of a pair).
    const QStringList refused { GetParam() == Backend::Odbc
            ? "只能执行查询语句|经ODBC连接时，语句中只能在末尾有分号|1"
            : "数据库发生错误: ERROR: cannot insert multiple commands into a prepared statement||1" };
    const std::pair<QString, bool> texts[] = {
        { "select 1; delete from c_log", false }, { "select 1; commit; delete from c_log", false },
        { "select array['a]'] as x; commit; delete from c_log; -- '", false }, // a subscript or a name
        { "select 1 --\r; commit; delete from c_log", true }, // a line comment ends at a carriage return
        { "select 1 ×$$; commit; delete from c_log; select 1 ×$$", false }, // a name or a quote
        { "select 'a\\''; commit; delete from c_log; -- '", true }, // a backslash that escapes
    };
    for (const auto& [sql, oneOnSqlite] : texts) {
        toasts.clear();
        EXPECT_EQ(ExecReadOnlySQL(sql).ok, !server && oneOnSqlite) << sql.toStdString();
        EXPECT_TRUE(!server || toasts.lines == refused) << toasts.last().toStdString();
        EXPECT_EQ(testsupport::scalar("select logmsg from c_log").toString(), "b") << sql.toStdString();
    }
    const SqlResult read = ExecReadOnlySQL("select logmsg from c_log where username='a'");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.rs->value(0).toString(), "b");
    EXPECT_TRUE(ExecSQL("delete from c_log").ok);
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
    if (server)
        return;
    // A connection that SQLite leaves query-only is not used for the next write, and a text that
    // it would not make read-only does not run. Either way the user is told what failed.
    const std::tuple<const char*, int, QString> modes[] = {
        { "OFF", SQLITE_IGNORE, "无法将数据库连接设为可写" },
        { "OFF", SQLITE_DENY, "无法将数据库连接设为可写: not authorized" },
        { "ON", SQLITE_IGNORE, "无法将数据库连接设为只读" },
        { "ON", SQLITE_DENY, "无法将数据库连接设为只读: not authorized" },
    };
    for (const auto& [setting, answer, told] : modes) {
        const IgnoredPragma pragma("query_only", setting, nullptr, answer);
        resetConnection();
        toasts.clear();
        EXPECT_FALSE(ExecReadOnlySQL("select count(*) from c_log").ok) << setting;
        EXPECT_EQ(toasts.lines, QStringList { "数据库发生错误: " + told + "||1" }) << setting;
        EXPECT_TRUE(datatest::addLogLine(QDateTime::currentDateTime(), "a", setting));
    }
    EXPECT_EQ(testsupport::rowCount("c_log"), 4);
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

INSTANTIATE_BACKENDS_WITH_ODBC(Failures);
INSTANTIATE_BACKENDS_WITH_ODBC(Refusals);
