// The import starts the generator from the program folder and reads what it saved; a missing
// file is picked by the user. A script stands in for the generator.
#include "desktop/stock/collectedserials.h"
#include "desktop/stock/orderkind.h"
#include "platform/ui/collecteddatafile.h"
#include "tests/support/fakegenerator.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QFile>

using namespace korvell;

class CollectedImport : public testsupport::DatabaseTest {
protected:
    testsupport::HomeFolder home;
    testsupport::ScriptedDialogs dialogs;
};

TEST_P(CollectedImport, ReadsWhatTheGeneratorSaved)
{
    testsupport::installFakeGenerator(db->programFolder(), home, "20A\r\nnoise\r\n20B");
    RunGenerator(db->programFolder());
    const QString path = CollectedFileOrPick(StockOutOrders.pickTitle);
    EXPECT_EQ(path, platform::collectedDataFilePath());
    const CollectedFile file = readCollectedFile(path);
    EXPECT_EQ(file.state, CollectedFile::State::Read);
    EXPECT_EQ(file.serials, (QStringList { "20A", "20B" }));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
}

TEST_P(CollectedImport, MissingFileIsPickedOrCancelled)
{
    // No generator in the folder: the import goes on to the file.
    const QString picked = testsupport::writeFile(home.path() + "/picked.txt", "");
    dialogs.fileNames = { picked };
    RunGenerator(db->programFolder());
    EXPECT_EQ(CollectedFileOrPick(ReturnOrders.pickTitle), picked);
    EXPECT_EQ(readCollectedFile(picked).state, CollectedFile::State::Empty);
    EXPECT_EQ(CollectedFileOrPick(StockOutOrders.pickTitle), "");
    EXPECT_EQ(dialogs.fileDialogs, (QStringList { "在指定的位置没有发现文件用户自己打开文件", "打开文件" }));
    EXPECT_EQ(readCollectedFile(home.path() + "/none.txt").state, CollectedFile::State::Unreadable);
}

INSTANTIATE_BACKENDS(CollectedImport);
