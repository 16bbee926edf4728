// The editors' rules that need no database: row counts, widths, rights, the configurations and the
// code cut of picked list items.
#include "desktop/masterdata/grideditor.h"
#include "desktop/masterdata/grouprights.h"

#include <gtest/gtest.h>

using namespace korvell;

namespace {

const QList<const EditorConfig*> allEditors()
{
    return { &jzformConfig(), &khformConfig(), &procformConfig(), &bzformConfig(), &employeeformConfig(),
        &useraddmdoConfig() };
}

QStringList captionsOf(const EditorConfig& config)
{
    QStringList captions;
    for (const EditorColumn& c : config.columns)
        captions << c.caption;
    return captions;
}

} // namespace

TEST(EditorRules, RowCountsKeepAtLeastTwentyRowsAndOneRowPerRecord)
{
    EXPECT_EQ(editorRowCount(0), 20);
    EXPECT_EQ(editorRowCount(19), 20); // every row holds a record, none is left blank
    EXPECT_EQ(editorRowCount(20), 21);
    EXPECT_EQ(editorRowCount(250), 251);
    EXPECT_EQ(groupListRowCount(0), 20);
    EXPECT_EQ(groupListRowCount(19), 20);
    EXPECT_EQ(groupListRowCount(20), 22); // one blank row for a new group
    EXPECT_EQ(rightsRowCount(19), 20);
    EXPECT_EQ(rightsRowCount(20), 21);
}

TEST(EditorRules, RightsAnswersDecideSaveAndDelete)
{
    for (const QString r : { "0", "10" })
        EXPECT_FALSE(maySave(r)) << r.toStdString();
    for (const QString r : { "11", "01", "00", "1", "" })
        EXPECT_TRUE(maySave(r)) << r.toStdString();
    EXPECT_TRUE(mayDelete("11"));
    for (const QString r : { "10", "01", "00", "1", "111" })
        EXPECT_FALSE(mayDelete(r)) << r.toStdString();

    EXPECT_TRUE(maySaveGroupRights("11", "张三"));
    EXPECT_FALSE(maySaveGroupRights("10", "张三"));
    EXPECT_FALSE(maySaveGroupRights("01", "张三"));
    EXPECT_TRUE(maySaveGroupRights("10", "超级用户"));
    EXPECT_TRUE(maySaveGroupRights("0", "超级用户"));
}

TEST(EditorRules, ScaledColumnWidthsRoundHalvesToEven)
{
    EditorColumn scaled;
    scaled.widthFactor = 0.01;
    EXPECT_EQ(editorColumnWidth(scaled, 9000), 90);
    EXPECT_EQ(editorColumnWidth(scaled, 8850), 88); // 88.5
    EXPECT_EQ(editorColumnWidth(scaled, 8950), 90); // 89.5
    EXPECT_EQ(editorColumnWidth(scaled, 8960), 90);
    EditorColumn fixed;
    fixed.width = 60;
    EXPECT_EQ(editorColumnWidth(fixed, 9000), 60);
}

TEST(EditorRules, EveryEditorKeysByARequiredFirstColumnAndQuotesItInItsQuestion)
{
    for (const EditorConfig* c : allEditors()) {
        EXPECT_TRUE(c->key().required) << c->name.toStdString();
        EXPECT_TRUE(c->question.contains("%1")) << c->name.toStdString();
    }
    // Captions keep their inner blanks.
    EXPECT_EQ(captionsOf(jzformConfig()).mid(2), QStringList({ "负 责 人", "备    注" }));
    EXPECT_EQ(captionsOf(bzformConfig()).at(2), QString("班 组 长"));
}

TEST(EditorSheet, PrepareWritesCaptionsHidesColumnZeroAndShades)
{
    for (const EditorConfig* c : allEditors()) {
        platform::SheetModel sheet;
        GridEditor editor(*c, sheet);
        editor.prepare();
        EXPECT_EQ(sheet.cols(), c->columns.size() + 1);
        EXPECT_EQ(sheet.columnWidth(0), 0);
        EXPECT_EQ(sheet.cellText(0, 1), c->key().caption);
        EXPECT_EQ(sheet.shadingColor1(), 0xFFF3EFu) << "RGB(239,243,255)";
    }
}

TEST(EditorSheet, PickedTeamAndMachineGroupItemsKeepTheirWholeCode)
{
    platform::SheetModel sheet;
    GridEditor editor(employeeformConfig(), sheet);
    editor.prepare();
    sheet.setRows(20);
    EXPECT_EQ(sheet.cellType(1, 3), platform::CellType::List);
    EXPECT_EQ(sheet.cellType(1, 4), platform::CellType::List);

    // Codes of one to eight characters survive the pick; the name goes.
    const QList<std::pair<QString, QString>> picks { { "1—质检", "1" }, { "1001—检验组", "1001" },
        { "100201—二班", "100201" }, { "ABCDEFGH—机组八", "ABCDEFGH" } };
    for (const auto& [item, code] : picks) {
        ASSERT_TRUE(sheet.editCell(2, 3, item));
        EXPECT_EQ(sheet.cellText(2, 3), code);
        ASSERT_TRUE(sheet.editCell(2, 4, item));
        EXPECT_EQ(sheet.cellText(2, 4), code);
    }
    // Other columns keep the separator as typed.
    sheet.editCell(2, 5, "备注—说明");
    EXPECT_EQ(sheet.cellText(2, 5), QString("备注—说明"));
}
