#include "tests/support/testdatabase.h"

#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/loginstate.h"

#include <QCoreApplication>
#include <QDir>
#include <QUuid>

namespace testsupport {

namespace {

    // The SQL drivers are plugins; loading them needs an application object.
    void ensureApplication()
    {
        if (QCoreApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "korvell-test";
        static char* argv[] = { name, nullptr };
        static QCoreApplication* application = new QCoreApplication(argc, argv);
        Q_UNUSED(application);
    }

} // namespace

std::vector<korvell::Backend> testBackends()
{
    return { korvell::Backend::SQLite, korvell::Backend::PostgreSQL };
}

std::string backendName(korvell::Backend backend)
{
    switch (backend) {
    case korvell::Backend::SQLite:
        return "SQLite";
    case korvell::Backend::PostgreSQL:
        return "PostgreSQL";
    case korvell::Backend::Odbc:
        return "Odbc";
    }
    return "Unknown";
}

QString testServer()
{
    return qEnvironmentVariable("KORVELL_TEST_PG");
}

QString databaseDir()
{
    const QString source = qEnvironmentVariable("KORVELL_SOURCE_DIR");
    return QDir(source.isEmpty() ? QStringLiteral(KORVELL_SOURCE_TREE) : source).filePath("database");
}

TestDatabase::TestDatabase(korvell::Backend backend, bool demo)
    : kind(backend)
{
    ensureApplication();
    previousFolder = korvell::loginState().myapppath;
    korvell::loginState().myapppath = programFolder();
    korvell::resetConnection();
    if (!folder.isValid()) {
        problem = "no temporary folder";
        return;
    }
    korvell::DsnKeys keys;
    if (backend != korvell::Backend::SQLite) {
        const QString server = testServer();
        if (server.isEmpty()) {
            problem = "KORVELL_TEST_PG is not set";
            return;
        }
        name = "korvell_test_" + QUuid::createUuid().toString(QUuid::Id128).left(16);
        keys = serverKeys = korvell::serverDsnKeys(server, name);
    } else {
        name = programFolder() + "korvell.db";
        keys = { { "DRIVER", "SQLite3" }, { "DATABASE", "korvell.db" } };
    }
    if (!korvell::writeDsnKeys(programFolder() + "nd.dsn", keys)) {
        problem = "cannot write nd.dsn";
        return;
    }
    const korvell::Backend files = backend == korvell::Backend::Odbc ? korvell::Backend::PostgreSQL : backend;
    if (!korvell::createDatabase(korvell::databaseFiles(databaseDir(), files, demo), problem)) {
        if (problem.isEmpty())
            problem = "the database could not be created";
        return;
    }
    if (backend == korvell::Backend::Odbc) {
        for (auto& [key, value] : keys) {
            if (key == "DRIVER")
                value = "PostgreSQL Unicode";
        }
        korvell::resetConnection();
        if (!korvell::writeDsnKeys(programFolder() + "nd.dsn", keys))
            problem = "cannot write nd.dsn";
    }
}

TestDatabase::~TestDatabase()
{
    korvell::resetConnection();
    if (!serverKeys.isEmpty()) {
        QString why;
        if (!korvell::dropServerDatabase(korvell::connectionFromKeys(serverKeys, programFolder()), why))
            qWarning("test database %s left on the server: %s", qPrintable(name), qPrintable(why));
    }
    korvell::loginState().myapppath = previousFolder;
}

QString TestDatabase::programFolder() const
{
    return folder.path() + '/';
}

QVariant scalar(const QString& sql, const QVariantList& params)
{
    const korvell::SqlResult result = korvell::ExecSQL(sql, params);
    if (!result.ok || !result.rs || result.rs->eof())
        return {};
    return result.rs->value(0);
}

int rowCount(const QString& table, const QString& where, const QVariantList& params)
{
    const QString sql = "select count(*) from " + table + (where.isEmpty() ? QString() : " where " + where);
    const QVariant count = scalar(sql, params);
    return count.isNull() ? -1 : count.toInt();
}

void DatabaseTest::SetUp()
{
    // Where a server is required (scripts/test, CI), a missing one fails instead of skipping.
    if (GetParam() != korvell::Backend::SQLite && testServer().isEmpty()) {
        if (qEnvironmentVariableIsSet("KORVELL_REQUIRE_PG"))
            FAIL() << "KORVELL_REQUIRE_PG is set but KORVELL_TEST_PG names no server";
        GTEST_SKIP() << "KORVELL_TEST_PG is not set";
    }
    db.emplace(GetParam(), withDemoData());
    ASSERT_TRUE(db->ok()) << db->error().toStdString();
    toasts.clear();
    prepare();
}

void DatabaseTest::TearDown()
{
    db.reset();
}

} // namespace testsupport
