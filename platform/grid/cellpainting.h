#pragma once
// Paints one cell of a sheet (background, text, check box, borders) the same way on screen and
// on paper. Units are sheet pixels (96 per inch); fonts are sized in those pixels.
#include "platform/grid/sheetmodel.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace platform {

QFont fontInPixels(const FontSpec& spec);

class CellPainter {
public:
    CellPainter(const SheetModel& sheet, QPainter& painter);
    bool gridLines = false; // thin lines around every cell (print switch)
    bool background = true; // fill the cell's background (the view paints selection itself)
    // rect: the cell's area, or the whole merged area when (row, col) is the merge's first cell.
    void paintCell(int row, int col, const QRectF& rect) const;

private:
    const SheetModel& sheet;
    QPainter& painter;
};

} // namespace platform
