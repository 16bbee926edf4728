#pragma once
// The popup menu's download and collection commands on the project of the run, with the
// program's own port opener, clock and windows.
#include "generator/link/linkenvironment.h"
#include "generator/project/project.h"

namespace vosket {

// adapter 0 IrDA, 1 cradle IR; kind 0 program image, 1 lookup data file.
int DownloadToTerminal(Project& project, int adapter, int kind);
// adapter 0 IrDA, 1 cradle IR.
int CollectData(const Project& project, int adapter);

// The settings bytes as the link reads them (a damaged byte reads as the first entry, as the
// COM settings dialog shows it).
LinkSettings linkSettingsOf(const CommSettings& comm);

} // namespace vosket
