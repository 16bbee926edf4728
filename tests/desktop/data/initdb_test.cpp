// init-db: creates the database nd.dsn names, refuses one that holds tables, --force replaces it,
// --demo adds the demo data.
#include "data_rows.h"
#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "tests/support/testdatabase.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace korvell;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun initDb(const QString& home, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KORVELL_HOME", home);
    environment.insert("KORVELL_DATABASE_DIR", testsupport::databaseDir());
    process.setProcessEnvironment(environment);
    process.start(KORVELL_INITDB, arguments);
    process.waitForFinished(120000);
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()) };
}

} // namespace

class InitDb : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        ASSERT_TRUE(home.isValid());
        if (GetParam() == Backend::PostgreSQL) {
            // The same server as the test database, another database.
            DsnKeys keys = readDsnKeys(db->programFolder() + "nd.dsn");
            for (auto& [key, value] : keys) {
                if (key == "DATABASE")
                    value += "_initdb";
            }
            ASSERT_TRUE(writeDsnKeys(home.filePath("nd.dsn"), keys));
            created = connectionFromKeys(keys, home.path() + "/");
        }
    }
    void TearDown() override
    {
        if (db)
            useHome(false);
        QString why;
        if (GetParam() == Backend::PostgreSQL && !created.databaseName.isEmpty()) {
            EXPECT_TRUE(dropServerDatabase(created, why)) << why.toStdString();
        }
        testsupport::DatabaseTest::TearDown();
    }
    // Makes this thread's connection use the database init-db made (or the test's own again).
    void useHome(bool on)
    {
        loginState().myapppath = on ? home.path() + "/" : db->programFolder();
        resetConnection();
    }

    QTemporaryDir home;
    ConnectionSettings created;
};

TEST_P(InitDb, CreatesRefusesAndReplaces)
{
    const ToolRun first = initDb(home.path(), {});
    ASSERT_EQ(first.exitCode, 0) << first.output.toStdString();
    if (GetParam() == Backend::SQLite) {
        // Without nd.dsn the embedded database is the default.
        EXPECT_TRUE(first.output.contains("nd.dsn"));
        EXPECT_TRUE(QFile::exists(home.filePath("korvell.db")));
    }
    useHome(true);
    EXPECT_EQ(testsupport::rowCount("c_main_sts"), 7);
    EXPECT_TRUE(datatest::addLogLine(QDateTime::currentDateTime(), "u", "kept"));
    useHome(false);

    const ToolRun refused = initDb(home.path(), { "--demo" });
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.output.contains("--force")) << refused.output.toStdString();
    useHome(true);
    EXPECT_EQ(testsupport::rowCount("c_log"), 1);
    EXPECT_EQ(testsupport::rowCount("c_procname"), 0);
    useHome(false);

    const ToolRun replaced = initDb(home.path(), { "--force", "--demo" });
    ASSERT_EQ(replaced.exitCode, 0) << replaced.output.toStdString();
    useHome(true);
    EXPECT_EQ(testsupport::rowCount("c_log"), 0);
    EXPECT_GT(testsupport::rowCount("c_procname"), 0);
    EXPECT_GT(testsupport::rowCount("c_employee", "bz_id=?", { "1001" }), 0);
    EXPECT_GT(testsupport::rowCount("c_employee", "bz_id=?", { "1002" }), 0);
}

TEST_P(InitDb, RefusesUnknownArgumentsAndOdbcFiles)
{
    EXPECT_EQ(initDb(home.path(), { "--wrong" }).exitCode, 1);
    ASSERT_TRUE(writeDsnKeys(home.filePath("nd.dsn"), { { "DRIVER", "FreeTDS" }, { "SERVER", "x" } }));
    const ToolRun odbc = initDb(home.path(), {});
    EXPECT_EQ(odbc.exitCode, 1);
    EXPECT_TRUE(odbc.output.contains("ODBC")) << odbc.output.toStdString();
}

INSTANTIATE_BACKENDS(InitDb);
