#pragma once
// "nd.dsn": the connection file of the program folder, an INI file with an [ODBC] section.
//   DRIVER=SQLite3     DATABASE=file (relative to the program folder)  -> the embedded database
//   DRIVER=PostgreSQL  SERVER, PORT, DATABASE, UID, PWD               -> a PostgreSQL server
//   any other DRIVER   every key of the section as an ODBC connection string
// Credentials come only from this file.
#include "desktop/data/execsql.h"

#include <QList>
#include <QPair>
#include <QString>

namespace korvell {

using DsnKeys = QList<QPair<QString, QString>>; // in file order, names as written

struct ConnectionSettings {
    Backend backend = Backend::SQLite;
    QString qtDriver; // "QSQLITE", "QPSQL" or "QODBC"
    QString databaseName; // SQLite: the file; PostgreSQL: the database; ODBC: the connection string
    QString host;
    int port = -1;
    QString user;
    QString password;
    QString problem; // why no connection can be made from the file; empty when usable
    bool usable() const { return problem.isEmpty(); }
};

// The [ODBC] keys of a connection file; empty when the file cannot be read.
DsnKeys readDsnKeys(const QString& dsnFile);
// Writes keys as a connection file. False when the file cannot be written.
[[nodiscard]] bool writeDsnKeys(const QString& dsnFile, const DsnKeys& keys);

// The connection that keys describe; relative SQLite files lie in programFolder.
ConnectionSettings connectionFromKeys(const DsnKeys& keys, const QString& programFolder);

// The connection named by "nd.dsn" in the program folder of the login state, read anew on every
// call, so it always follows the current program folder.
ConnectionSettings GetConnString();

} // namespace korvell
