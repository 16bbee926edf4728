// The stock-out and return notes: their totals rows and column layouts.
#include "desktop/stock/movementsheets.h"

#include <gtest/gtest.h>

using namespace korvell;
using platform::SheetModel;

namespace {

void fillOrder(SheetModel& grid, int items)
{
    grid.setCols(13);
    grid.setRows(items + 1);
    for (int r = 1; r <= items; ++r)
        grid.setCellText(r, 1, QString("20%1").arg(r));
}

QStringList totalsRow(const SheetModel& sheet)
{
    QStringList cells;
    for (int c = 1; c <= 5; ++c)
        cells << sheet.cellText(sheet.rows() - 1, c);
    return cells;
}

} // namespace

TEST(MovementSheets, TotalsRowsAndLayouts)
{
    const struct {
        const char* name;
        OrderSheetLayout layout;
        int items;
        QStringList totals;
        QList<int> widths; // columns 1 to 8
        int netAlignment, column4Alignment;
    } cases[] {
        { "empty stock-out", stockOutSheetLayout({ "0", "0", "0" }), 0,
            { "合  计: ", "总数：0", "", "0", "0" }, { 120, 60, 60, 60, 60, 0, 60, 80 }, 14, 14 },
        { "stock-out of 12", stockOutSheetLayout({ "12", "150", "144" }), 12,
            { "合  计: ", "总数：12", "", "150", "144" }, { 120, 60, 60, 60, 60, 0, 60, 80 }, 14, 14 },
        { "empty return", returnSheetLayout({ "0", "0" }), 0, { "合  计: ", "总0", "", "", "0" },
            { 120, 50, 50, 100, 80, 0, 60, 60 }, 14, 0 },
        { "return of 12", returnSheetLayout({ "12", "38" }), 12, { "合  计: ", "总12", "", "", "38" },
            { 120, 50, 50, 100, 80, 0, 60, 60 }, 14, 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SheetModel sheet, grid;
        fillOrder(grid, c.items);
        buildOrderSheet(sheet, grid, c.layout, QDate(2007, 3, 5), "张三");
        buildOrderSheet(sheet, grid, c.layout, QDate(2007, 3, 5), "张三"); // printed twice
        EXPECT_EQ(sheet.rows(), c.items + 2);
        EXPECT_EQ(totalsRow(sheet), c.totals);
        for (int col = 1; col <= 8; ++col)
            EXPECT_EQ(sheet.columnWidth(col), c.widths[col - 1]) << col;
        EXPECT_EQ(sheet.columnWidth(10), 100);
        EXPECT_EQ(sheet.column(5).alignment, c.netAlignment);
        EXPECT_EQ(sheet.column(4).alignment == 14, c.column4Alignment == 14);
    }
    EXPECT_EQ(stockOutSheetLayout({}).title, "产品出库单");
    EXPECT_EQ(returnSheetLayout({}).title, "产品退库单");
}
