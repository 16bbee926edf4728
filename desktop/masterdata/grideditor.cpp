#include "desktop/masterdata/grideditor.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "platform/ui/dialogs.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace korvell {

namespace {

    // A caption as a message names it: "负 责 人" reads "负责人".
    QString bareCaption(const EditorColumn& column)
    {
        return QString(column.caption).remove(u' ');
    }

} // namespace

int editorRowCount(int records)
{
    return records < 20 ? 20 : records + 1;
}

int editorColumnWidth(const EditorColumn& column, int gridWidthTwips)
{
    if (column.widthFactor > 0)
        return int(std::nearbyint(gridWidthTwips * column.widthFactor));
    return column.width;
}

GridEditor::GridEditor(const EditorConfig& config, platform::SheetModel& sheet)
    : cfg(config)
    , grid(sheet)
{
    QObject::connect(
        &grid, &platform::SheetModel::cellsChanged, &grid, [this](int top, int left, int bottom, int right) {
            keepCodesOfPickedItems(top, left, bottom, right);
        });
}

GridEditor::~GridEditor()
{
    QObject::disconnect(&grid, &platform::SheetModel::cellsChanged, &grid, nullptr);
}

void GridEditor::prepare()
{
    grid.setCols(cfg.gridCols());
    grid.setColumnWidth(0, 0);
    for (int i = 0; i < cfg.columns.size(); ++i) {
        const EditorColumn& column = cfg.columns.at(i);
        const int col = i + 1;
        grid.setCellText(0, col, column.caption);
        grid.setColumnMaxLength(col, column.maxLength);
        if (!column.list.sql.isEmpty())
            grid.setColumnCellType(col, platform::CellType::List);
    }
    grid.setShadingColor1(editorShading);
}

QString GridEditor::keyCondition() const
{
    return cfg.hiddenKey.isEmpty() ? QString() : QStringLiteral(" and %1<>?").arg(cfg.key().field);
}

QVariantList GridEditor::keyParams(const QString& key) const
{
    QVariantList params { key };
    if (!cfg.hiddenKey.isEmpty())
        params << cfg.hiddenKey;
    return params;
}

bool GridEditor::load()
{
    QString sql = "select * from " + cfg.table;
    QVariantList params;
    if (!cfg.hiddenKey.isEmpty()) {
        sql += QStringLiteral(" where %1<>?").arg(cfg.key().field);
        params << cfg.hiddenKey;
    }
    const SqlResult result = ExecSQL(sql, params);

    tableRead = result.ok;

    platform::SheetModel::Batch batch(grid);
    grid.setRows(1); // earlier rows go with their texts and locks
    grid.setRows(editorRowCount(result ? result.rs->RecordCount() : 0));
    if (result) {
        Recordset& rs = *result.rs;
        for (int row = 1; !rs.eof(); rs.MoveNext(), ++row) {
            grid.setCellLocked(row, 1, true);
            for (int i = 0; i < cfg.columns.size(); ++i)
                grid.setCellText(row, i + 1, rs.field(cfg.columns.at(i).recordPosition).text());
        }
    }
    for (int i = 0; i < cfg.columns.size(); ++i) {
        if (!cfg.columns.at(i).list.sql.isEmpty())
            fillList(i + 1, cfg.columns.at(i).list);
    }
    return tableRead;
}

void GridEditor::fillList(int col, const ColumnList& list)
{
    grid.clearColumnList(col);
    grid.setColumnListOnly(col, list.yesNo);
    // After a failed read the lists stay empty rather than wait for the server once more.
    if (!tableRead)
        return;
    const SqlResult result = ExecSQL(list.sql);
    if (!result)
        return;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext()) {
        QString item = rs.field(list.codeField).text();
        if (!list.nameField.isEmpty())
            item += QChar(listSeparator) + rs.field(list.nameField).text();
        grid.addColumnListItem(col, item);
    }
}

// A picked "code—name" item leaves only its code in the cell, whatever the code's length.
void GridEditor::keepCodesOfPickedItems(int top, int left, int bottom, int right)
{
    bottom = std::min(bottom, grid.rows() - 1);
    for (int i = 0; i < cfg.columns.size(); ++i) {
        const int col = i + 1;
        if (col < left || col > right || cfg.columns.at(i).list.nameField.isEmpty())
            continue;
        for (int row = std::max(top, 1); row <= bottom; ++row) {
            const QString text = grid.cellText(row, col);
            if (text.contains(QChar(listSeparator)))
                grid.setCellText(row, col, text.section(QChar(listSeparator), 0, 0).trimmed());
        }
    }
}

bool GridEditor::requiredFilled(int row) const
{
    for (int i = 0; i < cfg.columns.size(); ++i) {
        if (cfg.columns.at(i).required && grid.cellText(row, i + 1).trimmed().isEmpty())
            return false;
    }
    return true;
}

GridEditor::RowState GridEditor::saveRow(int row, QString& failure)
{
    if (!requiredFilled(row))
        return RowState::Skipped;
    const QString key = grid.cellText(row, 1).trimmed();
    if (!cfg.hiddenKey.isEmpty() && key == cfg.hiddenKey) {
        failure = QStringLiteral("“%1”不能使用").arg(key);
        return RowState::Failed;
    }

    QStringList fields;
    QVariantList values;
    for (int i = 0; i < cfg.columns.size(); ++i) {
        const EditorColumn& column = cfg.columns.at(i);
        const QString text = grid.cellText(row, i + 1).trimmed();
        fields << column.field;
        if (!column.numeric) {
            // Checked here, not by the database: SQLite would store any length.
            if (column.storedLength > 0 && text.toUcs4().size() > column.storedLength) {
                failure = QStringLiteral("%1最多%2个字符").arg(bareCaption(column)).arg(column.storedLength);
                return RowState::Failed;
            }
            values << text;
            continue;
        }
        bool isNumber = false;
        const double number = text.toDouble(&isNumber);
        if (!isNumber || !std::isfinite(number)) {
            failure = bareCaption(column) + QStringLiteral("必须是数字");
            return RowState::Failed;
        }
        values << number;
    }

    const SqlResult found = ExecSQL(
        QStringLiteral("select * from %1 where %2=?").arg(cfg.table, cfg.key().field) + keyCondition(),
        keyParams(key));
    if (!found) {
        failure = found.error;
        return found.connectionLost ? RowState::Lost : RowState::Failed;
    }

    SqlResult written;
    if (found.rs->eof()) {
        if (cfg.newRecordValues) {
            for (const auto& [field, value] : cfg.newRecordValues()) {
                if (value.isNull()) {
                    failure = cfg.newRecordFailure;
                    return RowState::Failed;
                }
                fields << field;
                values << value;
            }
        }
        const QString marks = QStringList(fields.size(), QStringLiteral("?")).join(u',');
        written = ExecSQL(
            QStringLiteral("insert into %1 (%2) values (%3)").arg(cfg.table, fields.join(u','), marks),
            values);
    } else {
        QStringList sets;
        for (int i = 1; i < cfg.columns.size(); ++i)
            sets << cfg.columns.at(i).field + QStringLiteral("=?");
        QVariantList params = values.mid(1);
        params << keyParams(key);
        written = ExecSQL(
            QStringLiteral("update %1 set %2 where  %3=?").arg(cfg.table, sets.join(u','), cfg.key().field)
                + keyCondition(),
            params);
    }
    if (!written) {
        failure = written.error;
        return written.connectionLost ? RowState::Lost : RowState::Failed;
    }
    return RowState::Saved;
}

// The button may still be enabled from before a change of user: the click asks again.
bool GridEditor::refusedByRights() const
{
    return GetRights(cfg.name).deniesChangeSaying(QString::fromUtf8(noMaintenanceRightText));
}

// Blank rows that stand for a table not read would overwrite or delete records nobody saw.
bool GridEditor::refusedUnread(const QString& what) const
{
    if (tableRead)
        return false;
    ShowToast(QStringLiteral("数据没有读出，不能%1！").arg(what),
        QStringLiteral("请检查网络或数据库服务器，然后重新打开本窗口"), ToastRed);
    return true;
}

// Two rows with one key would both be written to one record, the lower one winning unseen.
bool GridEditor::refusedDuplicateKeys() const
{
    QHash<QString, int> rowOfKey;
    for (int row = 1; row < grid.rows(); ++row) {
        if (!requiredFilled(row))
            continue;
        const QString key = grid.cellText(row, 1).trimmed();
        const int first = rowOfKey.value(key);
        if (first == 0) {
            rowOfKey.insert(key, row);
            continue;
        }
        ShowToast(QStringLiteral("第%1行和第%2行的%3相同！").arg(first).arg(row).arg(bareCaption(cfg.key())),
            QStringLiteral("数据没有保存，请改正后再保存"), ToastRed);
        return true;
    }
    return false;
}

SaveOutcome GridEditor::save()
{
    SaveOutcome outcome;
    if (refusedUnread(QStringLiteral("保存")) || refusedByRights() || refusedDuplicateKeys())
        return outcome;
    QString firstFailure;
    const int rows = grid.rows();
    for (int row = 1; row < rows; ++row) {
        QString failure;
        switch (saveRow(row, failure)) {
        case RowState::Saved:
            ++outcome.saved;
            break;
        case RowState::Failed:
            if (outcome.failed++ == 0)
                firstFailure = QStringLiteral("第%1行：%2").arg(row).arg(failure);
            break;
        case RowState::Skipped:
            break;
        case RowState::Lost:
            // The connection toast stays: the rows keep their edits for a save once the server is back.
            ++outcome.failed;
            return outcome;
        }
    }
    // Logged before the outcome is told: the rows are stored whether or not their log line is,
    // so the outcome's toast is the one that stays.
    if (outcome.saved > 0 || outcome.failed == 0)
        WriteLog(cfg.logText);
    if (outcome.failed == 0)
        ShowToast(cfg.successText, cfg.successHint, ToastRed);
    else
        ShowToast(QStringLiteral("有%1行数据没有保存！").arg(outcome.failed), firstFailure, ToastRed);
    return outcome;
}

bool GridEditor::deleteOnMouseButton(int button, int row)
{
    if (button != rightButton || row <= 0 || row >= grid.rows() || !requiredFilled(row)
        || !GetRights(cfg.name).mayDelete() || refusedUnread(QStringLiteral("删除")))
        return false;
    const QString typed = grid.cellText(row, 1);
    const QString key = typed.trimmed();
    if ((!cfg.undeletableKey.isEmpty() && key == cfg.undeletableKey)
        || (!cfg.hiddenKey.isEmpty() && key == cfg.hiddenKey)) {
        ShowToast(QStringLiteral("“%1”不能删除！").arg(key), QString(), ToastRed);
        return false;
    }
    if (platform::dialogs().message(cfg.question.arg(typed), QStringLiteral("友情提示"),
            platform::Buttons::OkCancel, platform::Icon::None)
        != platform::Answer::Ok)
        return false;
    if (!ExecSQL(QStringLiteral("delete from %1 where %2=?").arg(cfg.table, cfg.key().field) + keyCondition(),
            keyParams(key)))
        return false; // the row stays; the toast shows the database's reason
    grid.removeRow(row);
    ShowToast(QStringLiteral("数据成功删除！"), QString(), ToastRed);
    return true;
}

} // namespace korvell
