#include "desktop/masterdata/idnamecomboitem.h"

namespace korvell {

namespace {

    const QChar separator = u'|';

    // Position of the separator that ends the code: w for a padded code, else the first "|".
    qsizetype separatorAt(const QString& item, int w)
    {
        if (w >= 0 && w < item.size() && item.at(w) == separator)
            return w;
        return item.indexOf(separator);
    }

} // namespace

QString IdNameComboItem(const QString& code, const QString& name, int w)
{
    return code.leftJustified(w, u' ') + separator + name;
}

QString comboItemCode(const QString& item, int w)
{
    const qsizetype at = separatorAt(item, w);
    return (at < 0 ? item : item.left(at)).trimmed();
}

QString comboItemName(const QString& item, int w)
{
    const qsizetype at = separatorAt(item, w);
    return at < 0 ? QString() : item.mid(at + 1);
}

} // namespace korvell
