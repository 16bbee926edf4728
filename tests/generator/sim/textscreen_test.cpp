// The screen model in the terminal's own bytes, and how a line is decoded for painting.
#include "generator/project/gbk.h"
#include "generator/sim/textscreen.h"

#include <gtest/gtest.h>

using namespace vosket;

TEST(VosketTextScreen, LinesKeepAtMostTwentyFourBytes)
{
    TextScreen screen;
    screen.setLine(0, QByteArray(30, 'A'));
    EXPECT_EQ(screen.line(0), QByteArray(24, 'A'));
    // Thirteen Chinese characters are 26 bytes: the cut falls after byte 24, as on the terminal.
    const QByteArray chinese = ToGbk(QString(13, QChar(0x4E2D)));
    screen.setLine(1, chinese);
    EXPECT_EQ(screen.line(1), chinese.first(24));

    screen.setLine(-1, "x");
    screen.setLine(TextScreen::LineCount, "x");
    for (int i = 2; i < TextScreen::LineCount; ++i)
        EXPECT_TRUE(screen.line(i).isEmpty());
    screen.setHighlightedLine(9);
    EXPECT_EQ(screen.highlightedLine(), 0);
    screen.setCursor(QPoint(40, 12));
    EXPECT_EQ(screen.cursor(), QPoint(23, 7)) << "the cursor stays on the screen";
}

TEST(VosketTextScreen, GlyphsTakeOneCellPerByte)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::vector<std::tuple<QString, int, int>> glyphs; // text, column, cells
    };
    const QByteArray menu = ToGbk(QStringLiteral("1.收集"));
    const Case cases[] = {
        { "ascii and Chinese", menu,
            { { "1", 0, 1 }, { ".", 1, 1 }, { QStringLiteral("收"), 2, 2 },
                { QStringLiteral("集"), 4, 2 } } },
        { "a half character at the end", menu.first(5),
            { { "1", 0, 1 }, { ".", 1, 1 }, { QStringLiteral("收"), 2, 2 },
                { QString(QChar::ReplacementCharacter), 4, 1 } } },
        { "a damaged lead byte",
            QByteArray("A\xFF"
                       "B"),
            { { "A", 0, 1 }, { QString(QChar::ReplacementCharacter), 1, 1 }, { "B", 2, 1 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ScreenGlyph> glyphs = ScreenGlyphs(c.bytes);
        ASSERT_EQ(glyphs.size(), c.glyphs.size());
        for (std::size_t i = 0; i < glyphs.size(); ++i) {
            EXPECT_EQ(glyphs[i].text, std::get<0>(c.glyphs[i]));
            EXPECT_EQ(glyphs[i].column, std::get<1>(c.glyphs[i]));
            EXPECT_EQ(glyphs[i].cells, std::get<2>(c.glyphs[i]));
        }
    }
}
