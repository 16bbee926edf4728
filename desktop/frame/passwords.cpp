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
    const QByteArray utf8 = password.toUtf8();
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

bool passwordMatches(const QVariant& stored, const QString& typed)
{
    if (stored.isNull())
        return false;
    const QString text = stored.toString();
    if (!isPasswordHash(text))
        return text == typed;
    if (!sodiumReady())
        return false;
    // The library reads the hash from a buffer of its full size.
    const QByteArray hashed = text.toLatin1();
    if (hashed.size() >= qsizetype(crypto_pwhash_STRBYTES))
        return false;
    char buffer[crypto_pwhash_STRBYTES] = {};
    std::copy(hashed.cbegin(), hashed.cend(), buffer);
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(buffer, utf8.constData(), quint64(utf8.size())) == 0;
}

} // namespace korvell
