#pragma once
// The printed sheet of a stock order (stock-in, stock-out, return): a copy of the order grid's
// visible columns with a totals row, the page set-up with the sheet's title and the common
// footer, and white shading for paper. Works on sheets only, so it is tested headlessly.
#include "platform/grid/sheetmodel.h"

#include <QDate>
#include <QList>
#include <QString>

namespace korvell {

struct OrderSheetColumn {
    int col = 0;
    int width = 0; // 0 hides the column on paper
    int alignment = 0; // 0: leave the print grid's own
};

struct OrderSheetCell {
    int col = 0;
    QString text;
};

struct OrderSheetLayout {
    QString title; // "产品入库单", "产品出库单", "产品退库单"
    int titlePointSize = 20;
    QList<OrderSheetColumn> columns;
    QList<OrderSheetCell> totals; // the totals row; columns not named stay empty
};

// "打印日期：yyyy年MM月dd日         制表人:<preparer>            第 &P 页 共&N页"
QString orderSheetFooter(const QDate& printed, const QString& preparer);

// Rebuilds sheet from the order grid: its rows (captions included) and the texts of columns 1
// to order.cols() - 3 (the two hidden data columns at the end are left out), then one totals
// row, the layout's widths and alignments, the page set-up and white shading. Building again
// replaces the earlier sheet, totals row included.
void buildOrderSheet(platform::SheetModel& sheet, const platform::SheetModel& order,
    const OrderSheetLayout& layout, const QDate& printed, const QString& preparer);

} // namespace korvell
