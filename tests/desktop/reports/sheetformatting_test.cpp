// The "操作(&A)" menu's commands on a template sheet: each reaches every cell of the selection and
// nothing outside it.
#include "desktop/reports/sheetformatting.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

using namespace korvell;
using platform::BorderStyle;
using platform::CellFormat;
using platform::CellRange;
using platform::SheetModel;

namespace {

const CellRange selected { 2, 2, 3, 4 };

class SheetFormatting : public ::testing::Test {
protected:
    SheetFormatting()
    {
        sheet.setRows(8);
        sheet.setCols(7);
        for (int r = 1; r < 8; ++r)
            for (int c = 1; c < 7; ++c)
                sheet.setCellText(r, c, QString("%1,%2").arg(r).arg(c));
    }

    // Runs the nth item of that name (the font-name, size and border items share theirs).
    void run(const QString& name, int nth = 0, CellRange range = selected)
    {
        std::vector<const SheetMenuItem*> named;
        collect(items, name, named);
        ASSERT_LT(nth, int(named.size())) << name.toStdString();
        named[size_t(nth)]->command(sheet, { range, range.top, range.left });
    }
    static void collect(
        const std::vector<SheetMenuItem>& from, const QString& name, std::vector<const SheetMenuItem*>& named)
    {
        for (const SheetMenuItem& i : from) {
            if (i.name == name && i.command)
                named.push_back(&i);
            collect(i.submenu, name, named);
        }
    }

    // Every cell of the selection satisfies has, no cell outside does.
    template <typename Pred> void expectOnSelection(Pred has, const char* what)
    {
        for (int r = 1; r < sheet.rows(); ++r)
            for (int c = 1; c < sheet.cols(); ++c)
                EXPECT_EQ(has(sheet.cellFormat(r, c)), selected.contains(r, c))
                    << what << " at " << r << "," << c;
    }

    SheetModel sheet;
    const std::vector<SheetMenuItem> items = sheetMenuItems({ "Noto Serif CJK SC", "宋体" });
    testsupport::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(SheetFormatting, PropertyCommandsReachTheWholeSelection)
{
    struct Case {
        const char* item;
        std::function<bool(const CellFormat&)> has;
    };
    const Case cases[] = {
        { "mnuSetTextColor_Blue", [](const CellFormat& f) { return f.textColor == 0xFF0000u; } },
        { "mnuSetBackColor_Grey", [](const CellFormat& f) { return f.backColor == 0xE0E0E0u; } },
        { "mnuSetAlignment_RightBottom", [](const CellFormat& f) { return f.alignment == 15; } },
        { "mnuSetWrapText", [](const CellFormat& f) { return f.wrap; } },
        { "mnuLockCell", [](const CellFormat& f) { return f.locked == true; } },
        { "mnuSetFont_U", [](const CellFormat& f) { return f.font && f.font->underline; } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        sheet.clearFormats({ 0, 0, 7, 6 });
        run(c.item);
        expectOnSelection(c.has, c.item);
    }
    run("mnuSetFontName", 0);
    EXPECT_EQ(sheet.fontSpec(3, 4).family, "Noto Serif CJK SC");
    run("mnuSetFontSize", 7);
    EXPECT_EQ(sheet.fontSpec(2, 2).pointSize, 24);
    EXPECT_EQ(sheet.fontSpec(4, 2).pointSize, 9);
    run("mnuCancelWrapText");
    EXPECT_FALSE(sheet.cellFormat(2, 2).wrap);
}

TEST_F(SheetFormatting, BoldFollowsTheActiveCell)
{
    sheet.setFontBold({ 2, 2, 2, 2 }, true);
    sheet.setFontBold({ 3, 3, 3, 3 }, false);
    for (bool bold : { false, true }) {
        run("mnuSetFont_B");
        for (int r = 1; r < sheet.rows(); ++r)
            for (int c = 1; c < sheet.cols(); ++c)
                EXPECT_EQ(sheet.fontSpec(r, c).bold, selected.contains(r, c) && bold) << r << "," << c;
    }
}

TEST_F(SheetFormatting, BordersSetAndCancel)
{
    run("mnuSetBorder", 8); // 外框（粗）
    EXPECT_EQ(sheet.cellFormat(2, 2).borderTop, BorderStyle::Thick);
    EXPECT_EQ(sheet.cellFormat(3, 4).borderRight, BorderStyle::Thick);
    EXPECT_EQ(sheet.cellFormat(2, 3).borderBottom, BorderStyle::None);
    run("mnuSetBorder", 6); // 内部框线
    EXPECT_EQ(sheet.cellFormat(2, 3).borderBottom, BorderStyle::Thin);
    EXPECT_EQ(sheet.cellFormat(2, 3).borderLeft, BorderStyle::Thin);
    run("mnuCancelBorder");
    for (int r = selected.top; r <= selected.bottom; ++r)
        for (int c = selected.left; c <= selected.right; ++c) {
            const CellFormat f = sheet.cellFormat(r, c);
            EXPECT_TRUE(f.borderLeft == BorderStyle::None && f.borderRight == BorderStyle::None
                && f.borderTop == BorderStyle::None && f.borderBottom == BorderStyle::None)
                << r << "," << c;
        }
}

TEST_F(SheetFormatting, MergeClearAndStructure)
{
    run("mnuMergeCell");
    EXPECT_EQ(sheet.mergeAt(3, 3), selected);
    run("mnuMergeCell", 0, { 3, 3, 5, 5 });
    EXPECT_EQ(dialogs.messages.size(), 1) << "an overlapping merge is refused with a message";
    run("mnuCancelMerge");
    EXPECT_FALSE(sheet.mergeAt(3, 3));

    run("mnuClearText");
    EXPECT_EQ(sheet.cellText(2, 2), "");
    EXPECT_EQ(sheet.cellText(4, 2), "4,2");

    run("mnuDeleteByRow");
    EXPECT_EQ(sheet.rows(), 6);
    EXPECT_EQ(sheet.cellText(2, 1), "4,1");
    run("mnuInsertCols");
    EXPECT_EQ(sheet.cols(), 10);
    EXPECT_EQ(sheet.cellText(1, 4), "");
    EXPECT_EQ(sheet.cellText(1, 7), "1,4");
    run("mnuDeleteByRow", 0, { 0, 1, 1, 1 });
    EXPECT_EQ(sheet.cellText(1, 1), "4,1") << "the caption row stays";
}

TEST_F(SheetFormatting, CountPromptSetsRowsAndColumns)
{
    dialogs.inputs = { QString("12"), QString(), std::nullopt, QString("3.5") };
    run("mnuSetRows");
    EXPECT_EQ(sheet.rows(), 12);
    run("mnuSetRows");
    run("mnuSetRows");
    EXPECT_EQ(sheet.rows(), 12);
    run("mnuSetCols");
    EXPECT_EQ(sheet.cols(), 4);
    EXPECT_TRUE(dialogs.prompts.last().endsWith("|请输入列数（范围1~10,000,000）："))
        << dialogs.prompts.last().toStdString();

    struct Case {
        const char* answer;
        std::optional<int> count;
    };
    const Case cases[] = { { "10000000", 10000000 }, { "10000001", std::nullopt }, { "0", std::nullopt },
        { "-5", std::nullopt }, { "abc", std::nullopt }, { "2.5", 2 }, { "3.5", 4 }, { "  42rows", 42 },
        { "7", std::nullopt }, { "1e3", 1000 }, { "99999999999999999999", std::nullopt } };
    for (const Case& c : cases)
        EXPECT_EQ(countFromAnswer(c.answer, 7), c.count) << c.answer;
}
