#pragma once
// LoadReport: fills a sheet from a report's template file (reportmodel/<name>.cel in the program
// folder) and its definition (c_reportname.reportsql, the cell bindings of c_report_setup):
// single cells from the query's first record, a band of rows with one record each.
#include "platform/grid/sheetmodel.h"

#include <QString>
#include <QVariant>

namespace korvell {

enum class ReportFill {
    Filled,
    NotFilled, // cell (1, 1) was empty, or the report has no definition
    Failed, // a failure stopped the filling; its toast has said why
    TemplateMissing, // the template could not be loaded: "该报表不存在"
    NoQuery, // the report has no data query: "没有定义该报表数据查询语句"
};

ReportFill LoadReport(platform::SheetModel& grid, const QString& reportName);

// A value as a report sheet shows it; dates as the windows' day texts.
QString reportCellText(const QVariant& value);

// The template file of a report: reportmodel/<name>.cel in the program folder.
QString reportTemplatePath(const QString& reportName);

} // namespace korvell
