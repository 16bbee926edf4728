#pragma once
// Searching for a typed text inside a column: the text is bound as a LIKE pattern whose own "%",
// "_" and escape characters are escaped, so what the user typed is searched for literally.
#include <QString>

namespace korvell {

// The clause to put after "column like ?": the escape character both backends understand.
inline const QString likeEscape = QStringLiteral(" escape '!'");

// "%" + text with its pattern characters escaped + "%".
QString likeContaining(const QString& text);

} // namespace korvell
