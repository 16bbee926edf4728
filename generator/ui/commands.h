#pragma once
// The command numbers of the main window and the layout of the popup menu "PopMenu7300" that
// carries them. No widgets here.
#include <QString>
#include <vector>

namespace vosket {

enum Command : int {
    CmdNew = 1010,
    CmdOpen = 1020,
    CmdSave = 1030,
    CmdSaveAs = 1040,
    CmdExit = 1090,
    CmdEdit = 2000,
    CmdComSettings = 2100,
    CmdDownloadProgramIrda = 3020,
    CmdDownloadProgramCradle = 3021,
    CmdCollectIrda = 3030,
    CmdCollectCradle = 3031,
    CmdDownloadLookupIrda = 3040,
    CmdDownloadLookupCradle = 3041,
    CmdAbout = 9030,
};

struct MenuEntry {
    enum Kind { Item, Separator, Submenu };
    Kind kind = Item;
    QString text;
    QString keyHint; // shown behind a tab
    int command = 0;
    std::vector<MenuEntry> items; // of a submenu
};

const std::vector<MenuEntry>& popupMenuLayout();

} // namespace vosket
