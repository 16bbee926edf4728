#pragma once
// The items of one stock-in order at this station, newest first, with the order's totals
// (every listed item counts, whatever its status), and whether it holds items not yet booked.
#include <QList>
#include <QString>
#include <optional>

namespace korvell {

struct StockInSlipRow {
    QString serialno, proc_mod, proc_mod1;
    QString gross, net; // plain decimal texts
    QString status; // raw proc_sts
    QString statusName; // from c_main_sts; empty when the code is not listed there
    QString rk_date; // "yyyy-m-d"
    QString jy_emp, sh_emp, groupno, op_emp;
};

struct StockInSlip {
    QList<StockInSlipRow> rows;
    QString count = "0", gross = "0", net = "0";
};

// Nothing when a query failed (ExecSQL has shown why).
std::optional<StockInSlip> loadStockInSlip(const QString& order, const QString& station);

// Whether the order has items at this station; nothing when the query failed.
std::optional<bool> stockInSlipExists(const QString& order, const QString& station);

// Whether the order holds weighed items ("30") at this station; nothing when the query failed.
std::optional<bool> hasPendingItems(const QString& order, const QString& station);

} // namespace korvell
