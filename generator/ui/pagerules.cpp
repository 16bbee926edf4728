#include "generator/ui/pagerules.h"

#include <algorithm>

namespace vosket {

TransferCheck UpdateTransferCheck(const MenuRecord& menu, bool perFormFile)
{
    const bool saves = menu.saveTitle() != 0 || menu.saveSelectedItem() != 0;
    if (perFormFile)
        return { static_cast<uint8_t>(saves ? 1 : 0), false };
    if (!saves)
        return { 0, false };
    return { menu.passOn(), true };
}

void ResetMenu(MenuRecord& menu)
{
    menu.largeFont() = 1;
    menu.titleOn() = 0;
    ClearSlot(menu.title());
    for (int i = 0; i < MenuRecord::kItems; ++i) {
        ClearSlot(menu.item(i));
        menu.nextTarget(i) = 0;
    }
    menu.escapeTarget() = 0;
    menu.saveTitle() = 0;
    menu.saveSelectedItem() = 0;
    menu.passOn() = 0;
    menu.itemCount() = 0;
    menu.currentItem() = 0;
    menu.menuSimState() = 0;
}

void ResetLookup(LookupRecord& lookup)
{
    lookup.recordLength() = 0;
    lookup.fieldCount() = 0;
    lookup.keyField() = 0;
    for (int i = 0; i < LookupRecord::kFields; ++i) {
        lookup.fieldOffset(i) = 1;
        lookup.fieldLength(i) = 0;
    }
    lookup.separator() = 0;
    lookup.uploadable() = 1;
    lookup.noMatchAction() = 0;
}

std::optional<uint8_t> SeparatorCode(const QString& text)
{
    const auto number = DecimalNumber(text);
    if (!number || *number == 0 || *number > 255)
        return std::nullopt;
    return static_cast<uint8_t>(*number);
}

EditOutcome SeparatorEdit(const QString& text, uint8_t stored)
{
    if (const auto code = SeparatorCode(text))
        return { *code, std::nullopt };
    const auto number = DecimalNumber(text);
    if (text.isEmpty() || (number && *number > 255))
        return {};
    return { std::nullopt, QString::number(stored) };
}

void LayOutSeparatedFields(LookupRecord& lookup)
{
    const int count = std::min<int>(lookup.fieldCount(), LookupRecord::kFields);
    int length = 0;
    int offset = 1;
    for (int i = 0; i < count; ++i) {
        lookup.fieldOffset(i) = static_cast<uint8_t>(std::min<int>(offset, 255));
        offset += lookup.fieldLength(i) + 1;
        length += lookup.fieldLength(i) + 1;
    }
    // The last field has no separator behind it.
    lookup.recordLength() = static_cast<uint8_t>(std::clamp<int>(length - 1, 0, kLookupNumberLimit));
}

EditOutcome TimeoutEdit(const QString& text)
{
    constexpr unsigned kMost = 255;
    const auto number = DecimalNumber(text);
    if (number && *number > kMost)
        return { static_cast<uint8_t>(kMost), QString::number(kMost) };
    return NumberEdit(text, kMost, QStringLiteral("0"));
}

LengthInput FirstLength(const QString& text)
{
    if (text.isEmpty())
        return { 127, std::nullopt };
    const auto number = DecimalNumber(text);
    if (!number)
        return { 127, QStringLiteral("127") };
    return { static_cast<int>(std::min<unsigned long long>(*number, 127)), std::nullopt };
}

LengthInput SecondLength(const QString& text)
{
    if (text.isEmpty())
        return { 1, std::nullopt };
    const auto number = DecimalNumber(text);
    if (!number)
        return { 1, QStringLiteral("1") };
    return { static_cast<int>(std::min<unsigned long long>(*number, 255)), std::nullopt };
}

LengthPair FinishLengthPair(bool maxMin, int first, int second)
{
    first = first == 0 ? 1 : first;
    second = second > first ? first : second == 0 ? 1 : second;
    return { maxMin, first, second };
}

} // namespace vosket
