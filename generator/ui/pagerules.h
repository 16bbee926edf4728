#pragma once
// The menu, lookup and barcode pages' rules without widgets.
#include "generator/project/barcodesettings.h"
#include "generator/project/lookuprecord.h"
#include "generator/project/menurecord.h"
#include "generator/ui/formrules.h"

#include <QString>
#include <optional>

namespace vosket {

// "传递" of a menu: its value and whether the user may change it, from the two save options and
// the per-form-file option.
struct TransferCheck {
    uint8_t value = 0;
    bool enabled = false;
};
TransferCheck UpdateTransferCheck(const MenuRecord& menu, bool perFormFile);

// "复位" of the menu page, for one menu.
void ResetMenu(MenuRecord& menu);

// The limit of the lookup page's numbers (the separator takes any byte).
inline constexpr unsigned kLookupNumberLimit = 250;
// "复位" of the lookup page, for one definition.
void ResetLookup(LookupRecord& lookup);
// The separator of separated fields: an ASCII code 1 to 255 (0 would mean fixed-length fields).
std::optional<uint8_t> SeparatorCode(const QString& text);
// The separator edit: a code is stored; 0 or text that is no number shows the stored separator
// again; a number past the byte and an empty edit store nothing.
EditOutcome SeparatorEdit(const QString& text, uint8_t stored);
// Separated fields: record length and 1-based offsets from the used fields' lengths, one
// separator byte between fields. No fields give length 0; the length never passes the limit.
void LayOutSeparatedFields(LookupRecord& lookup);

// The barcode page's time-out in seconds, one byte: text that is no number becomes "0", a number
// past the byte is shown and stored as 255, so the edit always shows what OK stores.
EditOutcome TimeoutEdit(const QString& text);

// The symbology dialogs' length pair. The first length takes 1 to 127 (more counts as 127, an
// empty edit as 127, other text becomes "127"); the second any number (empty: 1, other text "1").
struct LengthInput {
    int value = 0;
    std::optional<QString> replaceText;
};
LengthInput FirstLength(const QString& text);
LengthInput SecondLength(const QString& text);
// What OK stores: a first length of 0 becomes 1, a second length above the first becomes the
// first, 0 becomes 1.
LengthPair FinishLengthPair(bool maxMin, int first, int second);

} // namespace vosket
