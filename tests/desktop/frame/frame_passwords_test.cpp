// Stored passwords: argon2id hashes, and the clear text an older installation left behind.
#include "desktop/frame/passwords.h"

#include <gtest/gtest.h>

using namespace korvell;

TEST(Passwords, HashIsArgon2idAndSaltedAndVerifiesOnlyTheExactText)
{
    const QString hashed = hashPassword(QStringLiteral("Ab12 "));
    ASSERT_TRUE(hashed.startsWith(QLatin1String("$argon2id$")));
    EXPECT_TRUE(isPasswordHash(hashed));
    EXPECT_NE(hashed, hashPassword(QStringLiteral("Ab12 "))); // a fresh salt each time

    EXPECT_TRUE(passwordMatches(hashed, QStringLiteral("Ab12 ")));
    EXPECT_FALSE(passwordMatches(hashed, QStringLiteral("Ab12"))); // nothing trimmed
    EXPECT_FALSE(passwordMatches(hashed, QStringLiteral("ab12 "))); // letter case counts
    EXPECT_FALSE(passwordMatches(hashed, QString()));
}

TEST(Passwords, ChineseAndEmptyPasswordsHashToo)
{
    const QString chinese = hashPassword(QStringLiteral("密码"));
    EXPECT_TRUE(passwordMatches(chinese, QStringLiteral("密码")));
    EXPECT_FALSE(passwordMatches(chinese, QStringLiteral("密")));
    const QString empty = hashPassword(QString());
    EXPECT_TRUE(passwordMatches(empty, QString()));
    EXPECT_FALSE(passwordMatches(empty, QStringLiteral(" ")));
}

TEST(Passwords, ClearTextIsComparedExactly)
{
    EXPECT_FALSE(isPasswordHash(QStringLiteral("307452")));
    EXPECT_TRUE(passwordMatches(QStringLiteral("307452"), QStringLiteral("307452")));
    EXPECT_FALSE(passwordMatches(QStringLiteral("307452"), QStringLiteral("307452 ")));
    EXPECT_FALSE(passwordMatches(QStringLiteral("Secret"), QStringLiteral("secret")));
    EXPECT_TRUE(passwordMatches(QString(""), QString()));
}

TEST(Passwords, StoredNullNeverMatches)
{
    EXPECT_FALSE(passwordMatches(QVariant(), QString()));
    EXPECT_FALSE(passwordMatches(QVariant(QMetaType(QMetaType::QString)), QString()));
}

TEST(Passwords, ABrokenHashMatchesNothing)
{
    EXPECT_FALSE(
        passwordMatches(QStringLiteral("$argon2id$v=19$broken"), QStringLiteral("$argon2id$v=19$broken")));
}
