#pragma once
// Another session that keeps a table locked: its own connection on its own thread, a write lock
// on SQLite, an exclusive table lock on PostgreSQL, until the holder is destroyed or 8 s have
// passed (so that a statement that would wait for ever still comes back).
#include "desktop/data/dsn.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace testsupport {

class LockHolder {
public:
    LockHolder(const korvell::ConnectionSettings& settings, const QString& table);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool holding();

private:
    void hold(const korvell::ConnectionSettings& settings, const QString& table);

    enum State { Starting, Holding, Failed, Released };
    std::mutex mutex;
    std::condition_variable changed;
    State state = Starting;
    std::thread worker;
};

} // namespace testsupport
