#include "desktop/reports/combinedquery.h"

#include "desktop/data/execsql.h"
#include "desktop/data/likepattern.h"

#include <QDateTime>

namespace korvell {

namespace {

    enum ConditionCol { ColName = 1, ColOperator, ColValue, ColAdd, ConditionCols };
    enum OutputCol { ColShown = 2, OutputCols };

    const QString contains = QStringLiteral("包含");
    const QStringList comparisons { QStringLiteral(">="), QStringLiteral("="), QStringLiteral("<=") };

    bool isDateField(const ViewField& f)
    {
        return f.name.contains(QStringLiteral("日期")) || f.type == adDBDate || f.type == adDBTimeStamp;
    }

    bool isNumberField(const ViewField& f)
    {
        return f.type == adInteger || f.type == adBigInt || f.type == adDouble || f.type == adNumeric
            || f.type == adCurrency;
    }

    QString quoted(const QString& name)
    {
        return '"' + QString(name).replace('"', QStringLiteral("\"\"")) + '"';
    }

    const ViewField* fieldNamed(const QList<ViewField>& fields, const QString& name)
    {
        for (const ViewField& f : fields)
            if (f.name == name)
                return &f;
        return nullptr;
    }

    // One condition's piece and values; a message when its value does not suit its field.
    std::variant<Statement, QString> condition(const ViewField& f, const QString& op, const QString& value)
    {
        const QString name = quoted(f.name);
        if (op.trimmed() == contains)
            return Statement { likeIgnoringCase(name), { likeContaining(value) } };
        const QString comparison = op.trimmed();
        if (!comparisons.contains(comparison))
            return QStringLiteral("比较符号只能是 >=、=、<= 或 包含！");
        if (isDateField(f)) {
            const QDate day = QDate::fromString(value.trimmed(), QStringLiteral("yyyy-M-d"));
            if (!day.isValid())
                return f.name + QStringLiteral("的查询条件不是日期！");
            if (f.type != adDBTimeStamp)
                return Statement { name + ' ' + comparison + " ?", { sqlDate(day) } };
            // A moment of the day compares with the whole day.
            const QVariant start = sqlDateTime(QDateTime(day, QTime(0, 0)));
            const QVariant next = sqlDateTime(QDateTime(day.addDays(1), QTime(0, 0)));
            if (comparison == ">=")
                return Statement { name + " >= ?", { start } };
            if (comparison == "<=")
                return Statement { name + " < ?", { next } };
            return Statement { name + " >= ? and " + name + " < ?", { start, next } };
        }
        if (isNumberField(f)) {
            bool number = false;
            const double v = value.trimmed().toDouble(&number);
            if (!number)
                return f.name + QStringLiteral("的查询条件不是数字！");
            return Statement { name + ' ' + comparison + " ?", { v } };
        }
        return Statement { name + ' ' + comparison + " ?", { value } };
    }

} // namespace

std::optional<QList<ViewField>> viewFields()
{
    const SqlResult result = ExecSQL(QStringLiteral("select * from proc_main where 1=0"));
    if (!result || !result.rs)
        return std::nullopt;
    QList<ViewField> fields;
    for (int i = 0; i < result.rs->fieldCount(); ++i) {
        const Field f = result.rs->field(i);
        fields << ViewField { f.name, f.type };
    }
    return fields;
}

void buildConditionSheet(platform::SheetModel& sheet, const QList<ViewField>& fields)
{
    sheet.setRows(1);
    sheet.setCols(ConditionCols);
    const QStringList captions { "项目名称", "比较符号", "查询条件", "增加条件" };
    for (int c = ColName; c < ConditionCols; ++c)
        sheet.setCellText(0, c, captions[c - 1]);
    sheet.setColumnWidth(0, 0);
    sheet.setColumnLocked(ColName, true);
    sheet.setColumnWidth(ColOperator, 60);
    sheet.setColumnCellType(ColOperator, platform::CellType::List);
    sheet.clearColumnList(ColOperator);
    for (const QString& op : comparisons)
        sheet.addColumnListItem(ColOperator, op);
    sheet.setColumnWidth(ColAdd, 60);
    sheet.setColumnCellType(ColAdd, platform::CellType::Button);
    sheet.setRows(int(fields.size()) + 1);
    for (int i = 0; i < fields.size(); ++i) {
        const ViewField& f = fields[i];
        const int r = i + 1;
        sheet.setCellText(r, ColName, f.name);
        if (isDateField(f)) {
            sheet.setCellType(r, ColValue, platform::CellType::Date);
        } else if (f.type == adVarChar) {
            sheet.setCellType(r, ColOperator, platform::CellType::Plain);
            sheet.setCellText(r, ColOperator, contains);
        }
    }
}

void buildOutputSheet(platform::SheetModel& sheet, const QList<ViewField>& fields)
{
    sheet.setRows(1);
    sheet.setCols(OutputCols);
    sheet.setCellText(0, ColName, QStringLiteral("项目名称"));
    sheet.setCellText(0, ColShown, QStringLiteral("是否显示"));
    sheet.setColumnWidth(0, 0);
    sheet.setColumnLocked(ColName, true);
    sheet.setColumnCellType(ColShown, platform::CellType::CheckBox);
    sheet.setRows(int(fields.size()) + 1);
    for (int i = 0; i < fields.size(); ++i) {
        sheet.setCellText(i + 1, ColName, fields[i].name);
        sheet.setCellText(i + 1, ColShown, QStringLiteral("1"));
    }
}

void duplicateConditionRow(platform::SheetModel& sheet, int row)
{
    if (row < 1 || row >= sheet.rows())
        return;
    sheet.insertRows(row, 1);
    sheet.setCellText(row, ColName, sheet.cellText(row + 1, ColName));
    sheet.setCellType(row, ColOperator, sheet.cellType(row + 1, ColOperator));
    sheet.setCellType(row, ColValue, sheet.cellType(row + 1, ColValue));
}

std::variant<CombinedStatements, QString> combinedStatements(const platform::SheetModel& conditions,
    const platform::SheetModel& outputs, const QList<ViewField>& fields)
{
    QStringList shown;
    for (int r = 1; r < outputs.rows(); ++r)
        if (outputs.cellText(r, ColShown) == "1" && fieldNamed(fields, outputs.cellText(r, ColName)))
            shown << quoted(outputs.cellText(r, ColName));
    if (shown.isEmpty())
        return QStringLiteral("请至少选择一项输出内容！");

    Statement where;
    for (int r = 1; r < conditions.rows(); ++r) {
        const QString op = conditions.cellText(r, ColOperator);
        const QString value = conditions.cellText(r, ColValue);
        const ViewField* field = fieldNamed(fields, conditions.cellText(r, ColName));
        if (!field || op.trimmed().isEmpty() || value.trimmed().isEmpty())
            continue;
        const auto piece = condition(*field, op, value);
        if (const auto* message = std::get_if<QString>(&piece))
            return *message;
        const Statement& s = std::get<Statement>(piece);
        where.sql += (where.sql.isEmpty() ? QString() : QStringLiteral(" and ")) + s.sql;
        where.params << s.params;
    }
    const QString tail = where.sql.isEmpty() ? QString() : " where " + where.sql;
    return CombinedStatements {
        { "select " + shown.join(',') + " from proc_main" + tail, where.params },
        { "select count(*)," + weightSum(quoted("毛重")) + "," + weightSum(quoted("净重"))
                + "  from proc_main" + tail,
            where.params },
    };
}

const QueryConfig& kcqueryformConfig()
{
    static const QueryConfig config = [] {
        QueryConfig c;
        c.name = "kcqueryform";
        c.caption = "产品信息组合查询";
        c.printTitle = "库存产品组合查询清单";
        c.countLabel = "产品数量:";
        c.style = { 0, 0, 1 };
        c.run = { "Command1", "查询" };
        c.exportButton = { "Command4", "导出" };
        c.print = { "Command5", "打印" };
        c.exit = { "Command2", "退出" };
        c.exportAndPrintStartDisabled = true;
        return c;
    }();
    return config;
}

} // namespace korvell
