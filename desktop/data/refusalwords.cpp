#include "desktop/data/refusalwords.h"

#include "desktop/data/connection.h"
#include "desktop/data/toast.h"

#include <QDebug>

namespace korvell {

namespace {

    // SQLite's result codes, primary or extended (the low byte is the primary code).
    constexpr int sqliteError = 1;
    constexpr int sqliteReadOnly = 8;
    constexpr int sqliteTooBig = 18;
    constexpr int sqliteConstraint = 19;
    constexpr int sqliteMismatch = 20;

    QString sqliteWords(int code, const QString& text)
    {
        switch (code & 0xff) {
        case sqliteConstraint:
            if (text.contains(QLatin1String("UNIQUE")) || text.contains(QLatin1String("PRIMARY KEY")))
                return QStringLiteral("数据重复");
            if (text.contains(QLatin1String("NOT NULL")))
                return QStringLiteral("必填的数据为空");
            return QStringLiteral("数据不符合数据库的约束");
        case sqliteTooBig:
            return QStringLiteral("数据太长");
        case sqliteMismatch:
            return QStringLiteral("数据格式错误");
        case sqliteReadOnly:
            return QStringLiteral("该操作不能修改数据");
        case sqliteError:
            if (text.contains(QLatin1String("syntax error"))
                || text.contains(QLatin1String("incomplete input")))
                return QStringLiteral("SQL语句语法错误");
            if (text.contains(QLatin1String("no such table")))
                return QStringLiteral("表不存在");
            if (text.contains(QLatin1String("no such column")))
                return QStringLiteral("字段不存在");
            if (text.contains(QLatin1String("no such function")))
                return QStringLiteral("函数不存在");
            return QStringLiteral("SQL语句错误");
        default:
            return QString();
        }
    }

    // SQLSTATE, as PostgreSQL and ODBC report it.
    QString sqlStateWords(const QString& state)
    {
        static const std::pair<const char*, const char*> exact[] = {
            { "23505", "数据重复" },
            { "22001", "数据太长" },
            { "23502", "必填的数据为空" },
            { "25006", "该操作不能修改数据" },
            { "42601", "SQL语句语法错误" },
            { "42P01", "表不存在" },
            { "42S02", "表不存在" },
            { "42703", "字段不存在" },
            { "42S22", "字段不存在" },
            { "42883", "函数不存在" },
        };
        for (const auto& [code, words] : exact) {
            if (state == QLatin1String(code))
                return QString::fromUtf8(words);
        }
        static const std::pair<const char*, const char*> classes[] = {
            { "22", "数据格式错误" },
            { "23", "数据不符合数据库的约束" },
            { "42", "SQL语句错误" },
        };
        for (const auto& [prefix, words] : classes) {
            if (state.startsWith(QLatin1String(prefix)))
                return QString::fromUtf8(words);
        }
        return QString();
    }

} // namespace

QString refusalWords(const QSqlError& error, Backend backend)
{
    if (isLockWaitTimeout(error))
        return QStringLiteral("数据被其他工作站占用，等待超时");
    const QString code = error.nativeErrorCode();
    const QString words = backend == Backend::SQLite
        ? sqliteWords(code.toInt(), error.databaseText() + error.driverText())
        : sqlStateWords(code);
    return words.isEmpty() ? QStringLiteral("数据库拒绝执行该操作") : words;
}

QString toastRefusal(const QSqlError& error, Backend backend)
{
    qWarning().noquote() << "database refused:" << error.text();
    const QString words = refusalWords(error, backend);
    ShowToast("数据库发生错误: " + words, "", ToastRed);
    return words;
}

} // namespace korvell
