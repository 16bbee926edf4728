#include "desktop/stock/printlabel.h"

#include "desktop/data/toast.h"
#include "platform/ui/printers.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace korvell {

namespace {

    constexpr double twipsPerInch = 1440.0;

    QSizeF labelSize(double dpi)
    {
        return { labelWidthTwips * dpi / twipsPerInch, labelHeightTwips * dpi / twipsPerInch };
    }

    bool printOn(QPrinter& printer, const WeightLabel& label)
    {
        const QPageSize page(QSizeF(labelWidthTwips / twipsPerInch, labelHeightTwips / twipsPerInch),
            QPageSize::Inch, QStringLiteral("label"), QPageSize::ExactMatch);
        printer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
        printer.setFullPage(true);
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        paintWeightLabel(painter, QRectF(QPointF(0, 0), labelSize(printer.resolution())), label);
        return painter.end();
    }

} // namespace

printlabel::printlabel(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName("printlabel");
    setWindowTitle("正在打印标签");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(labelSize(logicalDpiX()).toSize());
    hideTimer.setSingleShot(true);
    hideTimer.setInterval(visibleMs);
    connect(&hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

bool printlabel::printLabel(const WeightLabel& label)
{
    current = label;
    show();
    repaint();
    hideTimer.start();
    const auto printer = platform::printers().defaultPrinter("标签 " + label.serialno);
    if (!printer) {
        ShowToast("没有可用的打印机，标签未打印！", "货物已经保存，条码: " + label.serialno, ToastRed);
        return false;
    }
    if (!printOn(*printer, label)) {
        ShowToast("标签打印失败！", "货物已经保存，条码: " + label.serialno, ToastRed);
        return false;
    }
    return true;
}

QImage printlabel::render(const WeightLabel& label, int dpi)
{
    QImage image(labelSize(dpi).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintWeightLabel(painter, QRectF(image.rect()), label);
    return image;
}

void printlabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWeightLabel(painter, QRectF(rect()), current);
}

} // namespace korvell
