#include "desktop/data/transaction.h"

#include "desktop/data/connection.h"
#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"

#include <tuple>

namespace korvell {

namespace {

    // Begin, commit and rollback are watched like a statement: a frozen server is given up.
    bool watched(Connection& connection, bool (QSqlDatabase::*step)())
    {
        Connection::AnswerWatch watch(connection);
        return (connection.database().*step)();
    }

} // namespace

Transaction::Transaction()
{
    Connection& connection = Connection::current();
    QString why;
    if (!connection.open(why)) {
        ShowToast("数据库连接发生错误", "请检查网络或数据库服务器", ToastRed);
        return;
    }
    begun = watched(connection, &QSqlDatabase::transaction);
    if (!begun)
        std::ignore = statementFailure(connection.lastError());
}

Transaction::~Transaction()
{
    rollback();
}

bool Transaction::commit()
{
    if (!begun)
        return false;
    Connection& connection = Connection::current();
    QSqlDatabase& db = connection.database();
    // A connection dropped after a failed statement took its transaction with it.
    if (!db.isValid() || !db.isOpen()) {
        begun = false;
        return false;
    }
    if (watched(connection, &QSqlDatabase::commit)) {
        begun = false;
        return true;
    }
    std::ignore = statementFailure(connection.lastError());
    rollback();
    return false;
}

void Transaction::rollback()
{
    if (!begun)
        return;
    begun = false;
    Connection& connection = Connection::current();
    QSqlDatabase& db = connection.database();
    if (!db.isValid() || !db.isOpen())
        return;
    // A rollback the server did not take leaves the connection in no known state.
    if (!watched(connection, &QSqlDatabase::rollback))
        connection.drop();
}

} // namespace korvell
