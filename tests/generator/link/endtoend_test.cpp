// The generator's real port code against the simulated terminal and cradle over a pseudo-terminal.
#include "tests/support/simterminal.h"

#include "generator/link/collect.h"
#include "generator/link/download.h"
#include "generator/link/ircradle.h"
#include "generator/link/openlink.h"
#include "generator/link/projectlink.h"

#include "generator/project/programimage.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

using namespace vosket;
using linktest::PtyPair;
using linktest::SimBehaviour;
using linktest::SimTerminal;

namespace {

class LinkEndToEnd : public ::testing::Test {
protected:
    PtyPair pty;
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    LinkEnvironment env;

    void SetUp() override
    {
        qputenv("VOSKET_COM2", pty.slavePath.toLocal8Bit());
        // Scaled down: the terminal here answers within milliseconds. The cradle's pauses keep
        // their real length, so its speed switch is not outrun on a loaded machine.
        env.timing = { 500, 250, 100 };
    }
    void TearDown() override { qunsetenv("VOSKET_COM2"); }

    static constexpr LinkSettings com2 { 1, 0 };

    QString writeFile(const QByteArray& content)
    {
        return testsupport::writeFile(dir.filePath("index.txt"), content);
    }
};

} // namespace

// The popup menu's command: the project of the run, its COM port, the program's environment.
TEST_F(LinkEndToEnd, TerminalAssemblesTheBuiltImageByteForByte)
{
    Project project;
    NewProject(project);
    project.comm.portIndex() = 1;
    project.comm.baudIndex() = 9; // damaged: reads as 115200
    project.forms[0].lineType(0) = 1;
    const ProgramImage built = [&] {
        Project copy = project;
        NormalizeForms(copy);
        PadMenuStrings(copy);
        return BuildProgramImage(copy);
    }();
    const LinkEnvironment saved = programLinkEnvironment();
    programLinkEnvironment().timing = env.timing;
    SimTerminal terminal(pty, {});
    EXPECT_EQ(DownloadToTerminal(project, 0, 0), 1) << dialogs.messages.join(";").toStdString();
    terminal.stop();
    programLinkEnvironment() = saved;
    EXPECT_EQ(terminal.handshakes, 1);
    EXPECT_EQ(terminal.badUnits, 0);
    ASSERT_EQ(terminal.image.size(), built.size());
    EXPECT_TRUE(std::equal(built.begin(), built.end(), terminal.image.begin()));
    EXPECT_EQ(dialogs.messages, QStringList { "下载|下载成功!" });
}

// A full terminal may answer at once, or hold the line so that the block's write times out and
// say "FULL" after it: the hold outlasts the write time-out (565 ms) by far and ends well within
// the reply wait that follows it.
TEST_F(LinkEndToEnd, DownloadGetsPastASilentAWrongAndAFullAnswer)
{
    Bytes image(programImageSize); // every byte value passes the port unchanged
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 7 + i / 256);
    for (const int holdMs : { 0, 1200 }) {
        SCOPED_TRACE(holdMs);
        env.timing.replyMs = holdMs == 0 ? 500 : 3000;
        SimBehaviour behaviour;
        behaviour.silentReplies = 1;
        behaviour.wrongReplies = 1;
        behaviour.fullAtUnit = 50;
        behaviour.fullHoldMs = holdMs;
        SimTerminal terminal(pty, behaviour);
        dialogs.messages.clear();
        dialogs.answers = { platform::Answer::Ok, platform::Answer::Yes };
        EXPECT_EQ(
            DownloadToTerminal(env, com2, Adapter::IrDA, DownloadKind::ProgramImage, [&] { return image; }),
            1);
        terminal.stop();
        EXPECT_EQ(terminal.handshakes, 4);
        EXPECT_EQ(terminal.image, image);
        EXPECT_EQ(dialogs.messages,
            QStringList({ "错误|终端内存已满!", "错误|下载失败, 要重试吗?", "下载|下载成功!" }));
    }
}

TEST_F(LinkEndToEnd, LookupFileArrivesLineForLine)
{
    QByteArray content;
    QList<QByteArray> lines;
    for (int i = 0; i < 40; ++i) {
        lines << QByteArray("2026120810") + QByteArray::number(100 + i) + ",\xb2\xe2\xca\xd4,"
                + QByteArray(i * 5, 'x');
        content += lines.last() + "\r\n";
    }
    lines << "";
    content += "\r\n";
    lines << "tail without CR";
    content += lines.last();
    dialogs.fileNames = { writeFile(content) };
    SimBehaviour behaviour;
    behaviour.lookupFile = true;
    SimTerminal terminal(pty, behaviour);
    EXPECT_EQ(DownloadToTerminal(env, com2, Adapter::IrDA, DownloadKind::LookupFile, {}), 1);
    terminal.stop();
    EXPECT_EQ(terminal.lookupLines, lines);
    EXPECT_TRUE(terminal.lookupEnded);
    EXPECT_EQ(terminal.badUnits, 0);
}

TEST_F(LinkEndToEnd, TwentyFiveRecordsThroughTwoWrapsArriveAsCrLfLines)
{
    SimBehaviour behaviour;
    QByteArray expected;
    for (int i = 0; i < 25; ++i) {
        behaviour.records.push_back("20261208" + QByteArray::number(10001 + i));
        expected += behaviour.records.back() + "\r\n";
    }
    // Faults on the way: a corrupt sum, a lost ACK, a skipped sequence value.
    behaviour.corruptOnce = { 3 };
    behaviour.repeatOnce = { 9, 10 };
    behaviour.skipOnce = { 19 };
    SimTerminal terminal(pty, behaviour);
    const QString path = dir.filePath("采集文本.txt");
    dialogs.fileNames = { path };
    dialogs.answers = { platform::Answer::No };
    EXPECT_EQ(CollectData(env, com2, Adapter::IrDA), 25);
    terminal.stop();
    EXPECT_EQ(testsupport::readFile(path), expected);
    EXPECT_EQ(terminal.fromGenerator.count("NAK\r"), 2);
    EXPECT_EQ(terminal.fromGenerator.count("ACK\r"), 27);
}

TEST_F(LinkEndToEnd, BusyPortFailsToOpenAtOnce)
{
    QString why;
    const auto first = openTermiosLink(pty.slavePath, &why);
    ASSERT_TRUE(first) << why.toStdString();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(openTermiosLink(pty.slavePath, &why));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(DownloadToTerminal(env, com2, Adapter::IrDA, DownloadKind::ProgramImage, {}), -1);
    EXPECT_EQ(dialogs.messages, QStringList { "错误|不能打开COM端口!" });
}

TEST_F(LinkEndToEnd, ProbeFindsACradleAt115200AndSetsTheLinkSpeed)
{
    SimBehaviour behaviour;
    behaviour.cradleBaud = 115200;
    SimTerminal terminal(pty, behaviour);
    const auto port = openTermiosLink(pty.slavePath, nullptr);
    ASSERT_TRUE(port);
    LinkContext link { *port, env };
    EXPECT_EQ(ProbeIrAdapter(link, 9600), Probe::Silent);
    EXPECT_EQ(ProbeIrAdapter(link, 115200), Probe::Echoed);
    EXPECT_EQ(SetupIrAdapter(link, 1), 1);
    terminal.stop();
    EXPECT_EQ(terminal.cradleBaudNow, 57600);
    EXPECT_EQ(terminal.cradleBytes, QList<uint8_t>({ 15, 15, 7, '5', 'Q' }));
}

TEST_F(LinkEndToEnd, CollectionThroughTheCradle)
{
    SimBehaviour behaviour;
    behaviour.cradleBaud = 9600;
    behaviour.records = { "2026120810001", "2026120810002" };
    SimTerminal terminal(pty, behaviour);
    const QString path = dir.filePath("data.txt");
    dialogs.fileNames = { path };
    EXPECT_EQ(CollectData(env, { 1, 3 }, Adapter::CradleIr), 2);
    terminal.stop();
    EXPECT_EQ(terminal.cradleBaudNow, 19200);
    EXPECT_EQ(testsupport::readFile(path), "2026120810001\r\n2026120810002\r\n");
}

// The real limits: a reply 2.5 s late still counts; eleven silent half-seconds end a collection.
TEST_F(LinkEndToEnd, RealLimitsLateAnswerAndSilence)
{
    env.timing = {};
    {
        SimBehaviour late;
        late.lateMs = 2500;
        SimTerminal terminal(pty, late);
        EXPECT_EQ(DownloadToTerminal(env, com2, Adapter::IrDA, DownloadKind::ProgramImage,
                      [] { return Bytes(programImageSize, 1); }),
            1);
        terminal.stop();
        EXPECT_EQ(terminal.handshakes, 1);
    }
    SimBehaviour silent;
    silent.records = { "2026120810001", "2026120810002", "2026120810003" };
    silent.silentAfterRecords = 2;
    SimTerminal terminal(pty, silent);
    const QString path = dir.filePath("data.txt");
    dialogs.fileNames = { path };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CollectData(env, com2, Adapter::IrDA), -1);
    const auto took = std::chrono::steady_clock::now() - start;
    terminal.stop();
    EXPECT_GE(took, std::chrono::milliseconds(5500));
    EXPECT_LT(took, std::chrono::milliseconds(7000));
    EXPECT_EQ(terminal.fromGenerator.count("NAK\r"), 10);
    EXPECT_EQ(testsupport::readFile(path), "2026120810001\r\n2026120810002\r\n");
}

// A pulled cable ends a collection or a download at once, not after the next line's or reply's wait.
TEST_F(LinkEndToEnd, PortLostDuringACollectionKeepsWhatArrived)
{
    env.timing = { 3000, 4000, 100 }; // a wait for the next line would take twice the bound
    SimBehaviour behaviour;
    behaviour.records = { "2026120810001", "2026120810002", "2026120810003" };
    behaviour.hangUpAfterRecords = 2; // the cable is pulled once two records are in
    SimTerminal terminal(pty, behaviour);
    const QString path = dir.filePath("data.txt");
    dialogs.fileNames = { path };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(CollectData(env, com2, Adapter::IrDA), -3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2000));
    terminal.stop();
    EXPECT_EQ(dialogs.messages, QStringList { "错误|连接中断!\n已收到 2 笔数据." });
    EXPECT_EQ(testsupport::readFile(path), "2026120810001\r\n2026120810002\r\n");
}

TEST_F(LinkEndToEnd, PortLostDuringADownloadEndsItAtOnce)
{
    env.timing = {};
    SimBehaviour behaviour;
    behaviour.hangUpAtUnit = 3;
    SimTerminal terminal(pty, behaviour);
    dialogs.answers = { platform::Answer::Ok, platform::Answer::No };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(DownloadToTerminal(env, com2, Adapter::IrDA, DownloadKind::ProgramImage,
                  [] { return Bytes(programImageSize, 1); }),
        0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    terminal.stop();
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|下载出错!", "错误|下载失败, 要重试吗?" }));
}
