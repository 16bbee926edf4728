// One running copy per program folder.
#include "desktop/frame/singlecopy.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvell;

TEST(SingleCopy, SecondCopyFindsTheFirstRunningUntilItEnds)
{
    QTemporaryDir folder;
    SingleCopy first(folder.path());
    EXPECT_FALSE(first.anotherRunning());
    {
        SingleCopy second(folder.path());
        EXPECT_TRUE(second.anotherRunning());
    }
    first.release();
    SingleCopy next(folder.path());
    EXPECT_FALSE(next.anotherRunning());
}

TEST(SingleCopy, FolderWithoutRoomForTheLockIsNotARunningCopy)
{
    QTemporaryDir folder;
    SingleCopy copy(folder.filePath(QStringLiteral("no/such/folder")));
    EXPECT_FALSE(copy.anotherRunning());
}
