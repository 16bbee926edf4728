#include "desktop/reports/reportcatalogue.h"

#include "desktop/data/toast.h"
#include "desktop/data/transaction.h"
#include "desktop/frame/loadreport.h"

#include <QSet>

namespace korvell {

namespace {

    constexpr int fieldNameWidth = 15;
    const QString catalogueSaved = QStringLiteral("报表字段定义数据已经保存！");
    const QString catalogueNotSaved = QStringLiteral("报表定义没有保存");

    bool blank(const QString& text)
    {
        return text.trimmed().isEmpty();
    }

    // Why rows cannot be stored, or an empty text when they can.
    QString catalogueProblem(const std::vector<ReportDefinition>& rows)
    {
        QSet<QString> codes;
        for (size_t i = 0; i < rows.size(); ++i) {
            const ReportDefinition& r = rows[i];
            const int gridRow = int(i) + 1;
            const bool incomplete = blank(r.reportname) || blank(r.reportchname) || blank(r.tablename);
            if (incomplete && blank(r.reportname) && blank(r.reportchname) && blank(r.tablename)
                && blank(r.reportsql))
                continue;
            if (incomplete)
                return QStringLiteral("第%1行的报表代号、报表名称、数据表名不能为空").arg(gridRow);
            if (codes.contains(r.reportname))
                return QStringLiteral("报表代号%1重复").arg(r.reportname);
            codes.insert(r.reportname);
            if (!blank(r.reportsql) && !isQueryText(r.reportsql))
                return QStringLiteral("第%1行的语句不是查询语句").arg(gridRow);
        }
        return {};
    }

} // namespace

void refuseWithoutReport()
{
    ShowToast(QStringLiteral("请先选择报表"), QString(), ToastRed);
}

void refuseUnreadSave()
{
    ShowToast(QStringLiteral("数据没有读出，不能保存！"),
        QStringLiteral("请检查网络或数据库服务器，然后重新打开本窗口"), ToastRed);
}

std::optional<std::vector<ReportDefinition>> readCatalogue()
{
    const SqlResult result = ExecSQL(QStringLiteral("select * from c_reportname"));
    if (!result)
        return std::nullopt;
    std::vector<ReportDefinition> reports;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext())
        reports.push_back({ rs.field(0).text(), rs.field(1).text(), rs.field(2).text(), rs.field(3).text() });
    return reports;
}

std::optional<ReportDefinition> findReportByDisplayName(const QString& displayName)
{
    const SqlResult result = ExecSQL(
        QStringLiteral("select tablename,reportname,reportsql from c_reportname where reportchname=?"),
        { displayName });
    if (!result || result.rs->eof())
        return std::nullopt;
    const Recordset& rs = *result.rs;
    return ReportDefinition { rs.field("reportname").text(), displayName, rs.field("tablename").text(),
        rs.field("reportsql").text() };
}

bool saveCatalogue(const std::vector<ReportDefinition>& rows)
{
    if (const QString problem = catalogueProblem(rows); !problem.isEmpty()) {
        ShowToast(problem, catalogueNotSaved, ToastRed);
        return false;
    }
    // Nor is a query stored that the read-only run would refuse at the print.
    for (size_t i = 0; i < rows.size(); ++i) {
        if (!blank(rows[i].reportsql)
            && !checkReadOnlySQL(rows[i].reportsql, QStringLiteral("第%1行的语句不是查询语句").arg(i + 1)))
            return false;
    }
    Transaction transaction;
    if (!transaction.active() || !ExecSQL(QStringLiteral("delete from c_reportname")))
        return false;
    for (const ReportDefinition& r : rows) {
        if (blank(r.reportname))
            continue;
        // An empty query is stored as an empty text, not as Null.
        const QString sql = r.reportsql.isNull() ? QString::fromLatin1("") : r.reportsql;
        if (!ExecSQL(QStringLiteral("insert into c_reportname (reportname,reportchname,tablename,reportsql) "
                                    "values (?,?,?,?)"),
                { r.reportname, r.reportchname, r.tablename, sql }))
            return false;
    }
    if (!transaction.commit())
        return false;
    ShowToast(catalogueSaved, QString(), ToastRed);
    return true;
}

bool saveReportQuery(const QString& reportName, const QString& sql)
{
    if (reportName.isEmpty()) {
        refuseWithoutReport();
        return false;
    }
    const QString refusal = QStringLiteral("只能保存查询语句");
    if (!isQueryText(sql)) {
        ShowToast(refusal, queryOnlyHint, ToastRed);
        return false;
    }
    // What the read-only run would refuse at every print is not stored.
    if (!checkReadOnlySQL(sql, refusal))
        return false;
    if (!ExecSQL(
            QStringLiteral("update c_reportname set reportsql=? where reportname=?"), { sql, reportName }))
        return false;
    ShowToast(QStringLiteral("SQL语句成功保存"), QString(), ToastRed);
    return true;
}

SqlResult runReportQuery(const QString& sql)
{
    if (!isQueryText(sql)) {
        ShowToast(QStringLiteral("只能执行查询语句"), queryOnlyHint, ToastRed);
        return {};
    }
    return ExecReadOnlySQL(sql);
}

void fillSheetWithRecords(platform::SheetModel& sheet, Recordset& records)
{
    platform::SheetModel::Batch batch(sheet);
    sheet.setRows(1);
    sheet.setRows(records.RecordCount() + 1);
    sheet.setCols(records.fieldCount() + 1);
    int row = 1;
    for (records.MoveFirst(); !records.eof(); records.MoveNext(), ++row) {
        for (int i = 0; i < records.fieldCount(); ++i) {
            const QVariant value = records.value(i);
            if (!value.isNull())
                sheet.setCellText(row, i + 1, reportCellText(value));
        }
    }
}

void setUpCatalogueGrid(platform::SheetModel& grid)
{
    grid.setCols(5);
    grid.setRows(catalogueGridMinimumRows);
    grid.setCellText(0, 1, QStringLiteral("报表代号"));
    grid.setCellText(0, 2, QStringLiteral("报表名称"));
    grid.setCellText(0, 3, QStringLiteral("数据表名"));
    grid.setColumnWidth(2, 120);
    grid.setColumnWidth(3, 100);
    grid.setColumnWidth(4, 600);
}

void fillCatalogueGrid(platform::SheetModel& grid, const std::vector<ReportDefinition>& reports)
{
    platform::SheetModel::Batch batch(grid);
    grid.setRows(1);
    grid.setRows(std::max(catalogueGridMinimumRows, int(reports.size()) + 2));
    int row = 1;
    for (const ReportDefinition& r : reports) {
        grid.setCellText(row, 1, r.reportname);
        grid.setCellText(row, 2, r.reportchname);
        grid.setCellText(row, 3, r.tablename);
        grid.setCellText(row, 4, r.reportsql);
        ++row;
    }
}

std::vector<ReportDefinition> catalogueGridRows(const platform::SheetModel& grid)
{
    std::vector<ReportDefinition> rows;
    for (int row = 1; row < grid.rows(); ++row)
        rows.push_back(
            { grid.cellText(row, 1), grid.cellText(row, 2), grid.cellText(row, 3), grid.cellText(row, 4) });
    return rows;
}

void keepBlankCatalogueRow(platform::SheetModel& grid)
{
    const int last = grid.rows() - 1;
    for (int col = 1; col <= 4; ++col) {
        if (!grid.cellText(last, col).isEmpty()) {
            grid.setRows(grid.rows() + 1);
            return;
        }
    }
}

void setCatalogueQuery(platform::SheetModel& grid, const QString& reportName, const QString& sql)
{
    for (int row = 1; row < grid.rows(); ++row)
        if (grid.cellText(row, 1) == reportName)
            grid.setCellText(row, 4, sql);
}

std::optional<std::vector<FieldEntry>> readFields(const QString& tableName)
{
    const SqlResult result
        = ExecSQL(QStringLiteral("select * from c_fieldname where tablename=?"), { tableName });
    if (!result)
        return std::nullopt;
    std::vector<FieldEntry> fields;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext())
        fields.push_back({ rs.field("fieldname").text(), rs.field("fieldchname").text() });
    return fields;
}

QString fieldListItem(const FieldEntry& field)
{
    return field.name.leftJustified(fieldNameWidth, ' ') + '|' + field.caption;
}

FieldEntry fieldOfListItem(const QString& item)
{
    // Names never hold "|": the first one ends the name, also past 15 characters.
    const qsizetype bar = item.indexOf('|');
    if (bar < 0)
        return { item.trimmed(), QString() };
    return { item.left(bar).trimmed(), item.mid(bar + 1).trimmed() };
}

} // namespace korvell
