#pragma once
// SQL script files: split into statements and run one by one, as the database drivers take them.
#include <QString>
#include <QStringList>

namespace korvell {

// Statements of script, split at ";" outside quotes, comments and dollar-quoted bodies; comments
// and blank statements are dropped.
QStringList splitSqlScript(const QString& script);

} // namespace korvell
