#include "desktop/stock/itemtransitions.h"

#include "desktop/data/execsql.h"

namespace korvell {

namespace {

    Changed run(const QString& sql, const QVariantList& params)
    {
        const SqlResult r = ExecSQL(sql, params);
        Changed changed;
        if (r)
            changed = std::max(r.rowsAffected, 0);
        changed.trouble = troubleOf(r);
        return changed;
    }

    // Items that no stock-out or return order holds, as they left the stock-in order.
    const QString onNoOtherOrder
        = QStringLiteral("proc_sts in ('30','00') and coalesce(ck_groupno,'')='' and coalesce(tk_groupno,'')=''");

} // namespace

Changed bookStockInItem(const QString& serial, const QString& order, const QString& station)
{
    return run("update c_proc_main set proc_sts='00' where serialno=? and groupno=? and station_no=? and "
               "proc_sts='30'",
        { serial, order, station });
}

Changed removeDeletedItem(const QString& serial, const QString& order, const QString& station)
{
    return run("delete from c_proc_main  where serialno=? and groupno=? and station_no=? and proc_sts='20'",
        { serial, order, station });
}

Changed deleteStockInOrder(const QString& order, const QString& station)
{
    return run("update c_proc_main  set proc_sts='20' where groupno=? and station_no=? and " + onNoOtherOrder,
        { order, station });
}

Changed restoreStockInOrder(const QString& order, const QString& station)
{
    return run("update c_proc_main  set proc_sts='00' where groupno=? and station_no=? and proc_sts='20'",
        { order, station });
}

Changed deleteStockInItem(const QString& serial, const QString& order, const QString& station)
{
    return run("update c_proc_main  set proc_sts='20' where serialno=? and groupno=? and station_no=? and "
            + onNoOtherOrder,
        { serial, order, station });
}

Changed restoreStockInItem(const QString& serial, const QString& order, const QString& station)
{
    return run("update c_proc_main  set proc_sts='00' where serialno=? and groupno=? and station_no=? and "
               "proc_sts='20'",
        { serial, order, station });
}

Changed stageForStockOut(const QString& serial, const QDate& day, const QString& order,
    const QString& station, const QString& user)
{
    return run("update c_proc_main  set ck_date=?,ck_groupno=?,proc_sts='31',ck_station_no=?,ck_op_emp=? "
               "where serialno=? and ( proc_sts='00'  or proc_sts='01')",
        { sqlDate(day), order, station, user, serial });
}

Changed bookStockOutItem(
    const QString& serial, const QString& order, const QString& customer, const QString& approver)
{
    return run("update c_proc_main set proc_sts='10',ck_comp=?,ck_sh_emp=? "
               "where serialno=? and ck_groupno=? and proc_sts='31'",
        { customer, approver, serial, order });
}

Changed undoStockOutOrder(const QString& order)
{
    return run(
        "update c_proc_main  set proc_sts='00',ck_groupno='' where ck_groupno=? and proc_sts in ('31','10')",
        { order });
}

Changed undoStockOutLine(const QString& serial, const QString& order)
{
    return run("update c_proc_main  set proc_sts='00',ck_groupno='' where serialno=? and ck_groupno=? and "
               "proc_sts in ('31','10')",
        { serial, order });
}

Changed stageForReturn(const QString& serial, const QDate& day, const QString& order, const QString& station,
    const QString& user)
{
    return run("update c_proc_main  set tk_date=?,tk_groupno=?,proc_sts='32',tk_station_no=?,tk_op_emp=? "
               "where serialno=? and proc_sts='10'",
        { sqlDate(day), order, station, user, serial });
}

Changed bookReturnItem(const QString& serial, const QString& order, const QString& approver)
{
    return run("update c_proc_main set proc_sts='01',tk_sh_emp=? where serialno=? and tk_groupno=? and "
               "proc_sts='32'",
        { approver, serial, order });
}

Changed undoReturnOrder(const QString& order)
{
    return run(
        "update c_proc_main  set proc_sts='10',tk_groupno='' where tk_groupno=? and proc_sts in ('32','01')",
        { order });
}

Changed undoReturnLine(const QString& serial, const QString& order)
{
    return run("update c_proc_main  set proc_sts='10',tk_groupno='' where serialno=? and tk_groupno=? and "
               "proc_sts in ('32','01')",
        { serial, order });
}

} // namespace korvell
