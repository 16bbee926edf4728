#include "generator/sim/formlayout.h"

#include <algorithm>

namespace vosket {
namespace {

    constexpr int kLargeFontWidth = 12;
    constexpr int kSmallFontWidth = 16;

    void ClearLineAttributes(FormRecord& form, int line)
    {
        form.lineLookup(line) = 0;
        ClearSlot(form.prompt(line));
        form.inputSource(line) = 2;
        form.minLength(line) = 0;
        form.fixedLengthOn(line) = 0;
        form.justify(line) = 0;
        form.fixedLength(line) = 0;
        form.initialOn(line) = 0;
        ClearSlot(form.initialText(line));
        form.prefixOn(line) = 0;
        ClearSlot(form.prefix(line));
        form.suffixOn(line) = 0;
        ClearSlot(form.suffix(line));
        form.partialOn(line) = 0;
        form.partialStart(line) = 0;
        form.partialMaxLength(line) = 20;
        form.leadCodeOn(line) = 0;
        ClearSlot(form.leadCode(line));
        ClearSlot(form.lineData(line));
    }

    // The continuation lines after head take the rest of its field, a line width each.
    void SpreadOverContinuations(FormRecord& form, int head, int lineCount, int width)
    {
        const int length = PromptLength(form, head) + form.maxLength(head);
        for (int k = 1; k <= kMaxContinuations && head + k < lineCount; ++k) {
            const int line = head + k;
            if (form.lineType(line) != kLineContinued)
                return;
            // A head that fits on fewer lines leaves the rest an empty field, never a negative one.
            form.maxLength(line)
                = static_cast<uint8_t>(std::clamp(length - k * width, 0, int(FormRecord::kMaxDataLength)));
            form.autoLineFeed(line) = form.autoLineFeed(head);
            form.inputMark(line) = form.inputMark(head);
        }
    }

    void LayoutForm(FormRecord& form)
    {
        const bool large = form.largeFont() != 0;
        const int lineCount = large ? FormRecord::kLines / 2 : FormRecord::kLines;
        const int width = large ? kLargeFontWidth : kSmallFontWidth;
        for (int line = 0; line < lineCount; ++line) {
            const uint8_t type = form.lineType(line);
            if (type >= kLineText && type <= kLineBoolean)
                SpreadOverContinuations(form, line, lineCount, width);
            if (type != kLineNone && type != kLineContinued)
                continue;
            ClearLineAttributes(form, line);
            if (type == kLineNone) {
                form.maxLength(line) = FormRecord::kMaxDataLength;
                form.autoLineFeed(line) = 1;
                form.inputMark(line) = 0;
            }
        }
    }

} // namespace

int PromptLength(const FormRecord& form, int line)
{
    return static_cast<int>(std::min<qsizetype>(SlotBytes(form.prompt(line)).size(), 20));
}

void LayoutForms(Project& p)
{
    for (FormRecord& form : p.forms)
        LayoutForm(form);
}

int SystemToolsItemCount(const Project& p)
{
    const LookupRecord& first = p.lookups[0];
    return first.recordLength() != 0 && first.fieldCount() != 0 ? 8 : 7;
}

} // namespace vosket
