#include "platform/grid/grid.h"

#include "platform/grid/sheetfile.h"
#include "platform/ui/fonts.h"
#include "tests/platform/grid/pdftext.h"
#include "tests/support/application.h"
#include "tests/support/files.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/scripteddialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class GridTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        installChineseFontSubstitutes();
    }

    void SetUp() override
    {
        grid.resize(640, 400);
        grid.show();
        SheetModel& s = grid.sheet();
        s.setCols(5);
        s.setRows(6);
        s.setCellText(0, 1, "产品条码");
        s.setCellText(0, 2, "净    重");
        for (int r = 1; r < 6; ++r) {
            s.setCellText(r, 1, QString("item%1").arg(r));
            s.setCellText(r, 2, QString::number(6 - r));
        }
    }

    // The centre of a cell in viewport pixels (column 0 hidden, default sizes).
    QPoint at(int row, int col) const
    {
        int x = 0;
        for (int c = 0; c < col; ++c)
            x += grid.sheet().columnWidth(c);
        const int y = row == 0 ? 5 : SheetModel::defaultRowHeight * row + 5;
        return { x + 5, y };
    }

    // The editor on screen; finished ones may wait for deletion, hidden.
    template <class T> T* shownEditor() const
    {
        for (T* w : grid.viewport()->findChildren<T*>())
            if (w->isVisible())
                return w;
        return nullptr;
    }

    void click(int row, int col, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(grid.viewport(), button, mods, at(row, col));
    }

    // Picks item index of the list on screen, as the user would.
    void pickListItem(int index)
    {
        auto* combo = shownEditor<QComboBox>();
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    Grid grid;
};

} // namespace

TEST_F(GridTest, ClicksMoveTheActiveCellAndRaiseTheEvents)
{
    QSignalSpy clicked(&grid, &Grid::clicked);
    QSignalSpy current(&grid, &Grid::currentCellChanged);
    QSignalSpy mouse(&grid, &Grid::mouseDown);
    click(3, 2);
    EXPECT_EQ(grid.activeRow(), 3);
    EXPECT_EQ(grid.activeCol(), 2);
    ASSERT_EQ(current.count(), 1);
    EXPECT_EQ(current[0], (QList<QVariant> { 3, 2 }));
    EXPECT_EQ(clicked.count(), 1);
    ASSERT_EQ(mouse.count(), 1);
    EXPECT_EQ(mouse[0][0].toInt(), 1);

    // A right click reports button 2 after moving the active cell, so a handler reads its row.
    int rowSeen = -1;
    QObject::connect(&grid, &Grid::mouseDown, [&](int button, int, int, int) {
        if (button == 2)
            rowSeen = grid.activeRow();
    });
    click(4, 1, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(rowSeen, 4);
    EXPECT_EQ(mouse.last()[1].toInt(), 1) << "shift state";

    // Shift-click extends the selection from the anchor.
    click(1, 1);
    click(3, 2, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(grid.selection(), (CellRange { 1, 1, 3, 2 }));
    grid.setSelection({ 2, 1, 4, 3 });
    EXPECT_EQ(grid.selection(), (CellRange { 2, 1, 4, 3 }));
}

TEST_F(GridTest, EveryClickRaisesTheClickEventOnTheActiveCellAndItsTextToo)
{
    QSignalSpy clicked(&grid, &Grid::clicked);
    click(2, 1);
    click(2, 1);
    EXPECT_EQ(clicked.count(), 2);

    // A click into the text being typed gives the handlers the cell with that text; typing goes on.
    QString seen;
    QObject::connect(&grid, &Grid::clicked, [&] { seen = grid.sheet().cellText(2, 1); });
    QTest::keyClick(&grid, Qt::Key_N);
    auto* editor = shownEditor<QLineEdit>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "ew");
    QTest::mouseClick(editor, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(seen, "new");
    EXPECT_EQ(shownEditor<QLineEdit>(), editor);
}

TEST_F(GridTest, AClickOnAListCellOrOnItsArrowShowsTheList)
{
    SheetModel& s = grid.sheet();
    for (const int col : { 3, 4 }) {
        s.setColumnCellType(col, CellType::List);
        s.addColumnListItem(col, "1001—检验员");
        s.addColumnListItem(col, "1002—称重组");
    }
    s.setColumnListOnly(4, true);
    s.setColumnMaxLength(3, 4);
    s.setCellText(2, 3, "1002");
    for (const int col : { 3, 4 }) {
        click(2, col);
        auto* combo = shownEditor<QComboBox>();
        ASSERT_NE(combo, nullptr);
        EXPECT_TRUE(combo->view()->isVisible()) << col;
        if (col == 3) {
            EXPECT_EQ(combo->view()->currentIndex().row(), 1) << "the cell's own item";
        }
        combo->hidePopup();
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        const QRect arrow
            = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
        QTest::mouseClick(combo, Qt::LeftButton, {}, arrow.center());
        EXPECT_TRUE(combo->view()->isVisible()) << col;
        EXPECT_EQ(shownEditor<QComboBox>(), combo);
        ASSERT_NO_FATAL_FAILURE(pickListItem(1));
        EXPECT_EQ(s.cellText(2, col), col == 3 ? "1002" : "1002—称重组") << "cut to the column's length";
    }
}

TEST_F(GridTest, CheckBoxesToggleAndButtonsReportTheirCell)
{
    grid.sheet().setColumnCellType(3, CellType::CheckBox);
    grid.sheet().setColumnCellType(4, CellType::Button);
    grid.sheet().setCellLocked(2, 3, true);
    QSignalSpy buttons(&grid, &Grid::buttonClicked);
    click(1, 3);
    EXPECT_EQ(grid.sheet().cellText(1, 3), "1");
    click(1, 3);
    EXPECT_EQ(grid.sheet().cellText(1, 3), "0");
    click(2, 3);
    EXPECT_EQ(grid.sheet().cellText(2, 3), "") << "locked";
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(grid.sheet().cellText(3, 3), "1");
    click(5, 4);
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons[0], (QList<QVariant> { 5, 4 }));
}

TEST_F(GridTest, TypingEditsAnUnlockedCellWithinTheColumnLength)
{
    grid.sheet().setColumnMaxLength(1, 6);
    grid.setActiveCell(2, 1);
    QTest::keyClick(&grid, Qt::Key_A);
    auto* editor = shownEditor<QLineEdit>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "bcdefgh");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid.sheet().cellText(2, 1), "abcdef");
    EXPECT_EQ(grid.activeRow(), 3) << "Enter moves down";

    grid.sheet().setCellLocked(3, 1, true);
    QTest::keyClicks(&grid, "x");
    EXPECT_EQ(shownEditor<QLineEdit>(), nullptr);
    EXPECT_EQ(grid.sheet().cellText(3, 1), "item3");

    // Escape drops the edit.
    grid.setActiveCell(4, 2);
    QTest::keyClicks(&grid, "9");
    editor = shownEditor<QLineEdit>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(grid.sheet().cellText(4, 2), "2");
}

TEST_F(GridTest, AListThatTakesOnlyItsItemsChangesACellOnlyWhenAnItemIsPicked)
{
    SheetModel& s = grid.sheet();
    s.setColumnCellType(3, CellType::List);
    s.setColumnListOnly(3, true);
    s.addColumnListItem(3, "管理员");
    s.addColumnListItem(3, "仓管组");
    s.setCellText(2, 3, "已删除的组");

    // Opening the list of a cell whose text is no item, or that is empty, and leaving it.
    for (const int row : { 2, 3 }) {
        const QString before = s.cellText(row, 3);
        click(row, 3);
        ASSERT_NE(shownEditor<QComboBox>(), nullptr);
        click(1, 1);
        EXPECT_EQ(s.cellText(row, 3), before) << row;
    }

    click(3, 3);
    ASSERT_NO_FATAL_FAILURE(pickListItem(1));
    EXPECT_EQ(s.cellText(3, 3), "仓管组");
}

TEST_F(GridTest, CaptionClickSortsBetweenTheSortEventsAndKeepsTheTotalsRowLast)
{
    SheetModel& s = grid.sheet();
    s.addRow("总计\t15");
    grid.setUserSort(true);
    QStringList events;
    // The query windows' protocol: drop the totals row before, rebuild it after.
    QObject::connect(&grid, &Grid::beforeSort, [&](int) {
        events << "before";
        s.removeRow(s.rows() - 1);
    });
    QObject::connect(&grid, &Grid::afterSort, [&](int) {
        events << "after";
        s.addRow("总计\t15");
    });
    click(0, 2);
    EXPECT_EQ(events, (QStringList { "before", "after" }));
    EXPECT_EQ(s.cellText(1, 2), "1");
    EXPECT_EQ(s.cellText(5, 2), "5");
    EXPECT_EQ(s.cellText(6, 1), "总计");
    EXPECT_EQ(s.rows(), 7);
    click(0, 2);
    EXPECT_EQ(s.cellText(1, 2), "5") << "a second click sorts descending";
    EXPECT_EQ(s.cellText(6, 1), "总计");

    // Without handlers, a pinned last row stays where it is.
    grid.disconnect();
    grid.setPinLastRow(true);
    click(0, 1);
    EXPECT_EQ(s.cellText(1, 1), "item1");
    EXPECT_EQ(s.cellText(6, 1), "总计");

    grid.setUserSort(false);
    click(0, 1);
    EXPECT_EQ(grid.activeRow(), 0) << "a caption click without sorting selects the caption row";
}

TEST_F(GridTest, PrintPreviewPrintsPagesWithTheirNumbers)
{
    QTemporaryDir dir;
    testsupport::PdfPrinters printers(dir.path());
    SheetModel& s = grid.sheet();
    s.setRows(121);
    for (int r = 1; r < 121; ++r)
        s.setCellText(r, 1, QString("行%1").arg(r));
    PageSetup& p = s.pageSetup();
    p.header = "产品入库单";
    p.footer = "打印日期：2026年12月09日         制表人:管理员            第 &P 页 共&N页";
    p.printCaptionRow = true;
    grid.printPreview(100);
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_EQ(printers.previewZooms, (QList<int> { 100 }));
    // How the pages are laid out and numbered is the painter's test.
    EXPECT_EQ(gridtest::pdfPageCount(printers.files[0]), 3);
    EXPECT_TRUE(gridtest::pdfPageText(printers.files[0], 3).contains("行120"));
}

TEST_F(GridTest, DirectPrintNeedsAPrinter)
{
    QTemporaryDir dir;
    testsupport::PdfPrinters printers(dir.path());
    testsupport::ScriptedDialogs dialogs;
    printers.available = false;
    EXPECT_FALSE(grid.directPrint());
    EXPECT_EQ(dialogs.messages, (QStringList { "提示|没有可用的打印机。" }));
    printers.available = true;
    grid.sheet().setCellText(5, 1, "直接打印");
    EXPECT_TRUE(grid.directPrint());
    ASSERT_EQ(printers.files.size(), 1);
    EXPECT_TRUE(gridtest::pdfPageText(printers.files[0], 1).contains("直接打印"));

    testsupport::PdfPrinters unwritable(dir.filePath("no/such/folder"));
    EXPECT_FALSE(grid.directPrint());
    EXPECT_EQ(dialogs.messages.last(), "提示|打印失败。");
}

TEST_F(GridTest, FilesAndExportsAskForANameWhenGivenNone)
{
    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    EXPECT_FALSE(grid.exportXlsx("")) << "cancelled";
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);

    dialogs.fileNames.push_back(dir.filePath("out.xlsx"));
    EXPECT_TRUE(grid.exportXlsx(""));
    EXPECT_TRUE(QFile::exists(dir.filePath("out.xlsx")));

    dialogs.fileNames.push_back(dir.filePath("sheet.xml"));
    EXPECT_TRUE(grid.exportXml(""));
    EXPECT_TRUE(grid.saveFile(dir.filePath("sheet.cel")));
    grid.newFile();
    EXPECT_EQ(grid.sheet().cellText(1, 1), "");
    EXPECT_TRUE(grid.importXml(dir.filePath("sheet.xml")));
    EXPECT_EQ(grid.sheet().cellText(1, 1), "item1");
    grid.newFile();
    EXPECT_TRUE(grid.openFile(dir.filePath("sheet.cel")));
    EXPECT_EQ(grid.sheet().cellText(0, 1), "产品条码");

    // A foreign file: a message, and the sheet stays.
    EXPECT_FALSE(
        grid.openFile(testsupport::writeFile(dir.filePath("foreign.cel"), "PK\x03\x04 not a sheet")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("不是本系统的表格文件"));
    EXPECT_EQ(grid.sheet().cellText(1, 1), "item1");
}

TEST_F(GridTest, ATenMillionRowSheetShowsAndScrollsToItsEnd)
{
    SheetModel& s = grid.sheet();
    QElapsedTimer timer;
    timer.start();
    s.setRows(SheetModel::maxRows);
    s.setCellText(SheetModel::maxRows - 1, 1, "the last row");
    grid.setActiveCell(SheetModel::maxRows - 1, 1);
    const QImage shot = grid.grab().toImage();
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_FALSE(shot.isNull());
    EXPECT_EQ(grid.activeRow(), SheetModel::maxRows - 1);
    QSignalSpy mouse(&grid, &Grid::mouseDown);
    // The last row is on screen: a click on its row reports it.
    int lastY = -1;
    for (int y = 30; y < grid.viewport()->height(); y += 5) {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(10, y));
        if (grid.activeRow() == SheetModel::maxRows - 1)
            lastY = y;
    }
    EXPECT_GT(lastY, 0);
}

TEST_F(GridTest, ShadingShowsOnScreenUntilSwitchedToWhite)
{
    auto pixelsOf = [this](QColor colour) {
        const QImage shot = grid.viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                n += shot.pixelColor(x, y) == colour;
        return n;
    };
    grid.sheet().setShadingColor1(0xFFF3EF); // RGB(239,243,255)
    grid.sheet().setShadingColor2(0xF7EBE7); // RGB(231,235,247)
    EXPECT_GT(pixelsOf(QColor(239, 243, 255)), 500);
    EXPECT_GT(pixelsOf(QColor(231, 235, 247)), 500);
    grid.sheet().setShadingColor1(0xFFFFFF);
    grid.sheet().setShadingColor2(0xFFFFFF);
    EXPECT_EQ(pixelsOf(QColor(239, 243, 255)), 0);
    EXPECT_EQ(pixelsOf(QColor(231, 235, 247)), 0);
}

TEST_F(GridTest, KeysStepOverHiddenColumnsSoTypingNeverLandsInOne)
{
    grid.sheet().setColumnWidth(2, 0);
    grid.setActiveCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.activeCol(), 1) << "column 0 is hidden";
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.activeCol(), 3);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.activeCol(), 1);
    QTest::keyClick(&grid, Qt::Key_End);
    EXPECT_EQ(grid.activeCol(), 4);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.activeCol(), 1);
    QTest::keyClicks(&grid, "x");
    QTest::keyClick(shownEditor<QLineEdit>(), Qt::Key_Tab);
    EXPECT_EQ(grid.sheet().cellText(1, 1), "x");
    EXPECT_EQ(grid.activeCol(), 3);
    EXPECT_TRUE(grid.sheet().cellText(1, 0).isEmpty());
}

TEST_F(GridTest, AnOpenEditorFollowsItsRowWhenRowsMoveAndClosesWhenItGoes)
{
    SheetModel& s = grid.sheet();
    grid.setActiveCell(3, 1);
    QTest::keyClick(&grid, Qt::Key_N);
    ASSERT_NE(shownEditor<QLineEdit>(), nullptr);
    QTest::keyClicks(shownEditor<QLineEdit>(), "ew");
    s.insertRows(1, 1); // a row arrives above while the user types
    QTest::keyClick(shownEditor<QLineEdit>(), Qt::Key_Return);
    EXPECT_EQ(s.cellText(4, 1), "new") << "the record the text was typed for";
    EXPECT_EQ(s.cellText(3, 1), "item2") << "the inserted row stays blank";

    grid.setActiveCell(5, 1);
    QTest::keyClick(&grid, Qt::Key_L);
    ASSERT_NE(shownEditor<QLineEdit>(), nullptr);
    s.removeRows(4, 2);
    EXPECT_EQ(shownEditor<QLineEdit>(), nullptr);
    for (int r = 0; r < s.rows(); ++r)
        EXPECT_NE(s.cellText(r, 1), "l") << r;
}
