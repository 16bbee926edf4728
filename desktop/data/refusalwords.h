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

// The program's words for the causes it names, else the database's description of the error:
// its message line, without the driver's trailer.
QString refusalWords(const QSqlError& error, Backend backend);

// Tells a refusal: the driver's full text to the log, "数据库发生错误: " and the words in a toast.
// Returns the words.
QString toastRefusal(const QSqlError& error, Backend backend);

} // namespace korvell
