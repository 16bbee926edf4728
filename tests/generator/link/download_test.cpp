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
    const Bytes unit { 'x', 0, 120, '\r' };
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

TEST_F(LinkDownload, AWriteThatTimesOutIsOneFailedSendAndAPortGoneEndsTheAttemptAtOnce)
{
    // Writes are counted from 0: the handshake, then blocks 0, 1, 2, 3 ...
    const QString failed = QStringLiteral("错误|下载失败, 要重试吗?");
    const struct {
        const char* name;
        std::set<qsizetype> timeOuts;
        int writesLeft;
        int result;
        int sent;
        QStringList messages;
    } cases[] = {
        { "handshake timed out once", { 0 }, -1, 1, 201, { "下载|下载成功!" } },
        { "block 3 timed out once", { 4 }, -1, 1, 201, { "下载|下载成功!" } },
        { "three handshakes timed out", { 0, 1, 2 }, -1, 0, 0, { "错误|终端没有准备好!", failed } },
        { "block 3 timed out four times", { 4, 5, 6, 7 }, -1, 0, 4, { "错误|下载出错!", failed } },
        { "port gone at the handshake", {}, 0, 0, 0, { "错误|下载出错!", failed } },
        { "port gone at block 3", {}, 4, 0, 4, { "错误|下载出错!", failed } },
    };
    answerAll("ACK\r");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.link.events.clear();
        fake.link.timeOuts = c.timeOuts;
        fake.link.writesLeft = c.writesLeft;
        dialogs.messages.clear();
        dialogs.answers = { platform::Answer::Ok, No };
        const int64_t start = fake.clock.now;
        EXPECT_EQ(
            DownloadToTerminal(fake.env, {}, Adapter::IrDA, DownloadKind::ProgramImage, builder), c.result);
        EXPECT_EQ(fake.link.writes().size(), c.sent);
        EXPECT_EQ(fake.link.writes("timed-out write").size(), static_cast<qsizetype>(c.timeOuts.size()));
        EXPECT_EQ(dialogs.messages, c.messages);
        if (c.writesLeft >= 0) {
            EXPECT_LT(fake.clock.now - start, 100) << "no reply is waited for, nothing is sent again";
        }
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

TEST_F(LinkDownload, AUnitIsSentUpToFourTimesUntilItsAckAndFullEndsItAtOnce)
{
    // The replies in order, the last one repeated.
    const struct {
        QList<QByteArray> replies;
        int result;
        int sends;
        QStringList messages;
    } cases[] = {
        { { "NAK\r", "NAK\r", "NAK\r", "ACK\r" }, 1, 4, {} },
        { { "NAK\r" }, 0, 4, { "错误|下载出错!" } },
        { { "FULL\r" }, 0, 1, { "错误|终端内存已满!" } },
        { { "", "FULL\r" }, 0, 2, { "错误|终端内存已满!" } },
    };
    auto l = link();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.replies.join('|').toStdString());
        fake.link.events.clear();
        dialogs.messages.clear();
        fake.link.peer = [&c, sends = 0](const QByteArray&) mutable {
            return Answer { c.replies[std::min<qsizetype>(sends++, c.replies.size() - 1)], 1 };
        };
        EXPECT_EQ(SendBlockAwaitAck(l, unit), c.result);
        EXPECT_EQ(fake.link.writes().size(), c.sends);
        EXPECT_EQ(dialogs.messages, c.messages);
    }
}

TEST_F(LinkDownload, AReplyIsWhatComesWithinThreeSecondsUpToItsCrAndAtMostTwelveBytes)
{
    // One exchange after another on the same link.
    const struct {
        const char* name;
        QByteArray waiting; // left from an earlier exchange
        Answer answer;
        QByteArray reply;
        bool waitsItsLimit;
    } steps[] = {
        { "just in time", "", { "ACK\r", 2990 }, "ACK", false },
        { "part of an ACK after an earlier ACK", "", { "AC", 5 }, "AC", true },
        { "earlier input dropped", "ACK\r", { "NAK\r", 10 }, "NAK", false },
        { "cut", "", { "ABCDEFGHIJKLMNOP\r", 5 }, "ABCDEFGHIJKL", false },
        { "too late", "", { "ACK\r", 3010 }, "", true },
    };
    auto l = link();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        fake.link.deliver(step.waiting, fake.clock.now);
        fake.link.peer = [&step](const QByteArray&) { return step.answer; };
        const int64_t start = fake.clock.now;
        EXPECT_EQ(SendAndReadReply(l, unit), step.reply);
        EXPECT_EQ(fake.clock.now - start >= 3000, step.waitsItsLimit);
    }
}

TEST_F(LinkDownload, ALookupFileIsSentLineByLineThenOver)
{
    // A size taken at the start that promises more than the file then holds ends it all the same.
    class ShrunkFile final : public QBuffer {
    public:
        qint64 size() const override { return 100000; }
    };
    const struct {
        QByteArray content;
        bool shrunk;
        QList<QByteArray> units;
    } cases[] = {
        { "12\r\n\r\nlast", false,
            { QByteArray("12\x00\x63\r", 5), QByteArray("\x00\x00\r", 3), QByteArray("last\x01\xB4\r", 7),
                "OVER\r" } },
        { "", false, { "OVER\r" } },
        { "a\r\nb\r\n", true, { QByteArray("a\x00\x61\r", 4), QByteArray("b\x00\x62\r", 4), "OVER\r" } },
    };
    answerAll("ACK\r");
    auto l = link();
    for (const auto& c : cases) {
        fake.link.events.clear();
        progress.positions.clear();
        std::unique_ptr<QBuffer> file
            = c.shrunk ? std::make_unique<ShrunkFile>() : std::make_unique<QBuffer>();
        file->setData(c.content);
        file->open(QIODevice::ReadOnly);
        EXPECT_EQ(DownloadIndexFile(l, *file), 1);
        EXPECT_EQ(fake.link.writes(), c.units);
        EXPECT_EQ(progress.positions.last(), 100);
    }
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

TEST_F(LinkDownload, OverlongMissingOrNoLookupFileIsRefusedBeforeThePortIsOpened)
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

    // No file chosen opens nothing; a missing file is reported.
    dialogs.messages.clear();
    fake.openedDevices.clear();
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
