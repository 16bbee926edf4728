#pragma once
// The SQLSTATE of an ODBC handle's first diagnostic record, asked of the driver manager that the
// ODBC driver plugin loaded.
#include <QString>
#include <QVariant>

namespace korvell {

// The handle kinds of ODBC's SQLGetDiagRec.
enum class OdbcHandle { Connection = 2, Statement = 3 };

// handle: what QODBC's result or driver hands out as its handle. Empty when there is no record.
QString odbcSqlState(const QVariant& handle, OdbcHandle kind);

} // namespace korvell
