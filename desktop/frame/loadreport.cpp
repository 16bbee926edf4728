#include "desktop/frame/loadreport.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "platform/grid/sheetfile.h"

#include <optional>
#include <vector>

namespace korvell {

namespace {

    struct Binding {
        QString column; // table_name: a column of the report query's record
        int row = 0;
        int col = 0;
    };

    // A binding that names a column the query lacks: the report cannot be filled as designed.
    ReportFill missingColumn(const QString& column)
    {
        ShowToast("报表数据查询结果中没有字段 " + column, "请检查该报表的设置", ToastRed);
        return ReportFill::Failed;
    }

} // namespace

QString reportCellText(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return dayText(value.toDate());
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return dayText(moment.date()) + moment.time().toString(" HH:mm:ss");
    }
    default:
        return value.toString();
    }
}

QString reportTemplatePath(const QString& reportName)
{
    QString folder = loginState().myapppath;
    if (!folder.endsWith('/'))
        folder += '/';
    return folder + "reportmodel/" + reportName + ".cel";
}

ReportFill LoadReport(platform::SheetModel& grid, const QString& reportName)
{
    if (grid.cellText(1, 1).isEmpty())
        return ReportFill::NotFilled;

    if (!platform::loadSheetFile(reportTemplatePath(reportName), grid)) {
        ShowToast("该报表不存在", "请检查该报表相应的模板", ToastRed);
        return ReportFill::TemplateMissing;
    }

    const SqlResult definition
        = ExecSQL("select reportsql from c_reportname where reportname=?", { reportName });
    if (!definition)
        return ReportFill::Failed;
    if (definition.rs->eof())
        return ReportFill::NotFilled;
    const QString reportSql = definition.rs->field("reportsql").text();
    if (reportSql.trimmed().isEmpty()) {
        ShowToast("没有定义该报表数据查询语句", "", ToastRed);
        return ReportFill::NoQuery;
    }
    // A stored text runs as one query where it cannot write; anything else is refused with a toast.
    const SqlResult data = ExecReadOnlySQL(reportSql);
    if (!data)
        return ReportFill::Failed;
    Recordset& records = *data.rs;

    // The bindings, read once: single cells, and the band's columns and first row (the last
    // band binding read sets it; a repeat value other than 0 and 1 sets it and writes nothing).
    const SqlResult setup = ExecSQL("select * from c_report_setup where reportname=?", { reportName });
    if (!setup)
        return ReportFill::Failed;
    std::vector<Binding> singles, band;
    std::optional<int> bandRow;
    for (Recordset& rows = *setup.rs; !rows.eof(); rows.MoveNext()) {
        const Binding b { rows.field("table_name").text(), rows.field("row_num").value.toInt(),
            rows.field("col_num").value.toInt() };
        const int repeat = rows.field("repeatnum").value.toInt();
        if (repeat == 0) {
            singles.push_back(b);
            continue;
        }
        bandRow = b.row;
        if (repeat == 1)
            band.push_back(b);
    }

    platform::SheetModel::Batch batch(grid);
    const int count = records.RecordCount();
    if (count > 0) {
        records.MoveFirst();
        for (const Binding& b : singles) {
            if (!records.hasField(b.column))
                return missingColumn(b.column);
            grid.setCellText(b.row, b.col, reportCellText(records.value(b.column)));
        }
    }
    // The sheet ends one row after the band; an empty result keeps the rows down to the band,
    // and a report without a band keeps the template's rows with the single cells just written.
    if (bandRow)
        grid.setRows(*bandRow + count + 1);

    int row = bandRow.value_or(0);
    for (records.MoveFirst(); !records.eof(); records.MoveNext(), ++row) {
        for (const Binding& b : band) {
            if (!records.hasField(b.column))
                return missingColumn(b.column);
            const QVariant value = records.value(b.column);
            if (!value.isNull())
                grid.setCellText(row, b.col, reportCellText(value));
        }
    }
    return ReportFill::Filled;
}

} // namespace korvell
