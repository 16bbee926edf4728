#include "desktop/stock/ordergrid.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/itemtexts.h"

namespace korvell {

const OrderGridLayout StockInGrid {
    .captions = { "", "产品条码", "产品型号", "产品规格", "毛    重", "净    重", "记录状态", "入库日期",
        "检验人员", "称重审核", "入库单号", "", "" },
    .fields
    = "serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,proc_sts,rk_date,jy_emp,sh_emp,groupno,op_emp",
    .orderColumn = "groupno",
    .stationColumn = "station_no",
    .grossTotal = true,
};

const OrderGridLayout StockOutGrid {
    .captions = { "", "产品条码", "产品型号", "产品规格", "毛    重", "净    重", "记录状态", "出库日期",
        "检验人员", "称重审核", "出库单号", "", "" },
    .fields = "serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,proc_sts,ck_date,jy_emp,sh_emp,ck_groupno,"
              "ck_op_emp",
    .orderColumn = "ck_groupno",
    .stationColumn = "ck_station_no",
    .grossTotal = true,
};

const OrderGridLayout ReturnGrid {
    .captions = { "", "产品条码", "产品型号", "产品规格", "出库单号", "净    重", "记录状态", "出库日期",
        "出库人员", "出库审核", "退库单号", "", "" },
    .fields = "serialno,proc_mod,proc_mod1,ck_groupno,proc_net_wt,proc_sts,ck_date,ck_op_emp,ck_sh_emp,"
              "tk_groupno,tk_op_emp",
    .orderColumn = "tk_groupno",
    .stationColumn = "tk_station_no",
    .grossTotal = false,
};

namespace {

    // Select fields by position.
    constexpr int FieldThird = 3, FieldNet = 4, FieldStatus = 5, FieldDay = 6, FieldClerk = 10;

    // A weight total and the lines whose weight it could not take (a Null, an overflow).
    struct WeightTotal {
        DecimalSum sum;
        int leftOut = 0;

        void add(const QVariant& weight)
        {
            if (!sum.add(weight))
                ++leftOut;
        }
        // A total that lacks lines says so, on the screen and on the printed order alike.
        QString text() const
        {
            return leftOut == 0 ? sum.text() : sum.text() + "（" + QString::number(leftOut) + "笔未计入）";
        }
    };

} // namespace

std::optional<OrderGridFill> loadOrderGrid(
    const OrderGridLayout& layout, const QString& order, const QString& station, const QString& status)
{
    const auto names = statusNames();
    if (!names)
        return std::nullopt;
    QString sql = "select " + layout.fields + " from c_proc_main where " + layout.orderColumn + "=? and "
        + layout.stationColumn + "=?";
    QVariantList values { order, station };
    if (!status.isEmpty()) {
        sql += " and proc_sts=?";
        values << status;
    }
    // The weighing sequence breaks ties between items weighed within the same second.
    const SqlResult r = ExecSQL(sql + " order by enter_date desc,count_num desc,serialno desc", values);
    if (!r || !r.rs)
        return std::nullopt;

    OrderGridFill fill;
    WeightTotal gross, net;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext()) {
        QStringList row(OrderColCount);
        for (int f = 0; f < 5; ++f)
            row[OrderColSerial + f] = rs.value(f).toString();
        row[OrderColSerial + FieldNet] = weightText(rs.value(FieldNet));
        if (layout.grossTotal)
            row[OrderColSerial + FieldThird] = weightText(rs.value(FieldThird));
        const QString code = rs.value(FieldStatus).toString().trimmed();
        row[OrderColStatusName] = names->value(code);
        const QVariant day = rs.value(FieldDay);
        row[OrderColStatusName + 1] = day.isNull() ? QString() : dayText(dateOf(day));
        for (int f = FieldDay + 1; f < FieldClerk; ++f)
            row[OrderColStatusName + 1 + f - FieldDay] = rs.value(f).toString();
        row[OrderColStatus] = code;
        row[OrderColClerk] = rs.value(FieldClerk).toString();
        if (layout.grossTotal)
            gross.add(rs.value(FieldThird));
        net.add(rs.value(FieldNet));
        fill.rows << row;
    }
    fill.totals << QString::number(fill.rows.size());
    if (layout.grossTotal)
        fill.totals << gross.text();
    fill.totals << net.text();
    return fill;
}

} // namespace korvell
