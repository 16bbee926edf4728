#pragma once
// The combined product query over the view proc_main: the condition sheet (a comparison and a
// value per field, rows duplicated for a second condition), the output sheet (the fields to
// show), and the statements built from them with quoted names and values bound by field type.
#include "desktop/reports/queryconfig.h"
#include "platform/grid/sheetmodel.h"

#include <optional>
#include <variant>

namespace korvell {

struct ViewField {
    QString name;
    int type = 0; // ADO type code
};

// The view's fields in its own order, read without its rows; nothing when the query fails.
std::optional<QList<ViewField>> viewFields();

// Condition sheet: 项目名称, 比较符号 (">=", "=", "<=" or "包含" for text), 查询条件, 增加条件.
void buildConditionSheet(platform::SheetModel& sheet, const QList<ViewField>& fields);
// Output sheet: 项目名称, 是否显示 (all ticked).
void buildOutputSheet(platform::SheetModel& sheet, const QList<ViewField>& fields);
// A second, empty condition row for the field of row, inserted above it.
void duplicateConditionRow(platform::SheetModel& sheet, int row);

struct CombinedStatements {
    Statement rows;
    Statement totals;
};

// The statements, or the message that tells the user what is wrong with the set-up.
std::variant<CombinedStatements, QString> combinedStatements(const platform::SheetModel& conditions,
    const platform::SheetModel& outputs, const QList<ViewField>& fields);

const QueryConfig& kcqueryformConfig();

} // namespace korvell
