// The editor engine over a real database, with each of its configurations.
#include "desktop/masterdata/grideditor.h"
#include "masterdatatest.h"

#include <gtest/gtest.h>

using namespace korvell;
using masterdatatest::MasterDataTest;
using testsupport::rowCount;
using testsupport::scalar;

namespace {

const QList<const EditorConfig*> fiveEditors()
{
    return { &jzformConfig(), &khformConfig(), &procformConfig(), &bzformConfig(), &employeeformConfig() };
}

QString keyField(const EditorConfig& c)
{
    return c.key().field;
}

QVariant stored(const EditorConfig& c, const QString& field, const QString& key)
{
    return scalar(QStringLiteral("select %1 from %2 where %3=?").arg(field, c.table, keyField(c)), { key });
}

// An editor over a fresh sheet, prepared and loaded.
struct LoadedEditor {
    explicit LoadedEditor(const EditorConfig& c)
        : editor(c, sheet)
    {
        editor.prepare();
        editor.load();
    }
    platform::SheetModel sheet;
    GridEditor editor;
};

} // namespace

class GridEditorDb : public MasterDataTest {
protected:
    void prepare() override
    {
        ASSERT_NO_FATAL_FAILURE(MasterDataTest::prepare());
        grantEditorMaintenance();
    }
    // Opens a new editor; the one opened before is gone.
    LoadedEditor& open(const EditorConfig& c)
    {
        loaded = std::make_unique<LoadedEditor>(c);
        return *loaded;
    }
    std::unique_ptr<LoadedEditor> loaded;
};

TEST_P(GridEditorDb, RowCountsFollowTheRecordsRead)
{
    for (const EditorConfig* c : fiveEditors()) {
        SCOPED_TRACE(c->name.toStdString());
        platform::SheetModel sheet;
        GridEditor editor(*c, sheet);
        editor.prepare();
        ASSERT_TRUE(editor.load());
        EXPECT_EQ(sheet.rows(), 20);
        EXPECT_TRUE(sheet.cellText(1, 1).isEmpty());

        storeRecords(*c, 1, 20);
        editor.load();
        EXPECT_EQ(sheet.rows(), 21);
        EXPECT_FALSE(sheet.cellText(20, 1).isEmpty());
        EXPECT_EQ(sheet.cellText(0, 1), c->key().caption) << "the caption row stays";
    }
}

TEST_P(GridEditorDb, LoadedRowsShowTheRecordByPositionWithOnlyTheirKeyLocked)
{
    for (const EditorConfig* c : fiveEditors()) {
        SCOPED_TRACE(c->name.toStdString());
        storeRecords(*c, 1, 2);
        auto& [sheet, editor] = open(*c);
        const QStringList expected = recordTexts(*c, 1);
        int row = sheet.cellText(1, 1) == expected.first() ? 1 : 2;
        for (int i = 0; i < expected.size(); ++i) {
            if (c->columns.at(i).numeric)
                EXPECT_DOUBLE_EQ(sheet.cellText(row, i + 1).toDouble(), expected.at(i).toDouble());
            else
                EXPECT_EQ(sheet.cellText(row, i + 1), expected.at(i));
        }
        EXPECT_TRUE(sheet.isLocked(1, 1));
        EXPECT_TRUE(sheet.isLocked(2, 1));
        EXPECT_FALSE(sheet.isLocked(1, 2));
        EXPECT_FALSE(sheet.isLocked(3, 1)) << "a blank row takes a new key";
        EXPECT_FALSE(sheet.editCell(1, 1, "改"));
        EXPECT_TRUE(sheet.editCell(3, 1, "新"));

        // A reload drops edits and locks of rows that are gone.
        editor.load();
        EXPECT_TRUE(sheet.cellText(3, 1).isEmpty());
        EXPECT_FALSE(sheet.isLocked(3, 1));
    }
}

TEST_P(GridEditorDb, SaveInsertsNewRowsUpdatesLoadedOnesAndLogs)
{
    for (const EditorConfig* c : fiveEditors()) {
        SCOPED_TRACE(c->name.toStdString());
        storeRecords(*c, 1, 1);
        auto& [sheet, editor] = open(*c);
        sheet.editCell(1, 2, "  改过 ");
        QStringList fresh = recordTexts(*c, 7);
        fresh[0] = "  " + fresh[0] + " ";
        type(sheet, 5, fresh);
        toasts.clear();

        const SaveOutcome outcome = editor.save();
        EXPECT_EQ(outcome.saved, 2);
        EXPECT_EQ(outcome.failed, 0);
        EXPECT_EQ(rowCount(c->table), 2);
        EXPECT_EQ(stored(*c, c->columns.at(1).field, recordTexts(*c, 1).first()).toString(), QString("改过"));
        EXPECT_TRUE(stored(*c, keyField(*c), fresh[0].trimmed()).isValid()) << "stored trimmed";
        EXPECT_EQ(toasts.last(), c->successText + "||1");
        EXPECT_EQ(rowCount("c_log", "logmsg=? and username=?", { c->logText, masterdatatest::tester }), 1);
        // No reload after a save: the new row's key stays editable.
        EXPECT_FALSE(sheet.isLocked(5, 1));
        ASSERT_TRUE(ExecSQL("delete from " + c->table));
    }
}

// Two rows with one key would both write one record: nothing is saved and both rows are named. A
// key that only the database holds (stored after the load) is updated as before.
TEST_P(GridEditorDb, TwoRowsWithOneKeySaveNothingAndAKeyOnlyStoredIsUpdated)
{
    for (const EditorConfig* c : { &procformConfig(), &useraddmdoConfig() }) {
        SCOPED_TRACE(c->name.toStdString());
        storeRecords(*c, 1, 1);
        auto& [sheet, editor] = open(*c);
        const QString key = recordTexts(*c, 1).first();
        const int loaded = masterdatatest::rowOf(sheet, key);
        QStringList again = recordTexts(*c, 2);
        again[0] = " " + key;
        type(sheet, 12, again);
        type(sheet, 14, recordTexts(*c, 3));
        const int before = rowCount(c->table);
        toasts.clear();
        EXPECT_EQ(editor.save().saved, 0);
        EXPECT_EQ(toasts.last(),
            QStringLiteral("第%1行和第12行的%2相同！|数据没有保存，请改正后再保存|1")
                .arg(loaded)
                .arg(c->key().caption));
        EXPECT_EQ(rowCount(c->table), before);
        EXPECT_EQ(rowCount("c_log", "logmsg=?", { c->logText }), 0);

        sheet.editCell(12, 1, "别处新增");
        storeRecords(*c, 9, 1);
        ASSERT_TRUE(
            ExecSQL(QStringLiteral("update %1 set %2='别处新增' where %2=?").arg(c->table, keyField(*c)),
                { recordTexts(*c, 9).first() }));
        EXPECT_EQ(editor.save().saved, before + 2);
        EXPECT_EQ(stored(*c, c->columns.at(1).field, "别处新增").toString(), sheet.cellText(12, 2));
        EXPECT_EQ(rowCount(c->table), before + 2);
        ASSERT_TRUE(ExecSQL(
            "delete from " + c->table + " where " + keyField(*c) + "<>?", { masterdatatest::tester }));
    }
}

// Checked before the statement, so both backends refuse alike; characters, not UTF-16 units, count.
TEST_P(GridEditorDb, TextLongerThanItsColumnRefusesItsRow)
{
    auto& [sheet, editor] = open(bzformConfig());
    type(sheet, 1, { "B1", QString("𠀀").repeated(50), "", "" });
    type(sheet, 7, { "B7", QString(51, u'班'), "", "" });
    type(sheet, 8, { "B8", "称重组", QString(60, u'长'), "" });
    toasts.clear();
    const SaveOutcome outcome = editor.save();
    EXPECT_EQ(outcome.saved, 1);
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_EQ(toasts.last(), QString("有2行数据没有保存！|第7行：班组名称最多50个字符|1"));
    EXPECT_EQ(stored(bzformConfig(), "bzname", "B1").toString(), QString("𠀀").repeated(50));
    EXPECT_EQ(rowCount("c_bzname"), 1);
}

TEST_P(GridEditorDb, RowsWithoutTheirRequiredCellsAreSkipped)
{
    {
        auto& [sheet, editor] = open(procformConfig());
        type(sheet, 1, { "P1", "0.35", "漆包线", "" }); // no tare
        type(sheet, 2, { "P2", "0.40", "  ", "1.2" }); // no name
        type(sheet, 3, { "P3", "0.50", "漆包线", "1.25" });
        const SaveOutcome outcome = editor.save();
        EXPECT_EQ(outcome.saved, 1);
        EXPECT_EQ(outcome.failed, 0);
        EXPECT_EQ(rowCount("c_procname"), 1);
        EXPECT_EQ(toasts.last(), QString("数据已经成功保存！||1")) << "skipped rows are no failure";
    }
    {
        storeRecords(jzformConfig(), 1, 1);
        auto& [sheet, editor] = open(jzformConfig());
        sheet.editCell(1, 2, "");
        sheet.editCell(1, 3, "新负责人");
        editor.save();
        EXPECT_EQ(stored(jzformConfig(), "jzmsg", "jzid1").toString(), QString("jzms1"))
            << "a loaded row whose name was cleared keeps its stored values";
    }
}

TEST_P(GridEditorDb, ATareThatIsNoNumberRefusesOnlyItsRow)
{
    auto& [sheet, editor] = open(procformConfig());
    type(sheet, 1, { "P1", "0.35", "漆包线", "1.5" });
    type(sheet, 2, { "P2", "0.40", "漆包线", "1,5kg" });
    type(sheet, 3, { "P3", "0.50", "漆包线", " 2 " });
    toasts.clear();
    const SaveOutcome outcome = editor.save();
    EXPECT_EQ(outcome.saved, 2);
    EXPECT_EQ(outcome.failed, 1);
    EXPECT_EQ(rowCount("c_procname"), 2);
    EXPECT_EQ(rowCount("c_procname", "procid=?", { "P2" }), 0);
    EXPECT_DOUBLE_EQ(stored(procformConfig(), "nullweight", "P3").toDouble(), 2.0);
    EXPECT_EQ(toasts.last(), QString("有1行数据没有保存！|第2行：线盘自重必须是数字|1"));
    EXPECT_EQ(rowCount("c_log", "logmsg=?", { "产品型号规格数据维护" }), 1) << "the rows saved are logged";
}

TEST_P(GridEditorDb, QuotesAndSqlTextsAreStoredAsTyped)
{
    const EditorConfig& c = khformConfig();
    const QStringList texts { "O'Brien 线缆", "张'三", "\"0512\"", "'); drop table c_custom; --",
        "备注 ' \" %1" };
    {
        auto& [sheet, editor] = open(c);
        type(sheet, 1, texts);
        EXPECT_EQ(editor.save().saved, 1);
    }
    auto& [sheet, editor] = open(c);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(sheet.cellText(1, i + 1), texts.at(i));
    // An update with quotes, and a delete of the quoted key.
    sheet.editCell(1, 2, "李'四");
    editor.save();
    EXPECT_EQ(stored(c, "cust_man", texts.first()).toString(), QString("李'四"));
    grant("khform", "1", "1");
    dialogs.answers = { platform::Answer::Ok };
    sheet.editCell(1, 1, "x"); // locked: stays
    EXPECT_TRUE(editor.deleteOnMouseButton(2, 1));
    EXPECT_EQ(rowCount("c_custom"), 0);
}

TEST_P(GridEditorDb, DatabaseFailuresAreCountedInsteadOfReportedAsSuccess)
{
    auto& [sheet, editor] = open(bzformConfig());
    type(sheet, 1, { "1001", "检验组", "", "" });
    // Rows stored without their log line are told as saved, after the database's toast about it.
    ASSERT_TRUE(ExecSQL("alter table c_log rename to c_log_away"));
    toasts.clear();
    EXPECT_EQ(editor.save().saved, 1);
    EXPECT_TRUE(toasts.lines.first().startsWith("数据库发生错误: "));
    EXPECT_EQ(toasts.last(), bzformConfig().successText + "||1");
    ASSERT_TRUE(ExecSQL("alter table c_log_away rename to c_log"));
    type(sheet, 3, { "1002", "称重组", "", "" });
    ASSERT_TRUE(ExecSQL("drop table c_bzname"));
    toasts.clear();
    const SaveOutcome outcome = editor.save();
    EXPECT_EQ(outcome.saved, 0);
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_TRUE(toasts.last().startsWith("有2行数据没有保存！|第1行：")) << toasts.last().toStdString();
    EXPECT_FALSE(toasts.lines.contains("班组信息已经成功保存！||1"));
    EXPECT_EQ(rowCount("c_log", "logmsg=?", { "对班组信息进行修改" }), 0) << "nothing was changed";
}

TEST_P(GridEditorDb, ALostServerShowsTheConnectionMessageAndTheEditsSaveOnceItIsBack)
{
    auto& [sheet, editor] = open(bzformConfig());
    type(sheet, 1, { "1001", "检验组", "", "" });
    type(sheet, 2, { "1002", "称重组", "", "" });
    const DsnKeys reachable = masterdatatest::loseServer();
    toasts.clear();
    EXPECT_EQ(editor.save().saved, 0);
    EXPECT_EQ(toasts.last(), masterdatatest::connectionToast);

    masterdatatest::bringServerBack(reachable);
    EXPECT_EQ(editor.save().saved, 2);
    EXPECT_EQ(rowCount("c_bzname"), 2);
}

// Opened while the server was down: the blank rows were never read, so a key typed there that a
// stored record carries overwrites nothing, even once the server is back; the next read works.
TEST_P(GridEditorDb, AnEditorThatCouldNotReadItsTableSavesAndDeletesNothing)
{
    for (const EditorConfig* c : fiveEditors() + QList<const EditorConfig*> { &useraddmdoConfig() }) {
        SCOPED_TRACE(c->name.toStdString());
        storeRecords(*c, 1, 1);
        grant(c->name, "1", "1");
        platform::SheetModel sheet;
        GridEditor editor(*c, sheet);
        editor.prepare();
        const DsnKeys reachable = masterdatatest::loseServer();
        toasts.clear();
        EXPECT_FALSE(editor.load());
        EXPECT_EQ(toasts.lines, QStringList { masterdatatest::connectionToast }) << "said once";
        masterdatatest::bringServerBack(reachable);

        const QStringList record = recordTexts(*c, 1);
        const QString changed = "管理员"; // also one of the users editor's groups
        QStringList typed = record;
        typed[1] = changed;
        type(sheet, 1, typed);
        toasts.clear();
        EXPECT_EQ(editor.save().saved, 0);
        EXPECT_EQ(
            toasts.lines, QStringList { "数据没有读出，不能保存！|" + masterdatatest::unreadHint + "|1" });
        EXPECT_EQ(stored(*c, c->columns.at(1).field, record[0]).toString(), record[1]);
        EXPECT_EQ(rowCount("c_log", "logmsg=?", { c->logText }), 0);
        dialogs.answers = { platform::Answer::Ok };
        EXPECT_FALSE(editor.deleteOnMouseButton(2, 1));
        EXPECT_TRUE(dialogs.messages.isEmpty());
        EXPECT_EQ(toasts.last(), "数据没有读出，不能删除！|" + masterdatatest::unreadHint + "|1");
        EXPECT_EQ(rowCount(c->table, keyField(*c) + "=?", { record[0] }), 1);

        EXPECT_TRUE(editor.load());
        const int row = masterdatatest::rowOf(sheet, record[0]);
        ASSERT_GT(row, 0);
        EXPECT_EQ(sheet.cellText(row, 2), record[1]);
        sheet.editCell(row, 2, changed);
        EXPECT_GE(editor.save().saved, 1);
        EXPECT_EQ(stored(*c, c->columns.at(1).field, record[0]).toString(), changed);
    }
}

// Saving needs "11" or "01", deleting "11"; a group row with nothing ticked, or rights that could
// not be read, grant neither. Asked at each click, whatever the button showed.
TEST_P(GridEditorDb, RightsCodesDecideSavingAndDeleting)
{
    const struct {
        const char* code; // nullptr: the rights cannot be read
        bool save, remove;
    } cases[] = { { "0", false, false }, { "10", false, false }, { "00", false, false },
        { "01", true, false }, { "11", true, true }, { nullptr, false, false } };
    for (const EditorConfig* c : { &jzformConfig(), &useraddmdoConfig() }) {
        for (const auto& k : cases) {
            SCOPED_TRACE(c->name.toStdString() + " " + (k.code ? k.code : "unread"));
            storeRecords(*c, 1, 1);
            if (k.code)
                grant(c->name, QString(k.code).left(1), QString(k.code).mid(1));
            auto& [sheet, editor] = open(*c);
            type(sheet, sheet.rows() - 1, recordTexts(*c, 2));
            if (!k.code) {
                ASSERT_TRUE(ExecSQL("alter table c_programgroup rename to c_programgroup_away"));
            }
            toasts.clear();
            dialogs.answers = { platform::Answer::Ok };
            EXPECT_EQ(editor.save().saved > 0, k.save);
            EXPECT_EQ(
                rowCount(c->table, keyField(*c) + "=?", { recordTexts(*c, 2).first() }), k.save ? 1 : 0);
            if (k.code && !k.save) {
                EXPECT_EQ(toasts.last(), QString("您没有维护权限，不能保存！||1"));
            }
            EXPECT_EQ(editor.deleteOnMouseButton(2, masterdatatest::rowOf(sheet, recordTexts(*c, 1).first())),
                k.remove);
            if (!k.code) {
                ASSERT_TRUE(ExecSQL("alter table c_programgroup_away rename to c_programgroup"));
            }
            ASSERT_TRUE(ExecSQL(
                "delete from " + c->table + " where " + keyField(*c) + "<>?", { masterdatatest::tester }));
        }
    }
}

TEST_P(GridEditorDb, DeleteNeedsRightButtonARecordRowItsRequiredCellsAndRightsEleven)
{
    const EditorConfig& c = jzformConfig();
    storeRecords(c, 1, 1);
    auto& [sheet, editor] = open(c);
    type(sheet, 2, { "  J7 ", "新机组", "", "" });
    editor.save();
    toasts.clear();

    for (const QString rights : { "10", "01", "00" }) {
        grant("jzform", rights.left(1), rights.mid(1));
        EXPECT_FALSE(editor.deleteOnMouseButton(2, 1));
    }
    grant("jzform", "1", "1");
    EXPECT_FALSE(editor.deleteOnMouseButton(1, 1)) << "left button";
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 0)) << "caption row";
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 5)) << "blank row";
    sheet.editCell(1, 2, " ");
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 1)) << "required name cleared";
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "no question while a condition fails";
    EXPECT_TRUE(toasts.lines.isEmpty());
    sheet.editCell(1, 2, "机组名");

    dialogs.answers = { platform::Answer::Cancel };
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 2));
    EXPECT_EQ(dialogs.messages.last(), QString("友情提示|确定删除机组代码为  J7 机组信息数据吗？"))
        << "the key as typed";
    EXPECT_EQ(rowCount("c_jzname"), 2);
    EXPECT_EQ(sheet.cellText(2, 1), QString("  J7 "));

    dialogs.answers = { platform::Answer::Ok };
    const int rows = sheet.rows();
    EXPECT_TRUE(editor.deleteOnMouseButton(2, 2));
    EXPECT_EQ(rowCount("c_jzname", "jzid=?", { "J7" }), 0);
    EXPECT_EQ(rowCount("c_jzname"), 1);
    EXPECT_EQ(sheet.rows(), rows - 1);
    EXPECT_EQ(toasts.last(), QString("数据成功删除！||1"));
    EXPECT_EQ(rowCount("c_log", "logmsg like ?", { "%删除%" }), 0) << "deletes are not logged";
}

TEST_P(GridEditorDb, AFailedDeleteKeepsItsRowAndShowsTheDatabaseError)
{
    const EditorConfig& c = procformConfig();
    storeRecords(c, 1, 1);
    grant("procform", "1", "1");
    auto& [sheet, editor] = open(c);
    ASSERT_TRUE(ExecSQL("drop table c_procname"));
    dialogs.answers = { platform::Answer::Ok };
    toasts.clear();
    const int rows = sheet.rows();
    EXPECT_FALSE(editor.deleteOnMouseButton(2, 1));
    EXPECT_EQ(sheet.rows(), rows);
    EXPECT_EQ(sheet.cellText(1, 1), QString("proc1"));
    EXPECT_TRUE(toasts.last().startsWith("数据库发生错误: ")) << toasts.last().toStdString();
    EXPECT_FALSE(toasts.lines.contains("数据成功删除！||1"));
}

TEST_P(GridEditorDb, EmployeeCodeColumnsListTeamsAndMachineGroupsAndKeepWholeCodes)
{
    ASSERT_TRUE(ExecSQL("insert into c_bzname (bzid,bzname) values ('1001','检验组')"));
    ASSERT_TRUE(ExecSQL("insert into c_bzname (bzid,bzname) values ('10020001','称重八位')"));
    ASSERT_TRUE(ExecSQL("insert into c_jzname (jzid,jzname) values ('J1','一号机组')"));
    const EditorConfig& c = employeeformConfig();
    auto& [sheet, editor] = open(c);
    EXPECT_EQ(sheet.columnListChoices(3).mid(0, 2), QStringList({ "1001—检验组", "10020001—称重八位" }));
    EXPECT_TRUE(sheet.columnListChoices(4).contains("J1—一号机组"));

    type(sheet, 1, { "E1", "张三", "10020001—称重八位", "J1—一号机组", "" });
    editor.save();
    EXPECT_EQ(stored(c, "bz_id", "E1").toString(), QString("10020001"));
    EXPECT_EQ(stored(c, "jz_id", "E1").toString(), QString("J1"));

    editor.load();
    EXPECT_EQ(sheet.cellText(1, 3), QString("10020001")) << "loaded rows show the stored codes";
}

INSTANTIATE_BACKENDS(GridEditorDb);
