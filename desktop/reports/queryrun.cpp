#include "desktop/reports/queryrun.h"

#include "desktop/data/execsql.h"
#include "desktop/masterdata/idnamecomboitem.h"
#include "desktop/reports/querysheet.h"

namespace korvell {

QueryStatements queryStatements(const QueryConfig& config, const FilterValues& values)
{
    QueryStatements s { config.query(values), std::nullopt };
    if (config.totals)
        s.totals = config.totals(values);
    return s;
}

QueryOutcome runStatements(
    const QueryConfig& config, const QueryStatements& statements, platform::SheetModel& sheet)
{
    QueryOutcome outcome;
    sheet.setRows(1);
    ResultFill fill(sheet, config);
    const SqlResult result = ExecSQL(statements.rows.sql, statements.rows.params, fill);
    fill.finish();
    if (!result) {
        sheet.setRows(1); // records read before a failure are no result either
        return outcome;
    }
    outcome.ran = true;
    if (!statements.totals)
        return outcome;
    const SqlResult sums = ExecSQL(statements.totals->sql, statements.totals->params);
    if (!sums || !sums.rs || sums.rs->eof()) {
        // Rows under an empty totals row would pass for a whole result (a server lost between
        // the two statements): the run shows nothing, as when its rows could not be read.
        sheet.setRows(1);
        outcome.ran = false;
        return outcome;
    }
    outcome.totalsRow = true;
    appendTotals(sheet, config.countLabel, *sums.rs);
    return outcome;
}

QStringList filterListItems(const FilterList& list)
{
    QStringList items;
    const SqlResult result = ExecSQL(list.sql, list.params);
    if (!result || !result.rs)
        return items;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext()) {
        const QString code = rs.value(list.codeField).toString();
        items << (list.nameField.isEmpty()
                ? code
                : IdNameComboItem(code, rs.value(list.nameField).toString(), list.width));
    }
    return items;
}

QString pickedCode(const FilterList& list, const QString& item)
{
    return list.nameField.isEmpty() ? item : comboItemCode(item, list.width);
}

} // namespace korvell
