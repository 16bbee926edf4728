#pragma once
// The sheet behind every grid: cell texts and formats, columns, merges, shading and page set-up.
// Storage is sparse: a sheet of ten million rows costs memory only for the cells that hold text
// or a format of their own. Row 0 holds the captions; column 0 is hidden by default.
// Colours are Windows colour codes &H00BBGGRR (0x0000FF is red), as the windows pass them.
#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

using BgrColor = std::uint32_t; // &H00BBGGRR

enum class CellType { Plain = 0, List = 1, CheckBox = 2, Date = 3, Button = 4 };
enum class BorderEdge { Left = 0, Right = 1, Top = 2, Bottom = 3, InsideVertical = 4, InsideHorizontal = 5 };
enum class BorderStyle { None = 0, Thin = 1, Thick = 2 };

// Alignment codes: 4 * horizontal + vertical; horizontal 1 left, 2 centre, 3 right; vertical 1
// top, 2 middle, 3 bottom (5 left-top ... 10 centred ... 15 right-bottom). 0: the default.
Qt::Alignment alignmentFromCode(int code);
bool isAlignmentCode(int code);

// An inclusive rectangle of cells.
struct CellRange {
    int top = 0, left = 0, bottom = 0, right = 0;
    bool contains(int row, int col) const
    {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
    bool intersects(const CellRange& o) const
    {
        return top <= o.bottom && o.top <= bottom && left <= o.right && o.left <= right;
    }
    bool isSingleCell() const { return top == bottom && left == right; }
    bool operator==(const CellRange&) const = default;
};

struct FontSpec {
    QString family; // empty: the sheet's font
    double pointSize = 0; // 0: the sheet's size
    bool bold = false, italic = false, underline = false;
    std::partial_ordering operator<=>(const FontSpec&) const = default;
    bool operator==(const FontSpec&) const = default;
};

// Everything a cell carries besides its text. Unset parts fall back to the column, then the sheet.
struct CellFormat {
    std::optional<BgrColor> textColor;
    std::optional<BgrColor> backColor;
    std::optional<FontSpec> font;
    int alignment = 0; // 0: the column's
    bool wrap = false;
    std::optional<bool> locked; // unset: the column's
    std::optional<CellType> type; // unset: the column's
    BorderStyle borderLeft = BorderStyle::None, borderRight = BorderStyle::None;
    BorderStyle borderTop = BorderStyle::None, borderBottom = BorderStyle::None;
    std::partial_ordering operator<=>(const CellFormat&) const = default;
    bool operator==(const CellFormat&) const = default;
};

struct ColumnFormat {
    int width = 64; // pixels; 0 hides the column
    int alignment = 0;
    bool locked = false;
    CellType type = CellType::Plain;
    int maxLength = 0; // 0: no limit
    QStringList listItems;
    bool listOnly = false; // the cell takes only an item of its list, nothing typed
    int option = 0; // the column option the query windows set; kept with the sheet
    bool operator==(const ColumnFormat&) const = default;
};

// Page set-up of a sheet; "&P" in header or footer prints the page number, "&N" the page count.
struct PageSetup {
    int paperSize = 9; // Windows paper codes: 1 Letter, 5 Legal, 8 A3, 9 A4, 11 A5, 13 B5
    bool landscape = false;
    QString header;
    QString footer;
    int headerAlignment = 1; // 0 left, 1 centre, 2 right
    int footerAlignment = 1;
    FontSpec headerFont { QStringLiteral("宋体"), 16, true, false, false };
    FontSpec footerFont { QStringLiteral("宋体"), 9, false, false, false };
    bool printCaptionRow = false; // first print switch: row 0 is printed at the top of every page
    bool printGridLines = false; // second print switch: thin lines around every printed cell
    // Margins in centimetres; the first margin the windows set is the top one, the second the bottom.
    double topMargin = 2.0, bottomMargin = 1.5, leftMargin = 1.5, rightMargin = 1.5;
    bool operator==(const PageSetup&) const = default;
};

class SheetModel : public QObject {
    Q_OBJECT
public:
    static constexpr int maxRows = 10'000'000;
    static constexpr int maxCols = 10'000'000;

    explicit SheetModel(QObject* parent = nullptr);
    ~SheetModel() override;

    // Size. A larger count adds blank rows (columns); a smaller one drops them at the end,
    // with their texts, formats and the merges that reach into them.
    int rows() const { return rowCount; }
    int cols() const { return colCount; }
    void setRows(int n);
    void setCols(int n);

    // Cells. Reads outside the sheet give empty text and the default format; writes outside are ignored.
    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString& text);
    // A user's edit: refused on a locked cell; cut to the column's maximum length; a check box
    // stores "1" or "0". Returns whether the text was stored.
    bool editCell(int row, int col, const QString& text);
    CellFormat cellFormat(int row, int col) const; // the cell's own format
    void setCellFormat(int row, int col, const CellFormat& format);
    // What applies to the cell after the column's and sheet's defaults are taken in.
    bool isLocked(int row, int col) const;
    CellType cellType(int row, int col) const;
    void setCellType(int row, int col, CellType type);
    void setCellLocked(int row, int col, bool locked);
    void setCellTextColor(int row, int col, BgrColor color);
    int effectiveAlignment(int row, int col) const;
    // The background the cell shows: its own colour, else the shading of its row.
    BgrColor effectiveBackColor(int row, int col) const;

    // Columns.
    const ColumnFormat& column(int col) const;
    int columnWidth(int col) const { return column(col).width; }
    void setColumnWidth(int col, int pixels);
    void setColumnAlignment(int col, int code);
    void setColumnLocked(int col, bool locked);
    void setColumnCellType(int col, CellType type);
    void setColumnMaxLength(int col, int length);
    void setColumnOption(int col, int option);
    void clearColumnList(int col);
    void addColumnListItem(int col, const QString& item);
    void setColumnListOnly(int col, bool on);
    // The items a list cell of the column offers.
    QStringList columnListChoices(int col) const;

    // Rows. Explicit heights in pixels; 0 or unset: the default height.
    static constexpr int defaultRowHeight = 22;
    int rowHeight(int row) const;
    void setRowHeight(int row, int pixels);

    // Structure. Later rows (columns) move with their texts, formats and merges.
    // addRow appends a row; its text, split at tabs, fills columns 1, 2, ...
    void addRow(const QString& text = {});
    void insertRows(int row, int count = 1);
    void removeRows(int row, int count = 1);
    void removeRow(int row) { removeRows(row, 1); }
    void insertCols(int col, int count = 1);
    void removeCols(int col, int count = 1);

    // Range formatting (the selection's operations).
    void setTextColor(const CellRange& range, BgrColor color);
    void setBackColor(const CellRange& range, BgrColor color);
    void setAlignment(const CellRange& range, int code);
    void setFontName(const CellRange& range, const QString& family);
    void setFontSize(const CellRange& range, double points);
    void setFontBold(const CellRange& range, bool on);
    void setFontItalic(const CellRange& range, bool on);
    void setFontUnderline(const CellRange& range, bool on);
    void setWrap(const CellRange& range, bool on);
    void setLocked(const CellRange& range, bool on);
    void setBorder(const CellRange& range, BorderEdge edge, BorderStyle style);
    void clearAll(const CellRange& range);
    void clearFormats(const CellRange& range);
    void clearText(const CellRange& range);
    // The font a cell shows: its own, completed from the sheet's (what the "bold" toggle reads).
    FontSpec fontSpec(int row, int col) const;

    // Merges. A merge that overlaps another or leaves the sheet is refused (false). Unmerge
    // removes every merge that intersects the range.
    bool merge(const CellRange& range);
    void unmerge(const CellRange& range);
    bool isMerged(const CellRange& range) const; // the range holds or touches a merge
    std::optional<CellRange> mergeAt(int row, int col) const;
    const std::vector<CellRange>& merges() const { return mergeList; }

    // Sort rows first..last by column col; numbers compare as numbers, texts after numbers,
    // blank cells always last; equal keys keep their order.
    void sortRows(int col, Qt::SortOrder order, int first, int last);

    // Sheet-wide settings.
    BgrColor shadingColor1() const { return shading1; }
    BgrColor shadingColor2() const { return shading2; }
    void setShadingColor1(BgrColor c);
    void setShadingColor2(BgrColor c);
    FontSpec sheetFont() const { return defaultFont; }
    void setSheetFont(const FontSpec& font);
    // The two grid switches: row numbers in the row header, column numbers in the column header.
    bool showRowNumbers() const { return rowNumbers; }
    bool showColumnNumbers() const { return columnNumbers; }
    void setShowRowNumbers(bool on);
    void setShowColumnNumbers(bool on);
    const PageSetup& pageSetup() const { return page; }
    PageSetup& pageSetup() { return page; }
    void setPageSetup(const PageSetup& p) { page = p; }

    // An empty sheet with the default size (rows 2, cols 5) and settings.
    void clearSheet();
    // Everything of other, replacing this sheet (signals a reset).
    void assign(const SheetModel& other);

    // Rows that hold at least one text or format, ascending (for walking a sparse sheet).
    std::vector<int> populatedRows() const;
    // Columns with a cell in the row, ascending.
    std::vector<int> populatedCols(int row) const;
    // Columns with settings of their own, and rows with a height of their own, ascending.
    std::vector<int> formattedColumns() const;
    std::vector<std::pair<int, int>> explicitRowHeights() const;

    // Groups many writes into one change signal (filling a large sheet).
    class Batch {
    public:
        explicit Batch(SheetModel& m);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SheetModel& model;
    };

signals:
    void cellsChanged(int top, int left, int bottom, int right);
    void rowsInserted(int first, int count);
    void rowsRemoved(int first, int count);
    void colsInserted(int first, int count);
    void colsRemoved(int first, int count);
    void columnChanged(int col);
    void rowHeightChanged(int row);
    void sheetReset(); // size, merges or sheet-wide settings changed wholesale

private:
    struct Impl;
    void touch(int top, int left, int bottom, int right);
    void flushBatch();
    void applyFormat(const CellRange& range, const std::function<void(CellFormat&)>& change);

    Impl* d;
    int rowCount = 2;
    int colCount = 5;
    BgrColor shading1 = 0xFFFFFF;
    BgrColor shading2 = 0xFFFFFF;
    FontSpec defaultFont { QStringLiteral("宋体"), 9, false, false, false };
    bool rowNumbers = false;
    bool columnNumbers = false;
    PageSetup page;
    std::vector<CellRange> mergeList;
    int batchDepth = 0;
    std::optional<CellRange> batchDirty;
};

// Qt colour from a Windows colour code and back.
QColor colorFromBgr(BgrColor c);
BgrColor bgrFromColor(const QColor& c);

} // namespace platform
