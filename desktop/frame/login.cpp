#include "desktop/frame/login.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/passwords.h"
#include "desktop/frame/stationfile.h"

namespace korvell {

std::optional<QStringList> loginUserNames()
{
    const SqlResult result = ExecSQL(QStringLiteral("select * from c_user_table"));
    RS = result.rs;
    if (!result)
        return std::nullopt;
    QStringList names;
    for (; !RS->eof(); RS->MoveNext())
        names << RS->value(QStringLiteral("username")).toString();
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
    RS = result.rs;
    if (!result)
        return LoginOutcome::DatabaseDown;
    if (RS->eof()) {
        RS = nullptr;
        return LoginOutcome::UnknownUser;
    }
    const QVariant stored = RS->value(QStringLiteral("userpasswd"));
    const QString name = RS->value(QStringLiteral("username")).toString();
    const QString group = RS->value(QStringLiteral("userlevel")).toString();
    RS = nullptr;
    if (!passwordMatches(stored, password))
        return LoginOutcome::WrongPassword;

    if (!isPasswordHash(stored.toString())) {
        // The clear text was right this once; from now on only its hash is kept. When the update
        // fails the login still stands and the next one tries again.
        const QString hashed = hashPassword(password);
        if (!hashed.isEmpty())
            ExecSQL(
                QStringLiteral("update c_user_table set userpasswd=? where username=?"), { hashed, name });
    }
    state.gyname = name;
    state.gy_id = group;
    return LoginOutcome::LoggedIn;
}

} // namespace korvell
