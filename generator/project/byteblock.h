#pragma once
// Every project block is the raw bytes that the project file and the terminal use; typed
// accessors sit on top. Bytes that the generator does not interpret (reserved fields, the rest
// of a text slot behind its NUL) therefore travel unchanged through file and image.
#include "generator/project/textslot.h"

#include <QtGlobal>
#include <array>
#include <cstddef>
#include <cstdint>

namespace vosket {

template <std::size_t N> struct ByteBlock {
    static constexpr std::size_t kSize = N;
    std::array<uint8_t, N> bytes {};

    uint8_t& at(std::size_t offset) { return bytes[checked(offset)]; }
    uint8_t at(std::size_t offset) const { return bytes[checked(offset)]; }

    TextSlot slot(std::size_t offset, std::size_t width)
    {
        Q_ASSERT(offset + width <= N);
        return TextSlot(bytes).subspan(offset, width);
    }
    ConstTextSlot slot(std::size_t offset, std::size_t width) const
    {
        Q_ASSERT(offset + width <= N);
        return ConstTextSlot(bytes).subspan(offset, width);
    }

    // Bit fields: count bits starting at bit low (0 = least significant).
    unsigned bits(std::size_t offset, unsigned low, unsigned count = 1) const
    {
        return (at(offset) >> low) & ((1u << count) - 1u);
    }
    void setBits(std::size_t offset, unsigned low, unsigned count, unsigned value)
    {
        const unsigned mask = ((1u << count) - 1u) << low;
        at(offset) = static_cast<uint8_t>((at(offset) & ~mask) | ((value << low) & mask));
    }

protected:
    static std::size_t checked(std::size_t offset)
    {
        Q_ASSERT(offset < N);
        return offset;
    }
};

// Index i (0-based) of an array of count entries; a wrong index is a programming error.
inline std::size_t Entry(int i, int count)
{
    Q_ASSERT(i >= 0 && i < count);
    return static_cast<std::size_t>(i);
}

} // namespace vosket
