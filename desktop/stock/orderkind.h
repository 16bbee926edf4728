#pragma once
// The three stock windows keep their orders alike and differ in data: the columns that carry an
// order, the status of the items that wait on it for booking, how a number is drawn and a line
// booked, the window's name and its texts. Stock-out and returns also stage items and undo.
#include "desktop/stock/itemtransitions.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

// Who stages an item on which order, and when.
struct StagingTarget {
    QString order;
    QDate day;
    QString station;
    QString clerk;
};

// One line of an order as the window or the database lists it.
struct OrderLine {
    QString serial;
    QString status;
};

struct BookingRequest {
    QString order; // the number the window holds
    QString station; // this workstation
    QString approver; // stock-out and returns
    QString customer; // stock-out only
};

// The hint under a refusal for want of rights.
inline const QString noRightsHint = QStringLiteral("请与管理员联系");

struct OrderKind {
    QString windowName; // for GetRights
    QString orderColumn; // groupno / ck_groupno / tk_groupno
    QString stationColumn; // the station that weighed or staged: station_no / ck_station_no / tk_station_no
    QString dayColumn; // rk_date / ck_date / tk_date
    QString ownerColumn; // who weighed or staged an item: op_emp / ck_op_emp / tk_op_emp
    QString waiting; // status of the items that wait on an order for booking
    QStringList bookable; // statuses booking takes (waiting, and the stock-in order's deleted items)
    std::optional<QString> (*nextNumber)(const QDate& day, const QString& station);
    Changed (*book)(const OrderLine& line, const BookingRequest& request);
    bool needsApprover, needsCustomer;

    // Staging and undo (stock-out and returns).
    QStringList accepted {}; // statuses an item may be staged from
    Changed (*stage)(const QString& serial, const StagingTarget& target) = nullptr;
    Changed (*undoOrder)(const QString& order, bool waitingOnly) = nullptr;
    Changed (*undoLine)(const QString& serial, const QString& order, bool waitingOnly) = nullptr;

    QString pickTitle {}; // open dialog when the collected-data file is missing
    QString noGoods {}; // nothing staged after an import
    QString noNumber {}, noNumberHint {}; // no order number could be drawn
    QString noApprover {};
    QString booked; // toast after booking
    QString bookedMark; // status cell of a booked row
    QString nothingToBook;
    QString partlyBooked; // toast when a booking stopped; the hint gets the trouble and the count
    QString partlyBookedHint;
    QString logPrefix, logSuffix; // operation-log line around the order number
    QString pending; // the order holds items that wait for booking
    QString pendingNewOrder, pendingClose, pendingBrowse, pendingDay; // hints
    QString resumedHint; // the window opened on this station's waiting order; gets its number and day
    // The choices a resumed order offers besides leaving it (no import on the weighing station).
    QString importCaption {}, bookCaption, releaseCaption;
    QString firstOrder, firstOrderHint, lastOrder, lastOrderHint;
    // Deleting (stock-in) or undoing the order or one of its lines.
    QString notOwnerOrder, notOwnerLine;
    QString undoneOrder, undoneOrderHint, undoneLine, undoneLineHint;
    QString nothingUndoneOrder, nothingUndoneLine, nothingUndoneHint;
    QString waitingOnlyHint; // nothing released of a resumed order of another day: only waiting lines go
    QString noItemsOrder {}, noItemLine {}; // stock-in: nothing of order %1 here, or none of its items chosen
    // Restoring deleted items (stock-in).
    QString notOwnerRestoreHint {}, restoredOrder {}, restoredLine {}, restoredHint {};
    QString nothingRestoredOrder {}, nothingRestoredLine {};
    QString pastDay, pastDayHint; // deletes and undos work on today's orders only
    QString noDeleteRights, noSaveRights; // each with noRightsHint
    QString sheetTitle;
};

extern const OrderKind StockInOrders;
extern const OrderKind StockOutOrders;
extern const OrderKind ReturnOrders;

} // namespace korvell
