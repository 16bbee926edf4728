#include "desktop/data/execsql.h"

#include "desktop/data/connection.h"
#include "desktop/data/recordstream.h"
#include "desktop/data/refusalwords.h"
#include "desktop/data/toast.h"

#include <QDebug>
#include <QSqlField>
#include <QSqlRecord>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <tuple>

namespace korvell {

namespace {

    constexpr int postgresNumericOid = 1700;

    bool isWordCharacter(QChar c)
    {
        return c.isLetterOrNumber() || c == '_';
    }

    int adoTypeOfField(const QSqlField& field)
    {
        switch (field.metaType().id()) {
        case QMetaType::QDate:
            return adDBDate;
        case QMetaType::QDateTime:
        case QMetaType::QTime:
            return adDBTimeStamp;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return adInteger;
        case QMetaType::Double:
        case QMetaType::Float:
            return field.typeID() == postgresNumericOid ? adNumeric : adDouble;
        case QMetaType::Bool:
            return adBoolean;
        case QMetaType::QByteArray:
            return adVarBinary;
        default:
            return adVarChar;
        }
    }

    // Values as the type code promises, whatever the backend stored: SQLite keeps dates as text and
    // whole numbers in numeric columns as integers. A value that does not read as its type (text
    // written into such a column by hand) is kept as stored rather than lost.
    QVariant normalized(const QVariant& value, int type)
    {
        switch (type) {
        case adDBDate: {
            if (value.metaType().id() == QMetaType::QDate)
                return value;
            const QDate date = dateOf(value);
            return date.isValid() ? QVariant(date) : value;
        }
        case adDBTimeStamp: {
            if (value.metaType().id() == QMetaType::QDateTime)
                return value;
            const QDateTime moment = dateTimeOf(value);
            return moment.isValid() ? QVariant(moment) : value;
        }
        case adNumeric:
        case adDouble: {
            if (value.metaType().id() == QMetaType::Double)
                return value;
            bool number = false;
            const double converted = value.toDouble(&number);
            return number ? QVariant(converted) : value;
        }
        default:
            return value;
        }
    }

    using Columns = std::pair<QStringList, QList<int>>;

    // Names and type codes of the result columns; declared holds SQLite's declared types.
    Columns describeColumns(const QSqlQuery& query, const QList<int>& declared)
    {
        const QSqlRecord record = query.record();
        Columns columns;
        for (int i = 0; i < record.count(); ++i) {
            columns.first << record.fieldName(i);
            const int fromDeclaration = i < declared.size() ? declared[i] : 0;
            columns.second << (fromDeclaration ? fromDeclaration : adoTypeOfField(record.field(i)));
        }
        return columns;
    }

    // The records as a Recordset holds them, values converted to their columns' types; the error
    // when the reading broke off (a server lost half-way must not pass for the whole result).
    std::optional<QSqlError> snapshot(QSqlQuery& query, const Columns& columns, RecordsetPtr& rs)
    {
        const QList<int>& types = columns.second;
        const qsizetype count = types.size();
        QList<QList<QVariant>> rows;
        while (query.next()) {
            QList<QVariant> row;
            row.reserve(count);
            for (int i = 0; i < count; ++i)
                row << (query.isNull(i) ? QVariant() : normalized(query.value(i), types[i]));
            rows << std::move(row);
        }
        if (query.lastError().isValid())
            return query.lastError();
        rs = std::make_shared<Recordset>(columns.first, types, std::move(rows));
        return std::nullopt;
    }

    QString describe(const QSqlError& error)
    {
        QString text = error.databaseText().trimmed();
        if (text.isEmpty())
            text = error.driverText().trimmed();
        return text;
    }

    SqlResult connectionFailure(const QString& why)
    {
        qWarning().noquote() << "database connection failed:" << why;
        const QString words = QStringLiteral("数据库连接发生错误");
        ShowToast(words, "请检查网络或数据库服务器", ToastRed);
        SqlResult result;
        result.error = words;
        result.connectionLost = true;
        return result;
    }

    // Why a report text may not reach the database, empty when it may: it must be a query, its
    // first word SELECT or WITH; where the database cannot be asked where a statement ends
    // (through ODBC), no ";" may stand before the text's end. Neither reading needs a lexer.
    QString reportTextRule(const QString& text, Backend backend)
    {
        // A word ends where the servers end it: at an ASCII character that no name holds.
        static constexpr std::u16string_view queryWords[] = { u"select", u"with" };
        const bool query = std::any_of(std::begin(queryWords), std::end(queryWords), [&](QStringView word) {
            if (!text.startsWith(word, Qt::CaseInsensitive))
                return false;
            const QChar next = text.size() > word.size() ? text[word.size()] : QChar(u' ');
            return next.unicode() < 0x80 && !isWordCharacter(next) && next != u'$';
        });
        if (!query)
            return queryOnlyHint;
        const qsizetype semicolon = text.indexOf(u';');
        if (backend == Backend::Odbc && semicolon >= 0 && semicolon < text.size() - 1)
            return QStringLiteral("经ODBC连接时，语句中只能在末尾有分号");
        return {};
    }

    SqlResult refuseText(const QString& refusal, const QString& why)
    {
        ShowToast(refusal, why, ToastRed);
        SqlResult result;
        result.error = refusal;
        return result;
    }

} // namespace

SqlResult statementFailure(const QSqlError& error)
{
    Connection& connection = Connection::current();
    const QString text = describe(error);
    // Qt's error type is no guide here (QSQLITE files a constraint failure as ConnectionError):
    // whether the connection still answers tells a lost server from a refused statement.
    if (!connection.stillAlive()) {
        connection.drop();
        return connectionFailure(text);
    }
    SqlResult result;
    result.error = toastRefusal(error, connection.backend());
    result.lockTimedOut = isLockWaitTimeout(error, connection.backend());
    return result;
}

bool isCommandText(const QString& sql)
{
    static const QStringList commands = { "INSERT", "DELETE", "UPDATE", "EXEC", "EXECUTE", "CREATE", "DROP" };
    const QString text = sql.trimmed();
    qsizetype end = 0;
    while (end < text.size() && text[end].isLetter())
        ++end;
    if (end == 0 || (end < text.size() && isWordCharacter(text[end])))
        return false;
    const QStringView word = QStringView(text).left(end);
    for (const QString& command : commands) {
        if (word.compare(command, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

namespace {

    // Runs text on the open connection into result, a query's records into sink when there is
    // one; the error when it fails.
    std::optional<QSqlError> execute(Connection& connection, const QString& text, const QVariantList& params,
        SqlResult& result, RecordSink* sink = nullptr)
    {
        std::optional<QSqlQuery> adHoc;
        QSqlQuery* query = nullptr;
        Connection::Statement* statement = nullptr;
        if (params.isEmpty()) {
            // Statements without values run unprepared: PostgreSQL prepares no DDL.
            query = &adHoc.emplace(connection.database());
            query->setForwardOnly(true);
            if (!query->exec(text))
                return connection.errorOf(*query);
        } else {
            QSqlError error;
            statement = connection.prepared(text, error);
            if (!statement)
                return error;
            query = &statement->query;
            for (qsizetype i = 0; i < params.size(); ++i)
                query->bindValue(int(i), params[i]);
            if (!query->exec()) {
                const QSqlError failed = connection.errorOf(*query);
                query->finish();
                return failed;
            }
        }

        if (isCommandText(text)) {
            result.rowsAffected = query->numRowsAffected();
        } else if (!query->isSelect()) {
            result.rs = std::make_shared<Recordset>(QStringList(), QList<int>(), QList<QList<QVariant>>());
        } else {
            if (statement && !statement->columns)
                statement->columns = describeColumns(*query, connection.declaredTypes(text));
            const Columns columns
                = statement ? *statement->columns : describeColumns(*query, connection.declaredTypes(text));
            const auto broken = sink ? streamRecords(*query, columns.first, columns.second, *sink)
                                     : snapshot(*query, columns, result.rs);
            if (broken) {
                query->finish();
                return broken;
            }
        }
        result.ok = true;
        query->finish();
        return std::nullopt;
    }

    SqlResult openFailure(const Connection& connection, const QString& why)
    {
        if (!connection.failedOnSettings())
            return connectionFailure(why);
        // A fault of the connection file is no network fault: say what is wrong with it.
        ShowToast("数据库发生错误: " + why, "", ToastRed);
        SqlResult result;
        result.error = why;
        return result;
    }

    enum class Access { ReadWrite, ReadOnly };

    SqlResult run(const QString& sql, const QVariantList& params, RecordSink* sink, Access access)
    {
        Connection& connection = Connection::current();
        QString why;
        if (!connection.open(why))
            return openFailure(connection, why);
        const QString text = sql.trimmed();
        SqlResult result;
        std::optional<QSqlError> failed;
        std::optional<QSqlError> unended;
        {
            // The begin and end of a read-only run are watched like its statement.
            Connection::AnswerWatch watch(connection);
            if (access == Access::ReadWrite) {
                failed = execute(connection, text, params, result, sink);
            } else if (failed = connection.beginReadOnly(); !failed) {
                failed = connection.oneStatement(text);
                if (!failed)
                    failed = execute(connection, text, params, result, sink);
                // Ended before a failure is looked at: an aborted transaction answers nothing, not
                // even the probe that tells a lost server from a refused statement.
                unended = connection.endReadOnly();
            }
        }
        // A run that could not be ended fails as well; a connection left read-only would refuse
        // every later write: it is dropped once the failure has been told.
        if (!failed)
            failed = unended;
        if (failed)
            result = statementFailure(*failed);
        if (unended)
            connection.drop();
        return result;
    }

} // namespace

SqlResult ExecSQL(const QString& sql, const QVariantList& params)
{
    return run(sql, params, nullptr, Access::ReadWrite);
}

SqlResult ExecSQL(const QString& sql, const QVariantList& params, RecordSink& sink)
{
    return run(sql, params, &sink, Access::ReadWrite);
}

SqlResult ExecReadOnlySQL(const QString& sql)
{
    if (const QString why = reportTextRule(sql.trimmed(), currentBackend()); !why.isEmpty())
        return refuseText(QStringLiteral("只能执行查询语句"), why);
    return run(sql, {}, nullptr, Access::ReadOnly);
}

bool checkReadOnlySQL(const QString& sql, const QString& refusal)
{
    const QString text = sql.trimmed();
    Connection& connection = Connection::current();
    QString why = reportTextRule(text, connection.backend());
    if (!why.isEmpty()) {
        std::ignore = refuseText(refusal, why);
        return false;
    }
    if (!connection.open(why)) {
        std::ignore = openFailure(connection, why);
        return false;
    }
    std::optional<QSqlError> refused;
    {
        Connection::AnswerWatch watch(connection);
        refused = connection.oneStatement(text);
    }
    if (refused)
        std::ignore = statementFailure(*refused);
    return !refused;
}

QVariant sqlDate(const QDate& date)
{
    if (!date.isValid())
        return QVariant();
    if (currentBackend() == Backend::SQLite)
        return date.toString("yyyy-MM-dd");
    return date;
}

QVariant sqlDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return QVariant();
    // As wall-clock text also for PostgreSQL: the driver sends QDateTime with a zone offset, which
    // the server would shift into its own zone before storing it in a column without one.
    if (currentBackend() != Backend::Odbc)
        return moment.toString("yyyy-MM-dd HH:mm:ss");
    return moment;
}

namespace {

    // Reads "yyyy-M-d", optionally followed by " H:m:s" or "THH:mm:ss" and a fraction: the forms the
    // backends and the windows' day texts take. Hand-made, since every date read passes here.
    bool parseStoredMoment(QStringView text, QDate& date, QTime& time)
    {
        int parts[6] = { 0, 0, 0, 0, 0, 0 };
        int count = 0;
        int milliseconds = 0;
        qsizetype i = 0;
        while (count < 6) {
            const qsizetype start = i;
            int value = 0;
            while (i < text.size() && text[i].isDigit() && i - start < 5)
                value = value * 10 + text[i++].digitValue();
            if (i == start)
                return false;
            parts[count++] = value;
            if (i == text.size())
                break;
            const QChar separator = text[i];
            if (count == 6 && separator == '.') {
                int scale = 100;
                for (++i; i < text.size() && text[i].isDigit(); ++i, scale /= 10)
                    milliseconds += text[i].digitValue() * scale;
                break;
            }
            const bool expected = count < 3 ? separator == '-'
                : count == 3                ? separator == ' ' || separator == 'T'
                                            : count < 6 && separator == ':';
            if (!expected)
                return false;
            ++i;
        }
        if (count != 3 && count < 5)
            return false;
        date = QDate(parts[0], parts[1], parts[2]);
        time = count == 3 ? QTime(0, 0) : QTime(parts[3], parts[4], parts[5], milliseconds);
        return date.isValid() && time.isValid();
    }

} // namespace

QDate dateOf(const QVariant& stored)
{
    QDate day;
    QTime time;
    return !stored.isNull() && readMoment(stored, day, time) ? day : QDate();
}

bool readMoment(const QVariant& stored, QDate& day, QTime& time)
{
    switch (stored.metaType().id()) {
    case QMetaType::QDateTime: {
        const QDateTime moment = stored.toDateTime();
        day = moment.date();
        time = moment.time();
        return moment.isValid();
    }
    case QMetaType::QDate:
        day = stored.toDate();
        time = QTime(0, 0);
        return day.isValid();
    default:
        break;
    }
    const QString text = stored.toString();
    return readMoment(QStringView(text).trimmed(), day, time);
}

bool readMoment(QStringView text, QDate& day, QTime& time)
{
    return parseStoredMoment(text, day, time);
}

QDateTime dateTimeOf(const QVariant& stored)
{
    if (stored.isNull())
        return {};
    switch (stored.metaType().id()) {
    case QMetaType::QDateTime:
        return stored.toDateTime();
    case QMetaType::QDate:
        return stored.toDate().startOfDay();
    default:
        break;
    }
    const QString text = stored.toString();
    QDate date;
    QTime time;
    return parseStoredMoment(QStringView(text).trimmed(), date, time) ? QDateTime(date, time) : QDateTime();
}

QString dayText(const QDate& date)
{
    // Written into one buffer, not through QString::arg: a large result formats a day per row.
    constexpr int intDigits = 11; // an int's digits and sign
    char text[3 * intDigits + 2];
    char* p = std::to_chars(text, text + intDigits, date.year()).ptr;
    *p++ = '-';
    p = std::to_chars(p, p + intDigits, date.month()).ptr;
    *p++ = '-';
    p = std::to_chars(p, p + intDigits, date.day()).ptr;
    return QString::fromLatin1(text, p - text);
}

Backend currentBackend()
{
    return Connection::current().backend();
}

void resetConnection()
{
    Connection::current().drop();
}

} // namespace korvell
