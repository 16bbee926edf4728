#include "desktop/stock/ordersheet.h"

#include <algorithm>

namespace korvell {

namespace {

    constexpr platform::BgrColor white = 0xFFFFFF;
    constexpr int hiddenDataColumns = 2; // the status code and the owner at the grid's end

} // namespace

QString orderSheetFooter(const QDate& printed, const QString& preparer)
{
    return QStringLiteral("打印日期：") + printed.toString(QStringLiteral("yyyy年MM月dd日"))
        + QStringLiteral("         制表人:") + preparer + QStringLiteral("            第 &P 页 共&N页");
}

void buildOrderSheet(platform::SheetModel& sheet, const platform::SheetModel& order,
    const OrderSheetLayout& layout, const QDate& printed, const QString& preparer)
{
    const int cols = std::max(order.cols() - hiddenDataColumns, 1);
    {
        platform::SheetModel::Batch batch(sheet);
        sheet.setRows(0); // nothing of an earlier sheet survives, its totals row least of all
        sheet.setCols(cols);
        sheet.setRows(order.rows() + 1);
        for (const OrderSheetColumn& c : layout.columns) {
            sheet.setColumnWidth(c.col, c.width);
            if (c.alignment != 0)
                sheet.setColumnAlignment(c.col, c.alignment);
        }
        for (int r = 0; r < order.rows(); ++r)
            for (int c = 1; c < cols; ++c)
                sheet.setCellText(r, c, order.cellText(r, c));
        for (const OrderSheetCell& total : layout.totals)
            sheet.setCellText(order.rows(), total.col, total.text);
    }

    platform::PageSetup& page = sheet.pageSetup();
    page.printCaptionRow = true;
    page.headerFont.pointSize = layout.titlePointSize;
    page.printGridLines = true;
    page.header = layout.title;
    page.footer = orderSheetFooter(printed, preparer);
    page.headerAlignment = 1;
    page.footerAlignment = 2;
    page.topMargin = 2.0;
    page.bottomMargin = 1.0;
    sheet.setShadingColor1(white);
    sheet.setShadingColor2(white);
}

} // namespace korvell
