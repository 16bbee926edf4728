#pragma once
// The SQLSTATE of an ODBC handle's first diagnostic record, asked of the driver manager that the
// ODBC driver plugin uses: QODBC reports only the driver's own error number, which differs from
// driver to driver.
#include <QString>
#include <QVariant>

namespace korvell {

enum class OdbcHandle { Connection, Statement };

// handle: what QODBC's result or driver hands out as its handle. Empty when there is no record.
QString odbcSqlState(const QVariant& handle, OdbcHandle kind);

} // namespace korvell
