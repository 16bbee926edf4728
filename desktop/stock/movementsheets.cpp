#include "desktop/stock/movementsheets.h"

namespace korvell {

namespace {
    constexpr int rightCentred = 14;
    constexpr int sheetTitleSize = 24;
    // The order number's column, wide enough for all 13 characters on paper.
    constexpr OrderSheetColumn orderNumberColumn { 10, 100 };
} // namespace

OrderSheetLayout stockInSheetLayout(const QStringList& totals)
{
    OrderSheetLayout layout;
    layout.title = "产品入库单";
    layout.titlePointSize = 20;
    // The status, day, auditor and order columns are as wide as their texts, so paper cuts none.
    layout.columns = { { 1, 120 }, { 2, 50 }, { 3, 50 }, { 4, 50, rightCentred }, { 5, 50, rightCentred },
        { 6, 80 }, { 7, 70 }, { 8, 50 }, { 9, 60 }, { 10, 110 } };
    layout.totals = { { 1, "合  计: " }, { 2, "总" + totals.value(0) }, { 4, totals.value(1) },
        { 5, totals.value(2) } };
    return layout;
}

OrderSheetLayout stockOutSheetLayout(const QStringList& totals)
{
    OrderSheetLayout layout;
    layout.title = "产品出库单";
    layout.titlePointSize = sheetTitleSize;
    layout.columns = { { 1, 120 }, { 2, 60 }, { 3, 60 }, { 4, 60, rightCentred }, { 5, 60, rightCentred },
        { 6, 0 }, { 7, 60 }, { 8, 80 }, orderNumberColumn };
    layout.totals = { { 1, "合  计: " }, { 2, "总数：" + totals.value(0) }, { 4, totals.value(1) },
        { 5, totals.value(2) } };
    return layout;
}

OrderSheetLayout returnSheetLayout(const QStringList& totals)
{
    OrderSheetLayout layout;
    layout.title = "产品退库单";
    layout.titlePointSize = sheetTitleSize;
    layout.columns = { { 1, 120 }, { 2, 50 }, { 3, 50 }, { 4, 100 }, { 5, 80, rightCentred }, { 6, 0 },
        { 7, 60 }, { 8, 60 }, orderNumberColumn };
    layout.totals = { { 1, "合  计: " }, { 2, "总" + totals.value(0) }, { 5, totals.value(1) } };
    return layout;
}

} // namespace korvell
