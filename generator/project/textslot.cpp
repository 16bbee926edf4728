#include "generator/project/textslot.h"

#include "generator/project/gbk.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

namespace vosket {

QByteArray SlotBytes(ConstTextSlot slot)
{
    const auto end = std::find(slot.begin(), slot.end(), uint8_t { 0 });
    return QByteArray(reinterpret_cast<const char*>(slot.data()), end - slot.begin());
}

QString SlotText(ConstTextSlot slot)
{
    return FromGbk(SlotBytes(slot));
}

void SetSlotText(TextSlot slot, const QString& text)
{
    const QByteArray bytes = FitGbk(text, static_cast<qsizetype>(slot.size()) - 1);
    std::memcpy(slot.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
    slot[static_cast<std::size_t>(bytes.size())] = 0;
}

void PadSlot(TextSlot slot, std::size_t width)
{
    Q_ASSERT(width < slot.size());
    const QByteArray text = SlotBytes(slot);
    std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(text.size()), width);
    if (SplitsDoubleByte(text, static_cast<qsizetype>(length)))
        --length;
    std::fill(slot.begin() + static_cast<std::ptrdiff_t>(length),
        slot.begin() + static_cast<std::ptrdiff_t>(width), uint8_t { ' ' });
    slot[width] = 0;
}

} // namespace vosket
