#include "platform/grid/sheetpainter.h"

#include "platform/ui/fonts.h"
#include "tests/platform/grid/pdftext.h"
#include "tests/support/application.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class SheetPainterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::ensureApp<QGuiApplication>();
        installChineseFontSubstitutes();
        ASSERT_TRUE(dir.isValid());
    }

    // Rows of data that one page holds for this sheet's set-up.
    int rowsPerPage(const SheetModel& s)
    {
        const QPageLayout layout = SheetPainter(s).pageLayout();
        const QRect area = layout.paintRectPixels(1200);
        SheetModel probe;
        probe.assign(s);
        probe.setRows(1000);
        const auto pages = SheetPainter(probe).paginate(area.width(), area.height(), 1200, 1);
        return pages.front().lastRow - pages.front().firstRow + 1;
    }

    QString printToPdf(const SheetModel& s, int* pages = nullptr)
    {
        const QString file = dir.filePath(QString("sheet%1.pdf").arg(++printed));
        QPdfWriter writer(file);
        writer.setResolution(1200);
        const int n = SheetPainter(s).print(writer);
        if (pages)
            *pages = n;
        return file;
    }

    // How many pixels of page 1 are strongly red.
    int redPixels(const QString& pdf)
    {
        const QString stem = QDir(dir.path()).filePath("page");
        gridtest::runTool("pdftoppm", { "-r", "30", "-png", "-f", "1", "-l", "1", "-singlefile", pdf, stem });
        const QImage image(stem + ".png");
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        return red;
    }

    QTemporaryDir dir;
    int printed = 0;
};

SheetModel& orderSheet(SheetModel& s, int dataRows)
{
    s.setCols(5);
    s.setRows(dataRows + 1);
    s.setCellText(0, 1, "产品条码");
    s.setCellText(0, 2, "产品型号");
    s.setCellText(0, 3, "净    重");
    s.setCellText(0, 4, "班组");
    SheetModel::Batch batch(s);
    for (int r = 1; r <= dataRows; ++r) {
        s.setCellText(r, 1, QString("20261209035%1").arg(r, 5, 10, QChar('0')));
        s.setCellText(r, 2, "YJV-3×95");
        s.setCellText(r, 3, QString::number(10 + r * 0.25));
        s.setCellText(r, 4, "甲班");
    }
    for (int c = 1; c < 5; ++c)
        s.setColumnWidth(c, 150);
    PageSetup& p = s.pageSetup();
    p.header = "产品出库单";
    p.footer = "打印日期：2026年12月09日         制表人:张三            第 &P 页 共&N页";
    p.footerAlignment = 2;
    p.printCaptionRow = true;
    p.printGridLines = true;
    return s;
}

} // namespace

TEST(SheetPainterCodes, PageNumberAndCount)
{
    EXPECT_EQ(SheetPainter::expandPageCodes("第 &P 页 共&N页", 2, 7), "第 2 页 共7页");
    EXPECT_EQ(SheetPainter::expandPageCodes(" 第&P页 共&N页 ", 1, 1), " 第1页 共1页 ");
    EXPECT_EQ(SheetPainter::expandPageCodes("no codes", 1, 1), "no codes");
}

TEST_F(SheetPainterTest, ThreePagesWithHeaderFooterCaptionsAndChineseText)
{
    SheetModel s;
    orderSheet(s, 1);
    const int perPage = rowsPerPage(s);
    ASSERT_GT(perPage, 10);
    orderSheet(s, perPage * 2 + 3);

    int pages = 0;
    const QString pdf = printToPdf(s, &pages);
    EXPECT_EQ(pages, 3);
    ASSERT_EQ(gridtest::pdfPageCount(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString text = gridtest::pdfPageText(pdf, page);
        EXPECT_TRUE(text.contains(QString("第 %1 页 共3页").arg(page))) << text.toStdString();
        EXPECT_TRUE(text.contains("产品出库单"));
        EXPECT_TRUE(text.contains("产品条码")) << "captions on every page";
        EXPECT_TRUE(text.contains("制表人:张三"));
    }
    const QString first = gridtest::pdfPageText(pdf, 1);
    EXPECT_TRUE(first.contains("甲班"));
    EXPECT_TRUE(first.contains("2026120903500001"));
    EXPECT_FALSE(first.contains(QString("20261209035%1").arg(perPage + 1, 5, 10, QChar('0'))))
        << "the next page's first row";
    EXPECT_TRUE(gridtest::pdfPageText(pdf, 3).contains(
        QString("20261209035%1").arg(perPage * 2 + 3, 5, 10, QChar('0'))));
}

// Ideographs whose glyphs the CJK fonts share with radicals read back as themselves: in the
// sheet's font, in bold, in 黑体, and in the Courier New of the designer's headers.
TEST_F(SheetPainterTest, PrintedTextReadsBackAsTheSheetsTexts)
{
    SheetModel s;
    s.setCols(4);
    s.setRows(5);
    const QStringList texts {
        "产品入库单",
        "毛重",
        "入库日期",
        "人员",
        "月份",
        "第1页",
        "十",
        "长门车见贝",
        "食飞马风",
        "青黄齐龙",
        "韦鱼鸟麦",
        "齿角",
    };
    for (int i = 0; i < texts.size(); ++i)
        s.setCellText(i / 3 + 1, i % 3 + 1, texts[i]);
    s.setFontBold({ 1, 1, 1, 3 }, true);
    s.setFontName({ 2, 1, 2, 3 }, "黑体");
    s.setFontBold({ 2, 1, 2, 2 }, true);
    s.setFontName({ 3, 1, 3, 3 }, "Courier New");
    for (int c = 1; c < 4; ++c)
        s.setColumnWidth(c, 150);
    const QString text = gridtest::pdfPageText(printToPdf(s), 1);
    for (const QString& t : texts)
        EXPECT_TRUE(text.contains(t)) << t.toStdString() << "\n" << text.toStdString();
}

TEST_F(SheetPainterTest, ShadingSwitchedToWhitePrintsWhite)
{
    SheetModel s;
    orderSheet(s, 20);
    s.setShadingColor1(0x0000FF); // red
    s.setShadingColor2(0x0000FF);
    EXPECT_GT(redPixels(printToPdf(s)), 100);
    s.setShadingColor1(0xFFFFFF);
    s.setShadingColor2(0xFFFFFF);
    EXPECT_EQ(redPixels(printToPdf(s)), 0);
}

TEST_F(SheetPainterTest, PaperCodesAndMargins)
{
    SheetModel s;
    s.pageSetup().paperSize = 9;
    EXPECT_EQ(SheetPainter(s).pageLayout().pageSize().id(), QPageSize::A4);
    s.pageSetup().paperSize = 8;
    s.pageSetup().landscape = true;
    s.pageSetup().topMargin = 2.0;
    const QPageLayout layout = SheetPainter(s).pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A3);
    EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
    EXPECT_DOUBLE_EQ(layout.margins(QPageLayout::Millimeter).top(), 20.0);
    s.pageSetup().paperSize = 4242;
    EXPECT_EQ(SheetPainter(s).pageLayout().pageSize().id(), QPageSize::A4) << "unknown codes print on A4";
}

// Sheets that fit one page, with a text each that the page shows and maybe one that it must not.
TEST_F(SheetPainterTest, OnePageSheetsPrintWhatTheyShow)
{
    const struct {
        const char* name;
        std::function<void(SheetModel&)> make;
        QString shown;
        QString left;
    } cases[] = {
        { "captions only", [](SheetModel& s) { orderSheet(s, 0); }, "第 1 页 共1页", {} },
        { "no rows at all",
            [](SheetModel& s) {
                s.setRows(0);
                s.pageSetup().footer = "第 &P 页 共&N页";
                s.pageSetup().printCaptionRow = true;
            },
            "第 1 页 共1页", {} },
        { "caption row switched off",
            [](SheetModel& s) {
                orderSheet(s, 3);
                s.pageSetup().printCaptionRow = false;
            },
            "甲班", "产品条码" },
        { "wider than the page, so scaled",
            [](SheetModel& s) {
                orderSheet(s, 3);
                s.setCols(12);
                for (int c = 1; c < 12; ++c)
                    s.setColumnWidth(c, 200);
                s.setCellText(1, 11, "最右列");
            },
            "最右列", {} },
        { "a merge starting in hidden columns",
            [](SheetModel& s) {
                s.setRows(3);
                s.setCols(5);
                s.setCellText(1, 1, "MergedTitle");
                ASSERT_TRUE(s.merge({ 1, 1, 2, 3 }));
                s.setColumnWidth(1, 0);
                s.setColumnWidth(2, 0);
            },
            "MergedTitle", {} },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SheetModel s;
        c.make(s);
        int pages = 0;
        const QString text = gridtest::pdfPageText(printToPdf(s, &pages), 1);
        EXPECT_EQ(pages, 1);
        EXPECT_TRUE(text.contains(c.shown)) << text.toStdString();
        EXPECT_TRUE(c.left.isEmpty() || !text.contains(c.left));
    }
}
