#pragma once
// Reading an executed query's records into a RecordSink: straight from SQLite's statement and
// PostgreSQL's result where the driver is one of those (no QVariant, no date object per value),
// through Qt's values otherwise.
#include "desktop/data/recordsink.h"

#include <QSqlError>
#include <QSqlQuery>
#include <optional>

namespace korvell {

// Hands every record to sink after begin(names, types); the error when the reading broke off.
std::optional<QSqlError> streamRecords(
    QSqlQuery& query, const QStringList& names, const QList<int>& types, RecordSink& sink);

} // namespace korvell
