#pragma once
// The form page's and its dialogs' rules, without widgets: what an edit stores and what it
// shows instead, which controls of a line its type enables, the stamp captions, the reset.
#include "generator/project/formrecord.h"

#include <QString>
#include <optional>

namespace vosket {

// What a text change of an edit leads to: the value stored (none: the field keeps its value) and
// the text put back into the edit (none: the edit keeps what was typed).
struct EditOutcome {
    std::optional<uint8_t> store;
    std::optional<QString> replaceText;
};

// Minimum and maximum length (0 to 50). A boolean line stores 1 for any accepted number.
EditOutcome LengthEdit(const QString& text, uint8_t lineType);
// The number of a text of decimal digits only (a number too long for 64 bits counts as very
// large); none for an empty or any other text.
std::optional<unsigned long long> DecimalNumber(const QString& text);

// A number of at most limit; text that is no number becomes fallback, an empty edit stores 0. A
// number above the limit is not stored: the field keeps its previous value (a byte never wraps).
EditOutcome NumberEdit(const QString& text, unsigned long long limit, const QString& fallback);
// A one-character edit (separators, input mark): the first character, 0 when empty. A character
// that needs two bytes does not fit the byte: the edit is emptied and 0 stored.
EditOutcome SingleCharEdit(const QString& text);
// A text of at most maxBytes CP936 bytes, cut between characters; the cut text goes back into the
// edit.
std::optional<QString> CutToBytes(const QString& text, qsizetype maxBytes);

// The controls of a form line that its type enables.
struct LineEnabling {
    bool prompt = false;
    bool more = false; // "更多..."
    bool inputSource = false;
    bool lookup = false;
    bool lengths = false;
};
LineEnabling LineEnablingFor(uint8_t lineType);

// Prompt limit in bytes: 12 for a large-font form, else 16.
qsizetype PromptLimit(const FormRecord& form);

// "日期格式 : YYYY/MM/DD" and "时间格式 : HH:MM:SS" as the stamp of form is set.
QString DateCaption(const FormRecord& form);
QString TimeCaption(const FormRecord& form);

// A text that may fill its whole slot (the lead code): at most slot.size() bytes, cut between
// characters, with a NUL only when shorter. Nothing is written past the slot.
void SetFullSlotText(TextSlot slot, const QString& text);

// "复位": every form to its defaults, each leading to form 1 next.
void ResetForm(FormRecord& form, int n);

} // namespace vosket
