#include "generator/project/formrecord.h"

#include <algorithm>

namespace vosket {

void FormRecord::applyDefaults(int n)
{
    // Header bytes 0 to 20, reserved 11 and 18 included.
    static constexpr uint8_t header[21]
        = { 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, '/', 0, 0, 1, 1, 1, 1, ':', 0, 0, 0 };
    std::copy(std::begin(header), std::end(header), bytes.begin());
    nextTarget() = TargetCode::form(n).value;
    for (int line = 0; line < kLines; ++line) {
        lineLookup(line) = 0;
        lineType(line) = kLineNone;
        ClearSlot(prompt(line));
        inputSource(line) = 2;
        minLength(line) = 0;
        maxLength(line) = kMaxDataLength;
        fixedLengthOn(line) = 0;
        justify(line) = 0;
        fixedLength(line) = 0;
        initialOn(line) = 0;
        ClearSlot(initialText(line));
        prefixOn(line) = 0;
        ClearSlot(prefix(line));
        suffixOn(line) = 0;
        ClearSlot(suffix(line));
        partialOn(line) = 0;
        partialStart(line) = 0;
        partialMaxLength(line) = 20;
        leadCodeOn(line) = 0;
        ClearSlot(leadCode(line));
        autoLineFeed(line) = 1;
        inputMark(line) = 0;
        ClearSlot(lineData(line));
    }
    lastDataLine() = 0;
    currentLine() = 0;
}

void FormRecord::normalize()
{
    if (largeFont() != 0) {
        for (int line = kLines / 2; line < kLines; ++line)
            lineType(line) = kLineNone;
    }
    for (int line = 0; line < kLines; ++line) {
        maxLength(line) = std::min(maxLength(line), kMaxDataLength);
        minLength(line) = std::min(minLength(line), maxLength(line));
    }
    clearUnusedLineFields();
}

void FormRecord::clearUnusedLineFields()
{
    for (int line = 0; line < kLines; ++line) {
        const uint8_t type = lineType(line);
        if (type == kLineNone || type == kLineContinued)
            ClearSlot(prompt(line));
        if (type == kLineNone || type >= kLineFixedData)
            lineLookup(line) = 0;
    }
}

uint8_t FormRecord::computeLastDataLine() const
{
    uint8_t last = 0;
    for (int line = 0; line < kLines; ++line) {
        if (lineType(line) >= kLineText && lineType(line) <= kLineBoolean)
            last = static_cast<uint8_t>(line + 1);
    }
    return last;
}

} // namespace vosket
