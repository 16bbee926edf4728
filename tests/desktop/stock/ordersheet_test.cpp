// The printed order sheet: copy of the order grid, totals row, page set-up and footer.
#include "desktop/stock/ordersheet.h"

#include <gtest/gtest.h>

using namespace korvell;
using platform::SheetModel;

namespace {

const OrderSheetLayout layout { "产品入库单", 20, { { 1, 120, 0 }, { 4, 50, 14 }, { 6, 0, 0 } },
    { { 1, "合  计: " }, { 2, "总12" }, { 4, "300" }, { 5, "288" } } };

// An order grid of 13 columns: captions, then items whose cells name their place.
void fillOrder(SheetModel& order, int items)
{
    order.setCols(13);
    order.setRows(items + 1);
    for (int c = 1; c < 13; ++c)
        order.setCellText(0, c, QString("caption%1").arg(c));
    for (int r = 1; r <= items; ++r) {
        for (int c = 1; c < 13; ++c)
            order.setCellText(r, c, QString("r%1c%2").arg(r).arg(c));
        order.setCellTextColor(r, 6, 0x0000FF);
    }
    order.setShadingColor1(0xFFF3EF);
}

} // namespace

TEST(OrderSheet, CopiesVisibleColumnsAndAppendsTotals)
{
    for (const int items : { 0, 12 }) {
        SCOPED_TRACE(items);
        SheetModel order, sheet;
        fillOrder(order, items);
        buildOrderSheet(sheet, order, layout, QDate(2026, 12, 9), "张三");
        ASSERT_EQ(sheet.rows(), items + 2);
        EXPECT_EQ(sheet.cols(), 11);
        EXPECT_EQ(sheet.cellText(0, 10), "caption10");
        for (int r = 1; r <= items; ++r) {
            EXPECT_EQ(sheet.cellText(r, 1), QString("r%1c1").arg(r));
            EXPECT_EQ(sheet.cellText(r, 10), QString("r%1c10").arg(r));
            EXPECT_FALSE(sheet.cellFormat(r, 6).textColor); // texts only, not colours
        }
        const int totals = items + 1;
        const QStringList expected { "", "合  计: ", "总12", "", "300", "288", "", "", "", "", "" };
        for (int c = 0; c < 11; ++c)
            EXPECT_EQ(sheet.cellText(totals, c), expected[c]) << c;
    }
}

// Built twice for one order the sheet keeps one totals row (see the movement sheets); a smaller
// order afterwards leaves nothing of the larger one behind.
TEST(OrderSheet, BuildingAgainLeavesNothingOfTheLastOrder)
{
    SheetModel order, sheet;
    fillOrder(order, 12);
    buildOrderSheet(sheet, order, layout, QDate(2026, 12, 9), "张三");
    fillOrder(order, 1);
    order.setRows(2);
    buildOrderSheet(sheet, order, layout, QDate(2026, 12, 9), "张三");
    EXPECT_EQ(sheet.rows(), 3);
    EXPECT_EQ(sheet.cellText(2, 1), "合  计: ");
    EXPECT_EQ(sheet.cellText(2, 7), "");
}

TEST(OrderSheet, LayoutPageSetUpAndWhiteShading)
{
    SheetModel order, sheet;
    fillOrder(order, 3);
    buildOrderSheet(sheet, order, layout, QDate(2007, 3, 5), "张三");
    EXPECT_EQ(sheet.columnWidth(1), 120);
    EXPECT_EQ(sheet.columnWidth(4), 50);
    EXPECT_EQ(sheet.column(4).alignment, 14);
    EXPECT_EQ(sheet.columnWidth(6), 0);
    EXPECT_EQ(sheet.shadingColor1(), 0xFFFFFFu);
    EXPECT_EQ(sheet.shadingColor2(), 0xFFFFFFu);
    const platform::PageSetup& p = sheet.pageSetup();
    EXPECT_EQ(p.header, "产品入库单");
    EXPECT_EQ(p.headerFont.pointSize, 20);
    EXPECT_EQ(p.headerAlignment, 1);
    EXPECT_EQ(p.footerAlignment, 2);
    EXPECT_TRUE(p.printCaptionRow);
    EXPECT_TRUE(p.printGridLines);
    EXPECT_EQ(p.topMargin, 2.0);
    EXPECT_EQ(p.bottomMargin, 1.0);
    EXPECT_EQ(p.footer, "打印日期：2007年03月05日         制表人:张三            第 &P 页 共&N页");
}
