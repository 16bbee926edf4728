#pragma once
// What sets one master-data editor apart from the others: its table and columns, captions and
// widths, required columns, texts and layout. The editor engine (grideditor.h) does the rest.
#include <QList>
#include <QSize>
#include <QString>
#include <QVariant>
#include <functional>
#include <utility>

namespace korvell {

// Items of a drop-down column, read from the database when the grid is loaded.
struct ColumnList {
    QString sql; // empty: the column has no list
    QString codeField; // the item's code
    QString nameField; // empty: the item is the code alone, else code + listSeparator + name
    bool yesNo = false; // the list's yes/no option
};

// Between the code and the name of an item of a code list; a picked item keeps the code only.
inline constexpr char16_t listSeparator = u'—';

struct EditorColumn {
    QString caption;
    QString field; // the table column it is written to
    int recordPosition = 0; // the loaded record's column it shows
    int width = 0; // pixels, in the editors that keep their design places
    double widthFactor = 0; // x the grid's width in twips, in the laid-out editors
    int maxLength = 0; // what the grid lets a user type; 0: no limit
    int storedLength = 0; // characters the table column holds; 0: a number
    bool required = false; // a row is saved (and may be deleted) only with this filled
    bool numeric = false; // bound as a number; a row whose text is no number is refused
    ColumnList list;
};

// Where the laid-out editors put their buttons under the grid.
struct EditorLayout {
    bool laidOut = false; // false: grid and buttons keep their design places
    QSize designGrid; // the grid's size in pixels where it keeps its design place
    int buttonGap = 0; // twips between the grid's height and the buttons' top
    double saveLeft = 0; // the save button's left as a share of the inner width
    double closeLeft = 0; // the close button's left
};

using RecordValues = QList<std::pair<QString, QVariant>>;

struct EditorConfig {
    QString name; // window name, also the name rights are looked up by
    QString caption; // window caption
    QString table;
    QList<EditorColumn> columns; // grid columns 1..N; the first holds the key
    EditorLayout layout;
    QString label; // a fixed line of text under the grid (bzform)
    bool designColours = false; // selection RGB(128,128,255), grey outside the cells
    QString successText; // toast after a save
    QString successHint;
    QString logText; // operation-log line after a save
    QString question; // delete question; %1 is the key cell as typed
    QString hiddenKey; // a key never shown, looked up, written or deleted
    QString undeletableKey; // a key whose record is never deleted
    QString closeLogText; // operation-log line when the window closes
    // Values of the columns that only an insert writes (new users' password and creation time).
    // A Null value could not be made: the row is then refused with newRecordFailure.
    std::function<RecordValues()> newRecordValues;
    QString newRecordFailure;

    const EditorColumn& key() const { return columns.front(); }
    int gridCols() const { return int(columns.size()) + 1; }
};

const EditorConfig& jzformConfig();
const EditorConfig& khformConfig();
const EditorConfig& procformConfig();
const EditorConfig& bzformConfig();
const EditorConfig& employeeformConfig();
const EditorConfig& useraddmdoConfig();

// The password every new program user starts with.
inline constexpr char defaultUserPassword[] = "307452";

} // namespace korvell
