#pragma once
// What a query puts on its result sheet: captions and column style, one row per record, the
// totals row, and the page set-up of a print. No widgets, no database.
#include "desktop/data/recordset.h"
#include "desktop/data/recordsink.h"
#include "desktop/reports/queryconfig.h"
#include "platform/grid/sheetmodel.h"

#include <QDate>
#include <optional>

namespace korvell {

// Replaces the sheet's columns and rows by a query's records as they are read: captions (the
// result's names, or the window's own) and column style, then one row per record; Null cells
// stay empty. finish() cuts the sheet after the last record and shades it.
class ResultFill final : public RecordSink {
public:
    ResultFill(platform::SheetModel& sheet, const QueryConfig& config);
    void begin(const QStringList& names, const QList<int>& types) override;
    void record(RecordView& record) override;
    void finish();

private:
    platform::SheetModel& sheet;
    const QueryConfig& config;
    int fields = 0;
    int lastRow = 0;
    std::optional<platform::SheetModel::Batch> batch;
};

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
