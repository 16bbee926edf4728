#pragma once
// The prefix and suffix codes of a form line: byte values 1 to 255, at most ten, picked one by
// one in the code grid and shown by name in square brackets.
#include "generator/project/textslot.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vosket {

inline constexpr int kCodeCapacity = 10;
using CodeBuffer = std::array<uint8_t, kCodeCapacity>;

// "SOH" ... "US", "Space", the character itself, "DEL", or 128 to 255 in decimal; empty for 0.
QString CodeName(uint8_t code);
// "[name]" for each code up to the first 0, at most count of them.
QString FormatCodeList(const CodeBuffer& codes, int count = kCodeCapacity);

// The line's slot and the buffer the dialogs edit, both ways; a slot is never written past its end.
CodeBuffer CodesOf(ConstTextSlot slot);
void StoreCodes(const CodeBuffer& codes, TextSlot slot);

// The code grid: 17 x 17 cells, headings in row and column 0; column k, row r hold 16(k-1)+(r-1).
inline constexpr int kCodeGridCells = 17;
// The code of a cell, or -1 for a heading or a cell outside the grid.
int CodeAtCell(int column, int row);
// The text of a heading cell: "00" .. "F0" over the columns, "00" .. "0F" beside the rows; empty
// for any other cell.
QString CodeGridHeading(int column, int row);

// The picks of one opening of the code grid.
class CodePicks {
public:
    // The existing codes become the first picks; their text is what Cancel puts back.
    explicit CodePicks(const CodeBuffer& start);

    // False (and nothing added) when ten codes are already picked.
    bool pick(uint8_t code);
    void clear();

    const QString& resultText() const { return text; }
    const QString& textAtOpening() const { return original; }
    int count() const { return picked; }
    // The picks as stored by OK: up to the first 0, the rest filled with 0.
    CodeBuffer result() const;

private:
    CodeBuffer codes {};
    int picked = 0;
    QString text;
    QString original;
};

} // namespace vosket
