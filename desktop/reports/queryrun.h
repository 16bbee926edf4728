#pragma once
// A query window's run without the window: the statement built from the filter values, its
// result on the sheet and the totals row; and the items of the filter lists.
#include "desktop/reports/queryconfig.h"
#include "platform/grid/sheetmodel.h"

#include <optional>

namespace korvell {

struct [[nodiscard]] QueryOutcome {
    bool ran = false; // the sheet holds the statement's rows (and their totals)
    bool totalsRow = false; // the sheet ends in a totals row
};

struct QueryStatements {
    Statement rows;
    std::optional<Statement> totals;
};

// The window's statements for the filter values.
QueryStatements queryStatements(const QueryConfig& config, const FilterValues& values);

// Clears the previous result, runs the statement and fills the sheet, then the totals row.
// A failed statement or totals statement (ExecSQL has shown why) leaves the caption row alone.
QueryOutcome runStatements(
    const QueryConfig& config, const QueryStatements& statements, platform::SheetModel& sheet);
inline QueryOutcome runQuery(
    const QueryConfig& config, const FilterValues& values, platform::SheetModel& sheet)
{
    return runStatements(config, queryStatements(config, values), sheet);
}

// The list's items in the order the database delivers its rows; none when the query fails.
QStringList filterListItems(const FilterList& list);
// What a picked item leaves in the box: its code, whole.
QString pickedCode(const FilterList& list, const QString& item);

} // namespace korvell
