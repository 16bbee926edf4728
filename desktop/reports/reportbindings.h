#pragma once
// The field bindings of a report (c_report_setup) as the report designer edits them in its
// binding grid: columns 1 to 5 hold "项目" (table_name), "字段名称" (field_name), "行号", "列号"
// and "重复", one binding per row from row 1; the grid grows with the bindings.
#include "platform/grid/sheetmodel.h"

#include <QString>
#include <optional>
#include <vector>

namespace korvell {

// One binding row as the grid holds it: texts, the numbers as typed.
struct BindingRow {
    QString tableName, fieldName, row, col, repeat;
    bool complete() const;
    bool operator==(const BindingRow&) const = default;
};

// The stored bindings of a report in the database's order; nullopt when the read failed.
std::optional<std::vector<BindingRow>> readBindings(const QString& reportName);

// Replaces the report's bindings with the complete rows, in one transaction ("报表字段定义数据已经
// 保存！"). An incomplete first row stops without a message and keeps what is stored; no report
// chosen, or a row whose row, column or repeat is not a whole number from 0 up, refuses the save
// with a toast and nothing stored changes. True when stored.
bool saveBindings(const QString& reportName, const std::vector<BindingRow>& rows);

// The binding grid.
inline constexpr int bindingGridMinimumRows = 20;
void setUpBindingGrid(platform::SheetModel& grid);
// The bindings from row 1 on; never fewer rows than the designed 20.
void fillBindingGrid(platform::SheetModel& grid, const std::vector<BindingRow>& bindings);
std::vector<BindingRow> bindingGridRows(const platform::SheetModel& grid);
// A picked field goes into the first row whose "项目" is empty; a full grid grows by one row.
void pickField(platform::SheetModel& grid, const QString& name, const QString& caption);
// Removes every row bound to name (exact case), keeping the grid's row count.
void removeFieldRows(platform::SheetModel& grid, const QString& name);
// "删行": removes a binding row; the caption row stays. False when row is no binding row.
bool deleteBindingRow(platform::SheetModel& grid, int row);
// A template cell picked while bindingRow is active becomes its "行号" and "列号".
void placeBinding(platform::SheetModel& grid, int bindingRow, int sheetRow, int sheetCol);

} // namespace korvell
