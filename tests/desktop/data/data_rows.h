#pragma once
// Rows the data tests write and read back.
#include "desktop/data/execsql.h"

#include <QDateTime>
#include <QStringList>

namespace datatest {

inline bool addLogLine(const QDateTime& when, const QString& user, const QString& text)
{
    return korvell::ExecSQL(QStringLiteral("insert into c_log (logdate,username,logmsg) values (?,?,?)"),
        { korvell::sqlDateTime(when), user, text })
        .ok;
}

// The first column of every row of a query, as texts; "<failed>" when it fails.
inline QStringList firstColumn(const QString& sql, const QVariantList& params = {})
{
    const korvell::SqlResult result = korvell::ExecSQL(sql, params);
    if (!result.rs)
        return { QStringLiteral("<failed>") };
    QStringList values;
    for (auto& rs = *result.rs; !rs.eof(); rs.MoveNext())
        values << rs.value(0).toString();
    return values;
}

} // namespace datatest
