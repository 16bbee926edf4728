// korvell-initdb [--demo] [--force]: creates the database that "nd.dsn" of the program folder
// names and loads the schema, the seeds, the report definitions and (with --demo) the demo data.
// The program folder is $KORVELL_HOME, else the folder of this program.
#include "desktop/data/databasefiles.h"
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

using namespace korvell;

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "init-db: %s\n", qPrintable(text));
    return 1;
}

// Removes the SQLite file with its write-ahead log.
bool removeSqliteFile(const QString& file)
{
    for (const QString& suffix : { QString("-wal"), QString("-shm") })
        QFile::remove(file + suffix);
    return !QFile::exists(file) || QFile::remove(file);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool demo = false;
    bool force = false;
    for (const QString& arg : app.arguments().mid(1)) {
        if (arg == "--demo")
            demo = true;
        else if (arg == "--force")
            force = true;
        else
            return fail("usage: init-db [--demo] [--force]");
    }

    const QString folder = programFolder();
    loginState().myapppath = folder;
    const QString dsnFile = folder + "nd.dsn";
    if (!QFile::exists(dsnFile)) {
        QDir().mkpath(folder);
        if (!writeDsnKeys(dsnFile, { { "DRIVER", "SQLite3" }, { "DATABASE", "korvell.db" } }))
            return fail("cannot write " + dsnFile);
        std::printf("wrote %s (embedded database)\n", qPrintable(dsnFile));
    }
    const ConnectionSettings settings = GetConnString();
    if (!settings.usable())
        return fail(settings.problem);
    if (settings.backend == Backend::Odbc)
        return fail("nd.dsn names an ODBC driver; init-db creates SQLite and PostgreSQL databases only");

    QString error;
    bool exists = true;
    if (settings.backend == Backend::SQLite)
        exists = QFile::exists(settings.databaseName);
    else if (!serverDatabaseExists(settings, exists, error))
        return fail(error);

    bool replace = false;
    if (exists) {
        const QStringList tables = existingTables(error);
        if (!error.isEmpty())
            return fail(error);
        if (!tables.isEmpty() && !force)
            return fail(settings.databaseName + " already holds " + QString::number(tables.size())
                + " tables; run with --force to replace it");
        replace = !tables.isEmpty();
        resetConnection();
    }
    if (replace && settings.backend == Backend::SQLite && !removeSqliteFile(settings.databaseName))
        return fail("cannot remove " + settings.databaseName);
    if (replace && settings.backend == Backend::PostgreSQL && !dropServerDatabase(settings, error))
        return fail(error);

    QString databaseDir = qEnvironmentVariable("KORVELL_DATABASE_DIR");
    if (databaseDir.isEmpty())
        databaseDir = KORVELL_DATABASE_DIR;
    const QStringList files = databaseFiles(databaseDir, settings.backend, demo);
    // An empty server database made beforehand (by its administrator) is filled as it is.
    const bool fillOnly = exists && !replace;
    if (!(fillOnly ? loadDatabaseFiles(files, error) : createDatabase(files, error)))
        return fail(error);
    resetConnection();
    std::printf("created %s%s\n", qPrintable(settings.databaseName), demo ? " with demo data" : "");
    return 0;
}
