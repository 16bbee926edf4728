#include "desktop/frame/login.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/passwords.h"
#include "desktop/frame/stationfile.h"

#include <tuple>

namespace korvell {

std::optional<QStringList> loginUserNames()
{
    const SqlResult result = ExecSQL(QStringLiteral("select * from c_user_table"));
    if (!result)
        return std::nullopt;
    QStringList names;
    for (Recordset& users = *result.rs; !users.eof(); users.MoveNext())
        names << users.value(QStringLiteral("username")).toString();
    return names;
}

LoginOutcome attemptLogin(const QString& userName, const QString& password)
{
    LoginState& state = loginState();
    const std::optional<QString> station = ReadStationNo(state.myapppath);
    if (!station)
        return LoginOutcome::StationUnwritable;
    state.station_no = *station;

    const SqlResult result
        = ExecSQL(QStringLiteral("select * from c_user_table  where username =?"), { userName });
    if (!result)
        return LoginOutcome::DatabaseDown;
    const Recordset& user = *result.rs;
    if (user.eof())
        return LoginOutcome::UnknownUser;
    const QVariant stored = user.value(QStringLiteral("userpasswd"));
    const QString name = user.value(QStringLiteral("username")).toString();
    const QString group = user.value(QStringLiteral("userlevel")).toString();
    const PasswordCheck check = checkPassword(stored, password);
    if (check == PasswordCheck::Wrong)
        return LoginOutcome::WrongPassword;

    if (check == PasswordCheck::RightStoredOldStyle) {
        // The old form was right this once; from now on only the hash of the trimmed text is kept.
        // When the update fails the login still stands and the next one tries again.
        const QString hashed = hashPassword(password);
        if (!hashed.isEmpty())
            std::ignore = ExecSQL(
                QStringLiteral("update c_user_table set userpasswd=? where username=?"), { hashed, name });
    }
    state.gyname = name;
    state.gy_id = group;
    emit loginAnnouncer().loggedIn();
    return LoginOutcome::LoggedIn;
}

LoginAnnouncer& loginAnnouncer()
{
    static LoginAnnouncer announcer;
    return announcer;
}

} // namespace korvell
