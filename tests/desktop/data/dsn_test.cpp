// "nd.dsn": which driver and which connection a file describes.
#include "desktop/data/dsn.h"
#include "desktop/data/loginstate.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvell;

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& text)
{
    const QString path = dir.filePath("nd.dsn");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

} // namespace

TEST(Dsn, EmbeddedFileIsRelativeToTheProgramFolder)
{
    const auto settings
        = connectionFromKeys({ { "DRIVER", "SQLite3" }, { "DATABASE", "korvell.db" } }, "/opt/korvell/");
    EXPECT_TRUE(settings.usable());
    EXPECT_EQ(settings.backend, Backend::SQLite);
    EXPECT_EQ(settings.qtDriver, "QSQLITE");
    EXPECT_EQ(settings.databaseName, "/opt/korvell/korvell.db");

    const auto absolute
        = connectionFromKeys({ { "driver", "sqlite3" }, { "database", "/data/k.db" } }, "/opt/korvell/");
    EXPECT_EQ(absolute.databaseName, "/data/k.db");
}

TEST(Dsn, PostgreSqlTakesServerPortDatabaseAndLogin)
{
    const auto settings
        = connectionFromKeys({ { "DRIVER", "PostgreSQL" }, { "SERVER", "db.local" }, { "PORT", "5433" },
                                 { "DATABASE", "korvell" }, { "UID", "clerk" }, { "PWD", "s3cret" } },
            "/opt/korvell/");
    EXPECT_TRUE(settings.usable());
    EXPECT_EQ(settings.backend, Backend::PostgreSQL);
    EXPECT_EQ(settings.qtDriver, "QPSQL");
    EXPECT_EQ(settings.host, "db.local");
    EXPECT_EQ(settings.port, 5433);
    EXPECT_EQ(settings.databaseName, "korvell");
    EXPECT_EQ(settings.user, "clerk");
    EXPECT_EQ(settings.password, "s3cret");
}

TEST(Dsn, AnyOtherDriverBecomesAnOdbcConnectionString)
{
    const auto settings
        = connectionFromKeys({ { "SERVER", "sql1" }, { "DRIVER", "FreeTDS" }, { "DATABASE", "korvell" },
                                 { "UID", "sa" }, { "PWD", "a;b}c" } },
            "/opt/korvell/");
    EXPECT_TRUE(settings.usable());
    EXPECT_EQ(settings.backend, Backend::Odbc);
    EXPECT_EQ(settings.qtDriver, "QODBC");
    // The password's ";" and "}" must not end or split its value.
    EXPECT_EQ(settings.databaseName, "DRIVER={FreeTDS};SERVER=sql1;DATABASE=korvell;UID=sa;PWD={a;b}}c}");
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
    const QString path = writeFile(dir,
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
