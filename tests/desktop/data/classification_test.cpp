// Command or query: the first word of the trimmed text, as a whole word.
#include "desktop/data/execsql.h"
#include "tests/support/testdatabase.h"

using korvell::ExecSQL;
using korvell::isCommandText;

TEST(CommandText, OnlyAWholeCommandWordFirstInTheTrimmedTextInAnyCase)
{
    for (const char* sql :
        { "insert into c_log values (1)", "DELETE from c_log", "update c_log set x=1", "Update c_log set x=1",
            "exec sp_who", "EXECUTE sp_who", "create table t (a int)", "drop table t", "insert\tinto c_log",
            "delete\nfrom c_log", "   update c_log set x=1  ", "\r\n\tdelete from c_log" })
        EXPECT_TRUE(isCommandText(sql)) << sql;
    for (const char* sql : { "select * from c_compmsg", "SELECT * FROM c_compmsg", "Select 1", "DATE", ",",
             "SERT into x", "", "   ", "inserted", "updates x", "drop_table", "insert2 x", "(select 1)",
             "with x as (select 1) select * from x", " select * from c_compmsg" })
        EXPECT_FALSE(isCommandText(sql)) << sql;
}

class Classification : public testsupport::DatabaseTest { };

TEST_P(Classification, QueriesInAnyCaseAndWithBlanksReturnTheirRows)
{
    for (const char* sql : { "   select compname from c_compmsg   ", "SeLeCt * FROM c_compmsg" }) {
        const auto result = ExecSQL(sql);
        ASSERT_TRUE(result.ok && result.rs) << sql;
        EXPECT_EQ(result.rs->RecordCount(), 1) << sql;
        EXPECT_FALSE(result.rs->value("compname").toString().isEmpty()) << sql;
    }
}

TEST_P(Classification, LowerCaseCommandReportsAffectedRowsAndNoRecordset)
{
    const auto result = ExecSQL("  update c_main_sts set sts_name=? where sts_id in ('00','01')", { "库存" });
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.rs);
    EXPECT_EQ(result.rowsAffected, 2);
    EXPECT_EQ(testsupport::rowCount("c_main_sts", "sts_name=?", { "库存" }), 2);
}

INSTANTIATE_BACKENDS(Classification);
