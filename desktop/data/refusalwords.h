#pragma once
// A refused statement as the user is told it. The program names in its own words only the causes
// it knows exactly (a duplicate key, a text too long, a lock wait); every other refusal is told
// in the database's own words, so that a full disk or a missing privilege can be acted on.
#include "desktop/data/backend.h"

#include <QSqlError>
#include <QString>

namespace korvell {

// Whether a statement failed because another session's lock outlasted the wait: SQLITE_BUSY or
// SQLITE_LOCKED (extended codes included) on SQLite, lock_not_available on a server. An ODBC
// error carries its SQLSTATE (see Connection::errorOf).
bool isLockWaitTimeout(const QSqlError& error, Backend backend);

// The database's description of error: the first line of its message, without the driver's
// trailer; the driver's text when the database says nothing (SQLite has no words for a refusal
// of the driver's own, such as a second statement in one text).
QString databaseDescription(const QSqlError& error, Backend backend);

// The program's words for the causes it names, else the database's description of the error.
QString refusalWords(const QSqlError& error, Backend backend);

// Tells a refusal: the driver's full text to the log, "数据库发生错误: " and the words in a toast.
// Returns the words.
QString toastRefusal(const QSqlError& error, Backend backend);

} // namespace korvell
