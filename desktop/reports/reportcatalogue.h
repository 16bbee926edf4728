#pragma once
// The report catalogue (c_reportname) as the report designer keeps it: reading, finding a report
// by its display name, rewriting the catalogue and a report's data query, the catalogue grid, and
// the field dictionary (c_fieldname) the field list offers.
#include "desktop/data/execsql.h"
#include "desktop/reports/querytext.h"
#include "platform/grid/sheetmodel.h"

#include <QString>
#include <optional>
#include <vector>

namespace korvell {

struct ReportDefinition {
    QString reportname; // the code: bindings, query and template file are found by it
    QString reportchname; // the display name
    QString tablename; // the c_fieldname table the field list offers
    QString reportsql; // the data query; may be empty
    bool operator==(const ReportDefinition&) const = default;
};

// Every report as the database returns them; nullopt when the read failed (toast shown).
std::optional<std::vector<ReportDefinition>> readCatalogue();
// The first report of that display name; nullopt when there is none.
std::optional<ReportDefinition> findReportByDisplayName(const QString& displayName);

// Rewrites the whole catalogue from rows in one transaction. Blank rows are skipped; a row that
// lacks its code, display name or table name, a repeated code, or a query that is not a query
// (isQueryText) or that the read-only run would refuse (checkReadOnlySQL) refuses the save with a
// toast, and nothing stored changes. True when stored.
bool saveCatalogue(const std::vector<ReportDefinition>& rows);

// Stores sql as the data query of the report with code reportName ("SQL语句成功保存").
// Refused with a toast when no report is chosen, sql is not a query, or the read-only run would
// refuse it ("只能保存查询语句" and why, or the database's words).
[[nodiscard]] bool saveReportQuery(const QString& reportName, const QString& sql);

// Runs a report query where nothing can be written; a text that is no query (isQueryText) gets
// the toast "只能执行查询语句" and a failed result.
SqlResult runReportQuery(const QString& sql);

// "检查": the records into rows 1.. and columns 1.., one row per record; Null cells are left
// untouched and row 0 keeps what it held.
void fillSheetWithRecords(platform::SheetModel& sheet, Recordset& records);

// The catalogue grid: captions in row 0, one report per row in columns 1 to 4, and always at
// least one blank row at the end for a new report (never fewer than 30 rows).
inline constexpr int catalogueGridMinimumRows = 30;
void setUpCatalogueGrid(platform::SheetModel& grid);
void fillCatalogueGrid(platform::SheetModel& grid, const std::vector<ReportDefinition>& reports);
std::vector<ReportDefinition> catalogueGridRows(const platform::SheetModel& grid);
// Adds a blank row when the last one has taken text.
void keepBlankCatalogueRow(platform::SheetModel& grid);
// Puts a saved query into its report's row, so that a later rewrite of the catalogue from the
// grid keeps it.
void setCatalogueQuery(platform::SheetModel& grid, const QString& reportName, const QString& sql);

// The field dictionary of a table, in the database's order.
struct FieldEntry {
    QString name;
    QString caption;
};
std::optional<std::vector<FieldEntry>> readFields(const QString& tableName);
// A field-list item: the name padded with blanks to 15 characters, "|", the caption.
QString fieldListItem(const FieldEntry& field);
// The name and caption back from an item (names longer than 15 characters included).
FieldEntry fieldOfListItem(const QString& item);

// Messages shared by the designer's refusals.
void refuseWithoutReport();
void refuseUnreadSave();

} // namespace korvell
