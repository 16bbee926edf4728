#pragma once
// Stock-out and returns are one design that differs only in data: the statuses an item leaves and
// takes, the transitions, the window's name and its texts.
#include "desktop/stock/itemtransitions.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace korvell {

// Who stages an item on which order, and when.
struct StagingTarget {
    QString order;
    QDate day;
    QString station;
    QString clerk;
};

struct OrderKind {
    QString windowName; // for GetRights
    QStringList accepted; // statuses an item may be staged from
    QString staged; // status of a staged item
    QString orderColumn; // ck_groupno / tk_groupno
    Changed (*stage)(const QString& serial, const StagingTarget& target);
    Changed (*book)(const QString& serial, const QString& order, const QString& approver,
        const QString& customer);
    Changed (*undoOrder)(const QString& order);
    Changed (*undoLine)(const QString& serial, const QString& order);
    bool needsCustomer;

    QString pickTitle; // open dialog when the collected-data file is missing
    QString noGoods; // nothing staged after an import
    QString noApprover;
    QString booked; // toast after booking
    QString bookedMark; // status cell of a booked row
    QString nothingToBook;
    QString partlyBooked; // toast when some rows could not be booked; hint gets the count
    QString partlyBookedHint;
    QString logPrefix, logSuffix; // operation-log line around the order number
    QString pending; // the order holds staged items
    QString pendingNewOrder, pendingClose, pendingBrowse; // hints
    QString firstOrder, firstOrderHint, lastOrder, lastOrderHint;
    QString notOwnerOrder, notOwnerLine;
    QString undoneOrder, undoneOrderHint, undoneLine, undoneLineHint;
    QString sheetTitle;
};

extern const OrderKind StockOutOrders;
extern const OrderKind ReturnOrders;

} // namespace korvell
