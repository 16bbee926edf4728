#include "generator/ui/codepicks.h"

#include <algorithm>

namespace vosket {

QString CodeName(uint8_t code)
{
    static const char* const control[] = { "", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS", "HT",
        "LF", "VT", "FF", "CR", "SO", "SI", "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN",
        "EM", "SUB", "ESC", "FS", "GS", "RS", "US" };
    if (code < 32)
        return QString::fromLatin1(control[code]);
    if (code == 32)
        return QStringLiteral("Space");
    if (code < 127)
        return QString(QChar(code));
    if (code == 127)
        return QStringLiteral("DEL");
    return QString::number(code);
}

QString FormatCodeList(const CodeBuffer& codes, int count)
{
    QString text;
    for (int i = 0; i < std::min(count, kCodeCapacity) && codes[static_cast<std::size_t>(i)] != 0; ++i)
        text += '[' + CodeName(codes[static_cast<std::size_t>(i)]) + ']';
    return text;
}

CodeBuffer CodesOf(ConstTextSlot slot)
{
    CodeBuffer codes {};
    std::copy_n(slot.begin(), std::min(slot.size(), codes.size()), codes.begin());
    return codes;
}

void StoreCodes(const CodeBuffer& codes, TextSlot slot)
{
    std::fill(slot.begin(), slot.end(), 0);
    const auto end = std::find(codes.begin(), codes.end(), 0);
    std::copy(codes.begin(), codes.begin() + std::min<std::ptrdiff_t>(end - codes.begin(), slot.size()),
        slot.begin());
}

int CodeAtCell(int column, int row)
{
    if (column < 1 || row < 1 || column >= kCodeGridCells || row >= kCodeGridCells)
        return -1;
    return 16 * (column - 1) + (row - 1);
}

QString CodeGridHeading(int column, int row)
{
    if (column == 0 && row > 0 && row < kCodeGridCells)
        return QStringLiteral("0%1").arg(row - 1, 0, 16).toUpper();
    if (row == 0 && column > 0 && column < kCodeGridCells)
        return QString::number(column - 1, 16).toUpper() + u'0';
    return QString();
}

CodePicks::CodePicks(const CodeBuffer& start)
{
    for (uint8_t code : start) {
        if (code == 0)
            break;
        pick(code);
    }
    original = text;
}

bool CodePicks::pick(uint8_t code)
{
    if (picked >= kCodeCapacity)
        return false;
    codes[static_cast<std::size_t>(picked++)] = code;
    text += '[' + CodeName(code) + ']';
    return true;
}

void CodePicks::clear()
{
    codes.fill(0);
    picked = 0;
    text.clear();
}

CodeBuffer CodePicks::result() const
{
    CodeBuffer kept {};
    const auto end = std::find(codes.begin(), codes.begin() + picked, 0);
    std::copy(codes.begin(), end, kept.begin());
    return kept;
}

} // namespace vosket
