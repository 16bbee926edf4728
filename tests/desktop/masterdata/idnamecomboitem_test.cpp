#include "desktop/masterdata/idnamecomboitem.h"

#include <gtest/gtest.h>

using namespace korvell;

TEST(IdNameComboItem, PadsTheCodeToTheWidthBeforeTheSeparator)
{
    EXPECT_EQ(IdNameComboItem("1002", "称重组", 8), QString("1002    |称重组"));
    EXPECT_EQ(IdNameComboItem("12345678", "满宽", 8), QString("12345678|满宽"));
    EXPECT_EQ(IdNameComboItem("", "无代码", 8), QString("        |无代码"));
    EXPECT_EQ(IdNameComboItem("u1", "张三", 5), QString("u1   |张三"));
}

TEST(IdNameComboItem, CutsBackToTheCodeAndTheName)
{
    for (const QString code : { "1", "1002", "A 07", "12345678" }) {
        const QString item = IdNameComboItem(code, "名称 with blanks ", 8);
        EXPECT_EQ(comboItemCode(item, 8), code.trimmed()) << item.toStdString();
        EXPECT_EQ(comboItemName(item, 8), QString("名称 with blanks ")) << item.toStdString();
    }
    // The name may itself hold the separator; only the one after the code counts.
    EXPECT_EQ(comboItemName(IdNameComboItem("7", "a|b", 8), 8), QString("a|b"));
    EXPECT_EQ(comboItemCode(IdNameComboItem("7", "a|b", 8), 8), QString("7"));
}

TEST(IdNameComboItem, KeepsACodeLongerThanTheWidthWhole)
{
    const QString item = IdNameComboItem("123456789", "长代码", 8);
    EXPECT_EQ(item, QString("123456789|长代码"));
    EXPECT_EQ(comboItemCode(item, 8), QString("123456789"));
    EXPECT_EQ(comboItemName(item, 8), QString("长代码"));
}

TEST(IdNameComboItem, TextWithoutSeparatorIsAllCode)
{
    EXPECT_EQ(comboItemCode(" 1002 ", 8), QString("1002"));
    EXPECT_EQ(comboItemName("1002", 8), QString());
    EXPECT_EQ(comboItemCode("", 8), QString());
}
