#include "desktop/frame/passwords.h"

#include <algorithm>
#include <sodium.h>

namespace korvell {
namespace {

    bool sodiumReady()
    {
        static const bool ready = sodium_init() >= 0;
        return ready;
    }

} // namespace

QString hashPassword(const QString& password)
{
    if (!sodiumReady())
        return {};
    const QByteArray utf8 = password.trimmed().toUtf8();
    char hashed[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hashed, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
            crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0)
        return {};
    return QString::fromLatin1(hashed);
}

bool isPasswordHash(const QString& stored)
{
    return stored.startsWith(QLatin1String("$argon2"));
}

namespace {

    bool hashMatches(const QString& stored, const QString& typed)
    {
        if (!sodiumReady())
            return false;
        // The library reads the hash from a buffer of its full size.
        const QByteArray hashed = stored.toLatin1();
        if (hashed.size() >= qsizetype(crypto_pwhash_STRBYTES))
            return false;
        char buffer[crypto_pwhash_STRBYTES] = {};
        std::copy(hashed.cbegin(), hashed.cend(), buffer);
        const QByteArray utf8 = typed.toUtf8();
        return crypto_pwhash_str_verify(buffer, utf8.constData(), quint64(utf8.size())) == 0;
    }

} // namespace

PasswordCheck checkPassword(const QVariant& stored, const QString& typed)
{
    if (stored.isNull())
        return PasswordCheck::Wrong;
    const QString text = stored.toString();
    if (!isPasswordHash(text))
        return text.trimmed() == typed.trimmed() ? PasswordCheck::RightStoredOldStyle : PasswordCheck::Wrong;
    if (hashMatches(text, typed.trimmed()))
        return PasswordCheck::Right;
    // Hashes were once taken of the text as typed: such a password is still given with its blanks.
    if (typed != typed.trimmed() && hashMatches(text, typed))
        return PasswordCheck::RightStoredOldStyle;
    return PasswordCheck::Wrong;
}

} // namespace korvell
