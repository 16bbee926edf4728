#include "desktop/reports/querysheet.h"

#include "desktop/data/valuetext.h"

#include <algorithm>

namespace korvell {

namespace {

    constexpr platform::BgrColor white = 0xFFFFFF;
    constexpr int totalsColumns = 5; // column 0 and "总计" with three figures

    QString labelled(const QString& label, const Recordset& totals, int position)
    {
        return label + valueText(totals.value(position));
    }

} // namespace

ResultFill::ResultFill(platform::SheetModel& sheet, const QueryConfig& config)
    : sheet(sheet)
    , config(config)
{
}

void ResultFill::begin(const QStringList& names, const QList<int>& types)
{
    batch.emplace(sheet);
    fields = int(types.size());
    sheet.setRows(1);
    sheet.setCols(1); // drops the previous run's column settings
    sheet.setCols(fields + 1);
    sheet.setColumnWidth(0, 0);
    const ColumnStyle& style = config.style;
    for (int i = 1; i <= fields; ++i) {
        if (const int width = config.widths.value(i - 1, style.width))
            sheet.setColumnWidth(i, width);
        if (style.alignment)
            sheet.setColumnAlignment(i, style.alignment);
        if (style.option)
            sheet.setColumnOption(i, style.option);
        sheet.setCellText(0, i, config.captions.value(i - 1, names[i - 1]));
    }
}

void ResultFill::record(RecordView& record)
{
    // The count is known only at the end: the sheet grows ahead of the records.
    if (++lastRow >= sheet.rows())
        sheet.setRows(std::min(std::max(2 * sheet.rows(), 1024), platform::SheetModel::maxRows));
    for (int i = 0; i < fields; ++i)
        if (const QString text = record.text(i); !text.isEmpty())
            sheet.setCellText(lastRow, i + 1, text);
}

void ResultFill::finish()
{
    if (!batch)
        return; // no result began
    sheet.setRows(lastRow + 1);
    shadeResult(sheet);
    batch.reset();
}

void appendTotals(platform::SheetModel& sheet, const QString& countLabel, Recordset& totals)
{
    const platform::SheetModel::Batch batch(sheet);
    totals.MoveFirst();
    sheet.setCols(std::max(sheet.cols(), totalsColumns));
    const int row = sheet.rows();
    sheet.setRows(row + 1);
    sheet.setCellText(row, 1, QStringLiteral("总计"));
    sheet.setCellText(row, 2, labelled(countLabel, totals, 0));
    sheet.setCellText(row, 3, labelled(QStringLiteral("毛重:"), totals, 1));
    sheet.setCellText(row, 4, labelled(QStringLiteral("净重:"), totals, 2));
}

void shadeResult(platform::SheetModel& sheet)
{
    sheet.setShadingColor2(platform::bgrFromColor(QColor(231, 235, 247)));
    sheet.setShadingColor1(platform::bgrFromColor(QColor(239, 243, 255)));
}

QString printFooter(const QDate& today, const QString& user)
{
    return QStringLiteral("打印日期：") + today.toString(QStringLiteral("yyyy年MM月dd日"))
        + QStringLiteral("         制表人:") + user + QStringLiteral("            第 &P 页 共&N页");
}

void preparePrint(platform::SheetModel& sheet, const QString& title, const QDate& today, const QString& user)
{
    platform::PageSetup& page = sheet.pageSetup();
    page.printCaptionRow = true;
    page.printGridLines = true;
    page.header = title;
    page.footer = printFooter(today, user);
    page.headerAlignment = 1;
    page.footerAlignment = 2;
    sheet.setShadingColor1(white);
    sheet.setShadingColor2(white);
}

} // namespace korvell
