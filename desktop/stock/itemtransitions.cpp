#include "desktop/stock/itemtransitions.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/itemstatus.h"

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
        = QStringLiteral("proc_sts in (?,?) and coalesce(ck_groupno,'')='' and coalesce(tk_groupno,'')=''");
    QVariantList onNoOtherOrderValues(bool waitingOnly)
    {
        return { StatusWeighed, waitingOnly ? StatusWeighed : StatusInStock };
    }

} // namespace

Changed bookStockInItem(const QString& serial, const QString& order, const QString& station)
{
    return run(
        "update c_proc_main set proc_sts=? where serialno=? and groupno=? and station_no=? and proc_sts=?",
        { StatusInStock, serial, order, station, StatusWeighed });
}

Changed removeDeletedItem(const QString& serial, const QString& order, const QString& station)
{
    return run("delete from c_proc_main  where serialno=? and groupno=? and station_no=? and proc_sts=?",
        { serial, order, station, StatusDeleted });
}

Changed deleteStockInOrder(const QString& order, const QString& station, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=? where groupno=? and station_no=? and " + onNoOtherOrder,
        QVariantList { StatusDeleted, order, station } + onNoOtherOrderValues(waitingOnly));
}

Changed restoreStockInOrder(const QString& order, const QString& station)
{
    return run("update c_proc_main  set proc_sts=? where groupno=? and station_no=? and proc_sts=?",
        { StatusInStock, order, station, StatusDeleted });
}

Changed deleteStockInItem(
    const QString& serial, const QString& order, const QString& station, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=? where serialno=? and groupno=? and station_no=? and "
            + onNoOtherOrder,
        QVariantList { StatusDeleted, serial, order, station } + onNoOtherOrderValues(waitingOnly));
}

Changed restoreStockInItem(const QString& serial, const QString& order, const QString& station)
{
    return run(
        "update c_proc_main  set proc_sts=? where serialno=? and groupno=? and station_no=? and proc_sts=?",
        { StatusInStock, serial, order, station, StatusDeleted });
}

Changed stageForStockOut(const QString& serial, const QDate& day, const QString& order,
    const QString& station, const QString& user)
{
    return run("update c_proc_main  set ck_date=?,ck_groupno=?,proc_sts=?,ck_station_no=?,ck_op_emp=? "
               "where serialno=? and ( proc_sts=?  or proc_sts=?)",
        { sqlDate(day), order, StatusStagedForStockOut, station, user, serial, StatusInStock,
            StatusReturnedToStock });
}

Changed bookStockOutItem(
    const QString& serial, const QString& order, const QString& customer, const QString& approver)
{
    return run("update c_proc_main set proc_sts=?,ck_comp=?,ck_sh_emp=? "
               "where serialno=? and ck_groupno=? and proc_sts=?",
        { StatusBookedOut, customer, approver, serial, order, StatusStagedForStockOut });
}

Changed undoStockOutOrder(const QString& order, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=?,ck_groupno='' where ck_groupno=? and proc_sts in (?,?)",
        { StatusInStock, order, StatusStagedForStockOut,
            waitingOnly ? StatusStagedForStockOut : StatusBookedOut });
}

Changed undoStockOutLine(const QString& serial, const QString& order, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=?,ck_groupno='' where serialno=? and ck_groupno=? and "
               "proc_sts in (?,?)",
        { StatusInStock, serial, order, StatusStagedForStockOut,
            waitingOnly ? StatusStagedForStockOut : StatusBookedOut });
}

Changed stageForReturn(const QString& serial, const QDate& day, const QString& order, const QString& station,
    const QString& user)
{
    return run("update c_proc_main  set tk_date=?,tk_groupno=?,proc_sts=?,tk_station_no=?,tk_op_emp=? "
               "where serialno=? and proc_sts=?",
        { sqlDate(day), order, StatusStagedForReturn, station, user, serial, StatusBookedOut });
}

Changed bookReturnItem(const QString& serial, const QString& order, const QString& approver)
{
    return run(
        "update c_proc_main set proc_sts=?,tk_sh_emp=? where serialno=? and tk_groupno=? and proc_sts=?",
        { StatusReturnedToStock, approver, serial, order, StatusStagedForReturn });
}

Changed undoReturnOrder(const QString& order, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=?,tk_groupno='' where tk_groupno=? and proc_sts in (?,?)",
        { StatusBookedOut, order, StatusStagedForReturn,
            waitingOnly ? StatusStagedForReturn : StatusReturnedToStock });
}

Changed undoReturnLine(const QString& serial, const QString& order, bool waitingOnly)
{
    return run("update c_proc_main  set proc_sts=?,tk_groupno='' where serialno=? and tk_groupno=? and "
               "proc_sts in (?,?)",
        { StatusBookedOut, serial, order, StatusStagedForReturn,
            waitingOnly ? StatusStagedForReturn : StatusReturnedToStock });
}

} // namespace korvell
