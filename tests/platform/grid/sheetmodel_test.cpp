#include "platform/grid/sheetmodel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace platform;

namespace {

SheetModel& filled(SheetModel& s, int rows, int cols)
{
    s.setRows(rows);
    s.setCols(cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 1; c < cols; ++c)
            s.setCellText(r, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    return s;
}

// A sheet of rows + 1 rows whose column 1 holds the keys from row 1, column 2 each row's number.
SheetModel& keyed(SheetModel& s, const QStringList& keys, int rows)
{
    s.setRows(rows + 1);
    s.setCols(3);
    for (int i = 0; i < keys.size(); ++i) {
        s.setCellText(i + 1, 1, keys[i]);
        s.setCellText(i + 1, 2, QString::number(i + 1));
    }
    return s;
}

// The texts of a column from row 1 on.
QStringList columnTexts(const SheetModel& s, int col)
{
    QStringList texts;
    for (int r = 1; r < s.rows(); ++r)
        texts << s.cellText(r, col);
    return texts;
}

} // namespace

TEST(SheetModel, SizeChangesAndAddedRowsAddBlankOrGivenRowsAndDropRowsAtTheEnd)
{
    SheetModel s;
    filled(s, 5, 3);
    CellFormat red;
    red.textColor = 0xFF;
    s.setCellFormat(4, 1, red);
    s.setRows(3);
    EXPECT_EQ(s.rows(), 3);
    s.setRows(6);
    EXPECT_EQ(s.cellText(2, 1), "r2c1");
    EXPECT_EQ(s.cellText(4, 1), "") << "dropped rows come back blank";
    EXPECT_FALSE(s.cellFormat(4, 1).textColor);
    s.setCols(2);
    s.setCols(3);
    EXPECT_EQ(s.cellText(1, 2), "");
    EXPECT_EQ(s.cellText(1, 1), "r1c1");
    // Writes outside the sheet are ignored, reads give nothing.
    s.setCellText(100, 1, "x");
    EXPECT_EQ(s.cellText(100, 1), "");
    // Added rows take tab-separated texts.
    s.setRows(1);
    s.setCols(4);
    s.addRow("a\tb\tc");
    s.addRow();
    EXPECT_EQ(s.rows(), 3);
    EXPECT_EQ(s.cellText(1, 1), "a");
    EXPECT_EQ(s.cellText(1, 3), "c");
    EXPECT_EQ(s.cellText(2, 1), "");
}

TEST(SheetModel, TenMillionRowsCostOnlyTheirCells)
{
    SheetModel s;
    s.setRows(SheetModel::maxRows);
    s.setCellText(9'999'999, 1, "last");
    s.setCellText(1, 1, "first");
    EXPECT_EQ(s.rows(), 10'000'000);
    EXPECT_EQ(s.populatedRows(), (std::vector<int> { 1, 9'999'999 }));
    s.insertRows(1, 1);
    EXPECT_EQ(s.rows(), 10'000'000) << "never beyond the limit";
    EXPECT_EQ(s.cellText(1, 1), "first");
    s.removeRows(1, 9'000'000);
    EXPECT_EQ(s.rows(), 1'000'000);
    EXPECT_EQ(s.cellText(999'999, 1), "last");
    EXPECT_EQ(s.populatedRows(), (std::vector<int> { 999'999 }));
    s.setRows(SheetModel::maxRows + 5);
    EXPECT_EQ(s.rows(), SheetModel::maxRows);
}

TEST(SheetModel, InsertAndRemoveRowsShiftTextFormatsMergesAndHeights)
{
    SheetModel s;
    filled(s, 8, 4);
    s.setBackColor({ 3, 1, 3, 1 }, 0xFF0000);
    s.setRowHeight(3, 40);
    ASSERT_TRUE(s.merge({ 4, 1, 5, 2 }));

    s.insertRows(2, 2);
    EXPECT_EQ(s.rows(), 10);
    EXPECT_EQ(s.cellText(1, 1), "r1c1");
    EXPECT_EQ(s.cellText(2, 1), "");
    EXPECT_EQ(s.cellText(4, 1), "r2c1");
    EXPECT_EQ(s.cellFormat(5, 1).backColor, 0xFF0000u);
    EXPECT_EQ(s.rowHeight(5), 40);
    EXPECT_EQ(s.merges(), (std::vector<CellRange> { { 6, 1, 7, 2 } }));

    // Removing a row inside a merge shrinks it.
    s.removeRow(6);
    EXPECT_EQ(s.cellText(6, 1), "r5c1");
    EXPECT_EQ(s.merges(), (std::vector<CellRange> { { 6, 1, 6, 2 } }));
    s.removeRows(1, 3);
    EXPECT_EQ(s.cellText(1, 1), "r2c1");
    EXPECT_EQ(s.cellFormat(2, 1).backColor, 0xFF0000u);
    EXPECT_EQ(s.rows(), 6);
    EXPECT_EQ(s.merges(), (std::vector<CellRange> { { 3, 1, 3, 2 } }));

    // A merge that the inserted rows fall into grows; one below them moves.
    ASSERT_TRUE(s.merge({ 1, 3, 2, 3 }));
    s.insertRows(2, 1);
    EXPECT_EQ(s.merges(), (std::vector<CellRange> { { 4, 1, 4, 2 }, { 1, 3, 3, 3 } }));
    // Removing all of a merge's rows, or all but one of a one-column merge, drops it.
    s.removeRows(4, 1);
    s.removeRows(2, 2);
    EXPECT_TRUE(s.merges().empty());
}

TEST(SheetModel, InsertAndRemoveColumnsShiftCellsColumnSettingsAndMerges)
{
    SheetModel s;
    filled(s, 3, 5);
    s.setColumnWidth(2, 120);
    s.setColumnMaxLength(3, 4);
    ASSERT_TRUE(s.merge({ 1, 2, 2, 3 }));
    s.insertCols(1, 1);
    EXPECT_EQ(s.cols(), 6);
    EXPECT_EQ(s.cellText(1, 2), "r1c1");
    EXPECT_EQ(s.columnWidth(3), 120);
    EXPECT_EQ(s.column(4).maxLength, 4);
    EXPECT_EQ(s.merges().front(), (CellRange { 1, 3, 2, 4 }));
    s.removeCols(1, 2);
    EXPECT_EQ(s.cellText(1, 1), "r1c2");
    EXPECT_EQ(s.columnWidth(1), 120);
    EXPECT_EQ(s.columnWidth(0), 0) << "column 0 stays hidden";
    s.insertCols(0, 1);
    EXPECT_EQ(s.columnWidth(0), 0);
    EXPECT_EQ(s.columnWidth(1), 0) << "the former column 0 keeps its width, inserted before it";
    EXPECT_EQ(s.columnWidth(2), 120);
}

TEST(SheetModel, OverlappingMergesAreRefused)
{
    SheetModel s;
    filled(s, 6, 6);
    EXPECT_TRUE(s.merge({ 1, 1, 2, 2 }));
    EXPECT_FALSE(s.merge({ 2, 2, 3, 3 })) << "overlaps the first";
    EXPECT_FALSE(s.merge({ 1, 1, 1, 1 })) << "a single cell";
    EXPECT_FALSE(s.merge({ 4, 4, 6, 5 })) << "leaves the sheet";
    EXPECT_TRUE(s.merge({ 3, 1, 3, 5 }));
    EXPECT_TRUE(s.isMerged({ 2, 2, 2, 2 }));
    EXPECT_EQ(s.mergeAt(2, 2), (CellRange { 1, 1, 2, 2 }));
    s.unmerge({ 2, 2, 3, 2 });
    EXPECT_TRUE(s.merges().empty()) << "unmerge takes every merge it touches";
    EXPECT_EQ(s.cellText(2, 2), "r2c2") << "texts stay";
}

TEST(SheetModel, BordersSetEveryEdgeKindAndClearAll)
{
    SheetModel s;
    filled(s, 5, 5);
    const CellRange r { 1, 1, 3, 3 };
    s.setBorder(r, BorderEdge::Left, BorderStyle::Thin);
    s.setBorder(r, BorderEdge::Right, BorderStyle::Thin);
    s.setBorder(r, BorderEdge::Top, BorderStyle::Thick);
    s.setBorder(r, BorderEdge::Bottom, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(2, 1).borderLeft, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(2, 2).borderLeft, BorderStyle::None) << "outer edges only";
    EXPECT_EQ(s.cellFormat(1, 2).borderTop, BorderStyle::Thick);
    EXPECT_EQ(s.cellFormat(4, 2).borderTop, BorderStyle::Thin) << "the line is kept on the neighbour too";

    s.setBorder(r, BorderEdge::InsideHorizontal, BorderStyle::Thin);
    s.setBorder(r, BorderEdge::InsideVertical, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(2, 2).borderTop, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(2, 2).borderLeft, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(1, 2).borderTop, BorderStyle::Thick) << "inner lines leave the outer ones";

    for (BorderEdge e : { BorderEdge::Left, BorderEdge::Right, BorderEdge::Top, BorderEdge::Bottom,
             BorderEdge::InsideHorizontal, BorderEdge::InsideVertical })
        s.setBorder(r, e, BorderStyle::None);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            const CellFormat f = s.cellFormat(row, col);
            EXPECT_EQ(f, CellFormat {}) << row << "," << col;
        }
    EXPECT_EQ(s.cellText(2, 2), "r2c2");
}

TEST(SheetModel, RangeFormatsAndClearing)
{
    SheetModel s;
    filled(s, 4, 4);
    const CellRange r { 1, 1, 2, 2 };
    s.setTextColor(r, 0xFF);
    s.setAlignment(r, 14);
    s.setFontName(r, "黑体");
    s.setFontSize(r, 16);
    s.setFontBold(r, true);
    s.setWrap(r, true);
    s.setLocked(r, true);
    EXPECT_TRUE(s.isLocked(2, 2));
    EXPECT_FALSE(s.isLocked(3, 3));
    EXPECT_EQ(s.effectiveAlignment(1, 1), 14);
    EXPECT_EQ(s.fontSpec(2, 1).family, "黑体");
    EXPECT_TRUE(s.fontSpec(2, 1).bold);
    EXPECT_EQ(s.fontSpec(3, 3).family, "宋体") << "the sheet's font";

    s.clearText({ 1, 1, 1, 2 });
    EXPECT_EQ(s.cellText(1, 1), "");
    EXPECT_EQ(s.cellFormat(1, 1).textColor, 0xFFu) << "formats stay";
    s.clearFormats({ 2, 1, 2, 1 });
    EXPECT_EQ(s.cellFormat(2, 1), CellFormat {});
    EXPECT_EQ(s.cellText(2, 1), "r2c1");
    s.clearAll({ 1, 0, 2, 3 });
    EXPECT_EQ(s.cellText(2, 2), "");
    EXPECT_EQ(s.cellFormat(2, 2), CellFormat {});
    EXPECT_EQ(s.populatedRows(), (std::vector<int> { 0, 3 })) << "cleared cells cost nothing";
}

TEST(SheetModel, UserEditsHonourLocksMaximumLengthAndCheckBoxes)
{
    SheetModel s;
    s.setRows(3);
    s.setCols(5);
    s.setColumnMaxLength(3, 4);
    s.addColumnListItem(3, "1001—检验员");
    EXPECT_TRUE(s.editCell(1, 3, "1001—检验员"));
    EXPECT_EQ(s.cellText(1, 3), "1001") << "a picked item is cut to the column's length";
    s.setCellLocked(1, 1, true);
    EXPECT_FALSE(s.editCell(1, 1, "x"));
    s.setColumnLocked(2, true);
    EXPECT_FALSE(s.editCell(2, 2, "x"));
    s.setColumnCellType(4, CellType::CheckBox);
    s.editCell(1, 4, "1");
    s.editCell(2, 4, "yes");
    EXPECT_EQ(s.cellText(1, 4), "1");
    EXPECT_EQ(s.cellText(2, 4), "0");
    s.setCellText(1, 1, "by program");
    EXPECT_EQ(s.cellText(1, 1), "by program") << "locks bind the user, not the program";

    s.setColumnLocked(2, false);
    s.setColumnCellType(2, CellType::List);
    s.addColumnListItem(2, "管理员");
    s.setColumnListOnly(2, true);
    EXPECT_EQ(s.columnListChoices(2), (QStringList { "管理员" }));
    EXPECT_FALSE(s.editCell(1, 2, "无此组")) << "a list-only cell takes only its items";
    EXPECT_TRUE(s.editCell(1, 2, "管理员"));
    EXPECT_EQ(s.cellText(1, 2), "管理员");
    s.clearColumnList(2);
    EXPECT_TRUE(s.columnListChoices(2).isEmpty());
}

TEST(SheetModel, SortIsNumericStableKeepsBlanksLastAndStaysInItsRange)
{
    SheetModel s;
    keyed(s, { "10", "9", "", "abc", "9", "1.5", "" }, 7);
    s.setBackColor({ 2, 2, 2, 2 }, 0xFF);
    s.sortRows(1, Qt::AscendingOrder, 1, 7);
    EXPECT_EQ(columnTexts(s, 2), (QStringList { "6", "2", "5", "1", "4", "3", "7" }))
        << "1.5 < 9 = 9 (stable) < 10 < text; blanks last in their order";
    EXPECT_EQ(s.cellFormat(2, 2).backColor, 0xFFu) << "formats travel with their row";
    s.sortRows(1, Qt::DescendingOrder, 1, 7);
    EXPECT_EQ(columnTexts(s, 2), (QStringList { "4", "1", "2", "5", "6", "3", "7" }));

    // Not a number: nan and infinities sort as texts.
    SheetModel texts;
    keyed(texts, { "nan", "3", "inf", "1", "-inf", "2" }, 6);
    texts.sortRows(1, Qt::AscendingOrder, 1, 6);
    EXPECT_EQ(columnTexts(texts, 1).mid(0, 3), (QStringList { "1", "2", "3" }));

    // An inner range leaves the totals row last.
    SheetModel totals;
    keyed(totals, { "b", "c", "a", "总计" }, 4);
    totals.sortRows(1, Qt::AscendingOrder, 1, totals.rows() - 2);
    EXPECT_EQ(columnTexts(totals, 1), (QStringList { "a", "b", "c", "总计" }));
}

TEST(SheetModel, BatchedWritesSignalOnce)
{
    SheetModel s;
    s.setRows(100);
    s.setCols(5);
    QSignalSpy spy(&s, &SheetModel::cellsChanged);
    {
        SheetModel::Batch batch(s);
        for (int r = 1; r < 100; ++r)
            s.setCellText(r, 2, "x");
        s.setCellText(5, 4, "y");
    }
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0], (QList<QVariant> { 1, 2, 99, 4 }));
}

TEST(SheetModel, ShadingAlternatesOverDataRows)
{
    SheetModel s;
    s.setRows(4);
    s.setShadingColor1(0xFFF3EF); // RGB(239,243,255)
    s.setShadingColor2(0xF7EBE7);
    EXPECT_EQ(s.effectiveBackColor(1, 1), 0xFFF3EFu);
    EXPECT_EQ(s.effectiveBackColor(2, 1), 0xF7EBE7u);
    EXPECT_EQ(s.effectiveBackColor(0, 1), 0xFFFFFFu);
    s.setBackColor({ 1, 1, 1, 1 }, 0xE0E0E0);
    EXPECT_EQ(s.effectiveBackColor(1, 1), 0xE0E0E0u);
    EXPECT_EQ(colorFromBgr(0xFFF3EF), QColor(239, 243, 255));
    EXPECT_EQ(bgrFromColor(QColor(239, 243, 255)), 0xFFF3EFu);
}

TEST(SheetModel, SortMovesOneRowMergesWithTheirRowsAndUndoesTallerOnes)
{
    SheetModel s;
    s.setRows(6);
    s.setCols(4);
    s.setCellText(1, 1, "b");
    s.setCellText(1, 2, "merged b");
    s.setCellText(2, 1, "a");
    s.setCellText(3, 1, "d");
    s.setCellText(4, 1, "c");
    ASSERT_TRUE(s.merge({ 1, 2, 1, 3 }));
    ASSERT_TRUE(s.merge({ 3, 2, 4, 3 }));
    ASSERT_TRUE(s.merge({ 5, 1, 5, 2 })); // below the sorted rows: stays
    s.sortRows(1, Qt::AscendingOrder, 1, 4);
    EXPECT_EQ(s.cellText(2, 1), "b");
    EXPECT_EQ(s.cellText(2, 2), "merged b");
    EXPECT_EQ(s.merges(), (std::vector<CellRange> { { 2, 2, 2, 3 }, { 5, 1, 5, 2 } }));
}

TEST(SheetModel, EdgesOfASelectionPastTheLastRowAndColumnLandOnTheSheet)
{
    SheetModel s;
    s.setRows(3);
    s.setCols(3);
    const CellRange past { 1, 1, 10, 7 };
    s.setBorder(past, BorderEdge::Bottom, BorderStyle::Thin);
    s.setBorder(past, BorderEdge::Right, BorderStyle::Thick);
    EXPECT_EQ(s.cellFormat(2, 1).borderBottom, BorderStyle::Thin);
    EXPECT_EQ(s.cellFormat(2, 2).borderRight, BorderStyle::Thick);
    EXPECT_EQ(s.cellFormat(1, 2).borderRight, BorderStyle::Thick);
    const CellFormat corner = s.cellFormat(2, 2);
    s.setBorder({ 5, 5, 9, 9 }, BorderEdge::Top, BorderStyle::None); // wholly outside: nothing
    s.setBorder({ 3, 0, 9, 2 }, BorderEdge::Top, BorderStyle::None);
    EXPECT_EQ(s.cellFormat(2, 2), corner);
}

TEST(SheetModel, AlignmentCodesAndAnythingElseMeansTheDefault)
{
    EXPECT_EQ(alignmentFromCode(5), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(alignmentFromCode(10), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(alignmentFromCode(14), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(alignmentFromCode(15), Qt::AlignRight | Qt::AlignBottom);
    EXPECT_FALSE(isAlignmentCode(8));
    EXPECT_FALSE(isAlignmentCode(16));
    SheetModel s;
    s.setAlignment({ 1, 1, 1, 1 }, 10);
    s.setAlignment({ 1, 1, 1, 1 }, 12);
    EXPECT_EQ(s.cellFormat(1, 1).alignment, 0);
    s.setColumnAlignment(2, 3);
    EXPECT_EQ(s.column(2).alignment, 0);
    s.setColumnAlignment(2, 14);
    EXPECT_EQ(s.column(2).alignment, 14);
}

TEST(SheetModel, ClearingAWholeTenMillionRowColumnTouchesOnlyItsCells)
{
    SheetModel s;
    s.setRows(SheetModel::maxRows);
    s.setCellText(5, 1, "text");
    s.setBackColor({ 9'000'000, 1, 9'000'000, 2 }, 0xFF);
    s.setCellText(9'000'000, 2, "kept");
    const CellRange column { 1, 1, SheetModel::maxRows - 1, 1 };
    s.clearFormats(column);
    EXPECT_EQ(s.cellFormat(9'000'000, 1), CellFormat {});
    EXPECT_EQ(s.cellFormat(9'000'000, 2).backColor, 0xFFu);
    s.clearText(column);
    EXPECT_TRUE(s.cellText(5, 1).isEmpty());
    EXPECT_EQ(s.cellText(9'000'000, 2), "kept");
    EXPECT_EQ(s.populatedRows(), (std::vector<int> { 9'000'000 }));
}
