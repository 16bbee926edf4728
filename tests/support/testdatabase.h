#pragma once
// Test databases: a fresh Korvell database with schema and seeds (and demo data when asked) in a
// temporary program folder, on SQLite or on the PostgreSQL server named by KORVELL_TEST_PG.
//
//   class MyTest : public testsupport::DatabaseTest {};
//   TEST_P(MyTest, Something) { auto r = korvell::ExecSQL("select ..."); ... }
//   INSTANTIATE_BACKENDS(MyTest);
//
// Every suite is instantiated for both backends; the PostgreSQL cases skip when KORVELL_TEST_PG
// is not set, and fail instead when KORVELL_REQUIRE_PG is set. The data layer needs a
// QCoreApplication (it loads the SQL drivers): DatabaseTest makes one when none exists, so window
// tests create their QApplication before SetUp runs (for instance in SetUpTestSuite).
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

// Readable QString values in assertion messages.
#ifndef KORVELL_QSTRING_PRINTTO
#define KORVELL_QSTRING_PRINTTO
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
#endif

namespace korvell {
inline void PrintTo(Backend backend, std::ostream* out)
{
    *out << (backend == Backend::SQLite ? "SQLite" : backend == Backend::PostgreSQL ? "PostgreSQL" : "Odbc");
}
} // namespace korvell

namespace testsupport {

// SQLite and PostgreSQL, in that order.
std::vector<korvell::Backend> testBackends();
// "SQLite" / "PostgreSQL": the suffix of the instantiated test names.
std::string backendName(korvell::Backend backend);
// The libpq connection string of the test server; empty when none is configured.
QString testServer();
// database/ of the source tree (KORVELL_SOURCE_DIR, else the tree this was built from).
QString databaseDir();

// A fresh database and a temporary program folder holding its "nd.dsn". While it lives the login
// state's program folder points there and this thread's connection uses it. Dropped (PostgreSQL)
// or deleted with the folder at the end. Odbc: a PostgreSQL database that nd.dsn names through
// the server's ODBC driver ("PostgreSQL Unicode").
class TestDatabase {
public:
    explicit TestDatabase(korvell::Backend backend, bool demo = false);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    bool ok() const { return problem.isEmpty(); }
    const QString& error() const { return problem; }
    korvell::Backend backend() const { return kind; }
    // The program folder, ending in "/".
    QString programFolder() const;
    // The database name: the SQLite file or the PostgreSQL database.
    const QString& databaseName() const { return name; }

private:
    korvell::Backend kind;
    QTemporaryDir folder;
    korvell::DsnKeys serverKeys; // the native keys of a server database, to drop it
    QString name;
    QString problem;
    QString previousFolder;
};

// Records every toast as "main|hint|kind".
class RecordingToasts final : public korvell::ToastSink {
public:
    RecordingToasts() { previous = korvell::setToastSink(this); }
    ~RecordingToasts() override { korvell::setToastSink(previous); }
    RecordingToasts(const RecordingToasts&) = delete;
    RecordingToasts& operator=(const RecordingToasts&) = delete;

    void show(const QString& mainLine, const QString& hint, int kind) override
    {
        lines << mainLine + "|" + hint + "|" + QString::number(kind);
    }
    QString last() const { return lines.isEmpty() ? QString() : lines.last(); }
    void clear() { lines.clear(); }

    QStringList lines;

private:
    korvell::ToastSink* previous = nullptr;
};

// The first column of the first row of a query; a null QVariant when there is none or it fails.
QVariant scalar(const QString& sql, const QVariantList& params = {});
// The number of rows of table (optionally with a where clause and its values).
int rowCount(const QString& table, const QString& where = {}, const QVariantList& params = {});

// A fresh database per test on the backend of the parameter; toasts recorded in `toasts`.
class DatabaseTest : public ::testing::TestWithParam<korvell::Backend> {
protected:
    void SetUp() override;
    void TearDown() override;
    // Suites that need the demo data override this.
    virtual bool withDemoData() const { return false; }
    // A suite's own set-up, run once the fresh database is ready (not for skipped cases).
    virtual void prepare() { }

    std::optional<TestDatabase> db;
    RecordingToasts toasts;
};

} // namespace testsupport

#define INSTANTIATE_BACKENDS_FROM(Suite, ...)                                                                \
    INSTANTIATE_TEST_SUITE_P(                                                                                \
        Backends, Suite, __VA_ARGS__, [](const ::testing::TestParamInfo<korvell::Backend>& info) {           \
            return ::testsupport::backendName(info.param);                                                   \
        })
#define INSTANTIATE_BACKENDS(Suite)                                                                          \
    INSTANTIATE_BACKENDS_FROM(Suite, ::testing::ValuesIn(::testsupport::testBackends()))
// For the suites that hold what differs between drivers: PostgreSQL through its ODBC driver too.
#define INSTANTIATE_BACKENDS_WITH_ODBC(Suite)                                                                \
    INSTANTIATE_BACKENDS_FROM(Suite,                                                                         \
        ::testing::Values(korvell::Backend::SQLite, korvell::Backend::PostgreSQL, korvell::Backend::Odbc))
