#include "platform/grid/xlsxexport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QString unzipped(const QString& xlsx, const QString& member)
{
    QProcess unzip;
    unzip.start("unzip", { "-p", xlsx, member });
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// The sheet XML's cell at ref ("B3"): its type attribute ("" for numbers) and text.
std::pair<QString, QString> cellOf(const QString& sheetXml, const QString& ref)
{
    const QRegularExpression re(QString("<c r=\"%1\"([^>]*)>(.*?)</c>").arg(ref));
    const auto m = re.match(sheetXml);
    if (!m.hasMatch())
        return { "missing", "" };
    const auto type = QRegularExpression("t=\"(\\w+)\"").match(m.captured(1));
    QString text = m.captured(2);
    text.remove(QRegularExpression("<[^>]+>"));
    return { type.hasMatch() ? type.captured(1) : QString(), text };
}

} // namespace

TEST(XlsxExport, CaptionsOnceHiddenColumnsOutNumbersAsNumbersCodesAsText)
{
    SheetModel s;
    s.setRows(5);
    s.setCols(6);
    s.setColumnWidth(0, 0);
    s.setColumnWidth(4, 0); // hidden: left out
    const QStringList captions { "", "产品条码", "净    重", "班组", "状态", "数量" };
    for (int c = 1; c < 6; ++c) {
        s.setCellText(0, c, captions[c]);
        s.setCellText(1, c, captions[c]); // the query windows' copy of the captions
    }
    s.setCellText(2, 0, "hidden col 0");
    s.setCellText(2, 1, "2026120903500001"); // 16-digit serial number
    s.setCellText(2, 2, "12.35");
    s.setCellText(2, 3, "0012");
    s.setCellText(2, 4, "状态不导出");
    s.setCellText(2, 5, "7");
    s.setCellText(4, 1, "总计");
    s.setCellText(4, 2, "2026120910001"); // 13-digit order number

    QTemporaryDir dir;
    const QString path = dir.filePath("out.xlsx");
    ASSERT_TRUE(exportXlsx(s, path));
    EXPECT_FALSE(QFile::exists(path + ".part"));
    const QString sheet = unzipped(path, "xl/worksheets/sheet1.xml");
    ASSERT_FALSE(sheet.isEmpty());

    EXPECT_EQ(cellOf(sheet, "A1").second, "产品条码");
    EXPECT_EQ(cellOf(sheet, "C1").second, "班组");
    EXPECT_EQ(cellOf(sheet, "D1").second, "数量") << "the hidden column is left out";
    // Row 1 of the grid repeated the captions: the data start in the second row.
    EXPECT_EQ(cellOf(sheet, "A2"), (std::pair<QString, QString> { "inlineStr", "2026120903500001" }));
    EXPECT_EQ(cellOf(sheet, "B2"), (std::pair<QString, QString> { "", "12.35" }));
    EXPECT_EQ(cellOf(sheet, "C2").first, "inlineStr") << "a code with a leading zero stays text";
    EXPECT_EQ(cellOf(sheet, "C2").second, "0012");
    EXPECT_EQ(cellOf(sheet, "D2"), (std::pair<QString, QString> { "", "7" }));
    EXPECT_EQ(cellOf(sheet, "A3").first, "missing") << "blank rows keep their place";
    EXPECT_EQ(cellOf(sheet, "B4"), (std::pair<QString, QString> { "inlineStr", "2026120910001" }));
    EXPECT_FALSE(sheet.contains("hidden col 0"));
    EXPECT_FALSE(sheet.contains("状态不导出"));
}

TEST(XlsxExport, AFailedExportLeavesAnExistingFile)
{
    QTemporaryDir dir;
    SheetModel s;
    s.setCellText(1, 1, "x");
    EXPECT_FALSE(exportXlsx(s, dir.filePath("no/such/folder/out.xlsx")));
    EXPECT_FALSE(exportXlsx(s, ""));

    // More rows than a spreadsheet holds: refused, the earlier file stays.
    const QString path = dir.filePath("keep.xlsx");
    ASSERT_TRUE(exportXlsx(s, path));
    const qint64 size = QFileInfo(path).size();
    s.setRows(2'000'000);
    s.setCellText(1'999'999, 1, "beyond the limit");
    EXPECT_FALSE(exportXlsx(s, path));
    EXPECT_EQ(QFileInfo(path).size(), size);
    EXPECT_FALSE(QFile::exists(path + ".part"));
}
