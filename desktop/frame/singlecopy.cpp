#include "desktop/frame/singlecopy.h"

#include <QDir>

namespace korvell {

SingleCopy::SingleCopy(const QString& folder)
    : lock(QDir(folder).filePath(QStringLiteral("korvell.lock")))
{
    if (!lock.tryLock(0))
        heldElsewhere = lock.error() == QLockFile::LockFailedError;
}

void SingleCopy::release()
{
    lock.unlock();
}

} // namespace korvell
