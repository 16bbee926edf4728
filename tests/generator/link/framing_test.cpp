// The units of both protocols, byte by byte.
#include "generator/link/downloadframes.h"
#include "generator/link/recordline.h"
#include "tests/support/terminalframes.h"

#include <gtest/gtest.h>

using namespace vosket;

namespace {

Bytes frameOf(const QByteArray& file)
{
    LookupLineBuilder b;
    for (char c : file)
        b.add(static_cast<uint8_t>(c));
    return b.takeFrame();
}

// All lookup frames of a file, the last line without CR included.
std::vector<Bytes> framesOf(const QByteArray& file)
{
    LookupLineBuilder b;
    std::vector<Bytes> frames;
    for (char c : file)
        if (b.add(static_cast<uint8_t>(c)) == LookupLineBuilder::Step::LineEnded)
            frames.push_back(b.takeFrame());
    if (b.pending())
        frames.push_back(b.takeFrame());
    return frames;
}

QByteArray collect(std::initializer_list<QByteArray> reads)
{
    ReplyCollector r;
    for (const QByteArray& read : reads) {
        if (r.complete())
            break;
        r.add(
            std::span(reinterpret_cast<const uint8_t*>(read.constData()), static_cast<size_t>(read.size())));
    }
    return r.reply();
}

// A record line as the reader hands it over: without its CR.
Bytes record(int sequence, const QByteArray& data, bool wrongSum = false)
{
    const QByteArray frame = linktest::terminalRecord(sequence, data, wrongSum).chopped(1);
    return Bytes(frame.begin(), frame.end());
}

} // namespace

TEST(LinkFraming, ProgramBlockCarriesSumAndNumberUnescaped)
{
    std::vector<uint8_t> image(programImageSize, 0);
    // Block 7 sums to 3,341 = 13 * 256 + 13.
    for (int i = 0; i < 100; ++i)
        image[700 + i] = 33;
    image[799] = 33 + 41;
    const Bytes block = programBlock(image, 7);
    ASSERT_EQ(block.size(), 103u);
    EXPECT_EQ(block[100], 13);
    EXPECT_EQ(block[101], 13);
    EXPECT_EQ(block[102], 7);
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 100, image.begin() + 700));
    EXPECT_EQ(programBlock(image, 199)[102], 199);
}

TEST(LinkLookupFraming, LinesCarryTheDataSumHighThenLowWithCrAs14AndNoLineFeeds)
{
    // "1","2" CR LF CR LF: the digits with sum 99, then an empty line.
    const auto frames = framesOf(QByteArray("12\r\n\r\n"));
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], (Bytes { '1', '2', 0, 99, 13 }));
    EXPECT_EQ(frames[1], (Bytes { 0, 0, 13 }));
    // Line feeds are dropped and a last line without CR is pending.
    const auto joined = framesOf(QByteArray("ab\r\ncd\nef"));
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0], (Bytes { 'a', 'b', 0, 195, 13 }));
    EXPECT_EQ(joined[1], (Bytes { 'c', 'd', 'e', 'f', 1, 146, 13 })); // 99+100+101+102 = 402
    EXPECT_TRUE(framesOf(QByteArray()).empty());
    EXPECT_EQ(framesOf(QByteArray("\n\n")).size(), 0u);

    // 269 = 1 * 256 + 13
    EXPECT_EQ(frameOf(QByteArray("\xff\x0e", 2) + "\r"), (Bytes { 0xff, 0x0e, 1, 14, 13 }));
    // 13 * 256 + 13 = 3,341 in the high byte too
    QByteArray data(13, '\xff');
    data.append(static_cast<char>(3341 - 13 * 255));
    const Bytes frame = frameOf(data + "\r");
    EXPECT_EQ(frame[frame.size() - 3], 14);
    EXPECT_EQ(frame[frame.size() - 2], 14);
}

TEST(LinkLookupFraming, AcceptsLinesOf257BytesAndRefusesLonger)
{
    LookupLineBuilder b;
    for (int i = 0; i < 257; ++i)
        ASSERT_EQ(b.add('x'), LookupLineBuilder::Step::Added);
    EXPECT_EQ(b.add('x'), LookupLineBuilder::Step::TooLong);
    EXPECT_EQ(b.add('\r'), LookupLineBuilder::Step::LineEnded);
    EXPECT_EQ(b.takeFrame().size(), 260u);
}

TEST(LinkReplies, ReplyEndsAtCrOrAfterTwelveBytesAndDropsTheCr)
{
    EXPECT_EQ(collect({ "ACK", "\r" }), "ACK");
    EXPECT_EQ(classifyReply(collect({ "ACK", "\r" })), ReplyKind::Ack);
    EXPECT_EQ(classifyReply(collect({ "FUL", "L\r" })), ReplyKind::Full);
    EXPECT_EQ(classifyReply(collect({ "AC" })), ReplyKind::Other);
    EXPECT_EQ(classifyReply(collect({ "NAK", "\r" })), ReplyKind::Other);
    EXPECT_EQ(classifyReply(collect({})), ReplyKind::Other);
    // CR inside a read that ends otherwise does not end the reply.
    EXPECT_EQ(collect({ "AC", "K\rX", "YZ\r" }), "ACK\rXYZ");

    // It stops after ten bytes, so at most twelve.
    ReplyCollector r;
    for (int i = 0; i < 3; ++i) {
        ASSERT_FALSE(r.complete());
        r.add(Bytes { 'x', 'x', 'x' });
    }
    ASSERT_FALSE(r.complete()); // 9 bytes
    r.add(Bytes { 'x', 'x', 'x' });
    EXPECT_TRUE(r.complete());
    EXPECT_EQ(r.reply().size(), 12);
}

TEST(LinkRecords, LineReaderKeepsACompleteRecordAndFlagsOverflow)
{
    RecordLineReader r;
    for (int i = 0; i < 254; ++i)
        ASSERT_FALSE(r.add('x'));
    EXPECT_TRUE(r.add('\r'));
    EXPECT_EQ(r.line().size(), 254u);
    EXPECT_FALSE(r.overflowed());
    r.clear();
    for (int i = 0; i < 300; ++i)
        r.add('x');
    EXPECT_TRUE(r.add('\r'));
    EXPECT_TRUE(r.overflowed());
    EXPECT_EQ(r.line().size(), 254u);
}

TEST(LinkRecords, VerdictsFollowSequenceAndSum)
{
    const Bytes good = record(2, "2026120812345");
    const RecordCheck check = checkRecord(good, false, 2);
    EXPECT_EQ(check.verdict, RecordVerdict::New);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(check.data.data()),
                  static_cast<qsizetype>(check.data.size())),
        "2026120812345");
    EXPECT_EQ(checkRecord(good, false, 3).verdict, RecordVerdict::Repeat);
    EXPECT_EQ(checkRecord(good, false, 1).verdict, RecordVerdict::Refused); // ahead of sequence
    EXPECT_EQ(checkRecord(record(2, "2026", true), false, 3).verdict,
        RecordVerdict::Refused); // repeat with bad sum
    EXPECT_EQ(checkRecord(record(2, "2026", true), false, 2).verdict, RecordVerdict::Refused);
    EXPECT_EQ(checkRecord(good, true, 2).verdict, RecordVerdict::Refused); // CR came too late
    EXPECT_EQ(checkRecord(Bytes { 0, 0 }, false, 0).verdict, RecordVerdict::Refused);
    EXPECT_EQ(checkRecord(Bytes {}, false, 0).verdict, RecordVerdict::Refused);
    EXPECT_EQ(checkRecord(Bytes { 'O', 'V', 'E', 'R' }, false, 4).verdict, RecordVerdict::End);
    // After 9 comes 0; a 9 while 0 is expected is the previous one again.
    EXPECT_EQ(checkRecord(record(0, "x"), false, 0).verdict, RecordVerdict::New);
    EXPECT_EQ(checkRecord(record(9, "x"), false, 0).verdict, RecordVerdict::Repeat);
}

TEST(LinkRecords, EmptyRecordAndEscapedLowByteAreAccepted)
{
    const RecordCheck empty = checkRecord(record(0, ""), false, 0);
    EXPECT_EQ(empty.verdict, RecordVerdict::New);
    EXPECT_TRUE(empty.data.empty());
    // 1 + 12 = 13: the low byte travels as 14.
    const Bytes escaped = record(1, QByteArray(1, 12));
    EXPECT_EQ(escaped[escaped.size() - 2], 14);
    EXPECT_EQ(checkRecord(escaped, false, 1).verdict, RecordVerdict::New);
    // The largest record: 251 data bytes.
    EXPECT_EQ(checkRecord(record(3, QByteArray(251, '7')), false, 3).verdict, RecordVerdict::New);
}
