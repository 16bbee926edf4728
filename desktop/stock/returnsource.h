#pragma once
// The source stock-out order of a return: the picker's list of stock-out orders, the number a
// picked line stands for, and whether a return takes back a whole order.
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

// Stock-out order numbers have 13 characters (stations 1 to 9).
constexpr int stockOutOrderLength = 13;

// One line per stock-out order and (date, customer): number, TAB, two blanks, date, TAB,
// customer. Nothing when the query failed (ExecSQL has shown why).
[[nodiscard]] std::optional<QStringList> stockOutOrders();
// The same, booked out between the two days (both included) to a customer whose name contains
// the text; orders without a customer are left out.
[[nodiscard]] std::optional<QStringList> stockOutOrders(
    const QDate& from, const QDate& to, const QString& customer);

// The order number of a picker line: its first 13 characters.
QString pickedOrderNumber(const QString& line);

// A source order number of more than 10 characters (blanks around it not counted) makes the
// return take back that whole stock-out order instead of reading the collected-data file.
bool isWholeOrderReturn(const QString& sourceOrder);

} // namespace korvell
