#pragma once
// A fresh Korvell database of one backend in a temporary program folder, for the benchmarks:
// SQLite, or a new database on the PostgreSQL server KORVELL_TEST_PG names, dropped at the end.
// The benchmark target defines KORVELL_SOURCE_TREE; KORVELL_SOURCE_DIR overrides it.
#include "desktop/data/connection.h"
#include "desktop/data/databasefiles.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace benchsupport {

class BenchDatabase {
public:
    explicit BenchDatabase(korvell::Backend backend)
        : kind(backend)
    {
        use();
        korvell::DsnKeys keys = { { "DRIVER", "SQLite3" }, { "DATABASE", "bench.db" } };
        if (backend == korvell::Backend::PostgreSQL)
            keys = korvell::serverDsnKeys(qEnvironmentVariable("KORVELL_TEST_PG"),
                "korvell_bench_" + QUuid::createUuid().toString(QUuid::Id128).left(12));
        const QString source = qEnvironmentVariable("KORVELL_SOURCE_DIR", KORVELL_SOURCE_TREE);
        ready = korvell::writeDsnKeys(folder.filePath("nd.dsn"), keys)
            && korvell::createDatabase(
                korvell::databaseFiles(QDir(source).filePath("database"), backend, false), problem);
    }
    ~BenchDatabase()
    {
        use();
        if (kind == korvell::Backend::PostgreSQL
            && !korvell::dropServerDatabase(korvell::GetConnString(), problem))
            qWarning("benchmark database left on the server: %s", qPrintable(problem));
    }
    BenchDatabase(const BenchDatabase&) = delete;
    BenchDatabase& operator=(const BenchDatabase&) = delete;

    // Points this thread's connection at this database. A connection already there is kept, as
    // the program keeps it from one statement to the next with its prepared statements.
    void use() const
    {
        const QString path = folder.path() + "/";
        if (korvell::loginState().myapppath == path)
            return;
        korvell::loginState().myapppath = path;
        korvell::resetConnection();
    }
    korvell::Backend backend() const { return kind; }

    // Runs the backend's statement of the two in one transaction and analyses the tables, so the
    // planner knows what was loaded; false, with the problem, when it fails.
    bool loadItems(const QString& sqlite, const QString& postgres)
    {
        QSqlDatabase& db = korvell::Connection::current().database();
        QSqlQuery query(db);
        const bool ok = db.transaction() && query.exec(kind == korvell::Backend::SQLite ? sqlite : postgres)
            && db.commit() && query.exec("analyze");
        if (!ok)
            problem = query.lastError().text();
        return ok;
    }

    bool ready = false;
    QString problem;

private:
    korvell::Backend kind;
    QTemporaryDir folder;
};

// The backends measured: SQLite, and PostgreSQL when KORVELL_TEST_PG names a server.
inline std::vector<std::pair<korvell::Backend, std::string>> measuredBackends()
{
    std::vector<std::pair<korvell::Backend, std::string>> backends { { korvell::Backend::SQLite, "SQLite" } };
    if (!qEnvironmentVariable("KORVELL_TEST_PG").isEmpty())
        backends.push_back({ korvell::Backend::PostgreSQL, "PostgreSQL" });
    return backends;
}

// One loaded database (a BenchDatabase with its items) of each backend, made by the first
// benchmark that needs it and kept for the others: loading costs far more than measuring.
template <class Database> class LoadedDatabases {
public:
    // The backend's database, in use; nullptr, with the benchmark skipped, when it failed.
    Database* use(benchmark::State& state, korvell::Backend backend)
    {
        std::unique_ptr<Database>& db = backend == korvell::Backend::SQLite ? sqlite : postgres;
        if (!db)
            db = std::make_unique<Database>(backend);
        db->use();
        if (!db->ready) {
            state.SkipWithError(qPrintable("no database: " + db->problem));
            return nullptr;
        }
        return db.get();
    }
    // Drops them while the application still runs.
    void release()
    {
        sqlite.reset();
        postgres.reset();
    }

private:
    std::unique_ptr<Database> sqlite, postgres;
};

} // namespace benchsupport
