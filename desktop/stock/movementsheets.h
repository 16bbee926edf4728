#pragma once
// The printed orders of the stock windows: "产品入库单", "产品出库单" and "产品退库单", their column
// widths and alignments and their totals rows, taken from the order's totals boxes as they stand.
#include "desktop/stock/ordersheet.h"

#include <QStringList>

namespace korvell {

// totals: count, gross, net.
OrderSheetLayout stockInSheetLayout(const QStringList& totals);
// totals: count, gross, net.
OrderSheetLayout stockOutSheetLayout(const QStringList& totals);
// totals: count, net.
OrderSheetLayout returnSheetLayout(const QStringList& totals);

} // namespace korvell
