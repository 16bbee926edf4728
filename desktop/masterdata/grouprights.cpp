#include "desktop/masterdata/grouprights.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/toast.h"
#include "desktop/frame/procedures.h"
#include "platform/ui/dialogs.h"

namespace korvell {

namespace {

    constexpr int programColumnWidth = 130;
    // The characters c_usergroup.groupname holds.
    constexpr int groupNameLength = 50;

} // namespace

int groupListRowCount(int groups)
{
    return groups < 20 ? 20 : groups + 2;
}

int rightsRowCount(int programs)
{
    return programs < 20 ? 20 : programs + 1;
}

GroupRightsEditor::GroupRightsEditor(platform::SheetModel& groupSheet, platform::SheetModel& rightsSheet)
    : groups(groupSheet)
    , rights(rightsSheet)
{
}

void GroupRightsEditor::prepare()
{
    groups.setCols(2);
    groups.setColumnWidth(0, 0);
    groups.setCellText(0, 1, QStringLiteral("用户组名称"));
    groups.setShadingColor1(editorShading);
    rights.setCols(4);
    rights.setShadingColor1(editorShading);
    setUpRightsColumns();
    rights.setRows(1); // empty until a group is clicked
}

void GroupRightsEditor::setUpRightsColumns()
{
    rights.setColumnWidth(0, 0);
    rights.setColumnWidth(1, programColumnWidth);
    rights.setColumnCellType(2, platform::CellType::CheckBox);
    rights.setColumnCellType(3, platform::CellType::CheckBox);
    rights.setCellText(0, 1, QStringLiteral("功能模块"));
    rights.setCellText(0, 2, QStringLiteral("查询权限"));
    rights.setCellText(0, 3, QStringLiteral("维护权限"));
}

QString GroupRightsEditor::groupAt(int row) const
{
    return row > 0 ? groups.cellText(row, 1).trimmed() : QString();
}

bool GroupRightsEditor::loadGroups()
{
    const SqlResult result = ExecSQL(QStringLiteral("select groupname from c_usergroup  group by groupname"));
    platform::SheetModel::Batch batch(groups);
    // The rows may now hold other groups: no flags are shown until a group is clicked again.
    shownRow = -1;
    rights.setRows(1);
    groups.setRows(1);
    groups.setRows(groupListRowCount(result ? result.rs->RecordCount() : 0));
    if (!result)
        return false;
    int row = 1;
    for (Recordset& rs = *result.rs; !rs.eof(); rs.MoveNext())
        groups.setCellText(row++, 1, rs.field(0).text());
    return true;
}

bool GroupRightsEditor::showRights(int groupRow)
{
    ShowToast(QString(), QString(), ToastBlack);
    const QString group = groupAt(groupRow);
    if (group.isEmpty())
        return false;
    platform::SheetModel::Batch batch(rights);
    rights.setRows(1);
    setUpRightsColumns();
    const bool read = readRights(group);
    shownRow = read ? groupRow : -1;
    if (!read) {
        // Flags not read are not "0": none are shown, so none can be saved.
        rights.setRows(1);
        rights.setRows(rightsRowCount(0));
    }
    return read;
}

bool GroupRightsEditor::readRights(const QString& group)
{
    const SqlResult programs
        = ExecSQL(QStringLiteral("select programname,programchname from c_programgroup "));
    if (!programs)
        return false;
    rights.setRows(rightsRowCount(programs.rs->RecordCount()));
    int row = 1;
    for (Recordset& rs = *programs.rs; !rs.eof(); rs.MoveNext(), ++row) {
        const QString display = rs.field(1).text();
        const SqlResult flags
            = ExecSQL(QStringLiteral("select * from c_usergroup where progname=? and groupname=?"),
                { display.trimmed(), group });
        if (!flags)
            return false;
        const bool stored = !flags.rs->eof();
        rights.setCellText(row, 0, rs.field(0).text());
        rights.setCellLocked(row, 0, true);
        rights.setCellLocked(row, 1, true);
        rights.setCellText(row, 1, display);
        rights.setCellText(row, 2, stored ? flags.rs->field(2).text() : QStringLiteral("0"));
        rights.setCellText(row, 3, stored ? flags.rs->field(3).text() : QStringLiteral("0"));
    }
    return true;
}

SaveOutcome GroupRightsEditor::save(int groupRow)
{
    SaveOutcome outcome;
    const QString group = groupAt(groupRow);
    if (group.isEmpty())
        return outcome;
    // The button may still be enabled from before a change of user: the click asks again.
    const Rights granted = GetRights(QString::fromUtf8(groupRightsWindow));
    if (!granted.maySaveGroupRights(loginState().gyname)) {
        // Rights are given with both flags here, so the refusal names both.
        if (granted.isRead())
            ShowToast(QStringLiteral("您没有查询和维护权限，不能保存！"),
                QStringLiteral("保存用户组的权限须同时有查询权限和维护权限"), ToastRed);
        return outcome;
    }
    // Checked here, not by the database: SQLite would store any length.
    if (group.toUcs4().size() > groupNameLength) {
        ShowToast(QStringLiteral("用户组的权限没有保存！"),
            QStringLiteral("第%1行：用户组名称最多%2个字符").arg(groupRow).arg(groupNameLength), ToastRed);
        return outcome;
    }
    if (groupRow != shownRow) {
        const bool shown = showRights(groupRow);
        ShowToast(QStringLiteral("用户组%1的权限没有保存！").arg(group),
            shown ? QStringLiteral("请核对显示的权限后再保存") : QStringLiteral("请检查网络或数据库服务器"),
            ToastRed);
        return outcome;
    }
    QString firstFailure;
    const int rows = rights.rows();
    for (int row = 1; row < rows; ++row) {
        const QString program = rights.cellText(row, 1).trimmed();
        if (program.isEmpty())
            continue;
        const QString query = rights.cellText(row, 2).trimmed();
        const QString maintain = rights.cellText(row, 3).trimmed();
        const SqlResult found = ExecSQL(
            QStringLiteral("select * from c_usergroup where progname=? and groupname=?"), { program, group });
        SqlResult written = found;
        if (found && found.rs->eof())
            written
                = ExecSQL(QStringLiteral("insert into c_usergroup (groupname,progname,groupauth1,groupauth2) "
                                         "values (?,?,?,?)"),
                    { group, program, query, maintain });
        else if (found)
            written
                = ExecSQL(QStringLiteral("update c_usergroup set groupauth1=?,groupauth2=? where  progname=? "
                                         "and groupname=?"),
                    { query, maintain, program, group });
        if (written) {
            ++outcome.saved;
        } else if (written.connectionLost) {
            // The connection toast stays: the shown rights are saved again once the server is back.
            ++outcome.failed;
            return outcome;
        } else if (outcome.failed++ == 0) {
            firstFailure = QStringLiteral("%1：%2").arg(program, written.error);
        }
    }
    if (outcome.failed == 0 && outcome.saved > 0)
        ShowToast(QStringLiteral("用户组") + group, QStringLiteral("权限成功保存！"), ToastRed);
    else if (outcome.failed == 0)
        ShowToast(QStringLiteral("用户组%1没有可以保存的权限！").arg(group), QString(), ToastRed);
    else
        ShowToast(QStringLiteral("用户组%1有%2项权限没有保存！").arg(group).arg(outcome.failed), firstFailure,
            ToastRed);
    return outcome;
}

bool GroupRightsEditor::deleteOnMouseButton(int button, int row)
{
    if (button != rightButton || row <= 0 || row >= groups.rows() || groupAt(row).isEmpty()
        || !GetRights(QString::fromUtf8(groupRightsWindow)).mayDelete())
        return false;
    const QString typed = groups.cellText(row, 1);
    if (platform::dialogs().message(QStringLiteral("确定删除名称为%1的用户组信息吗？").arg(typed),
            QStringLiteral("友情提示"), platform::Buttons::OkCancel, platform::Icon::None)
        != platform::Answer::Ok)
        return false;
    if (!ExecSQL(QStringLiteral("delete from c_usergroup where groupname=?"), { typed.trimmed() }))
        return false; // the row stays; the toast shows the database's reason
    groups.removeRow(row);
    if (shownRow >= row)
        shownRow = shownRow == row ? -1 : shownRow - 1;
    ShowToast(QStringLiteral("数据成功删除！"), QString(), ToastRed);
    return true;
}

} // namespace korvell
