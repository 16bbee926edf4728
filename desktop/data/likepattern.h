#pragma once
// Searching for a typed text in a column: the text is bound as a LIKE pattern whose own "%", "_"
// and escape characters are escaped, so what the user typed is searched for literally. One escape
// clause for the whole program: a pattern escaped for one clause means something else under another.
#include <QString>

namespace korvell {

// The clause to put after "column like ?": the escape character every backend understands.
inline const QString likeEscape = QStringLiteral(" escape '!'");

// "upper(column) like upper(?)" with the escape clause: letters match whatever their case, on
// every backend alike (SQLite's LIKE ignores ASCII case, PostgreSQL's does not), as the SQL
// Server database the windows were written for compares text.
QString likeIgnoringCase(const QString& column);

// "%" + text with its pattern characters escaped + "%".
QString likeContaining(const QString& text);
// Text with its pattern characters escaped + "%".
QString likePrefix(const QString& text);

} // namespace korvell
