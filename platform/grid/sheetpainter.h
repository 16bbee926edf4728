#pragma once
// Lays a sheet out on pages and paints them: header and footer with "&P"/"&N", the caption row
// on every page when the page set-up asks for it, grid lines, borders, merges and shading.
// Needs no widgets: paints on any QPagedPaintDevice (QPrinter, QPdfWriter).
#include "platform/grid/sheetmodel.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <vector>

namespace platform {

struct PageSlice {
    int firstRow = 0, lastRow = 0; // data rows of the page (inclusive)
};

class SheetPainter {
public:
    explicit SheetPainter(const SheetModel& sheet);

    // The page layout the sheet's page set-up asks for (paper, orientation, margins).
    QPageLayout pageLayout() const;
    // Splits the printable rows into pages for a paintable area of pageHeightPx device pixels
    // at the device's resolution dpi. maxPages > 0 stops after that many pages.
    std::vector<PageSlice> paginate(double pageWidthPx, double pageHeightPx, int dpi, int maxPages = 0) const;
    // Paints every page (or pages first..last, counting from 1) on device; returns the page
    // count, 0 when the device cannot be painted on.
    int print(QPagedPaintDevice& device, int firstPage = 1, int lastPage = 0) const;

    // "&P" and "&N" of a header or footer text filled in.
    static QString expandPageCodes(const QString& text, int page, int pageCount);

private:
    const SheetModel& sheet;
};

} // namespace platform
