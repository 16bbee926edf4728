#pragma once
// ExecSQL: the only way from the windows to the database. Values are bound to "?" placeholders,
// never written into the text. Failures are shown as toasts and reported in the result.
#include "desktop/data/backend.h"
#include "desktop/data/recordset.h"
#include "desktop/data/recordsink.h"

#include <QDate>
#include <QDateTime>
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

// ExecSQL for texts that come from the database or the user (report queries): one statement,
// run where nothing can be written, and undone. A text of more statements ("select ...; commit;
// delete ...") does not run: the toast "只能执行查询语句" says so.
SqlResult ExecReadOnlySQL(const QString& sql, const QVariantList& params = {});
// The hint under "只能执行查询语句": what a text that comes from the user or the database must be.
inline const QString queryOnlyHint = QStringLiteral("语句须是一条以SELECT或WITH开头、不写数据的查询");

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
