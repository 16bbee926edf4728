#pragma once
// The grid widget every window of Korvell uses: a view over a SheetModel with editors for each
// cell type (text, drop-down list, check box, date, button), an active cell and a selection,
// the events the windows handle, template-sheet files, exports, print preview and printing.
// Row 0 of the sheet is shown as the column captions; column 0 is hidden unless given a width.
// The view paints only the visible cells and keeps nothing per row, so a ten-million-row sheet
// shows at once; it scrolls by whole rows and columns.
#include "platform/grid/sheetmodel.h"

#include <QAbstractScrollArea>
#include <QPointer>

namespace platform {

class Grid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // The sheet shown; every cell, column, row and format operation is the sheet's.
    SheetModel& sheet() { return model; }
    const SheetModel& sheet() const { return model; }

    // Active cell (the cell with the focus) and selection, in sheet rows and columns.
    int activeRow() const;
    int activeCol() const;
    void setActiveCell(int row, int col);
    CellRange selection() const; // the active cell alone when nothing more is selected
    void setSelection(const CellRange& range);

    // The user may sort rows by clicking a column caption (beforeSort/afterSort around it).
    bool userSort() const { return sortByUser; }
    void setUserSort(bool on) { sortByUser = on; }
    // A totals row at the end stays last when the user sorts.
    void setPinLastRow(bool on) { pinLastRow = on; }
    // Look: focus rectangle around the active cell, selection colour, colour outside the cells.
    void setShowFocusRect(bool on);
    void setSelectionColor(BgrColor color);
    void setOutsideColor(BgrColor color);
    // Redraws now (the editors call it once their captions and shading are set).
    void refresh();

    // Template sheets. An empty path asks through the file-dialog seam. Return success.
    [[nodiscard]] bool openFile(const QString& path);
    [[nodiscard]] bool saveFile(const QString& path);
    void newFile(); // an empty sheet
    [[nodiscard]] bool exportXml(const QString& path);
    [[nodiscard]] bool importXml(const QString& path);
    // Spreadsheet export to .xlsx; an empty name asks through the file-dialog seam.
    [[nodiscard]] bool exportXlsx(const QString& fileName);

    // Print preview at zoomPercent through the printer seam; the user prints from it.
    void printPreview(int zoomPercent = 100);
    // Prints at once on the default printer; false, after a message, when there is none or printing
    // failed.
    bool directPrint();

signals:
    void clicked(); // every click on a cell (the active one too) and every change of the selection
    // button 1 left, 2 right, 4 middle; shift bits 1 Shift, 2 Ctrl, 4 Alt; x, y in pixels
    void mouseDown(int button, int shift, int x, int y);
    void buttonClicked(int row, int col);
    void currentCellChanged(int row, int col);
    void beforeSort(int col);
    void afterSort(int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Hit {
        int row = -1, col = -1; // row 0: the caption band; -1: outside the cells
    };
    Hit hitTest(QPoint pos) const;
    QRect cellRect(int row, int col) const; // viewport pixels; merged areas whole
    int captionHeight() const;
    int gutterWidth() const;
    int topRow() const;
    int leftCol() const;
    void updateScrollBars();
    // Moves the active cell; clicked is raised when it or the selection changes, or always for a click.
    void moveActive(int row, int col, bool extend, bool click = false);
    // The nearest shown column from col on in direction step (+1 or -1); the active one when none is.
    int shownColumn(int col, int step) const;
    void ensureVisible(int row, int col);
    void sortByCaption(int col);
    // Editing (gridediting.cpp).
    // A list cell opened by a click shows its list when the click's button is released.
    void startEdit(const QString& typed = {}, bool showList = false);
    void commitEdit();
    void cancelEdit();
    void toggleCheckBox(int row, int col);
    QFont fontInPixelsFor(int row, int col) const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QString askFile(bool save, const QString& filter, const QString& suffix);
    [[nodiscard]] bool openPath(const QString& file);
    [[nodiscard]] bool savePath(const QString& file);

    SheetModel model;
    int curRow = 1, curCol = 1;
    int anchorRow = 1, anchorCol = 1;
    bool dragging = false;
    bool focusRect = true;
    BgrColor selectionColor = 0xE8C99A; // a light blue
    BgrColor outsideColor = 0xFFFFFF;
    bool sortByUser = false;
    bool pinLastRow = false;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    QPointer<QWidget> editor;
    int editRow = -1, editCol = -1;
    bool listOnRelease = false;
};

} // namespace platform
