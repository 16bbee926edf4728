#include "desktop/stock/likepattern.h"

namespace korvell {

QString likeContaining(const QString& text)
{
    QString pattern;
    pattern.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == '%' || c == '_' || c == '!')
            pattern += '!';
        pattern += c;
    }
    return '%' + pattern + '%';
}

} // namespace korvell
