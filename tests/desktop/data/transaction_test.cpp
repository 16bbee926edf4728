// Transactions: statements between begin and commit are stored together or not at all.
#include "desktop/data/transaction.h"
#include "tests/support/testdatabase.h"

using namespace korvell;

namespace {

const QString insertTeam = "insert into c_bzname (bzid,bzname,bzmsg,bzdesc) values (?,?,?,?)";

} // namespace

class Transactions : public testsupport::DatabaseTest { };

TEST_P(Transactions, CommitStoresEveryStatementAndLeavingWithoutCommitNone)
{
    {
        Transaction transaction;
        ASSERT_TRUE(ExecSQL(insertTeam, { "7001", "一", "", "" }));
    }
    EXPECT_EQ(testsupport::rowCount("c_bzname", "bzid='7001'"), 0);
    Transaction transaction; // the connection works on
    ASSERT_TRUE(transaction.active());
    ASSERT_TRUE(ExecSQL(insertTeam, { "7001", "一", "", "" }));
    ASSERT_TRUE(ExecSQL(insertTeam, { "7002", "二", "", "" }));
    EXPECT_TRUE(transaction.commit());
    EXPECT_EQ(testsupport::rowCount("c_bzname", "bzid like '700%'"), 2);
}

TEST_P(Transactions, AFailedStatementShowsTheDatabaseErrorAndKeepsTheConnection)
{
    {
        Transaction transaction;
        ASSERT_TRUE(ExecSQL(insertTeam, { "7001", "一", "", "" }));
        EXPECT_FALSE(ExecSQL(insertTeam, { "7001", "重复", "", "" }));
    }
    ASSERT_FALSE(toasts.lines.isEmpty());
    EXPECT_TRUE(toasts.lines.first().startsWith("数据库发生错误: ")) << toasts.lines.first().toStdString();
    EXPECT_EQ(testsupport::rowCount("c_bzname", "bzid='7001'"), 0);
}

INSTANTIATE_BACKENDS(Transactions);
