#pragma once
// Report queries are texts the user types into the designer and the database stores; only a
// query may be stored or run.
#include <QString>

namespace korvell {

// The designer's own reading of a query it stores or runs, which refuses more than the read-only
// run (checkReadOnlySQL, ExecReadOnlySQL) and never stands in for it: its first word is SELECT or
// WITH, nothing but blanks and comments follows a ";", and no word outside literals, quoted names
// and comments writes (INSERT, UPDATE, DELETE, MERGE, or the INTO of SELECT ... INTO and REPLACE
// INTO). A WITH may hide a DELETE ... RETURNING; a text that two backends could read differently
// is refused.
bool isQueryText(const QString& sql);

} // namespace korvell
