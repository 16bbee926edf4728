#pragma once
// The people the stock windows list: every employee (the producers), the quality inspectors and
// the weighing and stock-in staff (who audit weighings and approve stock-outs and returns), by
// their fixed team codes.
#include "desktop/data/execsql.h"

#include <QString>
#include <optional>

namespace korvell {

inline const QString InspectorTeamCode = QStringLiteral("1001");
inline const QString WeighingTeamCode = QStringLiteral("1002");

// The employees of a team, or every employee for an empty team: rows with emp_id and emp_name.
[[nodiscard]] SqlResult employeesOf(const QString& team);

// The team and machine-group codes of a producer; nothing when the number is unknown or the
// query failed.
struct ProducerGroups {
    QString team;
    QString machineGroup;
};
[[nodiscard]] std::optional<ProducerGroups> producerGroupsOf(const QString& employee);

} // namespace korvell
