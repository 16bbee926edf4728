#pragma once
// The login: station number, user name and password against c_user_table, and the login state
// it fills. The login window only shows what came of it.
#include <QObject>
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
[[nodiscard]] std::optional<QStringList> loginUserNames();

// Reads the station number (asking when needed), then checks the user. On success sets gyname
// and gy_id, and tells the open windows; a clear-text password left by an older installation is
// replaced by its hash.
[[nodiscard]] LoginOutcome attemptLogin(const QString& userName, const QString& password);

// Tells open windows that a user logged in (换用户 included), so what they show and store names
// the user logged in now.
class LoginAnnouncer : public QObject {
    Q_OBJECT
signals:
    void loggedIn();
};

LoginAnnouncer& loginAnnouncer();

} // namespace korvell
