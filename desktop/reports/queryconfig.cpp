#include "desktop/reports/queryconfig.h"

#include "desktop/data/execsql.h"
#include "desktop/data/likepattern.h"
#include "desktop/stock/itemstatus.h"

#include <QDateTime>

namespace korvell {

namespace {

    const QString inStock = QStringLiteral(" substring(proc_sts,1,1)=?");
    const QVariantList inStockValues { InStockClass };
    const QString weightSums = weightSum("proc_weight") + " as 毛重," + weightSum("proc_net_wt") + " as 净重";
    const QString totalsSelect = "select count(*)," + weightSum("proc_weight") + ","
        + weightSum("proc_net_wt") + "  from c_proc_main where ";
    const QString quantityLabel = QStringLiteral("产品数量:");

    QueryButton button(const char* name, const char* caption)
    {
        return { QString::fromLatin1(name), QString::fromUtf8(caption) };
    }

    QueryFilter dateFilter(const QString& name, const QString& label)
    {
        return { FilterKind::Date, name, label, {} };
    }

    QueryFilter textFilter(const QString& name, const QString& label)
    {
        return { FilterKind::Text, name, label, {} };
    }

    QueryFilter listFilter(const QString& name, const QString& label, FilterList list)
    {
        return { FilterKind::List, name, label, std::move(list) };
    }

    // A window of the item table: its names, and its run, export, print and exit buttons as the
    // one-day windows or the others have them.
    QueryConfig itemWindow(const char* name, const char* caption, const char* printTitle, bool oneDay)
    {
        QueryConfig c;
        c.name = QString::fromLatin1(name);
        c.caption = QString::fromUtf8(caption);
        c.printTitle = QString::fromUtf8(printTitle);
        c.run = button("Command1", "查询");
        c.exportButton = oneDay ? button("Command3", "导出") : button("Command4", "导出");
        c.print = oneDay ? button("Command4", "打印") : button("Command5", "打印");
        c.exit = button("Command2", "退出");
        c.exportAndPrintStartDisabled = !oneDay;
        return c;
    }

    // A statement whose values do not come from filters.
    std::function<Statement(const FilterValues&)> fixedStatement(
        const QString& sql, const QVariantList& values)
    {
        return [sql, values](const FilterValues&) { return Statement { sql, values }; };
    }

    // A window without filters; query and totals condition take the same values.
    QueryConfig stockWindow(const char* name, const char* caption, const char* printTitle,
        const QString& query, const QString& totals, const QVariantList& values)
    {
        QueryConfig c = itemWindow(name, caption, printTitle, false);
        c.query = fixedStatement(query, values);
        c.totals = fixedStatement(totalsSelect + totals, values);
        c.countLabel = quantityLabel;
        c.style = { 150, 10, 0 };
        return c;
    }

    // Production over a range of stock-in dates, grouped by column g with model and product size.
    QueryConfig statisticsWindow(const char* name, const char* caption, const char* printTitle,
        const QString& g, const QString& gCaption)
    {
        QueryConfig c = itemWindow(name, caption, printTitle, false);
        c.filters = { dateFilter("DTPicker2", "开始日期："), dateFilter("DTPicker1", "结束日期："),
            textFilter("Text1", gCaption) };
        const QString conditions = "rk_date>=? and rk_date<=? and " + likeIgnoringCase(g);
        const auto values = [](const FilterValues& v) {
            return QVariantList { sqlDate(v[0].toDate()), sqlDate(v[1].toDate()),
                likePrefix(v[2].toString()) };
        };
        c.query = [=](const FilterValues& v) {
            return Statement { "select " + g + " as " + gCaption
                    + ",proc_mod as 产品型号,proc_mod1 as 产品规格,count(*) as 产品数量," + weightSums
                    + " from c_proc_main where " + conditions + " group by " + g + ",proc_mod,proc_mod1 ",
                values(v) };
        };
        c.totals = [=](const FilterValues& v) { return Statement { totalsSelect + conditions, values(v) }; };
        c.countLabel = QStringLiteral("笔数:");
        c.style = { 150, 10, 1 };
        return c;
    }

    // The items one stock movement touched on one day: the date, then prefix filters on columns.
    QueryConfig oneDayWindow(const char* name, const char* caption, const char* printTitle,
        const QString& select, const QString& dateColumn, const QStringList& filterColumns,
        const QString& tail)
    {
        QueryConfig c = itemWindow(name, caption, printTitle, true);
        c.query = [=](const FilterValues& v) {
            Statement s { "select " + select + " from c_proc_main where " + dateColumn + "=?",
                { sqlDate(v[0].toDate()) } };
            for (int i = 0; i < filterColumns.size(); ++i) {
                s.sql += " and  " + likeIgnoringCase(filterColumns[i]);
                s.params << likePrefix(v[i + 1].toString());
            }
            s.sql += tail;
            return s;
        };
        c.style = { 0, 0, 1 };
        return c;
    }

    const FilterList userList { "select username from c_user_table", {}, "username", {}, 0 };
    // Approvers are written by name (the booking windows' approver box).
    const FilterList approverList { "select emp_name from c_employee where bz_id=?",
        { QStringLiteral("1002") }, "emp_name", {}, 0 };

    // The stock-out and returns windows, which differ in their prefix ("ck" or "tk") and texts.
    QueryConfig orderDayWindow(const char* name, const char* caption, const char* printTitle,
        const QString& prefix, const QString& select, const QString& word)
    {
        QueryConfig c = oneDayWindow(name, caption, printTitle, select, prefix + "_date",
            { prefix + "_op_emp", prefix + "_sh_emp", prefix + "_groupno" },
            "  and  len(" + prefix + "_groupno)>0");
        c.filters = { dateFilter("DTPicker2", word + "日期"), listFilter("Combo1", word + "人员", userList),
            listFilter("Combo2", word + "审核", approverList), textFilter("Text1", word + "单号") };
        return c;
    }

} // namespace

QString weightSum(const QString& column)
{
    return "sum(round(" + column + "*1000000))/1000000";
}

// Grouped by product size first: grouped by model first, SQLite would walk the model index and
// fetch every row through it, several times slower than one pass over the table.
const QueryConfig& kcstatformConfig()
{
    static const QueryConfig c = stockWindow("kcstatform", "库存分类汇总表", "库存统计表",
        "select proc_mod as 产品型号,proc_mod1 as 产品规格,count(*) as 产品数量," + weightSums
            + " from c_proc_main where " + inStock + " group by proc_mod1,proc_mod ",
        inStock, inStockValues);
    return c;
}

const QueryConfig& kcdetailformConfig()
{
    static const QueryConfig c = stockWindow("kcdetailform", "库存明细表", "库存产品明细清单",
        "select serialno as 产品编号,groupno as 入库单号, proc_emp as 生产工号, proc_bz as 生产班组, rk_date "
        "as "
        "入库日期,proc_mod as 产品型号,proc_mod1 as 产品规格,proc_weight as 毛重,proc_net_wt as 净重 from "
        "c_proc_main where "
            + inStock + " ",
        inStock, inStockValues);
    return c;
}

const QueryConfig& kcabnormalformConfig()
{
    static const QueryConfig c = stockWindow("kcabnormalform", "异常库存明细表", "异常库存产品明细清单",
        "select  b.sts_name as 产品状态,a.* from proc_main a,c_main_sts b where  a.产品状态=b.sts_id and "
        "a.产品状态>? ",
        " substring(proc_sts,1,1)>?", { StatusBookedOut });
    return c;
}

const QueryConfig& bzstatformConfig()
{
    static const QueryConfig c
        = statisticsWindow("bzstatform", "班组生产量统计表", "班组生产量统计表", "proc_bz", "生产班组");
    return c;
}

const QueryConfig& jzstatformConfig()
{
    static const QueryConfig c
        = statisticsWindow("jzstatform", "机组生产量统计表", "机组生产量统计表", "proc_jz", "生产机组");
    return c;
}

const QueryConfig& opstatformConfig()
{
    static const QueryConfig c = statisticsWindow(
        "opstatform", "入库人员产品分类汇总", "操作人员产品分类汇总清单", "op_emp", "操作人员");
    return c;
}

const QueryConfig& rkqueryformConfig()
{
    static const QueryConfig config = [] {
        QueryConfig c = oneDayWindow("rkqueryform", "入库产品明细查询", "入库产品清单",
            "serialno,groupno,proc_mod,proc_mod1,proc_weight,proc_net_wt,proc_emp,proc_bz,op_emp,sh_emp,jy_"
            "emp,"
            "enter_date",
            "rk_date", { "proc_mod", "proc_mod1", "proc_emp", "proc_bz" }, {});
        c.filters = { dateFilter("DTPicker2", "入库日期"),
            listFilter("Combo1", "产品型号", { "select procid from c_procname", {}, "procid", {}, 0 }),
            listFilter("Combo2", "产品规格", { "select procname from c_procname", {}, "procname", {}, 0 }),
            listFilter("Combo3", "生产工号",
                { "select emp_id,emp_name from c_employee", {}, "emp_id", "emp_name", 6 }),
            listFilter(
                "Combo4", "生产班组", { "select bzid,bzname from c_bzname", {}, "bzid", "bzname", 6 }) };
        c.captions = { "产品编号", "入库单号", "产品型号", "产品规格", "产品毛重", "产品净重", "生产工号",
            "生产班组", "入库操作", "入库审核", "产品检验", "入库时间" };
        return c;
    }();
    return config;
}

const QueryConfig& ckqueryformConfig()
{
    static const QueryConfig config = [] {
        QueryConfig c = orderDayWindow("ckqueryform", "出库产品明细查询", "出库产品清单", "ck",
            "serialno,groupno,proc_mod,proc_mod1,proc_net_wt,ck_op_emp,ck_sh_emp,ck_comp,ck_groupno", "出库");
        c.captions = { "产品编号", "入库单号", "产品型号", "产品规格", "产品净重", "出库人员", "出库审核",
            "相关单位", "出库单号" };
        return c;
    }();
    return config;
}

const QueryConfig& tkqueryformConfig()
{
    static const QueryConfig config = [] {
        QueryConfig c = orderDayWindow("tkqueryform", "退库产品明细查询", "退库产品清单", "tk",
            "serialno,groupno,proc_mod,proc_mod1,proc_net_wt,tk_op_emp,tk_sh_emp,ck_comp,ck_groupno,tk_"
            "groupno,tk_yy",
            "退库");
        c.captions = { "产品编号", "入库单号", "产品型号", "产品规格", "产品净重", "退库人员", "退库审核",
            "相关单位", "出库单号", "退库单号", "退库原因" };
        return c;
    }();
    return config;
}

const QueryConfig& logqueryformConfig()
{
    static const QueryConfig config = [] {
        QueryConfig c;
        c.name = "logqueryform";
        c.caption = "操作日志查询";
        c.filters = { dateFilter("DTPicker1", "开始日期") };
        // From the start of the chosen day, whatever time of day the entries carry.
        c.query = [](const FilterValues& v) {
            return Statement { "select logdate,username,logmsg from c_log where logdate >= ?",
                { sqlDateTime(QDateTime(v[0].toDate(), QTime(0, 0))) } };
        };
        c.captions = { "日志时间", "操作用户", "具体操作" };
        c.widths = { 120, 100, 400 };
        c.run = button("Command1", "确定");
        c.exit = button("Command2", "退出");
        c.closesToastOnLoad = false;
        c.userSort = false;
        c.gradientCycles = -3.0;
        return c;
    }();
    return config;
}

QList<const QueryConfig*> queryConfigs()
{
    return { &kcstatformConfig(), &kcdetailformConfig(), &bzstatformConfig(), &jzstatformConfig(),
        &opstatformConfig(), &rkqueryformConfig(), &ckqueryformConfig(), &tkqueryformConfig(),
        &kcabnormalformConfig(), &logqueryformConfig() };
}

} // namespace korvell
