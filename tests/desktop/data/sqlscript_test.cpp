// Splitting the database files into statements.
#include "desktop/data/sqlscript.h"

#include <gtest/gtest.h>

using korvell::splitSqlScript;

TEST(SqlScript, SplitsAtSemicolonsOutsideCommentsQuotesAndDollarBodies)
{
    const struct {
        const char* script;
        QStringList statements;
    } cases[] = {
        { "-- heading; not a statement\ncreate table a (x int);\n\n"
          "/* block; comment */ insert into a values (1) ;;\n"
          "insert into a values (2)  -- trailing; comment\n",
            { "create table a (x int)", "insert into a values (1)", "insert into a values (2)" } },
        { "insert into t values ('a;b', 'it''s; fine', '-- not a comment');\n"
          "create function f(text) returns int language sql as $$ select 1; $$;\n"
          "create function g() returns int language plpgsql as $body$ begin return 2; end $body$;\n"
          "select \"odd;name\" from t",
            { "insert into t values ('a;b', 'it''s; fine', '-- not a comment')",
                "create function f(text) returns int language sql as $$ select 1; $$",
                "create function g() returns int language plpgsql as $body$ begin return 2; end $body$",
                "select \"odd;name\" from t" } },
        // Positional parameters are no dollar quotes.
        { "select $1 || $2; select 2", { "select $1 || $2", "select 2" } },
        // An unterminated quote runs to the end.
        { "select 'abc; def", { "select 'abc; def" } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitSqlScript(c.script), c.statements) << c.script;
}
