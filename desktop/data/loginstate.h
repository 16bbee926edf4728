#pragma once
// The login state every window reads: who is logged in, at which station, from which program
// folder. Filled by the login window and the main window's start-up.
#include <QString>

namespace korvell {

struct LoginState {
    QString myapppath; // program folder, always ending in "/"
    QString gyname; // logged-in user name as stored
    QString gy_id; // the user's group (userlevel)
    QString station_no; // this workstation's number, first line of "stationno.txt"
    QString compphone; // company phone from c_compmsg
};

LoginState& loginState();

} // namespace korvell
