#include "generator/sim/textscreen.h"

#include <gtest/gtest.h>

using vosket::ScreenArea;
using vosket::TextScreen;

TEST(VosketTextScreen, LinesKeepAtMostTwentyFourCells)
{
    TextScreen screen;
    screen.setLine(0, QString(30, 'A'));
    EXPECT_EQ(screen.line(0), QString(24, 'A'));

    // Characters outside ASCII take two cells, as their two CP936 bytes do on the terminal.
    screen.setLine(1, QString(13, QChar(0x4E2D)));
    EXPECT_EQ(screen.line(1), QString(12, QChar(0x4E2D)));

    // A double-cell character that would end in cell 25 is left out whole.
    screen.setLine(2, QString(23, 'x') + QChar(0x4E2D));
    EXPECT_EQ(screen.line(2), QString(23, 'x'));
    EXPECT_EQ(TextScreen::cellsOf(QString::fromUtf8("主菜单 1")), 8);
}

TEST(VosketTextScreen, IndexesOutsideTheScreenChangeNothing)
{
    TextScreen screen;
    screen.setLine(-1, "x");
    screen.setLine(TextScreen::LineCount, "x");
    for (int i = 0; i < TextScreen::LineCount; ++i)
        EXPECT_TRUE(screen.line(i).isEmpty());

    screen.setHighlightedLine(8);
    EXPECT_EQ(screen.highlightedLine(), 8);
    screen.setHighlightedLine(9);
    EXPECT_EQ(screen.highlightedLine(), 0);
}

TEST(VosketTextScreen, ClearingEmptiesLinesAndHighlight)
{
    TextScreen screen;
    screen.setLine(3, "ITEM");
    screen.setHighlightedLine(4);
    screen.clearLines();
    EXPECT_TRUE(screen.line(3).isEmpty());
    EXPECT_EQ(screen.highlightedLine(), 0);
}

TEST(VosketTextScreen, PitchIsLargeOnStartAndSmallOtherwise)
{
    TextScreen screen;
    EXPECT_EQ(screen.pitchPixels(), 17);
    screen.setPitch(TextScreen::Pitch::Small);
    EXPECT_EQ(screen.pitchPixels(), 12);
}

TEST(VosketTextScreen, RepaintRequestsReachTheFace)
{
    TextScreen screen;
    std::vector<std::pair<ScreenArea::Kind, int>> seen;
    QObject::connect(&screen, &TextScreen::repaintRequested,
        [&](ScreenArea area) { seen.emplace_back(area.kind, area.line); });
    screen.requestRepaint({ ScreenArea::Line, 5 });
    screen.requestRepaint({ ScreenArea::Whole });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(ScreenArea::Line, 5));
    EXPECT_EQ(seen[1].first, ScreenArea::Whole);
}
