#pragma once
// The report designer's "操作(&A)" menu as data: each item formats or restructures the template
// sheet's selection, or asks for the sheet's row or column count. The window builds its menu
// from this tree; tests run the commands on a sheet.
#include "platform/grid/sheetmodel.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace korvell {

// What a command works on: the selection and the active cell (the toggles judge by it).
struct SheetSelection {
    platform::CellRange range;
    int activeRow = 1;
    int activeCol = 1;
};

using SheetCommand = std::function<void(platform::SheetModel&, const SheetSelection&)>;

struct SheetMenuItem {
    QString name; // the menu item's name (mnuSetFont_B ...)
    QString caption;
    SheetCommand command; // empty for a submenu
    std::vector<SheetMenuItem> submenu;
    QString shortcut; // "Ctrl+M" ...
    bool separatorBefore = false;
};

// The menu's items in order; fontNames fill the font-name submenu.
std::vector<SheetMenuItem> sheetMenuItems(const QStringList& fontNames);

// The new row or column count an answer to the count prompt asks for: the number at its start
// (blanks skipped; none counts as 0), rounded half to even; nullopt when it is the current
// count, below 1 or above ten million.
std::optional<int> countFromAnswer(const QString& answer, int current);

} // namespace korvell
