// "nd.dsn": which driver and which connection a file describes.
#include "desktop/data/dsn.h"
#include "desktop/data/loginstate.h"
#include "tests/support/files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvell;

TEST(Dsn, TheDriverDecidesTheBackendAndWhatTheKeysName)
{
    const struct {
        DsnKeys keys;
        Backend backend;
        QString named; // driver|database|host|port|user|password|problem
    } cases[] = {
        // An embedded file is relative to the program folder.
        { { { "DRIVER", "SQLite3" }, { "DATABASE", "korvell.db" } }, Backend::SQLite,
            "QSQLITE|/opt/korvell/korvell.db||-1|||" },
        { { { "driver", "sqlite3" }, { "database", "/data/k.db" } }, Backend::SQLite,
            "QSQLITE|/data/k.db||-1|||" },
        { { { "DRIVER", "PostgreSQL" }, { "SERVER", "db.local" }, { "PORT", "5433" },
              { "DATABASE", "korvell" }, { "UID", "clerk" }, { "PWD", "s3cret" } },
            Backend::PostgreSQL, "QPSQL|korvell|db.local|5433|clerk|s3cret|" },
        // Any other driver: an ODBC connection string, in which the password's ";" and "}" neither
        // end nor split its value.
        { { { "SERVER", "sql1" }, { "DRIVER", "FreeTDS" }, { "DATABASE", "korvell" }, { "UID", "sa" },
              { "PWD", "a;b}c" } },
            Backend::Odbc, "QODBC|DRIVER={FreeTDS};SERVER=sql1;DATABASE=korvell;UID=sa;PWD={a;b}}c}||-1|||" },
    };
    for (const auto& c : cases) {
        const ConnectionSettings s = connectionFromKeys(c.keys, "/opt/korvell/");
        EXPECT_EQ(s.backend, c.backend) << c.named.toStdString();
        EXPECT_EQ(QStringList({ s.qtDriver, s.databaseName, s.host, QString::number(s.port), s.user,
                                  s.password, s.problem })
                      .join('|'),
            c.named);
    }
}

TEST(Dsn, FilesWithoutDriverOrDatabaseAreRefused)
{
    EXPECT_FALSE(connectionFromKeys({}, "/x/").usable());
    EXPECT_FALSE(connectionFromKeys({ { "DRIVER", "SQLite3" } }, "/x/").usable());
    EXPECT_FALSE(connectionFromKeys({ { "DRIVER", "PostgreSQL" }, { "SERVER", "h" } }, "/x/").usable());
}

TEST(Dsn, ReadsOnlyTheOdbcSectionOfAWindowsStyleFile)
{
    QTemporaryDir dir;
    const QString path = testsupport::writeFile(dir.filePath("nd.dsn"),
        "\xEF\xBB\xBF; written by hand\r\n[Other]\r\nDRIVER=Nope\r\n"
        "[odbc]\r\nDRIVER = PostgreSQL\r\n# comment\r\nSERVER=h1\r\n"
        "DATABASE=k\r\nPWD=x=y\r\n");
    const DsnKeys keys = readDsnKeys(path);
    ASSERT_EQ(keys.size(), 4);
    EXPECT_EQ(keys[0], qMakePair(QString("DRIVER"), QString("PostgreSQL")));
    EXPECT_EQ(keys[3], qMakePair(QString("PWD"), QString("x=y")));
}

TEST(Dsn, WrittenFileReadsBackAndFollowsTheProgramFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeDsnKeys(dir.filePath("nd.dsn"), { { "DRIVER", "SQLite3" }, { "DATABASE", "a.db" } }));
    const QString previous = loginState().myapppath;
    loginState().myapppath = dir.path() + "/";
    const auto settings = GetConnString();
    loginState().myapppath = dir.path() + "/missing/";
    const auto missing = GetConnString();
    loginState().myapppath = previous;
    EXPECT_EQ(settings.databaseName, dir.filePath("a.db"));
    EXPECT_FALSE(missing.usable());
}
