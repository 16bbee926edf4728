#include "desktop/data/sqlwords.h"

#include <algorithm>

namespace korvell {

namespace {

    bool isWordCharacter(QChar c)
    {
        return c.isLetterOrNumber() || c == '_' || c == '$';
    }

    // Reads the text as the backends do, keeping only what could be SQL: words (lower case) and
    // ";". Literals ('..', E'..', $tag$..$tag$), quoted names (".." `..` [..]) and comments are
    // skipped.
    class Scanner {
    public:
        explicit Scanner(const QString& text)
            : sql(text)
        {
        }

        // Nothing when a literal, name or comment does not end, or the backends would end one in
        // different places (a comment opened inside a comment: PostgreSQL nests them, SQLite
        // does not).
        std::optional<QStringList> words()
        {
            QStringList out;
            while (i < sql.size()) {
                const QChar c = sql[i];
                if (startsWith(u"--")) {
                    const qsizetype end = sql.indexOf('\n', i);
                    i = end < 0 ? sql.size() : end + 1;
                } else if (startsWith(u"/*")) {
                    const qsizetype end = sql.indexOf(u"*/", i + 2);
                    const qsizetype inner = sql.indexOf(u"/*", i + 2);
                    if (end < 0 || (inner >= 0 && inner < end))
                        return std::nullopt;
                    i = end + 2;
                } else if (c == '\'') {
                    if (!skipLiteral(followsEscapePrefix()))
                        return std::nullopt;
                } else if (c == '"' || c == '`' || c == '[') {
                    if (!skipQuoted(c == '[' ? QChar(']') : c))
                        return std::nullopt;
                } else if (const qsizetype tag = dollarTag(); tag > 0) {
                    const qsizetype end = sql.indexOf(QStringView(sql).mid(i, tag), i + tag);
                    if (end < 0)
                        return std::nullopt;
                    i = end + tag;
                } else if (isWordCharacter(c)) {
                    const qsizetype start = i;
                    while (i < sql.size() && isWordCharacter(sql[i]))
                        ++i;
                    out << sql.mid(start, i - start).toLower();
                } else {
                    if (c == ';')
                        out << sqlStatementEnd;
                    ++i;
                }
            }
            return out;
        }

    private:
        bool startsWith(QStringView s) const { return QStringView(sql).mid(i).startsWith(s); }

        // E'..' (PostgreSQL's literal with backslash escapes): "E" standing alone before the quote.
        bool followsEscapePrefix() const
        {
            return i > 0 && (sql[i - 1] == 'E' || sql[i - 1] == 'e')
                && (i < 2 || !isWordCharacter(sql[i - 2]));
        }

        // False also for a backslash before a quote in E'..': PostgreSQL reads it as a quote
        // inside the literal, SQLite as the literal's end.
        bool skipLiteral(bool backslashEscapes)
        {
            for (++i; i < sql.size(); ++i) {
                if (backslashEscapes && sql[i] == '\\' && i + 1 < sql.size() && sql[i + 1] == '\'') {
                    return false;
                } else if (sql[i] == '\'') {
                    if (i + 1 < sql.size() && sql[i + 1] == '\'') {
                        ++i;
                        continue;
                    }
                    ++i;
                    return true;
                }
            }
            return false;
        }

        // A quoted name; a doubled closing quote stands for itself.
        bool skipQuoted(QChar close)
        {
            for (++i; i < sql.size(); ++i) {
                if (sql[i] != close)
                    continue;
                if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
                    ++i;
                    continue;
                }
                ++i;
                return true;
            }
            return false;
        }

        // The length of a dollar-quote tag ("$$", "$body$") starting here, else 0.
        qsizetype dollarTag() const
        {
            if (sql[i] != '$' || (i > 0 && isWordCharacter(sql[i - 1])))
                return 0;
            qsizetype j = i + 1;
            if (j < sql.size() && (sql[j].isLetter() || sql[j] == '_'))
                while (j < sql.size() && (sql[j].isLetterOrNumber() || sql[j] == '_'))
                    ++j;
            return j < sql.size() && sql[j] == '$' ? j - i + 1 : 0;
        }

        const QString& sql;
        qsizetype i = 0;
    };

} // namespace

std::optional<QStringList> sqlWords(const QString& sql)
{
    return Scanner(sql).words();
}

bool isSingleStatement(const QStringList& words)
{
    const qsizetype end = words.indexOf(sqlStatementEnd);
    return end < 0 || std::all_of(words.begin() + end, words.end(), [](const QString& word) {
        return word == sqlStatementEnd;
    });
}

} // namespace korvell
