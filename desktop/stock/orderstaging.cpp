#include "desktop/stock/orderstaging.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/itemtexts.h"

namespace korvell {

namespace {

    // "已经是" + the status name; empty when the status has no name or the look-up fails.
    QString statusReason(const QString& status)
    {
        const SqlResult r = ExecSQL("select sts_name from c_main_sts where sts_id=?", { status });
        if (!r || !r.rs || r.rs->eof())
            return {};
        return QStringLiteral("已经是") + r.rs->value(0).toString();
    }

} // namespace

Staging stageBarcode(const OrderKind& kind, const QString& serial, const StagingTarget& target)
{
    const SqlResult r = ExecSQL(
        "select proc_sts,proc_mod,proc_mod1,proc_net_wt from c_proc_main   where serialno=?", { serial });
    if (!r || !r.rs)
        return { Staging::Result::Failed, {}, troubleOf(r) };
    if (r.rs->eof())
        return { Staging::Result::Rejected, { serial, {}, {}, {}, QStringLiteral("该产品不在库中") } };
    const QString status = r.rs->value(0).toString().trimmed();
    if (!kind.accepted.contains(status)) {
        return { Staging::Result::Rejected,
            { serial, r.rs->value(1).toString(), r.rs->value(2).toString(), weightText(r.rs->value(3)),
                statusReason(status) } };
    }
    const Changed c = kind.stage(serial, target);
    if (!c)
        return { Staging::Result::Failed, {}, c.trouble };
    return { *c > 0 ? Staging::Result::Staged : Staging::Result::LeftAlone, {} };
}

ImportOutcome stageSerials(const OrderKind& kind, const QStringList& serials, const StagingTarget& target)
{
    ImportOutcome outcome;
    for (qsizetype i = 0; i < serials.size(); ++i) {
        const Staging s = stageBarcode(kind, serials[i], target);
        switch (s.result) {
        case Staging::Result::Staged:
            ++outcome.staged;
            break;
        case Staging::Result::Rejected:
            outcome.rejections << s.rejection;
            break;
        case Staging::Result::LeftAlone:
            break;
        case Staging::Result::Failed:
            outcome.trouble = s.trouble;
            outcome.left = int(serials.size() - i);
            return outcome;
        }
    }
    return outcome;
}

std::optional<QStringList> serialsOfStockOutOrder(const QString& order)
{
    const SqlResult r = ExecSQL("select serialno from c_proc_main where ck_groupno=?", { order });
    if (!r || !r.rs)
        return std::nullopt;
    QStringList serials;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
        serials << rs.value(0).toString();
    return serials;
}

} // namespace korvell
