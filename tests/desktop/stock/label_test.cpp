// The weight label: its barcode, rendered or printed, decodes to the serial number.
#include "desktop/stock/code128.h"
#include "desktop/stock/printlabel.h"
#include "platform/ui/fonts.h"
#include "tests/support/application.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/testdatabase.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvell;

namespace {

// What zbarimg reads from an image file, one symbol per line.
QString decode(const QString& file)
{
    QProcess zbar;
    zbar.start("zbarimg", { "--raw", "-q", file });
    zbar.waitForFinished(20000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

WeightLabel sample(const QString& serial)
{
    return { .spec = "0.35",
        .net = "24.16",
        .model = "A1",
        .producer = "E01",
        .gross = "25.36",
        .day = "2006-8-10",
        .phone = "电话: 0512-66887700",
        .serialno = serial,
        .inspector = "E1001",
        .compphone = "" };
}

} // namespace

class Label : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        platform::installChineseFontSubstitutes();
    }
    QTemporaryDir dir;
};

TEST_F(Label, RenderedBarcodeDecodesToTheSerialNumber)
{
    for (const QString serial : { "2006081003510001", "200608105.510004", "2026120912030001" }) {
        const QString file = dir.filePath(serial + ".png");
        ASSERT_TRUE(printlabel::render(sample(serial), 300).save(file));
        EXPECT_EQ(decode(file), serial);
    }
}

TEST_F(Label, BarcodeStaysInsideTheLabelWithQuietZones)
{
    const QImage image = printlabel::render(sample("2006081003510001"), 300);
    const double perTwip = 300 / 1440.0;
    const int y = int((labelBarcodeBox.top() + labelBarcodeBox.height() / 2) * perTwip);
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
            last = x;
            if (first < 0)
                first = x;
        }
    ASSERT_GE(first, 0);
    EXPECT_GT(first, int(labelBarcodeBox.left() * perTwip));
    EXPECT_LT(last, image.width() - 10);
    // The serial number's text below the bars stays clear of them.
    const int textTop = int(3480 * perTwip);
    for (int x = first; x <= last; ++x)
        ASSERT_GT(qGray(image.pixel(x, textTop - 2)), 128) << x;
}

TEST_F(Label, PhoneLineAndBarcodeStayApart)
{
    // Rows of the label (in twips) that hold ink.
    const auto inkRows = [](const WeightLabel& l) {
        const QImage image = printlabel::render(l, 300);
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    rows << int(y * 1440 / 300.0);
                    break;
                }
        return rows;
    };
    WeightLabel phoneOnly;
    phoneOnly.phone = sample("").phone;
    WeightLabel barcodeOnly;
    barcodeOnly.serialno = "2006081003510001";
    const QList<int> phone = inkRows(phoneOnly), bars = inkRows(barcodeOnly);
    ASSERT_FALSE(phone.isEmpty());
    ASSERT_FALSE(bars.isEmpty());
    EXPECT_GE(bars.first() - phone.last(), 60) << "twips of white between them";
}

TEST_F(Label, PrintedPageDecodesAndCarriesItsTexts)
{
    testsupport::PdfPrinters printers(dir.path());
    printlabel window;
    ASSERT_TRUE(window.printLabel(sample("2006081003510001")));
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(printers.files.size(), 1);
    QProcess ppm;
    ppm.start("pdftoppm", { "-png", "-r", "300", printers.files[0], dir.filePath("page") });
    ASSERT_TRUE(ppm.waitForFinished(20000));
    const QStringList pages = QDir(dir.path()).entryList({ "page*.png" });
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(decode(dir.filePath(pages[0])), "2006081003510001");
    // The page is the label's size: 4935 x 6150 twips.
    const QImage page(dir.filePath(pages[0]));
    EXPECT_NEAR(page.width(), 4935 * 300 / 1440, 3);
    EXPECT_NEAR(page.height(), 6150 * 300 / 1440, 3);
    QProcess text;
    text.start("pdftotext", { printers.files[0], "-" });
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString w : { "24.16", "25.36", "2006-8-10", "2006081003510001", "电话" })
        EXPECT_TRUE(words.contains(w)) << w.toStdString() << " in " << words.toStdString();
    // The window hides after a moment.
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), printlabel::visibleMs + 20000);
}

TEST_F(Label, NoPrinterIsReported)
{
    testsupport::PdfPrinters printers(dir.path());
    printers.available = false;
    testsupport::RecordingToasts toasts;
    printlabel window;
    EXPECT_FALSE(window.printLabel(sample("2006081003510001")));
    EXPECT_EQ(toasts.last(), "没有可用的打印机，标签未打印！|货物已经保存，条码: 2006081003510001|1");
}

TEST(Code128, RefusesWhatItCannotEncode)
{
    EXPECT_FALSE(Code128::encode(""));
    EXPECT_TRUE(Code128::encode("2006081003510001"));
}
