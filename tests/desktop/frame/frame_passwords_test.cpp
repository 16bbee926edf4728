// Stored passwords: argon2id hashes, and the clear text an older installation left behind.
#include "desktop/frame/passwords.h"

#include <gtest/gtest.h>
#include <sodium.h>

using namespace korvell;

TEST(Passwords, HashIsArgon2idAndSaltedAndVerifiesTheTrimmedText)
{
    const QString hashed = hashPassword(QStringLiteral("Ab12 "));
    ASSERT_TRUE(hashed.startsWith(QLatin1String("$argon2id$")));
    EXPECT_TRUE(isPasswordHash(hashed));
    EXPECT_NE(hashed, hashPassword(QStringLiteral("Ab12 "))); // a fresh salt each time

    EXPECT_EQ(checkPassword(hashed, QStringLiteral("Ab12")), PasswordCheck::Right);
    EXPECT_EQ(checkPassword(hashed, QStringLiteral(" Ab12 ")), PasswordCheck::Right);
    EXPECT_FALSE(passwordMatches(hashed, QStringLiteral("ab12"))); // letter case counts
    EXPECT_FALSE(passwordMatches(hashed, QStringLiteral("Ab 12")));
    EXPECT_FALSE(passwordMatches(hashed, QString()));
}

TEST(Passwords, AHashTakenWithTheBlanksIsRightWithThemAndAskedToBeRenewed)
{
    char raw[crypto_pwhash_STRBYTES];
    ASSERT_EQ(crypto_pwhash_str(
                  raw, " Ab12", 5, crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE),
        0);
    const QString old = QString::fromLatin1(raw);
    EXPECT_EQ(checkPassword(old, QStringLiteral(" Ab12")), PasswordCheck::RightStoredOldStyle);
    EXPECT_EQ(checkPassword(old, QStringLiteral("Ab12")), PasswordCheck::Wrong);
}

TEST(Passwords, ChineseAndEmptyPasswordsHashToo)
{
    const QString chinese = hashPassword(QStringLiteral("密码"));
    EXPECT_TRUE(passwordMatches(chinese, QStringLiteral("密码")));
    EXPECT_FALSE(passwordMatches(chinese, QStringLiteral("密")));
    const QString empty = hashPassword(QString());
    EXPECT_TRUE(passwordMatches(empty, QString()));
    EXPECT_TRUE(passwordMatches(empty, QStringLiteral(" ")));
    EXPECT_FALSE(passwordMatches(empty, QStringLiteral("0")));
}

TEST(Passwords, ClearTextIsComparedTrimmedAndAskedToBeRenewed)
{
    EXPECT_FALSE(isPasswordHash(QStringLiteral("307452")));
    EXPECT_EQ(checkPassword(QStringLiteral("307452 "), QStringLiteral(" 307452")),
        PasswordCheck::RightStoredOldStyle);
    EXPECT_FALSE(passwordMatches(QStringLiteral("307452"), QStringLiteral("30745")));
    EXPECT_FALSE(passwordMatches(QStringLiteral("Secret"), QStringLiteral("secret")));
    EXPECT_TRUE(passwordMatches(QString(""), QString()));
}

TEST(Passwords, StoredNullOrABrokenHashMatchesNothing)
{
    EXPECT_FALSE(passwordMatches(QVariant(), QString()));
    EXPECT_FALSE(passwordMatches(QVariant(QMetaType(QMetaType::QString)), QString()));
    EXPECT_FALSE(
        passwordMatches(QStringLiteral("$argon2id$v=19$broken"), QStringLiteral("$argon2id$v=19$broken")));
}
