#include "desktop/masterdata/idnamecomboitem.h"

#include <gtest/gtest.h>

using namespace korvell;

// The code is padded to the width before the separator and cut back whole; the name keeps its
// blanks and any separator of its own.
TEST(IdNameComboItem, PadsTheCodeAndCutsBackToTheCodeAndTheName)
{
    struct Case {
        QString code, name;
        int width;
        QString item;
    };
    const Case cases[] = {
        { "1002", "称重组", 8, "1002    |称重组" }, { "12345678", "满宽", 8, "12345678|满宽" },
        { "", "无代码", 8, "        |无代码" }, { "u1", "张三", 5, "u1   |张三" },
        { "1", "名称 with blanks ", 8, "1       |名称 with blanks " },
        { "A 07", "名称 with blanks ", 8, "A 07    |名称 with blanks " }, { "7", "a|b", 8, "7       |a|b" },
        { "123456789", "长代码", 8, "123456789|长代码" }, // longer than the width: kept whole
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IdNameComboItem(c.code, c.name, c.width), c.item);
        EXPECT_EQ(comboItemCode(c.item, c.width), c.code) << c.item.toStdString();
        EXPECT_EQ(comboItemName(c.item, c.width), c.name) << c.item.toStdString();
    }
}

TEST(IdNameComboItem, TextWithoutSeparatorIsAllCode)
{
    EXPECT_EQ(comboItemCode(" 1002 ", 8), QString("1002"));
    EXPECT_EQ(comboItemName("1002", 8), QString());
    EXPECT_EQ(comboItemCode("", 8), QString());
}
