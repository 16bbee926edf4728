#pragma once

namespace korvell {

// Registers the master-data editors, the program users editor and the group rights editor
// (jzform, khform, procform, bzform, employeeform, useraddmdo, usergroup) with the window registry.
void registerMasterDataWindows();

} // namespace korvell
