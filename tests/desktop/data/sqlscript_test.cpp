// Splitting the database files into statements.
#include "desktop/data/sqlscript.h"

#include <gtest/gtest.h>

using korvell::splitSqlScript;

TEST(SqlScript, SplitsAtSemicolonsAndDropsCommentsAndBlanks)
{
    const QStringList statements = splitSqlScript("-- heading; not a statement\n"
                                                  "create table a (x int);\n\n"
                                                  "/* block; comment */ insert into a values (1) ;;\n"
                                                  "insert into a values (2)  -- trailing; comment\n");
    EXPECT_EQ(statements,
        QStringList({ "create table a (x int)", "insert into a values (1)", "insert into a values (2)" }));
}

TEST(SqlScript, KeepsSemicolonsInsideQuotesAndDollarBodies)
{
    const QStringList statements = splitSqlScript(
        "insert into t values ('a;b', 'it''s; fine', '-- not a comment');\n"
        "create function f(text) returns int language sql as $$ select 1; $$;\n"
        "create function g() returns int language plpgsql as $body$ begin return 2; end $body$;\n"
        "select \"odd;name\" from t");
    ASSERT_EQ(statements.size(), 4);
    EXPECT_EQ(statements[0], "insert into t values ('a;b', 'it''s; fine', '-- not a comment')");
    EXPECT_EQ(statements[1], "create function f(text) returns int language sql as $$ select 1; $$");
    EXPECT_TRUE(statements[2].endsWith("end $body$"));
    EXPECT_EQ(statements[3], "select \"odd;name\" from t");
}

TEST(SqlScript, PositionalParametersAreNoDollarQuotes)
{
    EXPECT_EQ(splitSqlScript("select $1 || $2; select 2"), QStringList({ "select $1 || $2", "select 2" }));
}

TEST(SqlScript, UnterminatedQuoteRunsToTheEnd)
{
    EXPECT_EQ(splitSqlScript("select 'abc; def"), QStringList({ "select 'abc; def" }));
}
