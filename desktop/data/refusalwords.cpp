#include "desktop/data/refusalwords.h"

#include "desktop/data/toast.h"

#include <QDebug>
#include <sqlite3.h>

namespace korvell {

namespace {

    // SQLite reports extended result codes; their low byte is the primary code.
    int primaryCode(int sqliteCode)
    {
        return sqliteCode & 0xff;
    }

    QString ownWords(const QSqlError& error, Backend backend)
    {
        const QString code = error.nativeErrorCode();
        bool duplicate = false;
        bool tooLong = false;
        if (backend == Backend::SQLite) {
            const int extended = code.toInt();
            duplicate = extended == SQLITE_CONSTRAINT_PRIMARYKEY || extended == SQLITE_CONSTRAINT_UNIQUE;
            tooLong = primaryCode(extended) == SQLITE_TOOBIG;
        } else {
            // SQLSTATE: unique_violation, string_data_right_truncation.
            duplicate = code == QLatin1String("23505");
            tooLong = code == QLatin1String("22001");
        }
        if (duplicate)
            return QStringLiteral("数据重复");
        if (tooLong)
            return QStringLiteral("数据太长");
        return {};
    }

} // namespace

QString databaseDescription(const QSqlError& error, Backend backend)
{
    // PostgreSQL adds detail lines and its SQLSTATE, the ODBC driver ";" and a line of its own.
    QString text = error.databaseText().trimmed();
    if (text.isEmpty() || (backend == Backend::SQLite && text == QLatin1String(sqlite3_errstr(SQLITE_OK))))
        text = error.driverText().trimmed();
    QString line = text.section(u'\n', 0, 0).simplified();
    if (line.endsWith(u';'))
        line.chop(1);
    return line;
}

bool isLockWaitTimeout(const QSqlError& error, Backend backend)
{
    const QString code = error.nativeErrorCode();
    if (backend == Backend::SQLite) {
        const int primary = primaryCode(code.toInt());
        return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
    }
    return code == QLatin1String("55P03");
}

QString refusalWords(const QSqlError& error, Backend backend)
{
    if (isLockWaitTimeout(error, backend))
        return QStringLiteral("数据被其他工作站占用，等待超时");
    const QString words = ownWords(error, backend);
    return words.isEmpty() ? databaseDescription(error, backend) : words;
}

QString toastRefusal(const QSqlError& error, Backend backend)
{
    qWarning().noquote() << "database refused:" << error.text();
    const QString words = refusalWords(error, backend);
    ShowToast("数据库发生错误: " + words, "", ToastRed);
    return words;
}

} // namespace korvell
