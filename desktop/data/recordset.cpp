#include "desktop/data/recordset.h"

namespace korvell {

Recordset::Recordset(QStringList names, QList<int> types, QList<QList<QVariant>> rows)
    : names(std::move(names))
    , types(std::move(types))
    , rows(std::move(rows))
{
}

int Recordset::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool Recordset::hasField(const QString& name) const
{
    return indexOf(name) >= 0;
}

Field Recordset::field(const QString& name) const
{
    return field(indexOf(name));
}

Field Recordset::field(int position) const
{
    if (position < 0 || position >= names.size())
        return { QString(), adVarChar, QVariant() };
    return { names[position], types[position], eof() ? QVariant() : rows[current][position] };
}

QVariant Recordset::value(int position) const
{
    if (eof() || position < 0 || position >= names.size())
        return {};
    return rows[current][position];
}

} // namespace korvell
