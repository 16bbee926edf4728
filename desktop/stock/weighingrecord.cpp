#include "desktop/stock/weighingrecord.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/numbering.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    WeighingOutcome notStored(const QString& why)
    {
        return { std::nullopt, why };
    }

    QString againAfter(const DatabaseTrouble& trouble)
    {
        return troubleText(trouble) + QStringLiteral("，请重新称重");
    }

} // namespace

WeighingOutcome SaveWeighingRecord(const WeighingEntry& e)
{
    const auto gross = weightOf(e.gross);
    if (!gross)
        return notStored(QStringLiteral("当前重量不是数字，请重新称重"));
    const auto tare = weightOf(e.tare);
    if (!tare)
        return notStored("包装自重\"" + e.tare + "\"不是数字，请检查产品资料");
    const auto net = gross->minus(*tare);
    if (!net || !isStorableWeight(*net))
        return notStored("净重超出范围（包装自重" + e.tare + "），请重新称重");
    const auto specCode = SpecCode(e.spec);
    if (!specCode)
        return notStored("产品规格\"" + e.spec + "\"不是数字，请检查产品资料");
    DatabaseTrouble trouble = DatabaseTrouble::None;
    const auto countNum = count_num(e.day, e.station, &trouble);
    if (!countNum)
        return notStored(trouble == DatabaseTrouble::None ? QStringLiteral("无法产生货物序号，请重新称重")
                                                          : againAfter(trouble));

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
        return notStored(againAfter(troubleOf(r)));
    return { item, {} };
}

} // namespace korvell
