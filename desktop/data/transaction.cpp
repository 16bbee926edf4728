#include "desktop/data/transaction.h"

#include "desktop/data/connection.h"
#include "desktop/data/refusalwords.h"
#include "desktop/data/toast.h"

namespace korvell {

Transaction::Transaction()
{
    Connection& connection = Connection::current();
    QString why;
    if (!connection.open(why)) {
        ShowToast("数据库连接发生错误", "请检查网络或数据库服务器", ToastRed);
        return;
    }
    begun = connection.database().transaction();
    if (!begun)
        toastRefusal(connection.lastError(), connection.backend());
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
    if (db.commit()) {
        begun = false;
        return true;
    }
    toastRefusal(connection.lastError(), connection.backend());
    rollback();
    return false;
}

void Transaction::rollback()
{
    if (!begun)
        return;
    begun = false;
    QSqlDatabase& db = Connection::current().database();
    if (db.isValid() && db.isOpen())
        db.rollback();
}

} // namespace korvell
