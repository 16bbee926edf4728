#pragma once
// The logged-in user changes their own password: the old one, the new one twice. Comparisons are
// on trimmed texts, and the new password is stored trimmed, as a hash, so that the login and the
// next change take it with or without the blanks typed around it.
#include <QString>

namespace korvell {

enum class PasswordChange {
    Changed,
    OldWrong, // the old password does not match
    SameAsOld, // the new password equals the old one
    Mismatch, // the two new passwords differ
    UserMissing, // the user's row is gone
    NotStored, // the database could not be read or written
};

[[nodiscard]] PasswordChange changePassword(
    const QString& oldPassword, const QString& newPassword, const QString& again);

} // namespace korvell
