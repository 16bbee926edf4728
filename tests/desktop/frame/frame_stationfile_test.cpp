// The station number in "stationno.txt": read, asked for until usable, written.
#include "desktop/frame/stationfile.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvell;

namespace {

class StationFileTest : public ::testing::Test {
protected:
    void put(const QByteArray& content) { testsupport::writeFile(path(), content); }
    QByteArray content() const { return testsupport::readFile(path()); }
    QString path() const { return folder.filePath(QStringLiteral("stationno.txt")); }

    QTemporaryDir folder;
    testsupport::ScriptedDialogs dialogs;
};

const QString prompt = QStringLiteral("输入提示|请确定本机的工作站号");

} // namespace

TEST(StationNumber, OnlyPositiveWholeNumbersAreUsable)
{
    EXPECT_EQ(parseStationNumber(QStringLiteral("3")), QStringLiteral("3"));
    EXPECT_EQ(parseStationNumber(QStringLiteral("12\r\n")), QStringLiteral("12"));
    EXPECT_EQ(parseStationNumber(QStringLiteral(" 07 ")), QStringLiteral("07")); // as the rows hold it
    for (const char* bad : { "", "  ", "\r\n", "0", "-2", "+2", "2.5", "abc", "3号", "99999999999" })
        EXPECT_FALSE(parseStationNumber(QString::fromUtf8(bad))) << bad;
}

TEST_F(StationFileTest, FirstLineIsReadWithoutAsking)
{
    for (const auto& [file, number] : { std::pair { "4\r\nignored\r\n", "4" }, std::pair { "9", "9" } }) {
        put(file);
        EXPECT_EQ(ReadStationNo(folder.path()), QString(number)) << file;
    }
    EXPECT_TRUE(dialogs.prompts.isEmpty());
}

TEST_F(StationFileTest, MissingFileAsksUntilANumberAndWritesIt)
{
    dialogs.inputs
        = { std::nullopt, QString(), QStringLiteral("x"), QStringLiteral("0"), QStringLiteral("5") };
    EXPECT_EQ(ReadStationNo(folder.path()), QStringLiteral("5"));
    EXPECT_EQ(dialogs.prompts, QStringList(5, prompt));
    EXPECT_EQ(content(), QByteArray("5\r\n"));

    // The next start reads it without asking.
    EXPECT_EQ(ReadStationNo(folder.path()), QStringLiteral("5"));
    EXPECT_EQ(dialogs.prompts.size(), 5);
}

TEST_F(StationFileTest, EmptyBlankOrBadFileAsksLikeAMissingOne)
{
    for (const QByteArray& bad :
        { QByteArray(), QByteArray("\r\n"), QByteArray("   \r\n"), QByteArray("站一\r\n") }) {
        put(bad);
        dialogs.prompts.clear();
        dialogs.inputs = { QStringLiteral("2") };
        EXPECT_EQ(ReadStationNo(folder.path()), QStringLiteral("2")) << bad.toStdString();
        EXPECT_EQ(dialogs.prompts.size(), 1);
        EXPECT_EQ(content(), QByteArray("2\r\n"));
    }
}

TEST_F(StationFileTest, UnwritableFolderIsReported)
{
    const QString missing = folder.filePath(QStringLiteral("no/such/folder"));
    dialogs.inputs = { QStringLiteral("3") };
    EXPECT_FALSE(ReadStationNo(missing));
    EXPECT_FALSE(writeStationFile(missing, QStringLiteral("3")));
}
