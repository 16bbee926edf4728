#pragma once
// The database files: database/<backend>/schema.sql, then the rows every backend shares,
// database/seed.sql, reports.sql (report definitions) and demo.sql. init-db and the test
// databases load them the same way.
#include "desktop/data/dsn.h"

#include <QStringList>

namespace korvell {

// The files to load, in order, for the backend; demo.sql only when demo is asked.
QStringList databaseFiles(const QString& databaseDir, Backend backend, bool demo);

// Runs the files on this thread's connection (the database nd.dsn names), statement by statement.
// Stops at the first failure; error then names the file, the statement and the driver's text.
[[nodiscard]] bool loadDatabaseFiles(const QStringList& files, QString& error);

// Creates the database nd.dsn names (the SQLite file, or a PostgreSQL database on its server) and
// loads files into it.
[[nodiscard]] bool createDatabase(const QStringList& files, QString& error);

// Connection-file keys for database on the PostgreSQL server of a libpq connection string
// ("host=... port=... user=... password=..."): how the test suites and benchmarks reach the server
// that KORVELL_TEST_PG names.
DsnKeys serverDsnKeys(const QString& libpqConnection, const QString& database);

// The tables and views of the database nd.dsn names; error is set when it cannot be asked.
QStringList existingTables(QString& error);

// A PostgreSQL database on the server of settings, through its maintenance database "postgres".
[[nodiscard]] bool createServerDatabase(const ConnectionSettings& settings, QString& error);
[[nodiscard]] bool dropServerDatabase(const ConnectionSettings& settings, QString& error);
[[nodiscard]] bool serverDatabaseExists(const ConnectionSettings& settings, bool& exists, QString& error);

} // namespace korvell
