#pragma once
// What sets one query window apart from the others: its filters, its statement and totals
// statement, captions, column style, print title and buttons. The query window (querywindow.h)
// and the run (queryrun.h) do the rest.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace korvell {

// A statement with its values bound to the "?" placeholders in order.
struct Statement {
    QString sql;
    QVariantList params;
};

// The items of a filter list, read when the window loads. Items are the code alone, or the code
// padded to width, "|" and the name; a picked item leaves its code in the box.
struct FilterList {
    QString sql;
    QVariantList params;
    QString codeField;
    QString nameField; // empty: the item is the code alone
    int width = 0;
};

enum class FilterKind { Date, Text, List };

struct QueryFilter {
    FilterKind kind = FilterKind::Text;
    QString name; // the control's object name
    QString label;
    FilterList list; // FilterKind::List only
};

// The filter values in the order of the filters: a QDate for a date, a QString otherwise.
using FilterValues = QVariantList;

// What the run sets on each data column besides its caption; 0 leaves the grid's default.
struct ColumnStyle {
    int width = 0;
    int alignment = 0;
    int option = 0;
};

struct QueryButton {
    QString name;
    QString caption;
};

struct QueryConfig {
    QString name; // window name
    QString caption; // window caption
    QString printTitle; // empty: no export and no print
    QList<QueryFilter> filters;
    std::function<Statement(const FilterValues&)> query;
    std::function<Statement(const FilterValues&)> totals; // empty: no totals row
    QString countLabel; // "笔数:" or "产品数量:"
    QStringList captions; // fixed captions of columns 1..; empty: the result's column names
    QList<int> widths; // fixed widths of columns 1.. (the log); else the style's
    ColumnStyle style;
    QueryButton run, exportButton, print, exit;
    bool exportAndPrintStartDisabled = false;
    bool closesToastOnLoad = true;
    bool userSort = true; // the user may sort the rows by a column caption
    double gradientCycles = -5.0;
};

// The sum of a weight column as the decimal sum of the weights, on every backend: SQLite adds
// binary doubles (72059.3799999999), PostgreSQL its numerics exactly (72059.38). The weights are
// added as whole millionths, which both add exactly; a weight's places beyond the sixth are lost.
QString weightSum(const QString& column);

const QueryConfig& kcstatformConfig();
const QueryConfig& kcdetailformConfig();
const QueryConfig& kcabnormalformConfig();
const QueryConfig& bzstatformConfig();
const QueryConfig& jzstatformConfig();
const QueryConfig& opstatformConfig();
const QueryConfig& rkqueryformConfig();
const QueryConfig& ckqueryformConfig();
const QueryConfig& tkqueryformConfig();
const QueryConfig& logqueryformConfig();

// All ten, in menu order.
QList<const QueryConfig*> queryConfigs();

} // namespace korvell
