// Which lines of a collected-data file are item serial numbers.
#include "desktop/stock/collectedserials.h"

#include <gtest/gtest.h>

using korvell::collectedSerials;

TEST(CollectedSerials, LineRule)
{
    const struct {
        const char* name;
        QByteArray content;
        QStringList serials;
    } cases[] {
        { "one line with CR LF", "200608100351000\r\n", { "200608100351000" } },
        { "last line without CR LF", "20A\r\n20B", { "20A", "20B" } },
        { "only other lines", "ABC\r\n19\r\n2\r\n", {} },
        { "empty and lettered lines in the middle", "20A\r\n\r\nxx20\r\n 20C\r\n20D\r\n", { "20A", "20D" } },
        { "trailing blanks removed", "20A  \r\n20B\t\r\n20C ", { "20A", "20B", "20C" } },
        { "bare LF and bare line", "20A\n20B\n", { "20A", "20B" } },
        { "duplicates kept in order", "20A\r\n20A\r\n", { "20A", "20A" } },
        { "quote kept as data", "20' or '1'='1\r\n", { "20' or '1'='1" } },
        { "two characters", "20", { "20" } },
        { "nothing", "", {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(collectedSerials(c.content), c.serials) << c.name;
}
