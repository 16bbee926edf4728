#pragma once
// The login: station number, user name and password against c_user_table, and the login state
// it fills. The login window only shows what came of it.
#include <QStringList>
#include <optional>

namespace korvell {

enum class LoginOutcome {
    LoggedIn,
    UnknownUser, // no row carries that name
    WrongPassword, // a stored Null never matches
    DatabaseDown, // the user could not be read
    StationUnwritable, // "stationno.txt" could not be written
};

// Names of c_user_table in the order the rows come; nullopt when the database fails.
std::optional<QStringList> loginUserNames();

// Reads the station number (asking when needed), then checks the user. On success sets gyname
// and gy_id; a clear-text password left by an older installation is replaced by its hash.
LoginOutcome attemptLogin(const QString& userName, const QString& password);

} // namespace korvell
