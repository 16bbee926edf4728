#include "desktop/data/databasefiles.h"

#include "desktop/data/connection.h"
#include "desktop/data/sqlscript.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <functional>

namespace korvell {

namespace {

    QString backendFolder(Backend backend)
    {
        return backend == Backend::PostgreSQL ? QStringLiteral("postgresql") : QStringLiteral("sqlite");
    }

    QString errorText(const QSqlError& error)
    {
        const QString text = error.databaseText().trimmed();
        return text.isEmpty() ? error.text().trimmed() : text;
    }

    // Runs one statement on a short-lived connection to the server's maintenance database.
    bool onMaintenanceDatabase(
        const ConnectionSettings& settings, QString& error, const std::function<bool(QSqlDatabase&)>& work)
    {
        const QString name = "korvell-maintenance-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
        bool ok = false;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", name);
            db.setDatabaseName("postgres");
            applyServerLogin(db, settings);
            if (!db.open())
                error = errorText(db.lastError());
            else
                ok = work(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return ok;
    }

    QString quotedIdentifier(const QString& name)
    {
        return '"' + QString(name).replace("\"", "\"\"") + '"';
    }

} // namespace

QStringList databaseFiles(const QString& databaseDir, Backend backend, bool demo)
{
    // Only the schema differs between the backends; the rows are the same SQL for both.
    const QDir shared(databaseDir);
    QStringList files = { QDir(shared.filePath(backendFolder(backend))).filePath("schema.sql"),
        shared.filePath("seed.sql"), shared.filePath("reports.sql") };
    if (demo)
        files << shared.filePath("demo.sql");
    return files;
}

bool loadDatabaseFiles(const QStringList& files, QString& error)
{
    Connection& connection = Connection::current();
    if (!connection.open(error))
        return false;
    for (const QString& path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            error = path + ": " + file.errorString();
            return false;
        }
        for (const QString& statement : splitSqlScript(QString::fromUtf8(file.readAll()))) {
            QSqlQuery query(connection.database());
            if (!query.exec(statement)) {
                error
                    = QDir(path).dirName() + ": " + errorText(query.lastError()) + "\n" + statement.left(200);
                return false;
            }
        }
    }
    return true;
}

bool createDatabase(const QStringList& files, QString& error)
{
    const ConnectionSettings settings = GetConnString();
    if (!settings.usable()) {
        error = settings.problem;
        return false;
    }
    if (settings.backend == Backend::PostgreSQL && !createServerDatabase(settings, error))
        return false;
    if (settings.backend == Backend::SQLite && !QFile::exists(settings.databaseName)) {
        // A file of no bytes is an empty SQLite database; connections never create one.
        QFile file(settings.databaseName);
        if (!file.open(QIODevice::WriteOnly)) {
            error = settings.databaseName + ": " + file.errorString();
            return false;
        }
    }
    return loadDatabaseFiles(files, error);
}

DsnKeys serverDsnKeys(const QString& libpqConnection, const QString& database)
{
    const auto valueOf = [&](const QString& key) {
        for (const QString& part : libpqConnection.split(' ', Qt::SkipEmptyParts)) {
            if (part.startsWith(key + '='))
                return part.mid(key.size() + 1);
        }
        return QString();
    };
    return { { "DRIVER", "PostgreSQL" }, { "SERVER", valueOf("host") }, { "PORT", valueOf("port") },
        { "DATABASE", database }, { "UID", valueOf("user") }, { "PWD", valueOf("password") } };
}

QStringList existingTables(QString& error)
{
    Connection& connection = Connection::current();
    if (!connection.open(error))
        return {};
    QSqlDatabase& db = connection.database();
    return db.tables(QSql::Tables) + db.tables(QSql::Views);
}

bool createServerDatabase(const ConnectionSettings& settings, QString& error)
{
    return onMaintenanceDatabase(settings, error, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec("create database " + quotedIdentifier(settings.databaseName) + " encoding 'UTF8'"))
            return true;
        error = errorText(query.lastError());
        return false;
    });
}

bool dropServerDatabase(const ConnectionSettings& settings, QString& error)
{
    return onMaintenanceDatabase(settings, error, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec(
                "drop database if exists " + quotedIdentifier(settings.databaseName) + " with (force)"))
            return true;
        error = errorText(query.lastError());
        return false;
    });
}

bool serverDatabaseExists(const ConnectionSettings& settings, bool& exists, QString& error)
{
    return onMaintenanceDatabase(settings, error, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare("select 1 from pg_database where datname = ?");
        query.addBindValue(settings.databaseName);
        if (!query.exec()) {
            error = errorText(query.lastError());
            return false;
        }
        exists = query.next();
        return true;
    });
}

} // namespace korvell
