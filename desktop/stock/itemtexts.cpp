#include "desktop/stock/itemtexts.h"

#include "desktop/data/execsql.h"
#include "desktop/stock/decimaltext.h"

namespace korvell {

std::optional<QHash<QString, QString>> statusNames()
{
    const SqlResult r = ExecSQL("select sts_id,sts_name from c_main_sts");
    if (!r || !r.rs)
        return std::nullopt;
    QHash<QString, QString> names;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
        names.insert(rs.value(0).toString().trimmed(), rs.value(1).toString());
    return names;
}

QString weightText(const QVariant& stored)
{
    const auto d = Decimal::fromStored(stored);
    return d ? d->text() : stored.toString();
}

} // namespace korvell
