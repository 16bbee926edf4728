#include "platform/grid/xlsxexport.h"

#include <QFile>
#include <cstdio>
#include <xlsxwriter.h>

namespace platform {

namespace {

    // A plain decimal a spreadsheet keeps exactly and shows as written: no leading zero, at most
    // 11 integer digits (longer numbers are order and serial numbers, which a spreadsheet would
    // show in exponent form or round) and at most 15 significant digits.
    bool isPlainNumber(const QString& text)
    {
        qsizetype i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        const qsizetype intStart = i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
            ++i;
        const qsizetype intDigits = i - intStart;
        if (intDigits == 0 || intDigits > 11 || (intDigits > 1 && text[intStart] == QLatin1Char('0')))
            return false;
        qsizetype fraction = 0;
        if (i < text.size() && text[i] == QLatin1Char('.')) {
            const qsizetype start = ++i;
            while (i < text.size() && text[i].isDigit() && text[i].unicode() < 0x80)
                ++i;
            fraction = i - start;
            if (fraction == 0)
                return false;
        }
        if (i != text.size())
            return false;
        const qsizetype significant = (text[intStart] == QLatin1Char('0') ? 0 : intDigits) + fraction;
        return significant <= 15;
    }

    struct Workbook {
        lxw_workbook* book = nullptr;
        ~Workbook()
        {
            if (book)
                workbook_close(book);
        }
    };

} // namespace

bool exportXlsx(const SheetModel& sheet, const QString& path)
{
    if (path.isEmpty())
        return false;
    std::vector<int> columns; // shown columns only
    for (int c = 0; c < sheet.cols(); ++c)
        if (sheet.columnWidth(c) > 0)
            columns.push_back(c);

    // The query windows put the captions into row 1 as well before exporting; they are written once.
    auto sameAsCaptions = [&](int row) {
        bool any = false;
        for (int c : columns) {
            const QString t = sheet.cellText(row, c);
            if (t != sheet.cellText(0, c))
                return false;
            any = any || !t.isEmpty();
        }
        return any;
    };
    const int firstData = sheet.rows() > 1 && sameAsCaptions(1) ? 2 : 1;

    // Written beside the target and moved over it when complete, so a failed export leaves an
    // existing file as it was.
    const QByteArray file = QFile::encodeName(path + QStringLiteral(".part"));
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    Workbook wb;
    wb.book = workbook_new_opt(file.constData(), &options);
    if (!wb.book)
        return false;
    lxw_worksheet* ws = workbook_add_worksheet(wb.book, nullptr);
    lxw_format* caption = workbook_add_format(wb.book);
    format_set_bold(caption);
    if (!ws || !caption)
        return false;
    for (std::size_t i = 0; i < columns.size(); ++i)
        worksheet_set_column(
            ws, lxw_col_t(i), lxw_col_t(i), std::max(sheet.columnWidth(columns[i]) / 7.0, 2.0), nullptr);

    bool ok = true; // a sheet beyond the spreadsheet's row limit fails here
    auto writeRow = [&](int row, lxw_row_t target, lxw_format* format) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString text = sheet.cellText(row, columns[i]);
            if (text.isEmpty())
                continue;
            const lxw_error e = format == nullptr && isPlainNumber(text)
                ? worksheet_write_number(ws, target, lxw_col_t(i), text.toDouble(), nullptr)
                : worksheet_write_string(ws, target, lxw_col_t(i), text.toUtf8().constData(), format);
            ok = ok && e == LXW_NO_ERROR;
        }
    };
    writeRow(0, 0, caption);
    // Blank rows of a sparse sheet are skipped in the walk but keep their place in the file.
    for (int row : sheet.populatedRows())
        if (row >= firstData && ok)
            writeRow(row, lxw_row_t(row - firstData + 1), nullptr);
    const lxw_error closed = workbook_close(wb.book);
    wb.book = nullptr;
    if (!ok || closed != LXW_NO_ERROR) {
        QFile::remove(QFile::decodeName(file));
        return false;
    }
    return std::rename(file.constData(), QFile::encodeName(path).constData()) == 0;
}

} // namespace platform
