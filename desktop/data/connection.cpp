#include "desktop/data/connection.h"

#include "desktop/data/odbcstate.h"
#include "desktop/data/recordset.h"
#include "desktop/data/refusalwords.h"

#include <QDebug>
#include <QFile>
#include <QSqlDriver>
#include <QSqlResult>
#include <QUrl>
#include <chrono>
#include <condition_variable>
#include <libpq-fe.h>
#include <mutex>
#include <sqlite3.h>
#include <sys/socket.h>
#include <thread>

namespace korvell {

namespace {

    // Prepared statements kept per connection; the windows use a few dozen distinct texts.
    constexpr size_t statementCacheLimit = 128;

    // len(text): characters without trailing blanks, as the windows expect of it; Null stays Null.
    void sqliteLen(sqlite3_context* context, int, sqlite3_value** argv)
    {
        if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
        const auto* text = reinterpret_cast<const unsigned char*>(sqlite3_value_text(argv[0]));
        int bytes = sqlite3_value_bytes(argv[0]);
        while (bytes > 0 && text[bytes - 1] == ' ')
            --bytes;
        sqlite3_int64 characters = 0;
        for (int i = 0; i < bytes; ++i) {
            if ((text[i] & 0xC0) != 0x80)
                ++characters;
        }
        sqlite3_result_int64(context, characters);
    }

    sqlite3* sqliteHandle(const QSqlDatabase& db)
    {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return nullptr;
        return *static_cast<sqlite3* const*>(handle.constData());
    }

    int adoTypeOfDeclaration(QString declared)
    {
        declared = declared.toLower();
        if (declared.isEmpty())
            return 0;
        if (declared.contains("timestamp") || declared.contains("datetime"))
            return adDBTimeStamp;
        if (declared.contains("date"))
            return adDBDate;
        if (declared.contains("int"))
            return adInteger;
        if (declared.contains("numeric") || declared.contains("decimal"))
            return adNumeric;
        if (declared.contains("real") || declared.contains("floa") || declared.contains("doub"))
            return adDouble;
        if (declared.contains("bool"))
            return adBoolean;
        if (declared.contains("blob"))
            return adVarBinary;
        return adVarChar;
    }

    // The client library's connection under a native PostgreSQL connection; null when there is none.
    PGconn* postgresConnection(const QSqlDatabase& db)
    {
        const QVariant handle = db.driver()->handle();
        if (!handle.isValid()
            || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
            return nullptr;
        return *static_cast<PGconn* const*>(handle.constData());
    }

    int postgresSocket(const QSqlDatabase& db)
    {
        PGconn* connection = postgresConnection(db);
        return connection ? PQsocket(connection) : -1;
    }

} // namespace

// Watches the statements of one server connection from a thread of its own.
class Connection::Watchdog {
public:
    Watchdog()
        : worker([this] { run(); })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex);
            ending = true;
        }
        changed.notify_all();
        worker.join();
    }

    // The server a probe asks, from the connection's next open on.
    void watch(const ConnectionSettings& server)
    {
        std::lock_guard lock(mutex);
        settings = server;
    }

    void arm(int socket)
    {
        {
            std::lock_guard lock(mutex);
            fd = socket;
            armed = socket >= 0;
            ++statement;
            deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(answerWaitMilliseconds);
        }
        changed.notify_all();
    }

    void disarm()
    {
        std::lock_guard lock(mutex);
        armed = false;
    }

private:
    void run()
    {
        std::unique_lock lock(mutex);
        while (!ending) {
            if (!armed) {
                changed.wait(lock);
                continue;
            }
            const auto now = std::chrono::steady_clock::now();
            if (now < deadline) {
                // Waits on the system clock, whose wait ThreadSanitizer follows; the deadline
                // itself stays on the steady clock.
                changed.wait_until(lock, std::chrono::system_clock::now() + (deadline - now));
                continue;
            }
            const quint64 watched = statement;
            const ConnectionSettings server = settings;
            lock.unlock();
            const bool answers = serverAnswers(server);
            lock.lock();
            if (!armed || statement != watched)
                continue;
            if (answers) {
                deadline
                    = std::chrono::steady_clock::now() + std::chrono::milliseconds(answerWaitMilliseconds);
            } else {
                // Still armed, so the statement still waits and the socket is still its own.
                ::shutdown(fd, SHUT_RDWR);
                armed = false;
            }
        }
    }

    // Whether the server takes a new connection: it is up and the network passes.
    bool serverAnswers(const ConnectionSettings& settings)
    {
        const QString name = QString("korvell-probe-%1").arg(quintptr(this));
        bool answers = false;
        {
            QSqlDatabase probe = QSqlDatabase::addDatabase(settings.qtDriver, name);
            probe.setDatabaseName(settings.databaseName);
            applyServerLogin(probe, settings, serverProbeSeconds);
            answers = probe.open();
            probe.close();
        }
        QSqlDatabase::removeDatabase(name);
        return answers;
    }

    ConnectionSettings settings;
    std::mutex mutex;
    std::condition_variable changed;
    int fd = -1;
    bool armed = false;
    bool ending = false;
    quint64 statement = 0;
    std::chrono::steady_clock::time_point deadline;
    std::thread worker; // last: starts once the rest is in place
};

Connection::AnswerWatch::AnswerWatch(Connection& connection)
    : connection(connection)
{
    if (connection.watchdog)
        connection.watchdog->arm(postgresSocket(connection.db));
}

Connection::AnswerWatch::~AnswerWatch()
{
    if (connection.watchdog)
        connection.watchdog->disarm();
}

Connection& Connection::current()
{
    thread_local Connection connection;
    return connection;
}

Connection::Connection()
    : name(QString("korvell-%1").arg(quintptr(this)))
{
}

Connection::~Connection()
{
    drop();
}

void Connection::drop()
{
    statements.clear();
    declared.clear();
    settingsRead = false;
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

Backend Connection::backend()
{
    if (!settingsRead) {
        settings = GetConnString();
        settingsRead = true;
    }
    return settings.backend;
}

void applyServerLogin(QSqlDatabase& db, const ConnectionSettings& settings, int connectSeconds)
{
    if (!settings.host.isEmpty())
        db.setHostName(settings.host);
    if (settings.port > 0)
        db.setPort(settings.port);
    db.setUserName(settings.user);
    db.setPassword(settings.password);
    // Keep-alives and the user time-out find a path that drops packets while the connection idles
    // or sends; a path that swallows them is left to the answer watch.
    db.setConnectOptions(QString("connect_timeout=%1;keepalives=1;keepalives_idle=5;keepalives_interval=2;"
                                 "keepalives_count=2;tcp_user_timeout=%2")
                             .arg(connectSeconds)
                             .arg(answerWaitMilliseconds));
}

bool Connection::open(QString& error)
{
    if (db.isValid() && db.isOpen())
        return true;
    drop();
    settings = GetConnString();
    settingsRead = true;
    settingsFailure = !settings.usable();
    if (settings.backend == Backend::SQLite && !settingsFailure && !QFile::exists(settings.databaseName)) {
        settings.problem = "连接文件 nd.dsn 中 DATABASE= 所指的文件 " + settings.databaseName + " 不存在";
        settingsFailure = true;
    }
    if (settingsFailure) {
        error = settings.problem;
        return false;
    }
    db = QSqlDatabase::addDatabase(settings.qtDriver, name);
    if (settings.backend != Backend::SQLite)
        db.setDatabaseName(settings.databaseName);
    if (settings.backend == Backend::PostgreSQL) {
        applyServerLogin(db, settings);
    } else if (settings.backend == Backend::SQLite) {
        // Opened read-write without creating: a missing file is a missing database, not a new
        // empty one.
        db.setDatabaseName(
            QUrl::fromLocalFile(settings.databaseName).toString(QUrl::FullyEncoded) + "?mode=rw");
        db.setConnectOptions("QSQLITE_OPEN_URI");
    }
    if (!db.open()) {
        error = db.lastError().text().trimmed();
        if (error.isEmpty())
            error = "cannot open " + settings.databaseName;
        drop();
        return false;
    }
    if (!setUp(error)) {
        drop();
        return false;
    }
    return true;
}

bool Connection::setUp(QString& error)
{
    switch (settings.backend) {
    case Backend::SQLite:
        return setUpSqlite(error);
    case Backend::PostgreSQL:
        if (!watchdog)
            watchdog = std::make_unique<Watchdog>();
        watchdog->watch(settings);
        return boundLockWait(error);
    case Backend::Odbc:
        // PostgreSQL's ODBC driver waits for locks as long as the server lets it; other drivers
        // keep their own bound.
        return db.driver()->dbmsType() != QSqlDriver::PostgreSQL || boundLockWait(error);
    }
    return true;
}

bool Connection::refuseSetup(const QString& why, const QSqlError& refused, QString& error)
{
    settingsFailure = true;
    const QString description = refused.databaseText().trimmed().isEmpty()
        ? QString()
        : databaseDescription(refused, settings.backend);
    error = description.isEmpty() ? why : why + ": " + description;
    qWarning().noquote() << "database connection set-up failed:" << why << "-" << refused.text();
    return false;
}

bool Connection::setUpSqlite(QString& error)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle
        || sqlite3_create_function_v2(handle, "len", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
               sqliteLen, nullptr, nullptr, nullptr)
            != SQLITE_OK)
        return refuseSetup("无法在数据库中注册 len() 函数",
            handle ? QSqlError(QString(), sqlite3_errmsg(handle)) : QSqlError("no SQLite handle"), error);
    // Several stations may share one file: a statement waits for a writer a few seconds instead
    // of failing at once. A write-ahead log synced at every commit: a stored item survives a power
    // loss, not only a crash of the program, so its serial number is never handed out twice. Each
    // setting is read back, since SQLite ignores some without an error (it keeps the old journal
    // mode when it cannot change it).
    const QByteArray busyTimeout = QByteArray::number(lockWaitMilliseconds);
    const struct {
        const char* failure;
        QByteArray set;
        const char* read;
        QByteArray expected;
    } pragmas[] = {
        { "无法设置数据库的锁等待时限", "PRAGMA busy_timeout=" + busyTimeout, "PRAGMA busy_timeout",
            busyTimeout },
        { "无法将数据库设为预写日志方式", "PRAGMA journal_mode=WAL", "PRAGMA journal_mode", "wal" },
        { "无法将数据库设为每次提交即写入磁盘", "PRAGMA synchronous=FULL", "PRAGMA synchronous", "2" },
    };
    for (const auto& pragma : pragmas) {
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(pragma.set)) || !query.exec(pragma.read) || !query.next())
            return refuseSetup(pragma.failure, query.lastError(), error);
        // Ignored without an error: the database has nothing to say about it.
        const QString setting = query.value(0).toString();
        if (setting.compare(QLatin1String(pragma.expected), Qt::CaseInsensitive) != 0)
            return refuseSetup(pragma.failure, QSqlError(QString(pragma.read) + " = " + setting), error);
    }
    return true;
}

bool Connection::boundLockWait(QString& error)
{
    QSqlQuery query(db);
    bool bounded = false;
    {
        AnswerWatch watch(*this);
        bounded = query.exec(QString("set lock_timeout = %1").arg(lockWaitMilliseconds));
    }
    if (bounded)
        return true;
    // Without the bound a lock wait would outlast the answer watch, which waits on while the
    // server answers its probe. A server that went away meanwhile is a lost connection instead.
    if (!stillAlive()) {
        error = query.lastError().text().trimmed();
        return false;
    }
    return refuseSetup("无法设置数据库的锁等待时限", query.lastError(), error);
}

Connection::Statement* Connection::prepared(const QString& sql, QSqlError& error)
{
    if (auto found = statements.find(sql); found != statements.end())
        return found->second.get();
    auto statement = std::make_unique<Statement>(Statement { QSqlQuery(db), std::nullopt });
    statement->query.setForwardOnly(true);
    if (!statement->query.prepare(sql)) {
        error = errorOf(statement->query);
        return nullptr;
    }
    if (statements.size() >= statementCacheLimit)
        statements.clear();
    return statements.emplace(sql, std::move(statement)).first->second.get();
}

QList<int> Connection::declaredTypes(const QString& sql)
{
    if (settings.backend != Backend::SQLite)
        return {};
    if (auto found = declared.constFind(sql); found != declared.constEnd())
        return *found;
    QList<int> types;
    sqlite3* handle = sqliteHandle(db);
    sqlite3_stmt* statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (handle
        && sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) == SQLITE_OK
        && statement) {
        const int columns = sqlite3_column_count(statement);
        for (int i = 0; i < columns; ++i) {
            const char* declaration = sqlite3_column_decltype(statement, i);
            types << adoTypeOfDeclaration(QString::fromUtf8(declaration ? declaration : ""));
        }
    }
    sqlite3_finalize(statement);
    if (declared.size() >= qsizetype(statementCacheLimit))
        declared.clear();
    declared.insert(sql, types);
    return types;
}

QSqlError Connection::errorOf(const QSqlQuery& query) const
{
    const QSqlError error = query.lastError();
    if (settings.backend != Backend::Odbc || !query.result())
        return error;
    const QString state = odbcSqlState(query.result()->handle(), OdbcHandle::Statement);
    return state.isEmpty() ? error : QSqlError(error.driverText(), error.databaseText(), error.type(), state);
}

QSqlError Connection::lastError() const
{
    const QSqlError error = db.lastError();
    if (settings.backend != Backend::Odbc || !db.isValid())
        return error;
    const QString state = odbcSqlState(db.driver()->handle(), OdbcHandle::Connection);
    return state.isEmpty() ? error : QSqlError(error.driverText(), error.databaseText(), error.type(), state);
}

namespace {

    // Sets SQLite's query_only and reads it back: SQLite may ignore the setting without an error.
    // A failure is told as what could not be done, followed by the database's description.
    bool setQueryOnly(QSqlDatabase& db, bool on, QSqlError& error)
    {
        const QString failure
            = on ? QStringLiteral("无法将数据库连接设为只读") : QStringLiteral("无法将数据库连接设为可写");
        QSqlQuery query(db);
        if (!query.exec(on ? "PRAGMA query_only=ON" : "PRAGMA query_only=OFF")
            || !query.exec("PRAGMA query_only") || !query.next()) {
            const QSqlError refused = query.lastError();
            error = QSqlError(refused.text(), failure + ": " + databaseDescription(refused, Backend::SQLite),
                refused.type(), refused.nativeErrorCode());
            return false;
        }
        if (query.value(0).toBool() == on)
            return true;
        error = QSqlError(QString(), failure, QSqlError::StatementError);
        return false;
    }

} // namespace

std::optional<QSqlError> Connection::beginReadOnly()
{
    QSqlError error;
    if (settings.backend == Backend::SQLite)
        return setQueryOnly(db, true, error) ? std::nullopt : std::optional(error);
    if (!db.transaction())
        return lastError();
    // Said to the server itself, so that it holds the transaction read-only through ODBC too.
    QSqlQuery query(db);
    if (query.exec("set transaction read only"))
        return std::nullopt;
    error = errorOf(query);
    db.rollback();
    return error;
}

std::optional<QSqlError> Connection::endReadOnly()
{
    if (!db.isValid() || !db.isOpen())
        return std::nullopt;
    QSqlError error;
    if (settings.backend != Backend::SQLite)
        return db.rollback() ? std::nullopt : std::optional(lastError());
    if (setQueryOnly(db, false, error))
        return std::nullopt;
    qWarning().noquote() << "database connection left read-only:" << error.databaseText() << "-"
                         << error.driverText();
    return error;
}

std::optional<QSqlError> Connection::oneStatement(const QString& sql)
{
    if (settings.backend == Backend::SQLite) {
        // The driver runs what SQLite's prepare takes as the first statement, and refuses a text
        // with more than blanks after it.
        QSqlQuery query(db);
        return query.prepare(sql) ? std::nullopt : std::optional(query.lastError());
    }
    if (settings.backend == Backend::Odbc)
        return std::nullopt; // nothing to ask: the caller's rule on ";" stands in
    PGconn* server = postgresConnection(db);
    if (!server) // a server that cannot be asked runs nothing
        return QSqlError(QStringLiteral("Unable to prepare statement"), QString(), QSqlError::StatementError);
    // A statement prepared through the extended protocol: the server refuses a text of several.
    PGresult* prepared = PQprepare(server, "", sql.toUtf8().constData(), 0, nullptr);
    std::optional<QSqlError> refused;
    if (PQresultStatus(prepared) != PGRES_COMMAND_OK)
        refused = QSqlError(QStringLiteral("Unable to prepare statement"),
            QString::fromUtf8(prepared ? PQresultErrorMessage(prepared) : PQerrorMessage(server)),
            QSqlError::StatementError, QString::fromLatin1(PQresultErrorField(prepared, PG_DIAG_SQLSTATE)));
    PQclear(prepared);
    return refused;
}

bool Connection::stillAlive()
{
    if (!db.isValid() || !db.isOpen())
        return false;
    if (settings.backend == Backend::SQLite)
        return true;
    QSqlQuery probe(db);
    bool answered = false;
    {
        AnswerWatch watch(*this);
        answered = probe.exec("select 1");
    }
    if (answered)
        return true;
    // A server that refuses the probe still answers: a failed statement inside a transaction
    // leaves it refusing all but a rollback, and through ODBC the probe carries the begin of the
    // transaction that the server refused. Only a connection fault (SQLSTATE class 08) or an
    // operator's end of the session (class 57), or no SQLSTATE at all, is a lost connection.
    const QString state = errorOf(probe).nativeErrorCode();
    if (state.size() == 5 && !state.startsWith(QLatin1String("08")) && !state.startsWith(QLatin1String("57")))
        return true;
    drop();
    return false;
}

} // namespace korvell
