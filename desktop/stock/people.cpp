#include "desktop/stock/people.h"

namespace korvell {

SqlResult employeesOf(const QString& team)
{
    if (team.isEmpty())
        return ExecSQL("select * from c_employee");
    return ExecSQL("select * from c_employee where bz_id=?", { team });
}

std::optional<ProducerGroups> producerGroupsOf(const QString& employee)
{
    const SqlResult r = ExecSQL("select * from c_employee where emp_id=?", { employee });
    if (!r || !r.rs || r.rs->eof())
        return std::nullopt;
    return ProducerGroups { r.rs->value("bz_id").toString(), r.rs->value("jz_id").toString() };
}

} // namespace korvell
