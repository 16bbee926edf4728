#include "platform/grid/sheetfile.h"

#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

namespace {

void fillTemplate(SheetModel& s)
{
    s.setRows(12);
    s.setCols(6);
    s.setCellText(0, 1, "产品条码");
    s.setCellText(1, 1, "产品入库单");
    s.setCellText(2, 2, "  前后空格  ");
    s.setCellText(3, 3, "第一行\n第二行\r\nthird");
    s.setCellText(4, 4, "tab\there & <xml> \"quoted\"");
    s.setCellText(5, 5, QString("ctl") + QChar(0x01) + "char");
    s.setCellText(6, 1, "😀 emoji");
    ASSERT_TRUE(s.merge({ 1, 1, 1, 5 }));
    s.setFontName({ 1, 1, 1, 1 }, "黑体");
    s.setFontSize({ 1, 1, 1, 1 }, 18);
    s.setFontBold({ 1, 1, 1, 1 }, true);
    s.setAlignment({ 1, 1, 1, 1 }, 10);
    s.setBorder({ 7, 1, 9, 5 }, BorderEdge::Top, BorderStyle::Thick);
    s.setBorder({ 7, 1, 9, 5 }, BorderEdge::InsideVertical, BorderStyle::Thin);
    s.setTextColor({ 8, 2, 8, 2 }, 0x0000FF);
    s.setBackColor({ 8, 3, 8, 3 }, 0xE0E0E0);
    s.setWrap({ 3, 3, 3, 3 }, true);
    s.setLocked({ 2, 2, 2, 2 }, true);
    s.setCellType(9, 4, CellType::CheckBox);
    s.setColumnWidth(1, 120);
    s.setColumnWidth(5, 0);
    s.setColumnAlignment(2, 14);
    s.setColumnCellType(3, CellType::List);
    s.addColumnListItem(3, "1001—检验员");
    s.setColumnListOnly(3, true);
    s.setColumnMaxLength(3, 4);
    s.setRowHeight(1, 40);
    s.setShadingColor1(0xFFF3EF);
    s.setShowRowNumbers(true);
    PageSetup p;
    p.paperSize = 11;
    p.landscape = true;
    p.header = "产品入库单";
    p.footer = " 第&P页 共&N页 ";
    p.headerAlignment = 0;
    p.footerAlignment = 2;
    p.footerFont = { "Courier New", 8, false, false, false };
    p.printCaptionRow = true;
    p.topMargin = 2.0;
    p.bottomMargin = 1.0;
    s.setPageSetup(p);
}

void expectSameSheet(const SheetModel& a, const SheetModel& b)
{
    ASSERT_EQ(a.rows(), b.rows());
    ASSERT_EQ(a.cols(), b.cols());
    for (int r = 0; r < a.rows(); ++r)
        for (int c = 0; c < a.cols(); ++c) {
            EXPECT_EQ(a.cellText(r, c), b.cellText(r, c)) << r << "," << c;
            EXPECT_EQ(a.cellFormat(r, c), b.cellFormat(r, c)) << r << "," << c;
        }
    for (int c = 0; c < a.cols(); ++c)
        EXPECT_EQ(a.column(c), b.column(c)) << c;
    EXPECT_EQ(a.merges(), b.merges());
    EXPECT_EQ(a.explicitRowHeights(), b.explicitRowHeights());
    EXPECT_EQ(a.pageSetup(), b.pageSetup());
    EXPECT_EQ(a.shadingColor1(), b.shadingColor1());
    EXPECT_EQ(a.showRowNumbers(), b.showRowNumbers());
    EXPECT_EQ(a.sheetFont(), b.sheetFont());
}

QByteArray withVersion(const SheetModel& s, const char* version)
{
    QByteArray data = writeSheet(s);
    data.replace("version=\"1\"", QByteArray("version=\"") + version + "\"");
    return data;
}

} // namespace

TEST(SheetFile, RoundTripKeepsTextsFormatsMergesAndPageSetUp)
{
    SheetModel original;
    fillTemplate(original);
    QTemporaryDir dir;
    const QString path = dir.filePath("rkreport.cel");
    ASSERT_TRUE(saveSheetFile(path, original));

    SheetModel loaded;
    ASSERT_TRUE(loadSheetFile(path, loaded));
    expectSameSheet(original, loaded);
    EXPECT_EQ(loaded.cellText(2, 2), "  前后空格  ");
    EXPECT_EQ(loaded.cellText(3, 3), "第一行\n第二行\r\nthird");
    EXPECT_EQ(loaded.cellText(5, 5), QString("ctl") + QChar(0x01) + "char");

    const QByteArray raw = writeSheet(original);
    EXPECT_TRUE(raw.contains("<korvell-sheet version=\"1\""));
    EXPECT_TRUE(raw.contains("产品入库单")) << "texts stay readable in the file";
}

TEST(SheetFile, ForeignAndNewerFilesAreRefusedAndTheSheetIsKept)
{
    SheetModel mine;
    fillTemplate(mine);
    SheetModel before;
    before.assign(mine);

    struct Case {
        const char* name;
        QByteArray data;
        SheetReadError error;
        QString message;
    };
    const Case cases[] = {
        { "foreign", "<?xml version=\"1.0\"?><Workbook><Cell/></Workbook>", SheetReadError::NotASheet,
            "不是本系统的表格文件" },
        { "binary", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00\x00", 10), SheetReadError::NotASheet,
            "不是本系统的表格文件" },
        { "newer", withVersion(mine, "2"), SheetReadError::NewerVersion, "较新版本" },
        { "no version", withVersion(mine, "x"), SheetReadError::Malformed, "已损坏" },
        { "cut short", writeSheet(mine).left(writeSheet(mine).size() / 2), SheetReadError::Malformed,
            "已损坏" },
        { "cell outside",
            "<korvell-sheet version=\"1\" rows=\"2\" cols=\"2\"><cell row=\"5\" col=\"1\"/></korvell-sheet>",
            SheetReadError::Malformed, "已损坏" },
        { "overlapping merges",
            "<korvell-sheet version=\"1\" rows=\"9\" cols=\"9\"><merge top=\"1\" left=\"1\" bottom=\"2\" "
            "right=\"2\"/>"
            "<merge top=\"2\" left=\"2\" bottom=\"3\" right=\"3\"/></korvell-sheet>",
            SheetReadError::Malformed, "已损坏" },
        { "too many rows", "<korvell-sheet version=\"1\" rows=\"10000001\" cols=\"2\"/>",
            SheetReadError::Malformed, "已损坏" },
    };
    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString(c.name) + ".cel");
        testsupport::writeFile(path, c.data);
        dialogs.messages.clear();
        EXPECT_EQ(loadSheetFile(path, mine).error, c.error);
        EXPECT_FALSE(openSheetFile(path, mine));
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("错误|"));
        EXPECT_TRUE(dialogs.messages[0].contains(c.message)) << dialogs.messages[0].toStdString();
        expectSameSheet(before, mine);
    }
}

TEST(SheetFile, AMissingFileIsLeftToTheCallerWithoutAMessage)
{
    testsupport::ScriptedDialogs dialogs;
    SheetModel s;
    EXPECT_EQ(loadSheetFile("/nonexistent/x.cel", s).error, SheetReadError::Missing);
    EXPECT_FALSE(openSheetFile("/nonexistent/x.cel", s));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(SheetFile, AFailedSaveLeavesThePreviousFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.cel");
    SheetModel first;
    fillTemplate(first);
    ASSERT_TRUE(saveSheetFile(path, first));
    const QByteArray before = testsupport::readFile(path);

    // The folder turns read-only: the save fails and the old file is untouched.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    SheetModel other;
    if (!QFileInfo(dir.path()).isWritable()) {
        EXPECT_FALSE(saveSheetFile(path, other));
        EXPECT_EQ(testsupport::readFile(path), before);
    }
    QFile::setPermissions(
        dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(saveSheetFile(dir.filePath("missing-folder/t.cel"), other));
}

TEST(SheetFile, AnEmptySheetAndEveryValueASettingTakesReadBack)
{
    // Values the windows may pass beyond the usual ones: the saved sheet must open again.
    SheetModel blank, extreme;
    extreme.setRows(4);
    extreme.setCols(4);
    extreme.setBackColor({ 1, 1, 1, 1 }, 0x8000000F);
    extreme.setShadingColor1(0x80000005);
    extreme.setColumnWidth(2, 200000);
    extreme.setColumnMaxLength(2, std::numeric_limits<int>::max());
    extreme.setColumnOption(3, 5'000'000);
    extreme.setRowHeight(2, 20000);
    extreme.pageSetup().paperSize = 256;
    extreme.pageSetup().headerAlignment = 3;
    for (const SheetModel* original : { &blank, &extreme }) {
        SheetModel loaded;
        fillTemplate(loaded);
        const SheetReadResult r = readSheet(writeSheet(*original), loaded);
        ASSERT_TRUE(r) << r.detail.toStdString();
        expectSameSheet(*original, loaded);
    }
}
