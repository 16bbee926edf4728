#include "desktop/frame/rights.h"

#include "desktop/data/toast.h"

namespace korvell {

Rights::Rights(QString code)
    : code(std::move(code))
    , read(true)
{
}

Rights Rights::unread()
{
    return Rights();
}

bool Rights::mayChange() const
{
    return read && (code == QLatin1String("11") || code == QLatin1String("01"));
}

bool Rights::mayDelete() const
{
    return read && code == QLatin1String("11");
}

bool Rights::deniesChangeSaying(const QString& text, const QString& hint) const
{
    if (mayChange())
        return false;
    if (read)
        ShowToast(text, hint, ToastRed);
    return true;
}

bool Rights::maySaveGroupRights(const QString& user) const
{
    return mayDelete() || user == QStringLiteral("超级用户");
}

} // namespace korvell
