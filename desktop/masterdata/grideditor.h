#pragma once
// The master-data grid editor: one table in a sheet, one record per row with blank rows below
// for new ones; a save writes every filled row (insert or update by its key), a right click
// deletes a row's record after a question. Headless: the windows only lay it out and forward
// their clicks.
#include "desktop/masterdata/editorconfig.h"
#include "platform/grid/sheetmodel.h"

namespace korvell {

// The editors' screen shading, RGB(239,243,255).
inline constexpr platform::BgrColor editorShading = 0xFFF3EF;
// The grid's code of the right mouse button.
inline constexpr int rightButton = 2;
// Layout lengths are in twips; 15 to a pixel.
inline constexpr int twipsPerPixel = 15;

// Rows of an editor's grid for n records: the caption row, the records, and blank rows up to 20.
int editorRowCount(int records);

// A column's width in pixels for a grid of the given width in twips (rounded half to even).
int editorColumnWidth(const EditorColumn& column, int gridWidthTwips);

struct SaveOutcome {
    int saved = 0; // rows inserted or updated
    int failed = 0; // filled rows that the database or the checks refused
};

class GridEditor {
public:
    GridEditor(const EditorConfig& config, platform::SheetModel& sheet);
    ~GridEditor();
    GridEditor(const GridEditor&) = delete;
    GridEditor& operator=(const GridEditor&) = delete;

    const EditorConfig& config() const { return cfg; }
    // Columns, captions, shading and cell types; the widths are the window's.
    void prepare();
    // Reads the table into the sheet: earlier rows and edits go. False when the table could not
    // be read (the toast has told why); the sheet then shows its blank rows, and saving and
    // deleting are refused until a load succeeds.
    bool load();
    // Writes every row whose required cells are filled, top to bottom, each by itself; a row
    // that fails (a text longer than its column among them) is counted and the save goes on.
    // Ends with one toast and the log line. Nothing is written without the maintenance right, or
    // when two filled rows carry one key.
    SaveOutcome save();
    // The right-button handler: deletes row's record after the question, when the button is the
    // right one (2), the row a record row with its required cells filled and the rights "11".
    // True when the record was deleted and the row removed.
    bool deleteOnMouseButton(int button, int row);

private:
    enum class RowState { Skipped, Saved, Failed, Lost };
    RowState saveRow(int row, QString& failure);
    bool requiredFilled(int row) const;
    // True, after saying so, when the table was not read, when the rights do not allow saving,
    // or when two filled rows carry one key.
    bool refusedUnread(const QString& what) const;
    bool refusedByRights() const;
    bool refusedDuplicateKeys() const;
    QString keyCondition() const;
    QVariantList keyParams(const QString& key) const;
    void fillList(int col, const ColumnList& list);
    void keepCodesOfPickedItems(int top, int left, int bottom, int right);

    const EditorConfig& cfg;
    platform::SheetModel& grid;
    bool tableRead = false;
};

} // namespace korvell
