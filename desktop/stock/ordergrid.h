#pragma once
// The order grid of the three stock windows: the lines of one order weighed or staged at this
// station, newest weighing first, with the order's totals (every listed line counts, whatever its
// status). The windows differ only in the fields they list, their captions and which weights they
// total.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

struct OrderGridLayout {
    QStringList captions; // columns 0 to 12; empty for the hidden ones
    QString fields; // the eleven select fields, by position
    QString orderColumn; // ck_groupno / tk_groupno
    QString stationColumn; // the station that staged the item: ck_station_no / tk_station_no
    bool grossTotal; // field 3 is the gross weight and is totalled
};

extern const OrderGridLayout StockInGrid;
extern const OrderGridLayout StockOutGrid;
extern const OrderGridLayout ReturnGrid;

// Grid columns.
enum OrderGridColumn {
    OrderColSerial = 1,
    OrderColStatusName = 6,
    OrderColOrder = 10,
    OrderColStatus = 11,
    OrderColClerk = 12,
    OrderColCount = 13,
};

struct OrderGridFill {
    QList<QStringList> rows; // the texts of columns 0 to 12; column 6 empty for an unnamed status
    // Count, then gross (stock-in and stock-out), then net; plain decimal texts. A weight total that
    // could not add every line (a Null or overflowing weight) is followed by "（n笔未计入）".
    QStringList totals;
};

// The lines of the order at the station; with a status, only the lines in that status.
// Nothing when a query failed (ExecSQL has shown why).
[[nodiscard]] std::optional<OrderGridFill> loadOrderGrid(
    const OrderGridLayout& layout, const QString& order, const QString& station, const QString& status = {});

} // namespace korvell
