#include "desktop/reports/reportbindings.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"
#include "desktop/data/transaction.h"
#include "desktop/reports/reportcatalogue.h"

namespace korvell {

namespace {

    enum Column { ItemColumn = 1, CaptionColumn, RowColumn, ColColumn, RepeatColumn, ColumnCount = 7 };

    std::optional<int> wholeNumber(const QString& text)
    {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok && value >= 0 ? std::optional<int>(value) : std::nullopt;
    }

    // The first complete row whose numbers are not whole numbers (grid row), else 0.
    int rowWithBadNumber(const std::vector<BindingRow>& rows)
    {
        for (size_t i = 0; i < rows.size(); ++i) {
            const BindingRow& r = rows[i];
            if (r.complete() && (!wholeNumber(r.row) || !wholeNumber(r.col) || !wholeNumber(r.repeat)))
                return int(i) + 1;
        }
        return 0;
    }

    void writeRow(platform::SheetModel& grid, int row, const BindingRow& b)
    {
        grid.setCellText(row, ItemColumn, b.tableName);
        grid.setCellText(row, CaptionColumn, b.fieldName);
        grid.setCellText(row, RowColumn, b.row);
        grid.setCellText(row, ColColumn, b.col);
        grid.setCellText(row, RepeatColumn, b.repeat);
    }

} // namespace

bool BindingRow::complete() const
{
    for (const QString* text : { &tableName, &fieldName, &row, &col, &repeat }) {
        if (text->trimmed().isEmpty())
            return false;
    }
    return true;
}

std::optional<std::vector<BindingRow>> readBindings(const QString& reportName)
{
    const SqlResult result = ExecSQL(QStringLiteral("select reportname,table_name,field_name,row_num,col_num,"
                                                    "repeatnum from c_report_setup where reportname=?"),
        { reportName });
    if (!result)
        return std::nullopt;
    std::vector<BindingRow> rows;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext())
        rows.push_back({ rs.field(1).text(), rs.field(2).text(), rs.field(3).text(), rs.field(4).text(),
            rs.field(5).text() });
    return rows;
}

bool saveBindings(const QString& reportName, const std::vector<BindingRow>& rows)
{
    if (reportName.isEmpty()) {
        refuseWithoutReport();
        return false;
    }
    if (rows.empty() || !rows.front().complete())
        return false;
    if (const int bad = rowWithBadNumber(rows)) {
        ShowToast(QStringLiteral("第%1行的行号、列号、重复必须是整数").arg(bad),
            QStringLiteral("报表字段定义没有保存"), ToastRed);
        return false;
    }
    Transaction transaction;
    if (!transaction.active()
        || !ExecSQL(QStringLiteral("delete from c_report_setup where reportname=?"), { reportName }))
        return false;
    for (const BindingRow& r : rows) {
        if (!r.complete())
            continue;
        if (!ExecSQL(
                QStringLiteral("insert into c_report_setup (reportname,table_name,field_name,row_num,col_num,"
                               "repeatnum) values (?,?,?,?,?,?)"),
                { reportName, r.tableName, r.fieldName, *wholeNumber(r.row), *wholeNumber(r.col),
                    *wholeNumber(r.repeat) }))
            return false;
    }
    if (!transaction.commit())
        return false;
    ShowToast(QStringLiteral("报表字段定义数据已经保存！"), QString(), ToastRed);
    return true;
}

void setUpBindingGrid(platform::SheetModel& grid)
{
    grid.setColumnLocked(ItemColumn, true);
    grid.setColumnLocked(CaptionColumn, true);
    grid.setCols(ColumnCount);
    grid.setRows(bindingGridMinimumRows);
    for (int col : { RowColumn, ColColumn, RepeatColumn })
        grid.setColumnWidth(col, 40);
    grid.setColumnWidth(ItemColumn, 90);
    grid.setColumnWidth(CaptionColumn, 90);
    grid.setColumnWidth(ColumnCount - 1, 0); // carries nothing
    const char* captions[] = { "项目", "字段名称", "行号", "列号", "重复" };
    for (int col = ItemColumn; col <= RepeatColumn; ++col)
        grid.setCellText(0, col, QString::fromUtf8(captions[col - ItemColumn]));
}

void fillBindingGrid(platform::SheetModel& grid, const std::vector<BindingRow>& bindings)
{
    platform::SheetModel::Batch batch(grid);
    grid.setRows(1);
    grid.setRows(std::max(bindingGridMinimumRows, int(bindings.size()) + 1));
    int row = 1;
    for (const BindingRow& b : bindings)
        writeRow(grid, row++, b);
}

std::vector<BindingRow> bindingGridRows(const platform::SheetModel& grid)
{
    std::vector<BindingRow> rows;
    for (int row = 1; row < grid.rows(); ++row)
        rows.push_back({ grid.cellText(row, ItemColumn), grid.cellText(row, CaptionColumn),
            grid.cellText(row, RowColumn), grid.cellText(row, ColColumn), grid.cellText(row, RepeatColumn) });
    return rows;
}

void pickField(platform::SheetModel& grid, const QString& name, const QString& caption)
{
    int row = 1;
    while (row < grid.rows() && !grid.cellText(row, ItemColumn).isEmpty())
        ++row;
    if (row == grid.rows())
        grid.setRows(row + 1);
    grid.setCellText(row, ItemColumn, name);
    grid.setCellText(row, CaptionColumn, caption);
}

void removeFieldRows(platform::SheetModel& grid, const QString& name)
{
    platform::SheetModel::Batch batch(grid);
    for (int row = grid.rows() - 1; row >= 1; --row) {
        if (grid.cellText(row, ItemColumn) == name && !grid.cellText(row, CaptionColumn).isEmpty()) {
            grid.removeRow(row);
            grid.setRows(grid.rows() + 1);
        }
    }
}

bool deleteBindingRow(platform::SheetModel& grid, int row)
{
    if (row < 1 || row >= grid.rows())
        return false;
    grid.removeRow(row);
    return true;
}

void placeBinding(platform::SheetModel& grid, int bindingRow, int sheetRow, int sheetCol)
{
    if (bindingRow < 1 || bindingRow >= grid.rows())
        return;
    grid.setCellText(bindingRow, RowColumn, QString::number(sheetRow));
    grid.setCellText(bindingRow, ColColumn, QString::number(sheetCol));
}

} // namespace korvell
