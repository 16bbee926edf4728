#pragma once
// Shared procedures every window uses besides data access and the toast.
#include "desktop/frame/rights.h"

#include <QDateTime>
#include <QString>

namespace korvell {

// Rights of the logged-in user's group on a window; unread when the database failed.
[[nodiscard]] Rights GetRights(const QString& windowName);

// Appends one line (now, the logged-in user, text) to the operation log. False when not stored.
bool WriteLog(const QString& text);
// The same for a line owed since an earlier moment, under the user who was logged in then.
bool WriteLog(const QString& text, const QString& user, const QDateTime& when);

// Starts program and waits for its end without a time limit; windows keep painting, their input
// is blocked. False when the program could not be started.
bool ShellWait(const QString& program);

// Logs "退出系统" and ends the program at once; no window can refuse.
[[noreturn]] void ExitSystem();

} // namespace korvell
