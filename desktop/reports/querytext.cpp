#include "desktop/reports/querytext.h"

#include "desktop/data/sqlwords.h"

namespace korvell {

namespace {

    const QStringList writingWords { "insert", "update", "delete", "merge", "into" };

} // namespace

bool isQueryText(const QString& sql)
{
    const QString text = sql.trimmed();
    if (text.isEmpty() || !text[0].isLetter())
        return false;
    const std::optional<QStringList> words = sqlWords(text);
    if (!words || !isSingleStatement(*words) || words->isEmpty()
        || (words->front() != "select" && words->front() != "with"))
        return false;
    for (const QString& word : *words) {
        if (writingWords.contains(word))
            return false;
    }
    return true;
}

} // namespace korvell
