#pragma once
// A refused statement in the system's words. The driver's own text speaks the server's language
// and quotes statements and values, so it goes to the program's log, never to a toast.
#include "desktop/data/backend.h"

#include <QSqlError>
#include <QString>

namespace korvell {

QString refusalWords(const QSqlError& error, Backend backend);

// Tells a refusal: the driver's text to the log, "数据库发生错误: " and the words in a toast.
// Returns the words.
QString toastRefusal(const QSqlError& error, Backend backend);

} // namespace korvell
