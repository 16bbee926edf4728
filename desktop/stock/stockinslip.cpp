#include "desktop/stock/stockinslip.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/itemtexts.h"

namespace korvell {

namespace {

    std::optional<bool> anyItem(const QString& condition, const QVariantList& params)
    {
        const SqlResult r = ExecSQL("select count(*) from c_proc_main where " + condition, params);
        if (!r || !r.rs || r.rs->eof())
            return std::nullopt;
        return r.rs->value(0).toLongLong() > 0;
    }

} // namespace

std::optional<StockInSlip> loadStockInSlip(const QString& order, const QString& station)
{
    const auto names = statusNames();
    if (!names)
        return std::nullopt;
    // count_num breaks ties between items stored within the same second.
    const SqlResult r
        = ExecSQL("select serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,proc_sts,rk_date,jy_emp,"
                  "sh_emp,groupno,op_emp from c_proc_main where groupno=? and station_no=? "
                  "order by enter_date desc,count_num desc",
            { order, station });
    if (!r || !r.rs)
        return std::nullopt;
    StockInSlip slip;
    DecimalSum gross, net;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext()) {
        StockInSlipRow row;
        row.serialno = rs.value(0).toString();
        row.proc_mod = rs.value(1).toString();
        row.proc_mod1 = rs.value(2).toString();
        row.gross = weightText(rs.value(3));
        row.net = weightText(rs.value(4));
        row.status = rs.value(5).toString().trimmed();
        row.statusName = names->value(row.status);
        row.rk_date = dayText(dateOf(rs.value(6)));
        row.jy_emp = rs.value(7).toString();
        row.sh_emp = rs.value(8).toString();
        row.groupno = rs.value(9).toString();
        row.op_emp = rs.value(10).toString();
        gross.add(rs.value(3));
        net.add(rs.value(4));
        slip.rows << row;
    }
    slip.count = QString::number(slip.rows.size());
    slip.gross = gross.text();
    slip.net = net.text();
    return slip;
}

std::optional<bool> stockInSlipExists(const QString& order, const QString& station)
{
    return anyItem("groupno=? and station_no=?", { order, station });
}

std::optional<bool> hasPendingItems(const QString& order, const QString& station)
{
    return anyItem("groupno=? and station_no=? and proc_sts=?", { order, station, StatusWeighed });
}

} // namespace korvell
