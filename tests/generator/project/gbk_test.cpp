#include "generator/project/gbk.h"
#include "generator/project/textslot.h"
#include "tests/generator/project/goldenfile.h"

#include <gtest/gtest.h>

#include <array>

using namespace vosket;

namespace {

QByteArray Bytes(std::span<const uint8_t> s)
{
    return QByteArray(reinterpret_cast<const char*>(s.data()), s.size());
}

} // namespace

TEST(Gbk, ConvertsBothWays)
{
    const QString text = QStringLiteral("1.收集数据 ZENTRAVOX");
    const QByteArray gbk = ToGbk(text);
    EXPECT_EQ(gbk, testsupport::Gbk("1.收集数据 ZENTRAVOX"));
    EXPECT_EQ(gbk.size(), 2 + 4 * 2 + 10);
    EXPECT_EQ(ToGbk(QStringLiteral("应")), QByteArray("\xD3\xA6"));
    EXPECT_EQ(FromGbk(gbk), text);
}

TEST(Gbk, MarksWhatItCannotConvert)
{
    // A character outside CP936 becomes '?'; bytes that start no character become U+FFFD.
    EXPECT_EQ(ToGbk(QStringLiteral("a\U0001F600b")), QByteArray("a?b"));
    EXPECT_EQ(FromGbk(QByteArray("a\xFF"
                                 "b")),
        QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(FromGbk(QByteArray("ab\xD3")), QStringLiteral("ab\uFFFD")); // cut-off double byte
}

TEST(Gbk, LimitsCountBytesAndNeverSplitACharacter)
{
    const QString text = QStringLiteral("ab应用");
    EXPECT_EQ(FitGbk(text, 3), QByteArray("ab"));
    EXPECT_EQ(FitGbk(text, 4), testsupport::Gbk("ab应"));
    EXPECT_EQ(FitGbk(text, 100), ToGbk(text));
    const QByteArray bytes = ToGbk(text);
    EXPECT_FALSE(SplitsDoubleByte(bytes, 2));
    EXPECT_TRUE(SplitsDoubleByte(bytes, 3));
    EXPECT_FALSE(SplitsDoubleByte(bytes, 4));
}

TEST(TextSlot, WritesTextAndNulAndKeepsTheRest)
{
    std::array<uint8_t, 6> slot;
    slot.fill('x');
    SetSlotText(slot, QStringLiteral("ab"));
    EXPECT_EQ(Bytes(slot), QByteArray("ab\0xxx", 6));
    SetSlotText(slot, QStringLiteral("abcd应")); // 6 bytes do not fit in 5: the character goes
    EXPECT_EQ(Bytes(slot), QByteArray("abcd\0x", 6));
    EXPECT_EQ(SlotText(slot), QStringLiteral("abcd"));
    ClearSlot(slot);
    EXPECT_EQ(Bytes(slot), QByteArray("\0bcd\0x", 6));
    EXPECT_EQ(SlotText(slot), QString());
}

TEST(TextSlot, PadsAndCutsToAWidth)
{
    std::array<uint8_t, 21> slot {};
    SetSlotText(slot, QStringLiteral("A"));
    PadSlot(slot, 12);
    EXPECT_EQ(Bytes(slot).left(13), QByteArray("A           \0", 13));

    // 11 letters and a double-byte character: the cut at 12 would split it, so it becomes a blank.
    SetSlotText(slot, QStringLiteral("ABCDEFGHIJK应"));
    PadSlot(slot, 12);
    EXPECT_EQ(Bytes(slot).left(13), QByteArray("ABCDEFGHIJK \0", 13));

    // An unterminated slot is cut without reading past it.
    std::array<uint8_t, 16> full;
    full.fill('Q');
    PadSlot(full, 15);
    EXPECT_EQ(Bytes(full), QByteArray(15, 'Q') + '\0');
    full.fill('z');
    EXPECT_EQ(SlotBytes(std::span(full).first(5)), QByteArray("zzzzz")); // read only to its end
}
