#pragma once
// Registers the query, statistics and report windows with the window registry.
namespace korvell {

void registerReportWindows();

} // namespace korvell
