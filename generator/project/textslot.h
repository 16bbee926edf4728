#pragma once
// A text slot: a fixed run of bytes holding a NUL-terminated CP936 string. Slots read from a
// damaged file may lack their NUL; nothing here reads or writes past the slot.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

namespace vosket {

using TextSlot = std::span<uint8_t>;
using ConstTextSlot = std::span<const uint8_t>;

// The bytes before the slot's first NUL (all of them when it has none).
QByteArray SlotBytes(ConstTextSlot slot);
QString SlotText(ConstTextSlot slot);

// Copies text with its NUL into the slot, cut to slot.size() - 1 bytes between characters. The
// bytes behind the NUL keep their values.
void SetSlotText(TextSlot slot, const QString& text);

// Empties the slot: only its first byte becomes NUL.
inline void ClearSlot(TextSlot slot)
{
    slot[0] = 0;
}

// Makes the slot's text exactly width bytes (cut, or padded with blanks) followed by a NUL at
// position width; a double-byte character that the cut would split becomes a blank.
// Requires width < slot.size().
void PadSlot(TextSlot slot, std::size_t width);

} // namespace vosket
