#pragma once
// One running copy per program folder: the first copy holds a lock file there while it runs.
#include <QLockFile>
#include <QString>

namespace korvell {

class SingleCopy {
public:
    explicit SingleCopy(const QString& folder);

    // Another copy holds the lock. A folder where no lock can be made (read-only) is not taken
    // for a running copy; the program then starts unguarded.
    bool anotherRunning() const { return heldElsewhere; }
    void release();

private:
    QLockFile lock;
    bool heldElsewhere = false;
};

} // namespace korvell
