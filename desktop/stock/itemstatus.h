#pragma once
// Item status codes of c_proc_main.proc_sts.
#include <QString>

namespace korvell {

inline const QString StatusWeighed = QStringLiteral("30"); // weighed, on a stock-in order, not booked
inline const QString StatusDeleted = QStringLiteral("20"); // deleted from its stock-in order
inline const QString StatusInStock = QStringLiteral("00"); // in stock
inline const QString StatusStagedForStockOut = QStringLiteral("31"); // on a stock-out order, not booked
inline const QString StatusBookedOut = QStringLiteral("10"); // booked out to a customer
inline const QString StatusStagedForReturn = QStringLiteral("32"); // on a return order, not booked
inline const QString StatusReturnedToStock = QStringLiteral("01"); // returned into stock

// The query windows count a code that begins with InStockClass as in stock ("00", "01"), and a
// code above StatusBookedOut, compared as text, as abnormal stock ("20", "30", "31", "32").
inline const QString InStockClass = QStringLiteral("0");

} // namespace korvell
