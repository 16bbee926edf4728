// The cradle adapter set-up: bytes, RTS changes and pauses, on a fake link and a fake tick count.
#include "fakelink.h"

#include "generator/link/collect.h"
#include "generator/link/download.h"
#include "generator/link/ircradle.h"

#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vosket;
using linktest::Answer;

namespace {

class LinkCradle : public ::testing::Test {
protected:
    linktest::FakeEnvironment fake;
    testsupport::ScriptedDialogs dialogs;
    int adapterBaud = 115200;

    // The adapter echoes the probe byte only at its own speed.
    void adapterAt(int baud, char echo = 15)
    {
        adapterBaud = baud;
        fake.link.peer = [this, echo](const QByteArray& w) {
            const bool probe = w == QByteArray(1, 15) && lastApplied().baud == adapterBaud;
            return Answer { probe ? QByteArray(1, echo) : QByteArray(), 2 };
        };
    }

    LineConfig lastApplied() const
    {
        for (auto it = fake.link.events.rbegin(); it != fake.link.events.rend(); ++it)
            if (it->what == "apply")
                return it->config;
        return {};
    }

    // "apply 38400 D R", "write 0f", ... without times.
    QStringList script() const
    {
        QStringList out;
        for (const auto& e : fake.link.events) {
            if (e.what == "apply")
                out << QStringLiteral("apply %1%2%3")
                           .arg(e.config.baud)
                           .arg(e.config.dtr ? " D" : "")
                           .arg(e.config.rts ? " R" : "");
            else
                out << "write " + QString::fromLatin1(e.bytes.toHex());
        }
        return out;
    }

    int64_t timeOfWrite(char byte) const
    {
        for (const auto& e : fake.link.events)
            if (e.what == "write" && e.bytes == QByteArray(1, byte))
                return e.at;
        return -1;
    }
};

} // namespace

TEST_F(LinkCradle, AdapterAt115200IsFoundByTheSecondProbeAndSetTo38400)
{
    adapterAt(115200);
    LinkContext link { fake.link, fake.env };
    EXPECT_EQ(SetupIrAdapter(link, 2), 1);
    EXPECT_EQ(script(),
        QStringList({ "apply 38400 D R",
            // 9600: no echo within 100 ms
            "apply 9600 D", "write 0f", "apply 9600 D R",
            // 115200: echoed
            "apply 115200 D", "write 0f", "apply 115200 D R",
            // the speed setting, RTS off, at the adapter's speed
            "apply 115200 D", "write 07", "write 34", "write 51",
            // back on, now at the link speed
            "apply 38400 D R" }));
    EXPECT_EQ(fake.env.line.baud, 38400);
    EXPECT_TRUE(fake.env.line.dtr);
    EXPECT_TRUE(fake.env.line.rts);
}

TEST_F(LinkCradle, SpeedSettingBytesAreEachFollowedBy100Ms)
{
    adapterAt(9600);
    LinkContext link { fake.link, fake.env };
    const int64_t start = fake.clock.now;
    EXPECT_EQ(SetupIrAdapter(link, 0), 1);
    EXPECT_EQ(timeOfWrite('6') - timeOfWrite(7), 100);
    EXPECT_EQ(timeOfWrite('Q') - timeOfWrite('6'), 100);
    EXPECT_EQ(fake.clock.now - timeOfWrite('Q'), 200); // the pause after 'Q' and after RTS on
    // One probe of about 300 to 400 ms; the whole set-up well under 2.5 s.
    EXPECT_LE(fake.clock.now - start, 1000);
}

TEST_F(LinkCradle, AWrongByteEndsAProbeAtOnceAndNoAnswerFails)
{
    adapterAt(57600, 'x');
    LinkContext link { fake.link, fake.env };
    const int64_t start = fake.clock.now;
    EXPECT_EQ(ProbeIrAdapter(link, 57600), Probe::Silent);
    // RTS off + 100, send + 100, the byte is there at once, RTS on + 100.
    EXPECT_LT(fake.clock.now - start, 310);

    fake.link.peer = nullptr;
    const int64_t setupStart = fake.clock.now;
    EXPECT_EQ(SetupIrAdapter(link, 0), 0);
    // Five silent probes of about 400 ms each after the first pause.
    EXPECT_NEAR(fake.clock.now - setupStart, 100 + 5 * 400, 10);
    EXPECT_EQ(fake.link.writes(), QList<QByteArray>(6, QByteArray(1, 15)));
}

TEST_F(LinkCradle, AByteThatTimesOutIsNotCheckedAndAPortGoneOrARefusedLineEndsTheSetUp)
{
    adapterAt(115200);
    LinkContext link { fake.link, fake.env };
    // The writes: the probes at 9600 and 115200, then 7, the speed code and 'Q'.
    for (const qsizetype timedOut : { 0, 3 }) {
        fake.link.events.clear();
        fake.link.timeOuts = { timedOut };
        EXPECT_EQ(SetupIrAdapter(link, 2), 1) << timedOut;
        EXPECT_EQ(fake.link.writes("timed-out write").size(), 1);
        EXPECT_EQ(fake.env.line.baud, 38400);
    }
    fake.link.timeOuts.clear();

    adapterAt(9600);
    fake.link.writesLeft = 0;
    const int64_t start = fake.clock.now;
    EXPECT_EQ(SetupIrAdapter(link, 0), 0);
    EXPECT_LT(fake.clock.now - start, 400) << "no other speed is probed";
    EXPECT_EQ(fake.link.writes("failed write").size(), 1);

    fake.link.writesLeft = -1;
    fake.link.refuseApply = true;
    fake.link.events.clear();
    EXPECT_EQ(SetupIrAdapter(link, 0), 0);
    EXPECT_TRUE(fake.link.writes().isEmpty());
}

TEST_F(LinkCradle, GarbageFromAProbeAtAWrongSpeedDoesNotSpoilTheNext)
{
    adapterAt(115200);
    fake.link.peer = [this, echo = fake.link.peer](const QByteArray& w) {
        // At 9600 the adapter's answer comes back as two wrong bytes.
        return lastApplied().baud == 9600 ? Answer { QByteArray("\x00\xf0", 2), 2 } : echo(w);
    };
    LinkContext link { fake.link, fake.env };
    EXPECT_EQ(SetupIrAdapter(link, 0), 1);
    EXPECT_EQ(fake.link.writes().count(QByteArray(1, 15)), 2);
    EXPECT_EQ(fake.env.line.baud, 115200);
}

TEST_F(LinkCradle, UnansweredAdapterIsReportedByBothUsers)
{
    QTemporaryDir dir;
    dialogs.fileNames = { dir.filePath("data.txt") };
    EXPECT_EQ(DownloadToTerminal(fake.env, {}, Adapter::CradleIr, DownloadKind::ProgramImage,
                  [] { return Bytes(programImageSize); }),
        -1);
    EXPECT_EQ(CollectData(fake.env, {}, Adapter::CradleIr), -3);
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|设置IR设备失败!", "错误|不能设置IR设备!" }));
    // The port could not be set up: the data file stays, empty.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("data.txt")));
    EXPECT_EQ(QFileInfo(dir.filePath("data.txt")).size(), 0);
}

TEST_F(LinkCradle, DtrAndRtsStayOnForALaterIrdaCollection)
{
    adapterAt(9600);
    fake.link.peer = [inner = fake.link.peer](const QByteArray& w) {
        return w.startsWith("ZENTRA") || w.size() == 103 ? Answer { "ACK\r", 1 } : inner(w);
    };
    EXPECT_EQ(DownloadToTerminal(fake.env, { 0, 4 }, Adapter::CradleIr, DownloadKind::ProgramImage,
                  [] { return Bytes(programImageSize); }),
        1);
    const qsizetype before = fake.link.events.size();
    QTemporaryDir dir;
    dialogs.fileNames = { dir.filePath("data.txt") };
    fake.link.peer = [](const QByteArray& w) { return Answer { w == "READ\r" ? "ACK\rOVER\r" : "", 1 }; };
    EXPECT_EQ(CollectData(fake.env, { 0, 4 }, Adapter::IrDA), 0);
    const linktest::LinkEvent& apply = fake.link.events[before];
    EXPECT_EQ(apply.what, "apply");
    EXPECT_TRUE(apply.config.dtr);
    EXPECT_TRUE(apply.config.rts);
    EXPECT_EQ(apply.config.baud, 9600);
}
