#include "desktop/reports/querysheet.h"

#include "desktop/data/execsql.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace korvell {

namespace {

    constexpr platform::BgrColor white = 0xFFFFFF;
    constexpr int totalsColumns = 5; // column 0 and "总计" with three figures

    // "hh:mm:ss" by hand (empty for an invalid time): QTime::toString parses its format per cell.
    QString clockText(const QTime& time)
    {
        if (!time.isValid())
            return {};
        char text[] = "00:00:00";
        const int parts[] = { time.hour(), time.minute(), time.second() };
        for (int i = 0; i < 3; ++i) {
            text[3 * i] = char('0' + parts[i] / 10);
            text[3 * i + 1] = char('0' + parts[i] % 10);
        }
        return QString::fromLatin1(text, 8);
    }

    // Whole numbers below 1e15 print as integers (as 'g' with 15 digits prints them) without
    // the general, much slower, digit generation.
    QString numberText(double number)
    {
        if (std::abs(number) < 1e15 && std::trunc(number) == number)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15);
    }

    QString labelled(const QString& label, const Recordset& totals, int position)
    {
        return label + cellText(totals.value(position));
    }

} // namespace

QString cellText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return dayText(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return dayText(moment.date()) + ' ' + clockText(moment.time());
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return numberText(value.toDouble());
    default:
        return value.toString();
    }
}

void fillResult(platform::SheetModel& sheet, Recordset& rs, const QueryConfig& config)
{
    const platform::SheetModel::Batch batch(sheet);
    const int fields = rs.fieldCount();
    sheet.setRows(1);
    sheet.setCols(1); // drops the previous run's column settings
    sheet.setCols(fields + 1);
    sheet.setRows(rs.RecordCount() + 1);
    sheet.setColumnWidth(0, 0);
    const ColumnStyle& style = config.style;
    for (int i = 1; i <= fields; ++i) {
        if (const int width = config.widths.value(i - 1, style.width))
            sheet.setColumnWidth(i, width);
        if (style.alignment)
            sheet.setColumnAlignment(i, style.alignment);
        if (style.option)
            sheet.setColumnOption(i, style.option);
        sheet.setCellText(0, i, config.captions.value(i - 1, rs.field(i - 1).name));
    }
    rs.MoveFirst();
    for (int row = 1; !rs.eof(); ++row, rs.MoveNext())
        for (int i = 0; i < fields; ++i)
            if (const QVariant value = rs.value(i); !value.isNull())
                sheet.setCellText(row, i + 1, cellText(value));
    shadeResult(sheet);
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
