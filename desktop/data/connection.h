#pragma once
// The database connection of the calling thread: opened from "nd.dsn" on first use, kept open,
// and dropped after a failure so that the next call opens it afresh.
#include "desktop/data/dsn.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <optional>
#include <unordered_map>

namespace korvell {

// How long a statement waits for a lock that another session holds before it fails: a station
// must not freeze for as long as someone else keeps a table locked.
inline constexpr int lockWaitMilliseconds = 3000;

// How long a statement on a server may go without an answer before the server is asked, on a
// connection of its own, whether it is still there. A server that cannot be reached within
// serverProbeSeconds counts as lost, and the statement fails: a frozen network must not hold the
// window for longer than a few seconds.
inline constexpr int answerWaitMilliseconds = 4000;
inline constexpr int serverProbeSeconds = 2;

// Puts the server, port and login of settings on a PostgreSQL connection, with a connect
// time-out and TCP keep-alives: a server that does not answer must not hang the window.
void applyServerLogin(QSqlDatabase& db, const ConnectionSettings& settings, int connectSeconds = 5);

class Connection {
public:
    // While it lives, the statement running on the connection is watched: when the server gives
    // no answer and cannot be reached either, the connection is cut, so the statement fails.
    class AnswerWatch {
    public:
        explicit AnswerWatch(Connection& connection);
        ~AnswerWatch();
        AnswerWatch(const AnswerWatch&) = delete;
        AnswerWatch& operator=(const AnswerWatch&) = delete;

    private:
        Connection& connection;
    };

    static Connection& current();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the connection unless it is open. On failure error holds the driver's text, or, in the
    // program's words, what is wrong with the settings when failedOnSettings() tells so (for a
    // set-up step, followed by the database's description of its refusal). A new
    // connection needs a bounded lock wait (on PostgreSQL, also through ODBC, and on SQLite); on
    // SQLite also the len() function, a write-ahead log and a sync of that log at every commit. A
    // connection on which one of these fails is closed again, so the next call opens afresh.
    bool open(QString& error);
    // Whether the last open failed on settings: those of nd.dsn (a missing or garbled file, a
    // DATABASE= file that is not there) or a set-up step the database refused, rather than on a
    // database that does not answer.
    bool failedOnSettings() const { return settingsFailure; }
    QSqlDatabase& database() { return db; }
    // The backend nd.dsn names (read without opening when nothing is open yet).
    Backend backend();

    // A statement prepared once and kept for the next call with the same text, with the names and
    // type codes of its result columns once a caller has worked them out.
    struct Statement {
        QSqlQuery query;
        std::optional<std::pair<QStringList, QList<int>>> columns;
    };
    // nullptr when the statement cannot be prepared (error holds why).
    Statement* prepared(const QString& sql, QSqlError& error);

    // The error of query's last statement, or of the connection's last begin or commit. On ODBC
    // with the SQLSTATE as its code: QODBC gives the driver's own error number, which differs
    // from driver to driver. Read before anything else runs on the statement.
    QSqlError errorOf(const QSqlQuery& query) const;
    QSqlError lastError() const;

    // ADO type codes from the declared column types of sql (SQLite keeps "DATE", "TIMESTAMP" only
    // as declarations); empty for other backends.
    QList<int> declaredTypes(const QString& sql);

    // After a failed statement: whether the connection still answers. A server that went away
    // answers no more; the connection is dropped then.
    bool stillAlive();

    void drop();

    // Makes what runs until endReadOnly() unable to write: a read-only transaction on a server
    // (natively and through ODBC), a query-only connection on SQLite; the error when it could not.
    // An error from endReadOnly(): the transaction did not end or the connection could not be made
    // writable again; the caller drops it once it has told what failed, so the next call opens a
    // writable one.
    [[nodiscard]] std::optional<QSqlError> beginReadOnly();
    [[nodiscard]] std::optional<QSqlError> endReadOnly();

    // Whether the database itself reads sql as one statement it can run, without running it:
    // SQLite's prepare, or a statement prepared on a native PostgreSQL server. The database's
    // refusal when it does not (a second statement among them). Through ODBC nothing is asked.
    [[nodiscard]] std::optional<QSqlError> oneStatement(const QString& sql);

private:
    class Watchdog;

    Connection();
    bool setUp(QString& error);
    bool setUpSqlite(QString& error);
    bool boundLockWait(QString& error);
    // Fails the open: error says why in the program's words, followed by the database's
    // description of what it refused, if it gave one; the driver's whole text goes to the log.
    bool refuseSetup(const QString& why, const QSqlError& refused, QString& error);

    QString name;
    QSqlDatabase db;
    ConnectionSettings settings;
    bool settingsRead = false;
    bool settingsFailure = false;
    std::unordered_map<QString, std::unique_ptr<Statement>> statements;
    QHash<QString, QList<int>> declared;
    std::unique_ptr<Watchdog> watchdog; // started with the first server connection, kept for the next
};

} // namespace korvell
