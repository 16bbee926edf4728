// The group rights editor: the group list, the rights of a group, saving, renaming, deleting.
#include "desktop/frame/procedures.h"
#include "desktop/masterdata/grouprights.h"
#include "masterdatatest.h"

#include <gtest/gtest.h>

using namespace korvell;
using masterdatatest::MasterDataTest;
using testsupport::rowCount;

class GroupRightsDb : public MasterDataTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(MasterDataTest::prepare());
        editor.prepare();
        programs = rowCount("c_programgroup");
        // The bootstrap administrator's group holds every right.
        loginState().gyname = QStringLiteral("系统管理员");
    }
    int rowOf(const QString& group) const { return masterdatatest::rowOf(groups, group); }
    // The rights sheet's row of a window.
    int rightsRowOf(const QString& window) const
    {
        for (int r = 1; r < rights.rows(); ++r) {
            if (rights.cellText(r, 0) == window)
                return r;
        }
        return -1;
    }

    platform::SheetModel groups, rights;
    GroupRightsEditor editor { groups, rights };
    int programs = 0;
};

TEST_P(GroupRightsDb, GroupListRowCounts)
{
    EXPECT_EQ(rights.rows(), 1) << "no rights shown before a group is clicked";
    EXPECT_EQ(rights.cellText(0, 2), QString("查询权限"));

    ASSERT_TRUE(editor.loadGroups());
    EXPECT_EQ(groups.rows(), 20);
    EXPECT_EQ(groups.cellText(0, 1), QString("用户组名称"));
    EXPECT_EQ(groups.cellText(1, 1), QString("管理员"));
    EXPECT_FALSE(groups.isLocked(1, 1)) << "group names stay editable";

    for (int i = 0; i < 19; ++i) // 20 groups
        ASSERT_TRUE(ExecSQL("insert into c_usergroup (groupname,progname,groupauth1,groupauth2) values "
                            "(?,'机组信息设置','1','0')",
            { QStringLiteral("组%1").arg(i, 2, 10, QChar('0')) }));
    editor.loadGroups();
    EXPECT_EQ(groups.rows(), 22);
    EXPECT_TRUE(groups.cellText(21, 1).isEmpty()) << "one blank row for a new group";
}

TEST_P(GroupRightsDb, ClickingAGroupListsEveryWindowWithItsFlags)
{
    grant("jzform", "1", "0");
    ASSERT_TRUE(ExecSQL("insert into c_usergroup (groupname,progname,groupauth1,groupauth2) values (?,?,?,?)",
        { masterdatatest::testGroup, "未登记窗口", "1", "1" }));
    editor.loadGroups();
    const int row = rowOf(masterdatatest::testGroup);
    ASSERT_GT(row, 0);
    EXPECT_TRUE(editor.showRights(row));
    EXPECT_EQ(rights.rows(), rightsRowCount(programs));
    EXPECT_EQ(rights.cellText(0, 1), QString("功能模块"));
    EXPECT_EQ(rights.cellText(0, 2), QString("查询权限"));
    EXPECT_EQ(rights.cellText(0, 3), QString("维护权限"));
    EXPECT_EQ(rights.cellType(1, 2), platform::CellType::CheckBox);
    EXPECT_EQ(rights.columnWidth(1), 130);
    int listed = 0;
    for (int r = 1; r < rights.rows(); ++r) {
        if (rights.cellText(r, 1).isEmpty())
            continue;
        ++listed;
        EXPECT_TRUE(rights.isLocked(r, 1));
        const bool jz = rights.cellText(r, 0) == "jzform";
        EXPECT_EQ(rights.cellText(r, 2), QString(jz ? "1" : "0")) << rights.cellText(r, 0).toStdString();
        EXPECT_EQ(rights.cellText(r, 3), QString("0"));
    }
    EXPECT_EQ(listed, programs) << "windows that are not registered are not listed";

    // A blank row leaves the rights shown; the toast is taken away.
    toasts.clear();
    EXPECT_FALSE(editor.showRights(groups.rows() - 1));
    EXPECT_EQ(rights.rows(), rightsRowCount(programs));
    EXPECT_EQ(toasts.last(), QString("||0"));
}

TEST_P(GroupRightsDb, WindowListGrowsWithTheRegisteredWindows)
{
    for (int i = programs; i < 20; ++i)
        ASSERT_TRUE(ExecSQL("insert into c_programgroup (programname,programchname) values (?,?)",
            { QStringLiteral("win%1").arg(i), QStringLiteral("窗口%1").arg(i) }));
    editor.loadGroups();
    editor.showRights(1);
    EXPECT_EQ(rights.rows(), 21);
}

TEST_P(GroupRightsDb, SavingANewGroupWritesOneRowPerWindowEvenWithoutRights)
{
    editor.loadGroups();
    const int blank = 5;
    groups.editCell(blank, 1, " 质检组 ");
    ASSERT_TRUE(editor.showRights(blank));
    const int jzRow = rightsRowOf("jzform");
    ASSERT_GT(jzRow, 0);
    rights.editCell(jzRow, 2, "1");
    rights.editCell(jzRow, 3, "1");
    toasts.clear();
    const SaveOutcome outcome = editor.save(blank);
    EXPECT_EQ(outcome.saved, programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { "质检组" }), programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=? and groupauth1='0' and groupauth2='0'", { "质检组" }),
        programs - 1);
    EXPECT_EQ(
        rowCount("c_usergroup",
            "groupname=? and progname='机组信息设置' and groupauth1='1' and groupauth2='1'", { "质检组" }),
        1);
    EXPECT_EQ(toasts.last(), QString("用户组质检组|权限成功保存！|1"));
    EXPECT_EQ(rowCount("c_log"), 0) << "rights edits are not logged";

    // Saving again updates instead of adding rows.
    rights.editCell(jzRow, 3, "0");
    editor.save(blank);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { "质检组" }), programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=? and groupauth2='1'", { "质检组" }), 0);

    // A blank active row saves nothing and shows nothing.
    toasts.clear();
    EXPECT_EQ(editor.save(blank + 1).saved, 0);
    EXPECT_TRUE(toasts.lines.isEmpty());
}

// Every window gets a row, "00" where nothing is ticked: such a row grants nothing. A member of a
// group with one query flag may save only where a maintenance flag is ticked, and without the
// editor's own right (nor as 超级用户) cannot save the group's rights either.
TEST_P(GroupRightsDb, AGroupWithOneFlagTickedMaySaveOnlyWhereItsMaintenanceFlagIs)
{
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userlevel) values ('查询员','查询组')"));
    const auto saveAsAdministrator = [this](const QString& window, int column) {
        loginState().gyname = QStringLiteral("系统管理员");
        editor.loadGroups();
        const int blank = 5;
        groups.editCell(blank, 1, "查询组");
        ASSERT_TRUE(editor.showRights(blank));
        rights.editCell(rightsRowOf(window), column, "1");
        ASSERT_EQ(editor.save(blank).saved, programs);
        loginState().gyname = QStringLiteral("查询员");
    };
    saveAsAdministrator("bzform", 2);
    const SqlResult windows = ExecSQL("select programname from c_programgroup");
    ASSERT_TRUE(windows);
    for (Recordset& rs = *windows.rs; !rs.eof(); rs.MoveNext())
        EXPECT_FALSE(GetRights(rs.field(0).text()).mayChange()) << rs.field(0).text().toStdString();

    saveAsAdministrator("jzform", 3);
    EXPECT_TRUE(GetRights("jzform").mayChange());
    EXPECT_FALSE(GetRights("bzform").mayChange());

    saveAsAdministrator(groupRightsWindow, 3); // nor may it with this editor's maintenance flag alone
    editor.loadGroups();
    const int row = rowOf("查询组");
    ASSERT_TRUE(editor.showRights(row));
    rights.editCell(rightsRowOf("bzform"), 3, "1");
    toasts.clear();
    EXPECT_EQ(editor.save(row).saved, 0);
    EXPECT_EQ(toasts.last(),
        QString("您没有查询和维护权限，不能保存！|保存用户组的权限须同时有查询权限和维护权限|1"));
    EXPECT_EQ(
        rowCount("c_usergroup", "groupname='查询组' and progname='班组信息维护' and groupauth2='1'"), 0);
}

// Checked before the statement, so both backends refuse alike.
TEST_P(GroupRightsDb, AGroupNameLongerThanItsColumnIsRefused)
{
    editor.loadGroups();
    const int blank = 7;
    groups.editCell(blank, 1, QString(51, u'组'));
    ASSERT_TRUE(editor.showRights(blank));
    toasts.clear();
    EXPECT_EQ(editor.save(blank).saved, 0);
    EXPECT_EQ(toasts.last(), QString("用户组的权限没有保存！|第7行：用户组名称最多50个字符|1"));
    EXPECT_EQ(rowCount("c_usergroup", "groupname<>'管理员'"), 0);
    groups.editCell(blank, 1, QString(50, u'组'));
    ASSERT_TRUE(editor.showRights(blank));
    EXPECT_EQ(editor.save(blank).saved, programs);
}

TEST_P(GroupRightsDb, ARenamedGroupIsSavedUnderItsNewNameAndTheOldRowsStay)
{
    editor.loadGroups();
    const int row = rowOf("管理员");
    editor.showRights(row);
    groups.editCell(row, 1, "管理员二");
    editor.save(row);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { "管理员二" }), programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=? and groupauth2='1'", { "管理员二" }), programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { "管理员" }), programs);
}

TEST_P(GroupRightsDb, DeletingAGroupRemovesItsRowsAndItsUsersGetTen)
{
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userlevel) values ('赵六','临时组')"));
    grant("jzform", "1", "1", "临时组");
    grant("usergroup", "1", "1");
    editor.loadGroups();
    const int row = rowOf("临时组");
    ASSERT_GT(row, 0);

    dialogs.answers = { platform::Answer::Cancel, platform::Answer::Ok };
    EXPECT_FALSE(editor.deleteOnMouseButton(2, row));
    EXPECT_EQ(rowCount("c_usergroup", "groupname='临时组'"), 1);
    toasts.clear();
    EXPECT_TRUE(editor.deleteOnMouseButton(2, row));
    EXPECT_EQ(dialogs.messages.last(), QString("友情提示|确定删除名称为临时组的用户组信息吗？"));
    EXPECT_EQ(rowCount("c_usergroup", "groupname='临时组'"), 0);
    EXPECT_EQ(rowOf("临时组"), -1);
    EXPECT_EQ(toasts.last(), QString("数据成功删除！||1"));
    EXPECT_EQ(rowCount("c_user_table", "username='赵六'"), 1) << "its users stay";

    loginState().gyname = "赵六";
    EXPECT_TRUE(GetRights("jzform").refusesChange()) << "no rights row: \"10\"";
}

TEST_P(GroupRightsDb, DeletingNeedsRightsElevenEvenForTheSuperUser)
{
    ASSERT_TRUE(ExecSQL("insert into c_user_table (username,userlevel) values ('超级用户',?)",
        { masterdatatest::testGroup }));
    loginState().gyname = "超级用户";
    grant("usergroup", "1", "0");
    EXPECT_TRUE(GetRights("usergroup").maySaveGroupRights(loginState().gyname));
    editor.loadGroups();
    dialogs.answers = { platform::Answer::Ok };
    EXPECT_FALSE(editor.deleteOnMouseButton(2, rowOf("管理员")));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(rowCount("c_usergroup", "groupname='管理员'"), programs);
    EXPECT_FALSE(editor.deleteOnMouseButton(1, rowOf(masterdatatest::testGroup)));
}

TEST_P(GroupRightsDb, ALostServerShowsTheConnectionMessageAndTheRightsSaveOnceItIsBack)
{
    editor.loadGroups();
    const int blank = 5;
    groups.editCell(blank, 1, "质检组");
    ASSERT_TRUE(editor.showRights(blank));
    const DsnKeys reachable = masterdatatest::loseServer();
    toasts.clear();
    EXPECT_EQ(editor.save(blank).saved, 0);
    EXPECT_EQ(toasts.last(), masterdatatest::connectionToast);

    masterdatatest::bringServerBack(reachable);
    EXPECT_EQ(editor.save(blank).saved, programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { "质检组" }), programs);
}

// Flags that could not be read are not shown as "0", and a save does not store them so: it reads
// the group's rights again and saves nothing until they have been seen.
TEST_P(GroupRightsDb, RightsThatCouldNotBeReadAreNeitherShownNorSaved)
{
    editor.loadGroups();
    const int row = rowOf("管理员");
    ASSERT_TRUE(ExecSQL("alter table c_usergroup rename to c_usergroup_away"));
    toasts.clear();
    EXPECT_FALSE(editor.showRights(row));
    EXPECT_EQ(toasts.lines.size(), 2) << "the toast taken away, then one failure";
    for (int r = 1; r < rights.rows(); ++r)
        EXPECT_TRUE(rights.cellText(r, 2).isEmpty() && rights.cellText(r, 3).isEmpty()) << r;
    ASSERT_TRUE(ExecSQL("alter table c_usergroup_away rename to c_usergroup"));

    toasts.clear();
    EXPECT_EQ(editor.save(row).saved, 0);
    EXPECT_EQ(toasts.last(), QString("用户组管理员的权限没有保存！|请核对显示的权限后再保存|1"));
    EXPECT_EQ(rowCount("c_usergroup", "groupname='管理员' and groupauth2='1'"), programs);
    EXPECT_EQ(rights.cellText(1, 3), QString("1")) << "read again and shown";
    EXPECT_EQ(editor.save(row).saved, programs);
    EXPECT_EQ(rowCount("c_usergroup", "groupname='管理员' and groupauth2='1'"), programs);
}

// The database refuses to insert or delete rights rows of one group, as a constraint would.
TEST_P(GroupRightsDb, RefusedRowsAreCountedAndARefusedDeleteKeepsTheGroup)
{
    const bool sqlite = GetParam() == Backend::SQLite;
    if (!sqlite) {
        ASSERT_TRUE(ExecSQL("create function refuse_rights() returns trigger language plpgsql as "
                            "$$ begin raise exception 'refused'; end $$"));
    }
    const QList<std::pair<QString, QString>> refusals {
        { "insert", "new.groupname='拒绝组' and new.progname='机组信息设置'" },
        { "delete", "old.groupname='拒绝组'" },
    };
    for (const auto& [event, condition] : refusals) {
        const QString head = QStringLiteral("create trigger refuse_%1 before %1 on c_usergroup ").arg(event);
        ASSERT_TRUE(ExecSQL(sqlite
                ? head + "when " + condition + " begin select raise(abort,'refused'); end"
                : head + "for each row when (" + condition + ") execute function refuse_rights()"));
    }
    grant("usergroup", "1", "1");
    editor.loadGroups();
    const int blank = 10;
    groups.editCell(blank, 1, "拒绝组");
    ASSERT_TRUE(editor.showRights(blank));
    toasts.clear();
    const SaveOutcome outcome = editor.save(blank);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(outcome.saved, programs - 1);
    EXPECT_TRUE(toasts.last().startsWith("用户组拒绝组有1项权限没有保存！|机组信息设置："))
        << toasts.last().toStdString();
    EXPECT_FALSE(toasts.lines.contains("用户组拒绝组|权限成功保存！|1"));

    dialogs.answers = { platform::Answer::Ok };
    toasts.clear();
    EXPECT_FALSE(editor.deleteOnMouseButton(2, blank));
    EXPECT_EQ(groups.cellText(blank, 1), QString("拒绝组")) << "the row stays";
    EXPECT_EQ(rowCount("c_usergroup", "groupname='拒绝组'"), programs - 1);
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: ")) << toasts.last().toStdString();
    EXPECT_FALSE(toasts.lines.contains("数据成功删除！||1"));
}

INSTANTIATE_BACKENDS(GroupRightsDb);
