#include "desktop/data/sqlscript.h"

namespace korvell {

namespace {

    // The dollar-quote tag ("$$" or "$name$") starting at i, or an empty text.
    QString dollarTag(const QString& script, qsizetype i)
    {
        qsizetype j = i + 1;
        while (j < script.size() && (script[j].isLetterOrNumber() || script[j] == '_'))
            ++j;
        if (j < script.size() && script[j] == '$' && (j == i + 1 || !script[i + 1].isDigit()))
            return script.mid(i, j - i + 1);
        return {};
    }

} // namespace

QStringList splitSqlScript(const QString& script)
{
    QStringList statements;
    QString current;
    bool hasCode = false; // the statement holds more than blanks and comments
    const auto finish = [&] {
        if (hasCode)
            statements << current.trimmed();
        current.clear();
        hasCode = false;
    };
    qsizetype i = 0;
    const qsizetype n = script.size();
    while (i < n) {
        const QChar c = script[i];
        if (c == '-' && i + 1 < n && script[i + 1] == '-') {
            const qsizetype end = script.indexOf('\n', i);
            i = end < 0 ? n : end;
            continue;
        }
        if (c == '/' && i + 1 < n && script[i + 1] == '*') {
            const qsizetype end = script.indexOf("*/", i + 2);
            i = end < 0 ? n : end + 2;
            current += ' ';
            continue;
        }
        if (c == ';') {
            finish();
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        if (c == '\'' || c == '"') {
            // A doubled quote inside stays part of the literal.
            while (end < n) {
                if (script[end] == c) {
                    if (end + 1 < n && script[end + 1] == c) {
                        end += 2;
                        continue;
                    }
                    ++end;
                    break;
                }
                ++end;
            }
        } else if (c == '$') {
            const QString tag = dollarTag(script, i);
            if (!tag.isEmpty()) {
                const qsizetype close = script.indexOf(tag, i + tag.size());
                end = close < 0 ? n : close + tag.size();
            }
        }
        if (!c.isSpace())
            hasCode = true;
        current += QStringView(script).mid(i, end - i);
        i = end;
    }
    finish();
    return statements;
}

} // namespace korvell
