#pragma once
// The numbers of the stock windows. Every number of a day and station carries the station:
// station * 10000 + the day's sequence, so stations never collide. Each function that cannot make
// a number has shown its toast (ExecSQL's for a failed query) and returns nothing; the caller
// stops the operation.
#include "desktop/stock/databasetrouble.h"

#include <QDate>
#include <QString>
#include <optional>

namespace korvell {

// The workstation number as a whole number of at least 1.
[[nodiscard]] std::optional<int> stationNumber(const QString& station);

// ItemSequenceNumber: the highest count_num of the day and station plus 1, or station * 10000 + 1
// for the day's first item. The station's 10,000th item of a day is refused. When the database
// failed, trouble (if given) says why.
[[nodiscard]] std::optional<qint64> count_num(
    const QDate& day, const QString& station, DatabaseTrouble* trouble = nullptr);

// The product size (the proc_mod1 text) times 100 as the shortest text with at most 15
// significant digits, padded with "0" in front to 3 characters: 0.35 -> "035", 1.15 -> "115",
// 0.055 -> "5.5".
[[nodiscard]] std::optional<QString> SpecCode(const QString& spec);

// ItemSerialNumber: the day "yyyymmdd", the SpecCode, the sequence number.
QString ItemSerialNumber(const QDate& day, const QString& specCode, qint64 countNum);

// Order numbers: the day "yyyymmdd" followed by station * 10000 + the day's next sequence of that
// kind of order. A number counts as used once an item bears it.
[[nodiscard]] std::optional<QString> NextStockInSlipNo(const QDate& day, const QString& station);
[[nodiscard]] std::optional<QString> NextStockOutOrderNo(const QDate& day, const QString& station);
[[nodiscard]] std::optional<QString> NextReturnOrderNo(const QDate& day, const QString& station);

// The neighbouring number of the same day: the first 8 characters, then the rest minus or plus 1.
// Nothing for a text that is no order number.
[[nodiscard]] std::optional<QString> previousOrderNo(const QString& order);
[[nodiscard]] std::optional<QString> nextOrderNo(const QString& order);

} // namespace korvell
