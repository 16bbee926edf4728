#pragma once
// ExecSQL: the only way from the windows to the database. Values are bound to "?" placeholders,
// never written into the text. Failures are shown as toasts and reported in the result.
#include "desktop/data/backend.h"
#include "desktop/data/recordset.h"
#include "desktop/data/recordsink.h"

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QVariantList>

namespace korvell {

struct [[nodiscard]] SqlResult {
    bool ok = false;
    RecordsetPtr rs; // the rows of a query (ok and a query), else null
    int rowsAffected = -1; // for a command
    QString error; // when !ok, what went wrong in the system's words (the driver's text is logged)
    bool connectionLost = false; // the server did not answer (its toast is shown)
    bool lockTimedOut = false; // another session's lock outlasted the wait
    explicit operator bool() const { return ok; }
};

// A text whose first word (after trimming) is INSERT, DELETE, UPDATE, EXEC, EXECUTE, CREATE or
// DROP is a command; anything else is a query. On failure: the toast "数据库连接发生错误" /
// "请检查网络或数据库服务器" for a lost connection, else "数据库发生错误: " + what was refused in
// the system's words (or what is wrong with nd.dsn); the driver's own text goes to the log. A statement waits
// for another session's lock a few seconds at most (lockWaitMilliseconds), then fails like any other; a
// server that stops answering counts as lost within a few seconds (answerWaitMilliseconds).
SqlResult ExecSQL(const QString& sql, const QVariantList& params = {});

// ExecSQL for a query whose records go to sink as they are read, without a Recordset (rs stays
// null). A failure while reading, a lost server among them, fails the call after sink has had
// the records before it.
SqlResult ExecSQL(const QString& sql, const QVariantList& params, RecordSink& sink);

// ExecSQL for texts that come from the database or the user (report queries): a query (its first
// word SELECT or WITH) that the database itself reads as one statement, run where nothing can be
// written, and undone; its begin and end are watched like the statement. Anything else does not
// reach the database: the toast "只能执行查询语句" says why in its hint. Through ODBC, where the
// database cannot be asked, a text with a ";" before its end is refused so. A text the database
// reads as more statements ("select ...; commit; delete ...") is refused in its words.
SqlResult ExecReadOnlySQL(const QString& sql);
// What ExecReadOnlySQL decides about sql, without running it: false when it would refuse it, told
// alike, with refusal as the main line where ExecReadOnlySQL says "只能执行查询语句".
[[nodiscard]] bool checkReadOnlySQL(const QString& sql, const QString& refusal);
// The hint under "只能执行查询语句": what a text that comes from the user or the database must be.
inline const QString queryOnlyHint = QStringLiteral("语句须是一条以SELECT或WITH开头、不写数据的查询");

// Tells a failed statement, begin or commit of the thread's connection: a server that no longer
// answers as a lost connection (dropped, so that the next call opens afresh), else the refusal.
SqlResult statementFailure(const QSqlError& error);

bool isCommandText(const QString& sql);

// Dates and date-times as each backend stores them; bind through these, never as text.
QVariant sqlDate(const QDate& date);
QVariant sqlDateTime(const QDateTime& moment);
// Reads a stored date or date-time back, whatever the backend returned.
QDate dateOf(const QVariant& stored);
QDateTime dateTimeOf(const QVariant& stored);
// Day text as the windows show it: "yyyy-m-d".
QString dayText(const QDate& date);
// The day and time of a stored date or date-time (midnight for a date), read without building a
// QDateTime, whose local-time lookup costs a system call per value; false when it reads as
// neither.
bool readMoment(const QVariant& stored, QDate& day, QTime& time);
bool readMoment(QStringView text, QDate& day, QTime& time);

// The backend of the current connection, for the rare statement that must differ.
Backend currentBackend();

// Drops the thread's connection so the next call reads "nd.dsn" again (tests, retry after the
// program folder changed).
void resetConnection();

} // namespace korvell
