#include "desktop/stock/returnsource.h"

#include "desktop/data/execsql.h"
#include "desktop/data/likepattern.h"

namespace korvell {

namespace {

    std::optional<QStringList> orderLines(const QString& condition, const QVariantList& values)
    {
        const SqlResult r
            = ExecSQL("select ck_groupno,ck_date,ck_comp  from c_proc_main where len(ck_groupno)=13"
                    + condition + " group by ck_groupno,ck_date,ck_comp order by ck_groupno,ck_date,ck_comp",
                values);
        if (!r || !r.rs)
            return std::nullopt;
        QStringList lines;
        for (auto& rs = *r.rs; !rs.eof(); rs.MoveNext()) {
            const QVariant day = rs.value(1);
            lines << rs.value(0).toString() + "\t  " + (day.isNull() ? QString() : dayText(dateOf(day)))
                    + "\t" + rs.value(2).toString();
        }
        return lines;
    }

} // namespace

std::optional<QStringList> stockOutOrders()
{
    return orderLines({}, {});
}

std::optional<QStringList> stockOutOrders(const QDate& from, const QDate& to, const QString& customer)
{
    return orderLines(" and ck_date>=? and ck_date<=? and " + likeIgnoringCase("ck_comp"),
        { sqlDate(from), sqlDate(to), likeContaining(customer.trimmed()) });
}

QString pickedOrderNumber(const QString& line)
{
    return line.left(stockOutOrderLength);
}

bool isWholeOrderReturn(const QString& sourceOrder)
{
    return sourceOrder.trimmed().size() > 10;
}

} // namespace korvell
