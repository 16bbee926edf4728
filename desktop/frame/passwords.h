#pragma once
// Stored passwords are argon2id hashes. A value that is not a hash is a clear-text password left
// by an older installation: it is compared as text, and the login replaces it by its hash.
// Blanks around a password are no part of it: the login, the password change and the users editor
// all store and compare the trimmed text, so " abc " and "abc" are one password.
#include <QString>
#include <QVariant>

namespace korvell {

// The argon2id hash to store for password (trimmed); empty only when the machine lacks the memory.
QString hashPassword(const QString& password);

bool isPasswordHash(const QString& stored);

enum class PasswordCheck {
    Wrong,
    Right,
    RightStoredOldStyle, // clear text, or a hash taken with the blanks: store hashPassword anew
};

// typed against stored, both trimmed; letter case counts. A stored Null never matches.
PasswordCheck checkPassword(const QVariant& stored, const QString& typed);
inline bool passwordMatches(const QVariant& stored, const QString& typed)
{
    return checkPassword(stored, typed) != PasswordCheck::Wrong;
}

} // namespace korvell
