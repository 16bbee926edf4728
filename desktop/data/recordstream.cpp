#include "desktop/data/recordstream.h"

#include "desktop/data/execsql.h"
#include "desktop/data/valuetext.h"

#include <QSqlResult>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace korvell {

namespace {

    // The driver's own handle of the query's result (Qt documents reading it by its type name).
    template <class Handle> Handle* driverHandle(const QSqlQuery& query, const char* typeName)
    {
        const QVariant handle = query.result() ? query.result()->handle() : QVariant();
        if (!handle.isValid() || qstrcmp(handle.typeName(), typeName) != 0)
            return nullptr;
        return *static_cast<Handle* const*>(handle.constData());
    }

    // Text of a value the driver holds as bytes (SQLite's texts, PostgreSQL's every value) in a
    // column of type; nothing when only Qt's reading of the value can tell.
    std::optional<QString> bytesText(QByteArrayView bytes, int type)
    {
        switch (type) {
        case adDBDate:
        case adDBTimeStamp: {
            const QString text = QString::fromLatin1(bytes);
            QDate day;
            QTime time;
            if (!readMoment(QStringView(text).trimmed(), day, time))
                return std::nullopt;
            return type == adDBDate ? dayText(day) : dayText(day) + ' ' + clockText(time);
        }
        case adNumeric:
        case adDouble:
            return decimalText(bytes);
        case adBoolean:
        case adVarBinary:
            return std::nullopt;
        default:
            return QString::fromUtf8(bytes);
        }
    }

    // The texts of one column: a value that repeats the record before's shares its text, so a
    // large result builds and frees fewer strings where days, clerks and stations repeat.
    class ColumnTexts {
    public:
        template <class Make> QString text(QByteArrayView bytes, Make make)
        {
            if (!known || bytes != QByteArrayView(last.data(), qsizetype(last.size()))) {
                last.assign(bytes.data(), size_t(bytes.size()));
                shown = make();
                known = true;
            }
            return shown;
        }

    private:
        std::string last;
        QString shown;
        bool known = false;
    };

    class SqliteRecord final : public RecordView {
    public:
        SqliteRecord(sqlite3_stmt* statement, const QList<int>& types)
            : statement(statement)
            , types(types)
            , columns(size_t(types.size()))
        {
        }

        QString text(int c) override
        {
            const int type = types[c];
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_NULL:
                return {};
            case SQLITE_INTEGER: {
                const qint64 v = sqlite3_column_int64(statement, c);
                return type == adNumeric || type == adDouble ? numberText(double(v)) : QString::number(v);
            }
            case SQLITE_FLOAT:
                return numberText(sqlite3_column_double(statement, c));
            case SQLITE_TEXT: {
                const QByteArrayView bytes(reinterpret_cast<const char*>(sqlite3_column_text(statement, c)),
                    sqlite3_column_bytes(statement, c));
                return columns[size_t(c)].text(bytes, [&] {
                    if (auto shown = bytesText(bytes, type))
                        return *shown;
                    return valueText(QString::fromUtf8(bytes), type);
                });
            }
            default:
                return valueText(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, c)),
                                     sqlite3_column_bytes(statement, c)),
                    type);
            }
        }

    private:
        sqlite3_stmt* statement;
        const QList<int>& types;
        std::vector<ColumnTexts> columns;
    };

    // Qt has stepped onto the first record while running the statement and reset a statement
    // that had none; the rest are stepped here, without Qt building a value of each.
    std::optional<QSqlError> readSqlite(sqlite3_stmt* statement, const QList<int>& types, RecordSink& sink)
    {
        if (!sqlite3_stmt_busy(statement))
            return std::nullopt;
        SqliteRecord record(statement, types);
        int step = SQLITE_ROW;
        while (step == SQLITE_ROW) {
            sink.record(record);
            step = sqlite3_step(statement);
        }
        if (step == SQLITE_DONE)
            return std::nullopt;
        return QSqlError(QStringLiteral("Unable to fetch row"),
            QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))), QSqlError::StatementError,
            QString::number(step));
    }

    class PostgresRecord final : public RecordView {
    public:
        PostgresRecord(QSqlQuery& query, const QList<int>& types)
            : query(query)
            , types(types)
            , columns(size_t(types.size()))
        {
        }

        // The record Qt has just fetched: the only row of its result in single-row mode.
        void read(const PGresult* result)
        {
            current = result;
            row = query.isForwardOnly() ? 0 : query.at();
        }

        QString text(int c) override
        {
            if (PQgetisnull(current, row, c))
                return {};
            const QByteArrayView bytes(PQgetvalue(current, row, c), PQgetlength(current, row, c));
            return columns[size_t(c)].text(bytes, [&] {
                if (auto shown = bytesText(bytes, types[c]))
                    return *shown;
                return valueText(query.value(c), types[c]);
            });
        }

    private:
        QSqlQuery& query;
        const QList<int>& types;
        std::vector<ColumnTexts> columns;
        const PGresult* current = nullptr;
        int row = 0;
    };

    std::optional<QSqlError> readPostgres(QSqlQuery& query, const QList<int>& types, RecordSink& sink)
    {
        PostgresRecord record(query, types);
        while (query.next()) {
            const PGresult* result = driverHandle<PGresult>(query, "pg_result*");
            if (!result)
                return QSqlError(QStringLiteral("Unable to fetch row"), {}, QSqlError::StatementError);
            record.read(result);
            sink.record(record);
        }
        if (query.lastError().isValid())
            return query.lastError();
        return std::nullopt;
    }

    class QtRecord final : public RecordView {
    public:
        QtRecord(QSqlQuery& query, const QList<int>& types)
            : query(query)
            , types(types)
        {
        }
        QString text(int c) override { return valueText(query.value(c), types[c]); }

    private:
        QSqlQuery& query;
        const QList<int>& types;
    };

    std::optional<QSqlError> readThroughQt(QSqlQuery& query, const QList<int>& types, RecordSink& sink)
    {
        QtRecord record(query, types);
        while (query.next())
            sink.record(record);
        if (query.lastError().isValid())
            return query.lastError();
        return std::nullopt;
    }

} // namespace

std::optional<QSqlError> streamRecords(
    QSqlQuery& query, const QStringList& names, const QList<int>& types, RecordSink& sink)
{
    sink.begin(names, types);
    if (auto* statement = driverHandle<sqlite3_stmt>(query, "sqlite3_stmt*"))
        return readSqlite(statement, types, sink);
    if (driverHandle<PGresult>(query, "pg_result*"))
        return readPostgres(query, types, sink);
    return readThroughQt(query, types, sink);
}

} // namespace korvell
