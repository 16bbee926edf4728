#include "desktop/stock/weighingrecord.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/numbering.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    std::optional<Decimal> requireWeight(const QString& text, const QString& what)
    {
        const auto weight = weightOf(text);
        if (!weight)
            ShowToast(what + "不是数字，本次称重未保存！", what + ": \"" + text + "\"", ToastRed);
        return weight;
    }

} // namespace

std::optional<WeighedItem> SaveWeighingRecord(const WeighingEntry& e)
{
    const auto gross = requireWeight(e.gross, "当前重量");
    const auto tare = gross ? requireWeight(e.tare, "包装自重") : std::nullopt;
    if (!gross || !tare)
        return std::nullopt;
    const auto net = gross->minus(*tare);
    if (!net || !isStorableWeight(*net)) {
        ShowToast("净重超出范围，本次称重未保存！", "当前重量: \"" + e.gross + "\" 包装自重: \"" + e.tare + "\"",
            ToastRed);
        return std::nullopt;
    }
    const auto specCode = SpecCode(e.spec);
    if (!specCode) {
        ShowToast("产品规格不是数字，本次称重未保存！", "产品规格: \"" + e.spec + "\"", ToastRed);
        return std::nullopt;
    }
    const auto countNum = count_num(e.day, e.station);
    if (!countNum)
        return std::nullopt;

    WeighedItem item;
    item.count_num = *countNum;
    item.serialno = ItemSerialNumber(e.day, *specCode, *countNum);
    item.net = net->text();
    // Weights go as decimal text: a bound double would reach the server as its binary neighbour.
    const SqlResult r
        = ExecSQL("insert into c_proc_main "
                  "(serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,proc_weight,proc_net_wt,"
                  "proc_emp,proc_bz,proc_jz,sh_emp,jy_emp,op_emp,rk_date,station_no) values "
                  "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
            { item.serialno, item.count_num, sqlDateTime(platform::clock().now()), e.order, e.model, e.spec,
                gross->text(), item.net, e.producer.trimmed(), e.team.trimmed(), e.machineGroup.trimmed(),
                e.auditor.trimmed(), e.inspector.trimmed(), e.weigher, sqlDate(e.day), e.station });
    if (!r)
        return std::nullopt;
    return item;
}

} // namespace korvell
