#pragma once
// The terminal's screen texts: 27 blocks of fixed text slots, 16-byte slots for lines of the
// 12-character screen and 21-byte slots for the 16-character screen. Block index 0 is the start
// screen; indices 1 to 26 are the groups that the startup page redefines (group g is block g + 1).
#include "generator/project/byteblock.h"

#include <array>

namespace vosket {

struct MessageBlock {
    std::size_t width; // slot width in bytes, 16 or 21
    int slotCount;
    std::size_t offset; // within the message area
    constexpr std::size_t bytes() const { return width * static_cast<std::size_t>(slotCount); }
};

inline constexpr int kMessageBlockCount = 27;
inline constexpr std::array<MessageBlock, kMessageBlockCount> kMessageBlocks { {
    { 16, 4, 0 },
    { 16, 4, 64 },
    { 21, 8, 128 },
    { 16, 4, 296 },
    { 16, 4, 360 },
    { 16, 4, 424 },
    { 16, 7, 488 },
    { 21, 8, 600 },
    { 21, 6, 768 },
    { 21, 6, 894 },
    { 21, 5, 1020 },
    { 21, 4, 1125 },
    { 21, 4, 1209 },
    { 21, 6, 1293 },
    { 21, 8, 1419 },
    { 16, 3, 1587 },
    { 16, 5, 1635 },
    { 21, 4, 1715 },
    { 16, 5, 1799 },
    { 16, 5, 1879 },
    { 16, 3, 1959 },
    { 16, 2, 2007 },
    { 16, 4, 2039 },
    { 16, 3, 2103 },
    { 21, 6, 2151 },
    { 16, 8, 2277 },
    { 21, 3, 2405 },
} };

// The blocks lie one behind the other without gaps and fill exactly 2,468 bytes.
constexpr bool MessageBlocksContiguous()
{
    std::size_t offset = 0;
    for (const MessageBlock& b : kMessageBlocks) {
        if (b.offset != offset || (b.width != 16 && b.width != 21))
            return false;
        offset += b.bytes();
    }
    return offset == 2468;
}
static_assert(MessageBlocksContiguous());

struct MessageArea : ByteBlock<2468> {
    // Slot s of block b (both 0-based).
    TextSlot slot(int b, int s)
    {
        const MessageBlock& m = kMessageBlocks[Entry(b, kMessageBlockCount)];
        return ByteBlock::slot(m.offset + Entry(s, m.slotCount) * m.width, m.width);
    }
    ConstTextSlot slot(int b, int s) const
    {
        const MessageBlock& m = kMessageBlocks[Entry(b, kMessageBlockCount)];
        return ByteBlock::slot(m.offset + Entry(s, m.slotCount) * m.width, m.width);
    }

    // Copies the default texts into every slot, each up to and including its NUL.
    void applyDefaults();
};
static_assert(sizeof(MessageArea) == 2468);

// The new-project default text of slot s of block b ("" for an empty slot).
QString DefaultMessageText(int b, int s);

} // namespace vosket
