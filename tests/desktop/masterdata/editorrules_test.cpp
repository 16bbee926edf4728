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

// The five editors and the users editor, column by column as their windows show them.
TEST(EditorRules, EachEditorHasItsCaptionsWidthsTextsAndQuestion)
{
    struct Expected {
        const EditorConfig* config;
        QString caption, table;
        QStringList fields, captions;
        QList<double> widths; // pixels, or factors of the grid's width in twips when below 1
        QList<int> required; // grid columns
        int keyLength;
        EditorLayout layout;
        QString saved, log, question;
    };
    const QString remark = "备    注";
    const QList<Expected> editors {
        { &jzformConfig(), "机组信息设置", "c_jzname", { "jzid", "jzname", "jzmsg", "jzdesc" },
            { "机组代码", "机组名称", "负 责 人", remark }, { 60, 110, 70, 80 }, { 1, 2 }, 8, {},
            "数据已经成功保存！", "修改机组信息", "确定删除机组代码为K机组信息数据吗？" },
        { &khformConfig(), "客户信息维护", "c_custom",
            { "cust_name", "cust_man", "cust_phone", "cust_addr", "cust_desc" },
            { "客户名称", "联系人", "联系电话", "客户地址", remark }, { 0.015, 0.01, 0.01, 0.015, 0.015 },
            { 1 }, 0, { true, {}, 230, 0.35, 0.5 }, "客户数据已经成功保存！", "维护客户资料数据",
            "确定删除客户名称为K的客户信息吗？" },
        { &procformConfig(), "产品型号规格设置", "c_procname",
            { "procid", "procname", "procmsg", "nullweight" },
            { "产品型号", "产品规格", "产品名称", "线盘自重" }, { 60, 70, 110, 75 }, { 1, 2, 3, 4 }, 0, {},
            "数据已经成功保存！", "产品型号规格数据维护", "确定删除产品型号为K产品数据吗？" },
        { &bzformConfig(), "班组信息维护", "c_bzname", { "bzid", "bzname", "bzmsg", "bzdesc" },
            { "班组代码", "班组名称", "班 组 长", remark }, { 0.015, 0.018, 0.015, 0.015 }, { 1, 2 }, 8,
            { true, {}, 350, 0.32, 0.52 }, "班组信息已经成功保存！", "对班组信息进行修改",
            "确定删除班组代码为K的班组信息吗？" },
        { &employeeformConfig(), "员工信息维护", "c_employee",
            { "emp_id", "emp_name", "bz_id", "jz_id", "emp_desc" },
            { "员工工号", "员工姓名", "班组名称", "机组名称", remark }, { 0.01, 0.015, 0.013, 0.013, 0.013 },
            { 1, 2 }, 0, { true, {}, 250, 0.32, 0.52 }, "数据已经成功保存！", "对员工信息进行修改",
            "确定删除工号为K的员工信息吗？" },
        { &useraddmdoConfig(), "系统用户维护", "c_user_table", { "username", "userlevel" },
            { "用户名称", "用户级别" }, { 0.03, 0.03 }, { 1 }, 0, { true, {}, 250, 0.35, 0.6 },
            "用户信息已经成功保存！", "对操作员资料进行维护", "确定删除用户名称为K的用户信息吗？" },
    };
    for (const Expected& e : editors) {
        const EditorConfig& c = *e.config;
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(c.caption, e.caption);
        EXPECT_EQ(c.table, e.table);
        QStringList fields;
        QList<int> required;
        for (int i = 0; i < c.columns.size(); ++i) {
            const EditorColumn& column = c.columns.at(i);
            fields << column.field;
            if (column.required)
                required << i + 1;
            const double width = e.widths.value(i);
            if (width >= 1) {
                EXPECT_EQ(column.width, int(width)) << i + 1;
            } else {
                EXPECT_DOUBLE_EQ(column.widthFactor, width) << i + 1;
            }
        }
        EXPECT_EQ(fields, e.fields);
        EXPECT_EQ(captionsOf(c), e.captions);
        EXPECT_EQ(required, e.required);
        EXPECT_EQ(c.key().maxLength, e.keyLength);
        EXPECT_EQ(c.layout.laidOut, e.layout.laidOut);
        EXPECT_EQ(c.layout.buttonGap, e.layout.buttonGap);
        EXPECT_DOUBLE_EQ(c.layout.saveLeft, e.layout.saveLeft);
        EXPECT_DOUBLE_EQ(c.layout.closeLeft, e.layout.closeLeft);
        EXPECT_EQ(c.successText, e.saved);
        EXPECT_EQ(c.logText, e.log);
        EXPECT_EQ(c.question.arg("K"), e.question);
    }
    EXPECT_EQ(bzformConfig().closeLogText, QString("退出"));
    EXPECT_EQ(bzformConfig().label, QString("1001为检验员，1002为称重或入库组"));
    for (const EditorConfig* c :
        { &jzformConfig(), &khformConfig(), &procformConfig(), &employeeformConfig() })
        EXPECT_TRUE(c->closeLogText.isEmpty()) << c->name.toStdString();
}
