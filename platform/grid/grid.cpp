#include "platform/grid/grid.h"

#include "platform/grid/cellpainting.h"
#include "platform/grid/sheetfile.h"
#include "platform/grid/sheetpainter.h"
#include "platform/grid/xlsxexport.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printers.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <utility>

namespace platform {

namespace {

    const QColor gridLineColor(0xD0, 0xD7, 0xE5);
    const QColor captionColor(0xE4, 0xEC, 0xF7);
    // Rows or columns further away than this are taken as off screen when placing merged areas.
    constexpr int placementReach = 2000;

    int shiftBits(Qt::KeyboardModifiers m)
    {
        return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0)
            | (m & Qt::AltModifier ? 4 : 0);
    }

    int buttonCode(Qt::MouseButton b)
    {
        return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
    }

} // namespace

Grid::Grid(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(false);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    auto repaint = [this] { viewport()->update(); };
    auto restructure = [this] {
        curRow = std::clamp(curRow, 0, std::max(model.rows() - 1, 0));
        curCol = std::clamp(curCol, 0, std::max(model.cols() - 1, 0));
        anchorRow = std::clamp(anchorRow, 0, std::max(model.rows() - 1, 0));
        anchorCol = std::clamp(anchorCol, 0, std::max(model.cols() - 1, 0));
        if (editor && (editRow >= model.rows() || editCol >= model.cols()))
            cancelEdit();
        updateScrollBars();
        viewport()->update();
    };
    connect(&model, &SheetModel::cellsChanged, this, repaint);
    connect(&model, &SheetModel::columnChanged, this, restructure);
    connect(&model, &SheetModel::rowHeightChanged, this, repaint);
    // An open editor follows its cell when rows or columns move, so the text typed there lands in
    // the record it was typed for; it closes when its cell goes.
    auto follow = [this, restructure](int Grid::*line, int first, int count) {
        if (editor && this->*line >= first) {
            if (count < 0 && this->*line < first - count)
                cancelEdit();
            else
                this->*line += count;
        }
        restructure();
        if (editor)
            editor->setGeometry(cellRect(editRow, editCol));
    };
    connect(&model, &SheetModel::rowsInserted, this,
        [follow](int first, int count) { follow(&Grid::editRow, first, count); });
    connect(&model, &SheetModel::rowsRemoved, this,
        [follow](int first, int count) { follow(&Grid::editRow, first, -count); });
    connect(&model, &SheetModel::colsInserted, this,
        [follow](int first, int count) { follow(&Grid::editCol, first, count); });
    connect(&model, &SheetModel::colsRemoved, this,
        [follow](int first, int count) { follow(&Grid::editCol, first, -count); });
    connect(&model, &SheetModel::sheetReset, this, restructure);
    updateScrollBars();
}

Grid::~Grid() = default;

// ---- geometry ----

int Grid::captionHeight() const
{
    return model.rowHeight(0);
}

int Grid::gutterWidth() const
{
    if (!model.showRowNumbers())
        return 0;
    return fontMetrics().horizontalAdvance(QString::number(std::max(model.rows() - 1, 1))) + 12;
}

int Grid::topRow() const
{
    return verticalScrollBar()->value() + 1;
}

int Grid::leftCol() const
{
    return horizontalScrollBar()->value();
}

void Grid::updateScrollBars()
{
    const int visibleRows
        = std::max(1, (viewport()->height() - captionHeight()) / SheetModel::defaultRowHeight);
    verticalScrollBar()->setRange(0, std::max(model.rows() - 1 - visibleRows, 0));
    verticalScrollBar()->setPageStep(visibleRows);
    int lastLeft = model.cols() - 1; // the left column that still shows the last one whole
    for (int room = viewport()->width() - gutterWidth(); lastLeft > 0;) {
        room -= model.columnWidth(lastLeft);
        if (room < model.columnWidth(lastLeft - 1))
            break;
        --lastLeft;
    }
    horizontalScrollBar()->setRange(0, std::max(lastLeft, 0));
    horizontalScrollBar()->setPageStep(4);
}

QRect Grid::cellRect(int row, int col) const
{
    const int top = topRow(), left = leftCol();
    if (std::abs(row - top) > placementReach || std::abs(col - left) > placementReach)
        return {};
    auto xOf = [&](int c) {
        int x = gutterWidth();
        for (int i = left; i < c; ++i)
            x += model.columnWidth(i);
        for (int i = c; i < left; ++i)
            x -= model.columnWidth(i);
        return x;
    };
    auto yOf = [&](int r) {
        if (r == 0)
            return 0;
        int y = captionHeight();
        for (int i = top; i < r; ++i)
            y += model.rowHeight(i);
        for (int i = r; i < top; ++i)
            y -= model.rowHeight(i);
        return y;
    };
    CellRange area { row, col, row, col };
    if (row > 0)
        if (auto m = model.mergeAt(row, col))
            area = *m;
    const int x = xOf(area.left), y = yOf(area.top);
    return QRect(x, y, xOf(area.right + 1) - x, row == 0 ? captionHeight() : yOf(area.bottom + 1) - y);
}

Grid::Hit Grid::hitTest(QPoint pos) const
{
    Hit hit;
    int x = gutterWidth();
    if (pos.x() < x)
        return hit;
    for (int c = leftCol(); c < model.cols(); ++c) {
        x += model.columnWidth(c);
        if (pos.x() < x) {
            hit.col = c;
            break;
        }
        if (x > viewport()->width())
            break;
    }
    if (hit.col < 0)
        return hit;
    if (pos.y() < captionHeight()) {
        hit.row = 0;
        return hit;
    }
    int y = captionHeight();
    for (int r = topRow(); r < model.rows() && y <= viewport()->height(); ++r) {
        y += model.rowHeight(r);
        if (pos.y() < y) {
            hit.row = r;
            if (auto m = model.mergeAt(r, hit.col)) {
                hit.row = m->top;
                hit.col = m->left;
            }
            return hit;
        }
    }
    hit.col = -1;
    return hit;
}

// ---- painting ----

void Grid::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, colorFromBgr(outsideColor));
    const CellRange sel = selection();
    const int gutter = gutterWidth();

    std::vector<std::pair<int, int>> columns; // visible column, its x
    for (int c = leftCol(), x = gutter; c < model.cols() && x < area.width(); ++c) {
        if (model.columnWidth(c) > 0)
            columns.push_back({ c, x });
        x += model.columnWidth(c);
    }
    std::vector<std::pair<int, int>> rows; // visible row, its y
    for (int r = topRow(), y = captionHeight(); r < model.rows() && y < area.height(); ++r) {
        rows.push_back({ r, y });
        y += model.rowHeight(r);
    }

    CellPainter cells(model, painter);
    auto paintCell = [&](int row, int col, const QRect& rect) {
        const bool selected = sel.contains(row, col) && !sel.isSingleCell();
        painter.fillRect(rect, selected ? colorFromBgr(selectionColor) : Qt::white);
        cells.background = !selected;
        if (model.cellType(row, col) == CellType::Button) {
            QStyleOptionButton option;
            option.rect = rect.adjusted(1, 1, -1, -1);
            option.text = model.cellText(row, col);
            option.state = QStyle::State_Enabled | QStyle::State_Raised;
            style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        } else {
            cells.paintCell(row, col, rect);
        }
        painter.setPen(gridLineColor);
        painter.drawLine(rect.topRight(), rect.bottomRight());
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    };

    for (const auto& [row, y] : rows)
        for (const auto& [col, x] : columns) {
            if (model.mergeAt(row, col))
                continue;
            paintCell(row, col, QRect(x, y, model.columnWidth(col), model.rowHeight(row)));
        }
    if (!rows.empty() && !columns.empty()) {
        const CellRange shown { rows.front().first, columns.front().first, rows.back().first,
            columns.back().first };
        painter.save();
        painter.setClipRect(QRect(gutter, captionHeight(), area.width(), area.height()));
        for (const CellRange& m : model.merges())
            if (m.intersects(shown) && m.top > 0)
                paintCell(m.top, m.left, cellRect(m.top, m.left));
        painter.restore();
    }

    // The caption band (row 0) and the row numbers.
    painter.setFont(font());
    for (const auto& [col, x] : columns) {
        const QRect rect(x, 0, model.columnWidth(col), captionHeight());
        painter.fillRect(rect, captionColor);
        painter.setPen(gridLineColor.darker(120));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        QString caption = model.cellText(0, col);
        if (model.showColumnNumbers())
            caption
                = caption.isEmpty() ? QString::number(col) : QStringLiteral("%1 %2").arg(col).arg(caption);
        painter.setFont(fontInPixels(model.fontSpec(0, col)));
        painter.setPen(colorFromBgr(model.cellFormat(0, col).textColor.value_or(0)));
        const int code = model.cellFormat(0, col).alignment;
        painter.drawText(
            rect.adjusted(3, 0, -3, 0), code ? alignmentFromCode(code) : Qt::AlignCenter, caption);
    }
    if (gutter > 0) {
        painter.setFont(font());
        for (const auto& [row, y] : rows) {
            const QRect rect(0, y, gutter, model.rowHeight(row));
            painter.fillRect(rect, captionColor);
            painter.setPen(gridLineColor.darker(120));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignCenter, QString::number(row));
        }
        painter.fillRect(QRect(0, 0, gutter, captionHeight()), captionColor);
    }

    if (focusRect && curRow > 0) {
        const QRect r = cellRect(curRow, curCol);
        if (!r.isEmpty()) {
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }
}

void Grid::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void Grid::scrollContentsBy(int, int)
{
    if (editor)
        editor->setGeometry(cellRect(editRow, editCol));
    viewport()->update();
}

// ---- active cell and selection ----

int Grid::activeRow() const
{
    return curRow;
}

int Grid::activeCol() const
{
    return curCol;
}

void Grid::setActiveCell(int row, int col)
{
    moveActive(row, col, false);
}

CellRange Grid::selection() const
{
    return { std::min(anchorRow, curRow), std::min(anchorCol, curCol), std::max(anchorRow, curRow),
        std::max(anchorCol, curCol) };
}

void Grid::setSelection(const CellRange& range)
{
    anchorRow = std::clamp(range.top, 0, std::max(model.rows() - 1, 0));
    anchorCol = std::clamp(range.left, 0, std::max(model.cols() - 1, 0));
    moveActive(range.bottom, range.right, true);
}

void Grid::moveActive(int row, int col, bool extend, bool click)
{
    row = std::clamp(row, 0, std::max(model.rows() - 1, 0));
    col = std::clamp(col, 0, std::max(model.cols() - 1, 0));
    const bool moved = row != curRow || col != curCol;
    const CellRange before = selection();
    curRow = row;
    curCol = col;
    if (!extend) {
        anchorRow = row;
        anchorCol = col;
    }
    ensureVisible(row, col);
    viewport()->update();
    if (moved)
        emit currentCellChanged(row, col);
    if (moved || click || before != selection())
        emit clicked();
}

void Grid::ensureVisible(int row, int col)
{
    if (row > 0) {
        if (row < topRow()) {
            verticalScrollBar()->setValue(row - 1);
        } else {
            int y = captionHeight(), last = topRow();
            for (int r = topRow(); r <= row && y + model.rowHeight(r) <= viewport()->height(); ++r)
                y += model.rowHeight(r), last = r;
            if (row > last)
                verticalScrollBar()->setValue(verticalScrollBar()->value() + (row - last));
        }
    }
    if (col < leftCol()) {
        horizontalScrollBar()->setValue(col);
    } else {
        int x = gutterWidth() + model.columnWidth(col);
        for (int c = col - 1; c >= leftCol(); --c)
            x += model.columnWidth(c);
        int first = leftCol();
        while (x > viewport()->width() && first < col)
            x -= model.columnWidth(first++);
        horizontalScrollBar()->setValue(first);
    }
}

// ---- mouse and keys ----

int Grid::shownColumn(int col, int step) const
{
    for (; col >= 0 && col < model.cols(); col += step)
        if (model.columnWidth(col) > 0)
            return col;
    return curCol;
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    commitEdit();
    setFocus();
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.row == 0 && hit.col >= 0 && event->button() == Qt::LeftButton && sortByUser) {
        sortByCaption(hit.col);
        return;
    }
    if (hit.row >= 0 && hit.col >= 0) {
        const bool extend = (event->modifiers() & Qt::ShiftModifier) && event->button() == Qt::LeftButton;
        moveActive(hit.row, hit.col, extend, true);
        dragging = event->button() == Qt::LeftButton && hit.row > 0;
    }
    emit mouseDown(buttonCode(event->button()), shiftBits(event->modifiers()), int(event->position().x()),
        int(event->position().y()));
    if (hit.row > 0 && event->button() == Qt::LeftButton) {
        switch (model.cellType(hit.row, hit.col)) {
        case CellType::CheckBox:
            toggleCheckBox(hit.row, hit.col);
            break;
        case CellType::Button:
            emit buttonClicked(hit.row, hit.col);
            break;
        case CellType::List:
        case CellType::Date:
            if (!model.isLocked(hit.row, hit.col))
                startEdit({}, true);
            break;
        case CellType::Plain:
            break;
        }
    }
}

void Grid::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging)
        return;
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.row > 0 && hit.col >= 0)
        moveActive(hit.row, hit.col, true);
}

void Grid::mouseReleaseEvent(QMouseEvent*)
{
    dragging = false;
    // Shown any earlier, the list would take the release as a click outside it and close.
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && std::exchange(listOnRelease, false))
        combo->showPopup();
}

void Grid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.row > 0 && hit.row == curRow && hit.col == curCol)
        startEdit();
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int page = verticalScrollBar()->pageStep();
    switch (event->key()) {
    case Qt::Key_Up:
        moveActive(std::max(curRow - 1, 1), curCol, extend);
        return;
    case Qt::Key_Down:
        moveActive(curRow + 1, curCol, extend);
        return;
    // Hidden columns (column 0 among them) are stepped over: typing must not land in a cell nobody sees.
    case Qt::Key_Left:
        moveActive(curRow, shownColumn(curCol - 1, -1), extend);
        return;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        moveActive(curRow, shownColumn(curCol + 1, 1), extend);
        return;
    case Qt::Key_PageUp:
        moveActive(std::max(curRow - page, 1), curCol, extend);
        return;
    case Qt::Key_PageDown:
        moveActive(curRow + page, curCol, extend);
        return;
    case Qt::Key_Home:
        moveActive(event->modifiers() & Qt::ControlModifier ? 1 : curRow, shownColumn(0, 1), extend);
        return;
    case Qt::Key_End:
        moveActive(event->modifiers() & Qt::ControlModifier ? model.rows() - 1 : curRow,
            shownColumn(model.cols() - 1, -1), extend);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        startEdit();
        return;
    case Qt::Key_Space:
        if (curRow > 0 && model.cellType(curRow, curCol) == CellType::CheckBox) {
            toggleCheckBox(curRow, curCol);
            return;
        }
        break;
    default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        startEdit(typed);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void Grid::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 40;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - steps);
    event->accept();
}

// ---- sorting ----

void Grid::sortByCaption(int col)
{
    sortOrder
        = col == sortColumn && sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortColumn = col;
    emit beforeSort(col);
    const int last = model.rows() - 1 - (pinLastRow ? 1 : 0);
    model.sortRows(col, sortOrder, 1, last);
    emit afterSort(col);
}

// ---- look ----

void Grid::setShowFocusRect(bool on)
{
    focusRect = on;
    viewport()->update();
}

void Grid::setSelectionColor(BgrColor color)
{
    selectionColor = color;
    viewport()->update();
}

void Grid::setOutsideColor(BgrColor color)
{
    outsideColor = color;
    viewport()->update();
}

void Grid::refresh()
{
    updateScrollBars();
    viewport()->repaint();
}

// ---- files, exports, printing ----

QString Grid::askFile(bool save, const QString& filter, const QString& suffix)
{
    return save ? dialogs().saveFileName(QStringLiteral("保存文件"), QDir::homePath(), filter, suffix)
                : dialogs().openFileName(QStringLiteral("打开文件"), QDir::homePath(), filter);
}

namespace {
    const QString sheetFilter = QStringLiteral("表格文件 (*.cel)");
    const QString xmlFilter = QStringLiteral("XML 文件 (*.xml)");
} // namespace

bool Grid::openPath(const QString& file)
{
    cancelEdit();
    if (file.isEmpty() || !openSheetFile(file, model))
        return false;
    curRow = anchorRow = 1;
    curCol = anchorCol = 1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    return true;
}

bool Grid::savePath(const QString& file)
{
    commitEdit();
    return !file.isEmpty() && saveSheetFile(file, model);
}

bool Grid::openFile(const QString& path)
{
    return openPath(path.isEmpty() ? askFile(false, sheetFilter, {}) : path);
}

bool Grid::saveFile(const QString& path)
{
    return savePath(path.isEmpty() ? askFile(true, sheetFilter, QStringLiteral("cel")) : path);
}

void Grid::newFile()
{
    cancelEdit();
    model.clearSheet();
    curRow = anchorRow = 1;
    curCol = anchorCol = 1;
}

bool Grid::exportXml(const QString& path)
{
    return savePath(path.isEmpty() ? askFile(true, xmlFilter, QStringLiteral("xml")) : path);
}

bool Grid::importXml(const QString& path)
{
    return openPath(path.isEmpty() ? askFile(false, xmlFilter, {}) : path);
}

bool Grid::exportXlsx(const QString& fileName)
{
    commitEdit();
    const QString file = fileName.isEmpty()
        ? askFile(true, QStringLiteral("Excel 文件 (*.xlsx)"), QStringLiteral("xlsx"))
        : fileName;
    return !file.isEmpty() && platform::exportXlsx(model, file);
}

void Grid::printPreview(int zoomPercent)
{
    commitEdit();
    const SheetPainter sheetPainter(model);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(sheetPainter.pageLayout());
    printers().preview(
        printer, [&sheetPainter](QPrinter* p) { sheetPainter.print(*p); }, zoomPercent);
}

bool Grid::directPrint()
{
    commitEdit();
    const SheetPainter sheetPainter(model);
    auto printer = printers().defaultPrinter(model.pageSetup().header);
    if (!printer) {
        dialogs().message(
            QStringLiteral("没有可用的打印机。"), QStringLiteral("提示"), Buttons::Ok, Icon::Warning);
        return false;
    }
    if (sheetPainter.print(*printer) > 0)
        return true;
    dialogs().message(QStringLiteral("打印失败。"), QStringLiteral("提示"), Buttons::Ok, Icon::Warning);
    return false;
}

} // namespace platform
