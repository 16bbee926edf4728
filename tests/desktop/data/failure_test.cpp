// Failures: nothing is thrown, the result says failed, and the toast tells the user what happened.
#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "tests/support/testdatabase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
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

// Points nd.dsn of the current program folder at a database that cannot be reached.
void pointAtNothing(Backend backend)
{
    DsnKeys keys = { { "DRIVER", "SQLite3" }, { "DATABASE", "/nonexistent-folder/korvell.db" } };
    if (backend == Backend::PostgreSQL)
        keys = { { "DRIVER", "PostgreSQL" }, { "SERVER", "127.0.0.1" },
            { "PORT", QString::number(closedPort()) }, { "DATABASE", "korvell" }, { "UID", "postgres" } };
    ASSERT_TRUE(writeDsnKeys(loginState().myapppath + "nd.dsn", keys));
    resetConnection();
}

} // namespace

class Failures : public testsupport::DatabaseTest { };

TEST_P(Failures, DuplicateKeyShowsTheDatabaseTextAndReportsFailure)
{
    const QString insert = "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)";
    ASSERT_TRUE(ExecSQL(insert, { "1001", "检验组", "", "" }).ok);
    const SqlResult result = ExecSQL(insert, { "1001", "又一个", "", "" });
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.rs);
    EXPECT_FALSE(result.error.isEmpty());
    ASSERT_EQ(toasts.lines.size(), 1);
    EXPECT_EQ(toasts.last(), "数据库发生错误: " + result.error + "||1");
    EXPECT_EQ(
        testsupport::scalar("select bzname from c_bzname where bzid=?", { "1001" }).toString(), "检验组");
}

TEST_P(Failures, SyntaxErrorsAndUnknownTablesAreDatabaseErrors)
{
    for (const QString& sql : { QString("select * from no_such_table"), QString("selec 1"),
             QString("update c_log set nosuch=? where 1=0") }) {
        toasts.clear();
        const SqlResult result = ExecSQL(sql, sql.contains('?') ? QVariantList { 1 } : QVariantList {});
        EXPECT_FALSE(result.ok) << sql.toStdString();
        EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: ")) << toasts.last().toStdString();
    }
    // The connection is fine afterwards.
    EXPECT_EQ(testsupport::rowCount("c_main_sts"), 7);
}

TEST_P(Failures, UnreachableDatabaseShowsTheConnectionToast)
{
    pointAtNothing(GetParam());
    for (const QString& sql :
        { QString("select * from c_compmsg"), QString("update c_compmsg set compphone='1'") }) {
        toasts.clear();
        const SqlResult result = ExecSQL(sql);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.rs);
        EXPECT_EQ(toasts.lines, QStringList { connectionToast });
    }
}

TEST_P(Failures, MissingDatabaseIsNotCreatedEmpty)
{
    if (GetParam() != Backend::SQLite)
        GTEST_SKIP() << "a server database is named, not a file";
    ASSERT_TRUE(writeDsnKeys(
        loginState().myapppath + "nd.dsn", { { "DRIVER", "SQLite3" }, { "DATABASE", "gone.db" } }));
    resetConnection();
    EXPECT_FALSE(ExecSQL("select * from c_compmsg").ok);
    EXPECT_EQ(toasts.lines, QStringList { connectionToast });
    EXPECT_FALSE(QFile::exists(loginState().myapppath + "gone.db"));
}

TEST_P(Failures, UnknownDriverGoesThroughOdbc)
{
    if (GetParam() != Backend::SQLite)
        GTEST_SKIP() << "one run is enough: no ODBC driver is installed either way";
    ASSERT_TRUE(writeDsnKeys(loginState().myapppath + "nd.dsn",
        { { "DRIVER", "No Such ODBC Driver" }, { "SERVER", "127.0.0.1" }, { "DATABASE", "korvell" } }));
    resetConnection();
    EXPECT_EQ(currentBackend(), Backend::Odbc);
    const SqlResult result = ExecSQL("select * from c_compmsg");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(toasts.lines, QStringList { connectionToast });
}

TEST_P(Failures, MissingConnectionFileShowsTheConnectionToast)
{
    ASSERT_TRUE(QFile::remove(loginState().myapppath + "nd.dsn"));
    resetConnection();
    EXPECT_FALSE(ExecSQL("select * from c_compmsg").ok);
    EXPECT_EQ(toasts.lines, QStringList { connectionToast });
}

TEST_P(Failures, ServerThatGoesAwayIsAConnectionFailureAndTheNextCallReconnects)
{
    if (GetParam() != Backend::PostgreSQL)
        GTEST_SKIP() << "an embedded database cannot go away";
    const int pid = testsupport::scalar("select pg_backend_pid()").toInt();
    ASSERT_GT(pid, 0);
    {
        // The server ends our session, as a restart or a network cut would.
        const ConnectionSettings settings = GetConnString();
        QSqlDatabase admin = QSqlDatabase::addDatabase("QPSQL", "failure-admin");
        admin.setHostName(settings.host);
        admin.setPort(settings.port);
        admin.setUserName(settings.user);
        admin.setDatabaseName("postgres");
        ASSERT_TRUE(admin.open());
        QSqlQuery kill(admin);
        ASSERT_TRUE(kill.exec(QString("select pg_terminate_backend(%1)").arg(pid)));
        admin.close();
    }
    QSqlDatabase::removeDatabase("failure-admin");

    const SqlResult lost = ExecSQL("select * from c_compmsg");
    EXPECT_FALSE(lost.ok);
    EXPECT_EQ(toasts.lines, QStringList { connectionToast });

    const SqlResult again = ExecSQL("select * from c_compmsg");
    EXPECT_TRUE(again.ok);
    ASSERT_TRUE(again.rs);
    EXPECT_EQ(again.rs->RecordCount(), 1);
}

INSTANTIATE_BACKENDS(Failures);
