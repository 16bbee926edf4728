#pragma once
// Stored passwords are argon2id hashes. A value that is not a hash is a clear-text password left
// by an older installation: it is compared as text, and the login replaces it by its hash.
#include <QString>
#include <QVariant>

namespace korvell {

// The argon2id hash to store for password; empty only when the machine lacks the memory.
QString hashPassword(const QString& password);

bool isPasswordHash(const QString& stored);

// Exact comparison: typed is checked as it stands, nothing trimmed, letter case counts. A stored
// Null never matches.
bool passwordMatches(const QVariant& stored, const QString& typed);

} // namespace korvell
