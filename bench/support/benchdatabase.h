#pragma once
// A fresh Korvell database of one backend in a temporary program folder, for the benchmarks:
// SQLite, or a new database on the PostgreSQL server KORVELL_TEST_PG names, dropped at the end.
// The benchmark target defines KORVELL_SOURCE_TREE; KORVELL_SOURCE_DIR overrides it.
#include "desktop/data/connection.h"
#include "desktop/data/databasefiles.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUuid>

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

    // Points this thread's connection at this database.
    void use() const
    {
        korvell::loginState().myapppath = folder.path() + "/";
        korvell::resetConnection();
    }
    korvell::Backend backend() const { return kind; }

    bool ready = false;
    QString problem;

private:
    korvell::Backend kind;
    QTemporaryDir folder;
};

} // namespace benchsupport
