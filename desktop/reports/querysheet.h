#pragma once
// What a query puts on its result sheet: captions and column style, one row per record, the
// totals row, and the page set-up of a print. No widgets, no database.
#include "desktop/data/recordset.h"
#include "desktop/reports/queryconfig.h"
#include "platform/grid/sheetmodel.h"

#include <QDate>

namespace korvell {

// A stored value as a cell shows it: empty for Null, days "yyyy-m-d", times to the second,
// numbers in plain decimals.
QString cellText(const QVariant& value);

// Replaces the sheet's columns and rows by the records of rs, in one pass.
void fillResult(platform::SheetModel& sheet, Recordset& rs, const QueryConfig& config);

// Appends the totals row: "总计", then the count label with the count, "毛重:" and "净重:" with
// the sums of the first record of totals (nothing after a label for Null). The sheet keeps at
// least the four columns the row needs.
void appendTotals(platform::SheetModel& sheet, const QString& countLabel, Recordset& totals);

// The query grids' shading on screen.
void shadeResult(platform::SheetModel& sheet);

// "打印日期：yyyy年mm月dd日         制表人:user            第 &P 页 共&N页"
QString printFooter(const QDate& today, const QString& user);
// Header, footer, captions and grid lines on every page, white shading.
void preparePrint(platform::SheetModel& sheet, const QString& title, const QDate& today, const QString& user);

} // namespace korvell
