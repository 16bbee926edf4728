// The receiving side of the collection over a fake link and a fake tick count, with the real limits.
#include "fakelink.h"
#include "tests/support/terminalframes.h"

#include "generator/link/collect.h"
#include "generator/link/receivedcount.h"

#include "platform/ui/processes.h"
#include "tests/support/files.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <set>

using namespace vosket;
using linktest::Answer;
using linktest::terminalRecord;

namespace {

struct RecordingProcesses final : platform::Processes {
    RecordingProcesses() { previous = platform::setProcesses(this); }
    ~RecordingProcesses() override { platform::setProcesses(previous); }
    RecordingProcesses(const RecordingProcesses&) = delete;
    RecordingProcesses& operator=(const RecordingProcesses&) = delete;
    bool startAndWait(const QString&, const QStringList&) override { return false; }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started << program;
        startedArguments = arguments;
        return true;
    }
    QStringList started;
    QStringList startedArguments;
    platform::Processes* previous = nullptr;
};

struct RecordingCountView final : ReceivedCountView {
    void prepare() override { calls << "prepare"; }
    void showCount(int count) override { calls << QString::number(count); }
    void remove() override
    {
        calls << "remove";
        messagesBeforeRemove = messages ? messages->size() : -1;
    }
    QStringList calls;
    // The box goes before any closing message is shown.
    const QStringList* messages = nullptr;
    qsizetype messagesBeforeRemove = -1;
};

// A line that never stops sending: "READ" gets answer, then every read brings one more byte
// without a CR, and each read takes a millisecond.
class StreamingLink final : public SerialLink {
public:
    StreamingLink(linktest::FakeClock& clock, QList<QByteArray>& written, const QByteArray& answer)
        : clock(clock)
        , written(written)
        , answer(answer)
    {
    }
    bool apply(const LineConfig&) override { return true; }
    WriteResult write(std::span<const uint8_t> bytes) override
    {
        const QByteArray unit(
            reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
        written << unit;
        if (unit == "READ\r")
            pending = answer;
        return WriteResult::Written;
    }
    size_t read(uint8_t* into, size_t max) override
    {
        if (max == 0)
            return 0;
        clock.now += 1;
        into[0] = pending.isEmpty() ? 'x' : static_cast<uint8_t>(pending[0]);
        pending.remove(0, 1);
        return 1;
    }
    void waitReadable(int) override { }
    void discardInput() override { }
    bool gone() const override { return false; }

private:
    linktest::FakeClock& clock;
    QList<QByteArray>& written;
    QByteArray answer;
    QByteArray pending;
};

class LinkCollect : public ::testing::Test {
protected:
    linktest::FakeEnvironment fake;
    testsupport::ScriptedDialogs dialogs;
    RecordingProcesses processes;
    RecordingCountView countView;
    QTemporaryDir dir;
    QString path = dir.filePath("采集 文本.txt");

    void SetUp() override
    {
        fake.env.countView = &countView;
        countView.messages = &dialogs.messages;
    }

    // Each thing the generator sends is answered by the next of these (nothing when they run out).
    void script(const QList<QByteArray>& answers)
    {
        auto queue = std::make_shared<std::deque<QByteArray>>(answers.begin(), answers.end());
        fake.link.peer = [queue](const QByteArray&) {
            if (queue->empty())
                return Answer {};
            Answer a { queue->front(), 3 };
            queue->pop_front();
            return a;
        };
    }

    int collect()
    {
        dialogs.fileNames = { path };
        return CollectData(fake.env, {}, Adapter::IrDA);
    }

    QByteArray fileContent() const { return testsupport::readFile(path); }

    QList<QByteArray> sent() const { return fake.link.writes(); }
};

QList<QByteArray> units(std::initializer_list<const char*> names)
{
    QList<QByteArray> out;
    for (const char* n : names)
        out << QByteArray(n);
    return out;
}

} // namespace

// Each case: what the terminal answers, one answer to each thing sent, and how the collection ends:
// its result, what was sent, the file (none: deleted), the messages and the count box.
TEST_F(LinkCollect, RecordsAreAcknowledgedInSequenceAndOnlyGoodOnesAreWritten)
{
    const QByteArray full = terminalRecord(0, QByteArray(251, '5'));
    QByteArray low, high;
    for (int v = 0; v < 256; ++v) {
        if (v != 13)
            (v < 128 ? low : high).append(static_cast<char>(v));
    }
    const QByteArray r1 = terminalRecord(1, "2026120810002");
    const QList<QByteArray> ten(10, "NAK\r");
    const QStringList timeOut { "错误|超时!" };
    const QStringList noData { "错误|超时!", "上传数据|没有接收到数据!" };
    const struct {
        const char* name;
        QList<QByteArray> answers;
        int result;
        QList<QByteArray> sent;
        std::optional<QByteArray> file;
        QStringList messages;
        QStringList counts;
    } cases[] = {
        { "a repeat is acknowledged, written once",
            { "ACK\r" + terminalRecord(0, "2026120810001"), r1, r1, terminalRecord(2, "2026120810003"),
                "OVER\r" },
            3, units({ "READ\r", "ACK\r", "ACK\r", "ACK\r", "ACK\r" }),
            "2026120810001\r\n2026120810002\r\n2026120810003\r\n",
            { "上传数据|完成 : 收到 3 笔数据.\n查看收到的数据?" }, { "prepare", "1", "2", "3", "remove" } },
        { "a skipped sequence waits for the expected record",
            { "ACK\r" + terminalRecord(0, "a"), terminalRecord(1, "b"), terminalRecord(3, "d"),
                terminalRecord(2, "c"), "OVER\r" },
            3, units({ "READ\r", "ACK\r", "ACK\r", "NAK\r", "ACK\r" }), "a\r\nb\r\nc\r\n",
            { "上传数据|完成 : 收到 3 笔数据.\n查看收到的数据?" }, { "prepare", "1", "2", "3", "remove" } },
        // short, overlong (the CR after more than a record holds), broken, wrong sum on a repeat
        { "short long and broken lines",
            { "ACK\r" + QByteArray("\x00\x01\r", 3), full.chopped(1) + "zz\r", QByteArray(300, '7') + "\r",
                terminalRecord(0, "x", true), full, terminalRecord(0, "x", true), "OVER\r" },
            1, units({ "READ\r", "NAK\r", "NAK\r", "NAK\r", "NAK\r", "ACK\r", "NAK\r" }),
            QByteArray(251, '5') + "\r\n", { "上传数据|完成 : 收到 1 笔数据.\n查看收到的数据?" },
            { "prepare", "1", "remove" } },
        { "data written exactly as received",
            { "ACK\r" + terminalRecord(0, low), terminalRecord(1, high), terminalRecord(2, ""), "OVER\r" }, 3,
            units({ "READ\r", "ACK\r", "ACK\r", "ACK\r" }), low + "\r\n" + high + "\r\n\r\n",
            { "上传数据|完成 : 收到 3 笔数据.\n查看收到的数据?" }, { "prepare", "1", "2", "3", "remove" } },
        { "silence before any record", { "ACK\r" }, -1, units({ "READ\r" }) + ten, std::nullopt, timeOut,
            { "prepare", "remove" } },
        { "any complete line resets the silence count",
            { "ACK\r", "", "", "", "", "", terminalRecord(0, "2026120810001") }, -1,
            units({ "READ\r" }) + QList<QByteArray>(6, "NAK\r") + units({ "ACK\r" }) + ten,
            "2026120810001\r\n", { "错误|超时!\n已收到 1 笔数据." }, { "prepare", "1", "remove" } },
        { "a silent terminal gets four requests", {}, 0, QList<QByteArray>(4, "READ\r"), std::nullopt, noData,
            {} },
        { "wrong answers get six requests", QList<QByteArray>(6, "NO\r"), 0, QList<QByteArray>(6, "READ\r"),
            std::nullopt, { "错误|建立连接失败!", "上传数据|没有接收到数据!" }, {} },
        { "over before any record", { "ACK\rOVER\r" }, 0, units({ "READ\r" }), std::nullopt,
            { "上传数据|没有接收到数据!" }, { "prepare", "remove" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.link.events.clear();
        dialogs.messages.clear();
        countView.calls.clear();
        dialogs.answers = { platform::Answer::No }; // not to view the file
        script(c.answers);
        const int64_t start = fake.clock.now;
        EXPECT_EQ(collect(), c.result);
        EXPECT_EQ(sent(), c.sent);
        EXPECT_EQ(QFile::exists(path) ? std::optional(fileContent()) : std::nullopt, c.file);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(countView.calls, c.counts);
        if (c.answers.isEmpty()) {
            EXPECT_NEAR(fake.clock.now - start, 4 * 3000, 20);
        }
    }
    EXPECT_TRUE(processes.started.isEmpty());
}

TEST_F(LinkCollect, SequenceWrapsFromNineToZeroAndOverMayComeAnywhere)
{
    QList<QByteArray> answers;
    QByteArray expected;
    for (int i = 0; i < 13; ++i) {
        const QByteArray serial = QByteArray::number(20261208000 + i);
        answers << terminalRecord(i % 10, serial);
        expected += serial + "\r\n";
    }
    answers[0].prepend("ACK\r"); // the first record comes with the answer to "READ"
    script(answers << "OVER\r");
    EXPECT_EQ(collect(), 13);
    EXPECT_EQ(sent().count("ACK\r"), 13);
    EXPECT_EQ(fileContent(), expected);
}

TEST_F(LinkCollect, SilenceIsAnsweredWithTenNaksThenTheRecordsSoFarAreKept)
{
    script({ "ACK\r" + terminalRecord(0, "2026120810001"), terminalRecord(1, "2026120810002") });
    const int64_t start = fake.clock.now;
    EXPECT_EQ(collect(), -1);
    QList<QByteArray> expected = units({ "READ\r", "ACK\r", "ACK\r" });
    expected.append(QList<QByteArray>(10, "NAK\r"));
    EXPECT_EQ(sent(), expected);
    EXPECT_NEAR(fake.clock.now - start, 11 * 500, 50);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|超时!\n已收到 2 笔数据." });
    EXPECT_EQ(fileContent(), "2026120810001\r\n2026120810002\r\n");
    EXPECT_EQ(countView.calls.last(), "remove");
    EXPECT_EQ(countView.messagesBeforeRemove, 0);
}

TEST_F(LinkCollect, ALineThatNeverStopsSendingStillTimesOut)
{
    QList<QByteArray> written;
    QByteArray answer = "ACK\r";
    fake.env.open = [&](const QString&, QString*) -> std::unique_ptr<SerialLink> {
        return std::make_unique<StreamingLink>(fake.clock, written, answer);
    };
    // Records that never end: ten NAKs, 500 ms apart, then the time-out.
    int64_t start = fake.clock.now;
    EXPECT_EQ(collect(), -1);
    EXPECT_EQ(written.count("NAK\r"), 10);
    EXPECT_NEAR(fake.clock.now - start, 11 * 500, 50);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|超时!" });

    // An answer to "READ" that never ends: four requests of three seconds.
    written.clear();
    dialogs.messages.clear();
    answer.clear();
    start = fake.clock.now;
    EXPECT_EQ(collect(), 0);
    EXPECT_EQ(written, QList<QByteArray>(4, "READ\r"));
    EXPECT_NEAR(fake.clock.now - start, 4 * 3000, 20);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|超时!", "上传数据|没有接收到数据!" }));
}

TEST_F(LinkCollect, ViewingTheFileHandsItsPathToTheDesktopAsOneArgument)
{
    script({ "ACK\r" + terminalRecord(0, "2026120810001"), "OVER\r" });
    dialogs.answers = { platform::Answer::Yes };
    EXPECT_EQ(collect(), 1);
    EXPECT_EQ(processes.started, QStringList { "xdg-open" });
    EXPECT_EQ(processes.startedArguments, QStringList { path });
}

TEST_F(LinkCollect, CancelledDialogAndUncreatableFileOpenNoPort)
{
    EXPECT_EQ(CollectData(fake.env, {}, Adapter::IrDA), 0);
    dialogs.fileNames = { dir.filePath("no/such/folder/x.txt") };
    EXPECT_EQ(CollectData(fake.env, {}, Adapter::IrDA), -2);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|文件打开/创建失败!" });
    EXPECT_TRUE(fake.openedDevices.isEmpty());
}

TEST_F(LinkCollect, LinkFailuresLeaveTheFileEmpty)
{
    testsupport::writeFile(path, "2026010100001\r\n");
    fake.openFails = true;
    EXPECT_EQ(collect(), -3);
    fake.openFails = false;
    fake.link.refuseApply = true;
    EXPECT_EQ(collect(), -3);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|打开COM口失败", "错误|设置通讯状态出错" }));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(fileContent(), "");
}

TEST_F(LinkCollect, RecordThatCannotBeWrittenIsNotAcknowledged)
{
    script({ "ACK\r" + terminalRecord(0, "2026120810001"), "OVER\r" });
    QFile full("/dev/full");
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    LinkContext link { fake.link, fake.env };
    const Received received = ReceiveRecords(link, full);
    EXPECT_EQ(received.end, Received::End::WriteFailed);
    EXPECT_EQ(received.count, 0);
    EXPECT_EQ(sent(), units({ "READ\r" }));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("错误|写入数据文件失败!"));
    EXPECT_EQ(countView.messagesBeforeRemove, 0);
}

TEST_F(LinkCollect, ARecordCutOffByAFailedWriteLeavesNoPartOfItInTheFile)
{
    script({ "ACK\r" + terminalRecord(0, "2026120810001"), terminalRecord(1, "2026120810002"), "OVER\r" });
    // Room for the first line and five bytes of the second.
    const int result = testsupport::withFileSizeLimit(20, [this] { return collect(); });
    EXPECT_EQ(result, -2);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|写入数据文件失败!\n已收到 1 笔数据." });
    EXPECT_EQ(sent(), units({ "READ\r", "ACK\r" }));
    // "20261" would be imported as a serial number.
    EXPECT_EQ(fileContent(), "2026120810001\r\n");
}

TEST_F(LinkCollect, AUnitThatTimesOutIsAskedAgainOrRepeatedAndTheCollectionGoesOn)
{
    const QByteArray r0 = terminalRecord(0, "2026120810001");
    const QByteArray r1 = terminalRecord(1, "2026120810002");
    // Writes are counted from 0; a unit that timed out reaches the terminal not at all.
    const struct {
        const char* name;
        std::set<qsizetype> timeOuts;
        QList<QByteArray> answers;
        QList<QByteArray> sent;
    } cases[] = {
        { "READ timed out: asked again", { 0 }, { "ACK\r" + r0, r1, "OVER\r" },
            units({ "READ\r", "ACK\r", "ACK\r" }) },
        // The terminal, not hearing the ACK, repeats its record on the NAK for the silence.
        { "an ACK timed out: the repeat is acknowledged", { 1 }, { "ACK\r" + r0, r0, r1, "OVER\r" },
            units({ "READ\r", "NAK\r", "ACK\r", "ACK\r" }) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.link.events.clear();
        fake.link.timeOuts = c.timeOuts;
        dialogs.messages.clear();
        script(c.answers);
        EXPECT_EQ(collect(), 2);
        EXPECT_EQ(sent(), c.sent);
        EXPECT_EQ(fake.link.writes("timed-out write").size(), 1);
        EXPECT_EQ(fileContent(), "2026120810001\r\n2026120810002\r\n");
        EXPECT_EQ(dialogs.messages, QStringList { "上传数据|完成 : 收到 2 笔数据.\n查看收到的数据?" });
    }
}

TEST_F(LinkCollect, AnAnswerThatCannotBeSentEndsTheCollectionWithOnlyAcknowledgedRecords)
{
    fake.link.writesLeft = 0;
    const int64_t start = fake.clock.now;
    EXPECT_EQ(collect(), 0);
    EXPECT_LT(fake.clock.now - start, 100) << "no reply is waited for";
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|建立连接失败!", "上传数据|没有接收到数据!" }));
    EXPECT_FALSE(QFile::exists(path));

    // The second record's ACK does not go out: the terminal keeps that record, so the file must not.
    dialogs.messages.clear();
    fake.link.events.clear();
    script({ "ACK\r" + terminalRecord(0, "2026120810001"), terminalRecord(1, "2026120810002"), "OVER\r" });
    fake.link.writesLeft = 2;
    EXPECT_EQ(collect(), -3);
    EXPECT_EQ(fake.link.writes("failed write"), units({ "ACK\r" }));
    EXPECT_EQ(dialogs.messages, QStringList { "错误|连接中断!\n已收到 1 笔数据." });
    EXPECT_EQ(fileContent(), "2026120810001\r\n");
}
