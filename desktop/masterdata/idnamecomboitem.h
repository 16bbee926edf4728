#pragma once
// List items of master data: the code padded on the right with blanks to w characters, then "|",
// then the name. A picked item is cut back to the code or to the name.
#include <QString>

namespace korvell {

// A code longer than w is kept whole (no padding), so the cut below still finds it.
QString IdNameComboItem(const QString& code, const QString& name, int w);

// The code of an item: its first w characters without the blanks. An item whose code was longer
// than w is cut at its first "|" instead.
QString comboItemCode(const QString& item, int w);

// The name of an item: the text after the "|" that follows the code.
QString comboItemName(const QString& item, int w);

} // namespace korvell
