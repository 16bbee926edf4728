// The sending side of the download over a fake link and a fake tick count, with the real limits.
#include "fakelink.h"

#include "generator/link/download.h"
#include "generator/link/downloadprogress.h"

#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vosket;
using linktest::Answer;
using platform::Answer::No;
using platform::Answer::Yes;

namespace {

struct RecordingProgress final : DownloadProgress {
    void begin() override { ++opens; }
    void setPosition(int percent) override { positions << percent; }
    void end() override { ++closes; }
    QList<int> positions;
    int opens = 0;
    int closes = 0;
};

Bytes zeroImage()
{
    return Bytes(programImageSize, 0);
}

class LinkDownload : public ::testing::Test {
protected:
    linktest::FakeEnvironment fake;
    testsupport::ScriptedDialogs dialogs;
    RecordingProgress progress;
    QTemporaryDir dir;
    int imagesBuilt = 0;
    ImageBuilder builder = [this] {
        ++imagesBuilt;
        return zeroImage();
    };

    void SetUp() override { fake.env.progress = &progress; }

    LinkContext link() { return { fake.link, fake.env }; }

    // A terminal answering every unit with the same reply.
    void answerAll(const QByteArray& reply)
    {
        fake.link.peer = [reply](const QByteArray&) { return Answer { reply, 5 }; };
    }

    QString writeFile(const QByteArray& content)
    {
        return testsupport::writeFile(dir.filePath("index.txt"), content);
    }

    QList<QByteArray> dataUnits() const
    {
        QList<QByteArray> units = fake.link.writes();
        units.removeAll("ZENTRA\r");
        return units;
    }
};

} // namespace

TEST_F(LinkDownload, SilentTerminalCostsThreeHandshakesOfThreeSecondsThenTheRetryQuestion)
{
    dialogs.answers = { platform::Answer::Ok, No };
    const int64_t start = fake.clock.now;
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::ProgramImage, builder), 0);
    EXPECT_EQ(fake.link.writes(), QList<QByteArray>(3, "ZENTRA\r"));
    EXPECT_GE(fake.clock.now - start, 9000);
    EXPECT_LT(fake.clock.now - start, 9100);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|终端没有准备好!", "错误|下载失败, 要重试吗?" }));
    EXPECT_EQ(progress.opens, 0);
}

TEST_F(LinkDownload, AUnitThatCannotBeWrittenEndsTheAttemptAtOnce)
{
    answerAll("ACK\r");
    // The handshake, then block 3, does not go out: no reply is waited for, nothing is resent.
    for (const int written : { 0, 4 }) {
        SCOPED_TRACE(written);
        fake.link.events.clear();
        fake.link.writesLeft = written;
        dialogs.messages.clear();
        dialogs.answers = { platform::Answer::Ok, No };
        const int64_t start = fake.clock.now;
        EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::ProgramImage, builder), 0);
        EXPECT_LT(fake.clock.now - start, 100);
        EXPECT_EQ(fake.link.writes().size(), written);
        EXPECT_EQ(fake.link.writes("failed write").size(), 1);
        EXPECT_EQ(dialogs.messages, QStringList({ "错误|下载出错!", "错误|下载失败, 要重试吗?" }));
    }
}

TEST_F(LinkDownload, RetryAfterFailureRebuildsTheImageAndStartsAtBlockZero)
{
    int replies = 0;
    // Block 5 of the first attempt is answered FULL; everything else ACK.
    fake.link.peer = [&](const QByteArray& w) {
        ++replies;
        return Answer { (w.size() == 103 && w[102] == 5 && replies < 10) ? "FULL\r" : "ACK\r", 1 };
    };
    // Every message takes an answer: OK to the failure, Yes to the retry question.
    dialogs.answers = { platform::Answer::Ok, Yes };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::ProgramImage, builder), 1);
    EXPECT_EQ(imagesBuilt, 2);
    const QList<QByteArray> units = fake.link.writes();
    ASSERT_EQ(units.size(), 1 + 6 + 1 + 200);
    EXPECT_EQ(units[7], "ZENTRA\r");
    EXPECT_EQ(units[8][102], 0);
    EXPECT_EQ(units.last()[102], static_cast<char>(199));
    EXPECT_EQ(dialogs.messages,
        QStringList({ "错误|终端内存已满!", "错误|下载失败, 要重试吗?", "下载|下载成功!" }));
    EXPECT_EQ(progress.opens, 2);
    EXPECT_EQ(progress.closes, 2);
}

TEST_F(LinkDownload, ProgressStartsAtFiveAndClimbsEveryOddBlockUpTo100)
{
    answerAll("ACK\r");
    auto l = link();
    EXPECT_EQ(RunDownload(l, DownloadKind::ProgramImage, builder, nullptr), 1);
    ASSERT_EQ(progress.positions.size(), 202);
    EXPECT_EQ(progress.positions[0], 0);
    EXPECT_EQ(progress.positions[1], 5); // block 0
    EXPECT_EQ(progress.positions[2], 6); // block 1
    EXPECT_EQ(progress.positions[3], 6);
    EXPECT_TRUE(std::is_sorted(progress.positions.begin(), progress.positions.end()));
    EXPECT_EQ(progress.positions.last(), 100);
}

TEST_F(LinkDownload, UnitIsAcceptedOnItsFourthSendAndRefusedAfterFourFailures)
{
    int sends = 0;
    fake.link.peer = [&](const QByteArray&) { return Answer { ++sends < 4 ? "NAK\r" : "ACK\r", 1 }; };
    auto l = link();
    const Bytes unit { 'x', 0, 120, '\r' };
    EXPECT_EQ(SendBlockAwaitAck(l, unit), 1);
    EXPECT_EQ(sends, 4);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    answerAll("NAK\r");
    EXPECT_EQ(SendBlockAwaitAck(l, unit), 0);
    EXPECT_EQ(fake.link.writes().size(), 8);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|下载出错!" });
}

TEST_F(LinkDownload, FullEndsTheUnitAtOnceOrAfterAResend)
{
    auto l = link();
    const Bytes unit { 'x', 0, 120, '\r' };
    answerAll("FULL\r");
    EXPECT_EQ(SendBlockAwaitAck(l, unit), 0);
    EXPECT_EQ(fake.link.writes().size(), 1);

    int sends = 0;
    fake.link.peer = [&](const QByteArray&) { return Answer { ++sends == 1 ? "" : "FULL\r", 1 }; };
    EXPECT_EQ(SendBlockAwaitAck(l, unit), 0);
    EXPECT_EQ(sends, 2);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|终端内存已满!", "错误|终端内存已满!" }));
}

TEST_F(LinkDownload, PartOfAnAckAfterAnEarlierAckIsNoAck)
{
    auto l = link();
    const Bytes unit { 'x', 0, 120, '\r' };
    answerAll("ACK\r");
    EXPECT_EQ(SendAndReadReply(l, unit), "ACK");
    answerAll("AC");
    const int64_t start = fake.clock.now;
    EXPECT_EQ(SendAndReadReply(l, unit), "AC");
    EXPECT_GE(fake.clock.now - start, 3000);
}

TEST_F(LinkDownload, ReplyWaitsThreeSecondsAndNoLonger)
{
    auto l = link();
    const Bytes unit { 'x', 0, 120, '\r' };
    fake.link.peer = [](const QByteArray&) { return Answer { "ACK\r", 2990 }; };
    EXPECT_EQ(SendAndReadReply(l, unit), "ACK");
    fake.link.peer = [](const QByteArray&) { return Answer { "ACK\r", 3010 }; };
    EXPECT_EQ(SendAndReadReply(l, unit), "");
}

TEST_F(LinkDownload, InputLeftFromAnEarlierExchangeIsDiscardedBeforeSending)
{
    auto l = link();
    fake.link.deliver("ACK\r", fake.clock.now);
    fake.link.peer = [](const QByteArray&) { return Answer { "NAK\r", 10 }; };
    EXPECT_EQ(SendAndReadReply(l, Bytes { 'x', 0, 120, '\r' }), "NAK");
}

TEST_F(LinkDownload, RepliesAreCutAtTwelveBytes)
{
    auto l = link();
    answerAll("ABCDEFGHIJKLMNOP\r");
    EXPECT_EQ(SendAndReadReply(l, Bytes { 1 }), "ABCDEFGHIJKL");
}

TEST_F(LinkDownload, LookupFileIsSentLineByLineThenOver)
{
    answerAll("ACK\r");
    QBuffer file;
    file.setData("12\r\n\r\nlast");
    file.open(QIODevice::ReadOnly);
    auto l = link();
    EXPECT_EQ(DownloadIndexFile(l, file), 1);
    EXPECT_EQ(fake.link.writes(),
        QList<QByteArray>({ QByteArray("12\x00\x63\r", 5), QByteArray("\x00\x00\r", 3),
            QByteArray("last\x01\xB4\r", 7), "OVER\r" }));
    EXPECT_EQ(progress.positions.last(), 100);
}

TEST_F(LinkDownload, EmptyLookupFileSendsOnlyTheEndUnit)
{
    answerAll("ACK\r");
    QBuffer file;
    file.open(QIODevice::ReadOnly);
    auto l = link();
    EXPECT_EQ(DownloadIndexFile(l, file), 1);
    EXPECT_EQ(fake.link.writes(), QList<QByteArray> { "OVER\r" });
}

TEST_F(LinkDownload, AFileThatShrinksDuringTheDownloadEndsIt)
{
    // The size taken at the start promises more than the file then holds.
    class ShrunkFile final : public QBuffer {
    public:
        qint64 size() const override { return 100000; }
    } file;
    file.setData("a\r\nb\r\n");
    file.open(QIODevice::ReadOnly);
    answerAll("ACK\r");
    auto l = link();
    EXPECT_EQ(DownloadIndexFile(l, file), 1);
    EXPECT_EQ(fake.link.writes().size(), 3);
}

TEST_F(LinkDownload, EveryRetryOfALookupFileStartsAtItsFirstLine)
{
    const QString path = writeFile("one\r\ntwo\r\nthree\r\n");
    int replies = 0;
    // The second line of the first attempt is never acknowledged.
    fake.link.peer = [&](const QByteArray& w) {
        ++replies;
        return Answer { (w.startsWith("two") && replies < 7) ? "ERR\r" : "ACK\r", 1 };
    };
    dialogs.fileNames = { path };
    dialogs.answers = { platform::Answer::Ok, Yes };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::LookupFile, builder), 1);
    const QList<QByteArray> units = dataUnits();
    ASSERT_EQ(units.size(), 1 + 4 + 4);
    EXPECT_TRUE(units[5].startsWith("one"));
    EXPECT_EQ(units.last(), "OVER\r");
    EXPECT_EQ(fake.env.indexFilePath, path);
}

TEST_F(LinkDownload, OverlongLookupLineIsRefusedBeforeThePortIsOpened)
{
    answerAll("ACK\r");
    dialogs.fileNames = { writeFile(QByteArray(258, 'x') + "\r\n") };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::LookupFile, builder), -1);
    EXPECT_TRUE(fake.openedDevices.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("错误|索引文件中有超过257字节的行"));

    dialogs.messages.clear();
    dialogs.fileNames = { writeFile(QByteArray(257, 'x') + "\r\n") };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::LookupFile, builder), 1);
    EXPECT_EQ(dataUnits().first().size(), 260);
}

TEST_F(LinkDownload, NoFileChosenOpensNothingAndAMissingFileIsReported)
{
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::LookupFile, builder), 0);
    EXPECT_TRUE(fake.openedDevices.isEmpty());
    dialogs.fileNames = { dir.filePath("missing.txt") };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::LookupFile, builder), -1);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|不能打开文件!" });
    EXPECT_TRUE(fake.openedDevices.isEmpty());
}

TEST_F(LinkDownload, PortAndConfigurationFailuresEndTheDownload)
{
    qputenv("VOSKET_COM4", "/dev/vosket-test-com4");
    fake.openFails = true;
    EXPECT_EQ(DownloadToTerminal(fake.env, { 3, 0 }, Adapter::IrDA, DownloadKind::ProgramImage, builder), -1);
    EXPECT_EQ(fake.openedDevices, QStringList { "/dev/vosket-test-com4" });
    qunsetenv("VOSKET_COM4");

    fake.openFails = false;
    fake.link.refuseApply = true;
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::ProgramImage, builder), 0);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|不能打开COM端口!", "错误|设置通讯状态出错" }));
    EXPECT_TRUE(fake.link.writes().isEmpty());
}

TEST_F(LinkDownload, LinkRunsAtTheChosenSpeed)
{
    answerAll("ACK\r");
    EXPECT_EQ(DownloadToTerminal(fake.env, { 0, 3 }, Adapter::IrDA, DownloadKind::ProgramImage, builder), 1);
    ASSERT_FALSE(fake.link.events.isEmpty());
    EXPECT_EQ(fake.link.events.first().what, "apply");
    EXPECT_EQ(fake.link.events.first().config.baud, 19200);
    EXPECT_FALSE(fake.link.events.first().config.rts);
}
