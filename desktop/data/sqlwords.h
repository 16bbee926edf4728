#pragma once
// The words of an SQL text as the backends read it, for the checks made before a text that comes
// from the user or the database runs.
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

// Whether sql holds one statement: nothing but blanks, comments and ";" after its first ";".
// Nothing that two backends could read differently counts as one.
bool isSingleStatement(const QString& sql);
// The same for words that sqlWords read.
bool isSingleStatement(const QStringList& words);

} // namespace korvell
