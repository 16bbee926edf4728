#include "tests/support/lockholder.h"

#include "desktop/data/connection.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace testsupport {

LockHolder::LockHolder(const korvell::ConnectionSettings& settings, const QString& table)
    : worker([this, settings, table] { hold(settings, table); })
{
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return state != Starting; });
}

LockHolder::~LockHolder()
{
    {
        std::lock_guard lock(mutex);
        state = Released;
    }
    changed.notify_all();
    worker.join();
}

bool LockHolder::holding()
{
    std::lock_guard lock(mutex);
    return state == Holding;
}

void LockHolder::hold(const korvell::ConnectionSettings& settings, const QString& table)
{
    const QString name = "lock-holder";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(settings.qtDriver, name);
        db.setDatabaseName(settings.databaseName);
        if (settings.backend == korvell::Backend::PostgreSQL)
            korvell::applyServerLogin(db, settings);
        QSqlQuery query(db);
        const bool held = db.open()
            && (settings.backend == korvell::Backend::SQLite
                    ? query.exec("begin immediate")
                    : query.exec("begin") && query.exec("lock table " + table + " in access exclusive mode"));
        {
            std::unique_lock lock(mutex);
            state = held ? Holding : Failed;
            changed.notify_all();
            changed.wait_for(lock, std::chrono::seconds(8), [this] { return state == Released; });
        }
        query.exec("rollback");
        query.clear();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace testsupport
