#include "desktop/stock/customersearch.h"

#include "desktop/data/execsql.h"
#include "desktop/data/likepattern.h"

namespace korvell {

std::optional<QStringList> customersContaining(const QString& text)
{
    const SqlResult r = ExecSQL(
        "select cust_name from c_custom where " + likeIgnoringCase("cust_name") + " order by cust_name",
        { likeContaining(text.trimmed()) });
    if (!r || !r.rs)
        return std::nullopt;
    QStringList names;
    for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext())
        names << rs.value(0).toString();
    return names;
}

} // namespace korvell
