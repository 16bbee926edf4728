#pragma once
// Item fields as the order grids show them: status names from c_main_sts, weights as plain
// decimal text.
#include <QHash>
#include <QString>
#include <QVariant>
#include <optional>

namespace korvell {

// Status code to name; nothing when the query failed (ExecSQL has shown why).
std::optional<QHash<QString, QString>> statusNames();

// A stored weight as plain decimal text; a Null gives empty text.
QString weightText(const QVariant& stored);

} // namespace korvell
