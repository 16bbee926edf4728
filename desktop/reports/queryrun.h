#pragma once
// A query window's run without the window: the statement built from the filter values, its
// result on the sheet and the totals row; and the items of the filter lists.
#include "desktop/reports/queryconfig.h"
#include "platform/grid/sheetmodel.h"

namespace korvell {

struct QueryOutcome {
    bool ran = false; // the statement returned its rows
    bool totalsRow = false; // the sheet ends in a totals row
};

// Clears the previous result, runs the statement and fills the sheet, then the totals row.
// A failed statement (ExecSQL has shown why) leaves the caption row alone.
QueryOutcome runQuery(const QueryConfig& config, const FilterValues& values, platform::SheetModel& sheet);

// The list's items in the order the database delivers its rows; none when the query fails.
QStringList filterListItems(const FilterList& list);
// What a picked item leaves in the box: its code, whole.
QString pickedCode(const FilterList& list, const QString& item);

} // namespace korvell
