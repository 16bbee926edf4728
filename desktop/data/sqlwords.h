#pragma once
// The words of an SQL text as the backends read it, for the report designer's own reading of a
// query it stores. It may refuse more than the database would, never let more run: whether a text
// runs is the database's decision (ExecReadOnlySQL).
#include <QString>
#include <QStringList>
#include <optional>

namespace korvell {

// Marks the end of a statement among the words.
inline const QString sqlStatementEnd = QStringLiteral(";");

// The words of sql in lower case, with sqlStatementEnd for every ";". Literals ('..', E'..',
// $tag$..$tag$), quoted names (".." `..` [..]) and comments are skipped. Nothing when a literal,
// name or comment does not end, or when the backends would end one in different places.
std::optional<QStringList> sqlWords(const QString& sql);

// Whether the words that sqlWords read hold one statement: nothing but ";" after the first ";".
bool isSingleStatement(const QStringList& words);

} // namespace korvell
