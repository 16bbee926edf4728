#include "desktop/data/likepattern.h"

namespace korvell {

namespace {

    QString escaped(const QString& text)
    {
        QString pattern;
        pattern.reserve(text.size() + 2);
        for (const QChar c : text) {
            if (c == '%' || c == '_' || c == '!')
                pattern += '!';
            pattern += c;
        }
        return pattern;
    }

} // namespace

QString likeIgnoringCase(const QString& column)
{
    return "upper(" + column + ") like upper(?)" + likeEscape;
}

QString likeContaining(const QString& text)
{
    return '%' + escaped(text) + '%';
}

QString likePrefix(const QString& text)
{
    return escaped(text) + '%';
}

} // namespace korvell
