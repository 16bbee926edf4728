#include "platform/grid/sheetpainter.h"

#include "platform/grid/cellpainting.h"

#include <QPageSize>
#include <QPainter>
#include <algorithm>

namespace platform {

namespace {

    // Sheet sizes are screen pixels at 96 dpi.
    constexpr double sheetDpi = 96.0;

    QPageSize pageSizeOf(int code)
    {
        switch (code) {
        case 1:
            return QPageSize(QPageSize::Letter);
        case 5:
            return QPageSize(QPageSize::Legal);
        case 8:
            return QPageSize(QPageSize::A3);
        case 11:
            return QPageSize(QPageSize::A5);
        case 13:
            return QPageSize(QPageSize::B5);
        default:
            return QPageSize(QPageSize::A4);
        }
    }

    Qt::Alignment bandAlignment(int code)
    {
        return (code == 0 ? Qt::AlignLeft : code == 2 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter;
    }

    QFont pixelFont(const FontSpec& spec)
    {
        FontSpec s = spec;
        if (s.family.isEmpty())
            s.family = QStringLiteral("宋体");
        if (s.pointSize <= 0)
            s.pointSize = 9;
        return fontInPixels(s);
    }

    // The printed columns (width above 0) and their left edges, in sheet pixels.
    struct Columns {
        std::vector<int> index;
        std::vector<double> left;
        double width = 0;
    };

    Columns printedColumns(const SheetModel& sheet)
    {
        Columns c;
        for (int col = 0; col < sheet.cols(); ++col) {
            const int w = sheet.columnWidth(col);
            if (w <= 0)
                continue;
            c.index.push_back(col);
            c.left.push_back(c.width);
            c.width += w;
        }
        return c;
    }

    double bandHeight(const QString& text, const FontSpec& font)
    {
        if (text.isEmpty())
            return 0;
        return QFontMetricsF(pixelFont(font)).height() * 1.6;
    }

} // namespace

SheetPainter::SheetPainter(const SheetModel& s)
    : sheet(s)
{
}

QPageLayout SheetPainter::pageLayout() const
{
    const PageSetup& p = sheet.pageSetup();
    return QPageLayout(pageSizeOf(p.paperSize), p.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(p.leftMargin * 10, p.topMargin * 10, p.rightMargin * 10, p.bottomMargin * 10),
        QPageLayout::Millimeter);
}

QString SheetPainter::expandPageCodes(const QString& text, int page, int pageCount)
{
    QString out = text;
    out.replace(QLatin1String("&P"), QString::number(page));
    out.replace(QLatin1String("&N"), QString::number(pageCount));
    return out;
}

std::vector<PageSlice> SheetPainter::paginate(
    double pageWidthPx, double pageHeightPx, int dpi, int maxPages) const
{
    const PageSetup& p = sheet.pageSetup();
    const double toSheet = sheetDpi / dpi;
    const Columns columns = printedColumns(sheet);
    const double widthSheet = pageWidthPx * toSheet;
    const double fit = columns.width > widthSheet && columns.width > 0 ? widthSheet / columns.width : 1.0;
    double room
        = pageHeightPx * toSheet - bandHeight(p.header, p.headerFont) - bandHeight(p.footer, p.footerFont);
    if (p.printCaptionRow)
        room -= sheet.rowHeight(0) * fit;

    std::vector<PageSlice> pages;
    PageSlice current { 1, 0 };
    double used = 0;
    for (int row = 1; row < sheet.rows(); ++row) {
        const double h = sheet.rowHeight(row) * fit;
        if (used > 0 && used + h > room) {
            current.lastRow = row - 1;
            pages.push_back(current);
            if (maxPages > 0 && int(pages.size()) >= maxPages)
                return pages;
            current = { row, 0 };
            used = 0;
        }
        used += h;
    }
    current.lastRow = sheet.rows() - 1; // may be empty (lastRow < firstRow): captions only
    pages.push_back(current);
    return pages;
}

int SheetPainter::print(QPagedPaintDevice& device, int firstPage, int lastPage) const
{
    const PageSetup& p = sheet.pageSetup();
    device.setPageLayout(pageLayout());
    const int dpi = device.logicalDpiY();
    const QRectF area = device.pageLayout().paintRectPixels(dpi);
    const std::vector<PageSlice> pages = paginate(area.width(), area.height(), dpi);
    const int count = int(pages.size());
    if (lastPage <= 0 || lastPage > count)
        lastPage = count;
    firstPage = std::max(firstPage, 1);

    const double toDevice = dpi / sheetDpi;
    const double pageW = area.width() / toDevice, pageH = area.height() / toDevice; // in sheet pixels
    const Columns columns = printedColumns(sheet);
    const double fit = columns.width > pageW && columns.width > 0 ? pageW / columns.width : 1.0;
    const double headerH = bandHeight(p.header, p.headerFont), footerH = bandHeight(p.footer, p.footerFont);

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(toDevice, toDevice);
    CellPainter cells(sheet, painter);
    cells.gridLines = p.printGridLines;

    for (int page = firstPage; page <= lastPage; ++page) {
        if (page > firstPage)
            device.newPage();
        const PageSlice& slice = pages[page - 1];

        painter.setFont(pixelFont(p.headerFont));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, pageW, headerH), bandAlignment(p.headerAlignment),
            expandPageCodes(p.header, page, count));
        painter.setFont(pixelFont(p.footerFont));
        painter.drawText(QRectF(0, pageH - footerH, pageW, footerH), bandAlignment(p.footerAlignment),
            expandPageCodes(p.footer, page, count));

        painter.save();
        painter.translate(0, headerH);
        painter.scale(fit, fit);
        // Row tops on this page, for merged areas that span several rows.
        std::vector<std::pair<int, double>> tops;
        double y = 0;
        if (p.printCaptionRow) {
            tops.push_back({ 0, y });
            y += sheet.rowHeight(0);
        }
        for (int row = slice.firstRow; row <= slice.lastRow; ++row) {
            tops.push_back({ row, y });
            y += sheet.rowHeight(row);
        }
        auto topOf = [&tops](int row) {
            auto it = std::lower_bound(
                tops.begin(), tops.end(), row, [](const auto& t, int r) { return t.first < r; });
            return it == tops.end() ? -1.0 : it->second;
        };
        for (const auto& [row, top] : tops) {
            for (std::size_t i = 0; i < columns.index.size(); ++i) {
                const int col = columns.index[i];
                QRectF rect(columns.left[i], top, sheet.columnWidth(col), sheet.rowHeight(row));
                if (auto m = sheet.mergeAt(row, col); m && row > 0) {
                    const int firstRow = std::max(m->top, slice.firstRow);
                    const int anchorCol
                        = *std::lower_bound(columns.index.begin(), columns.index.end(), m->left);
                    if (row != firstRow || col != anchorCol)
                        continue;
                    const int lastRow = std::min(m->bottom, slice.lastRow);
                    double right = rect.right();
                    for (std::size_t j = i + 1; j < columns.index.size() && columns.index[j] <= m->right; ++j)
                        right = columns.left[j] + sheet.columnWidth(columns.index[j]);
                    const double bottom = topOf(lastRow) + sheet.rowHeight(lastRow);
                    cells.paintCell(
                        m->top, m->left, QRectF(QPointF(rect.left(), top), QPointF(right, bottom)));
                    continue;
                }
                cells.paintCell(row, col, rect);
            }
        }
        painter.restore();
    }
    return count;
}

} // namespace platform
