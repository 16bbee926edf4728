// The user's menus: items shown by count, titles, direct choice of items 8 to 10, the highlight's
// limits, escape and next targets, and target codes that name no screen.
#include "tests/generator/sim/simfixture.h"

using namespace vosket;
using enum vosket::Key;
using simtest::SimulatorTest;

namespace {

class VosketUserMenu : public SimulatorTest {
protected:
    // Menu 1 with the given items (empty strings leave gaps); item i leads to menu i + 1... as set.
    void defineMenu(int n, const QStringList& items, bool titled = false)
    {
        MenuRecord& m = menu(n);
        m.largeFont() = 0;
        m.titleOn() = titled ? 1 : 0;
        SetSlotText(m.title(), "TITLE");
        for (int i = 0; i < items.size(); ++i)
            SetSlotText(m.item(i), items[i]);
    }
    void start()
    {
        project.system.startTarget() = 1;
        keys({ One });
    }
};

QStringList Numbered(int count)
{
    QStringList items;
    for (int i = 1; i <= count; ++i)
        items << QStringLiteral("%1.ITEM").arg(i);
    return items;
}

} // namespace

TEST_F(VosketUserMenu, ShowsAsManyItemSlotsAsItHasItemsGapsIncluded)
{
    // Items 1 and 3 hold text, 2 holds blanks only, 4 text beyond the 16 bytes of a small font.
    defineMenu(1, { "A.ONE", "     ", "C.THREE", QString(16, ' ') + "X" });
    start();
    EXPECT_EQ(menu(1).itemCount(), 2);
    EXPECT_EQ(screen().state(), TextScreen::UserMenu);
    EXPECT_EQ(screen().pitchPixels(), 12);
    EXPECT_EQ(lines(), QStringList({ "A.ONE", "     ", "", "", "", "", "", "" }));
    EXPECT_EQ(screen().highlightedLine(), 1);
    keys({ Down, Down });
    EXPECT_EQ(screen().highlightedLine(), 2) << "the highlight stops at the last counted item";
    keys({ Three });
    EXPECT_EQ(screen().state(), TextScreen::UserMenu) << "key 3 is beyond the item count";

    menu(1).largeFont() = 1;
    SetSlotText(menu(1).item(3), QString(11, ' ') + "X");
    keys({ Escape, One });
    EXPECT_EQ(menu(1).itemCount(), 3) << "a large font counts 12 bytes";
}

TEST_F(VosketUserMenu, ATitledMenuOfTenShowsSevenAndChoosesAllByNumber)
{
    defineMenu(1, Numbered(10), true);
    for (int i = 0; i < 10; ++i)
        menu(1).nextTarget(i) = TargetCode::menu(2).value;
    defineMenu(2, { "BACK" });
    menu(2).escapeTarget() = TargetCode::menu(1).value;
    start();
    EXPECT_EQ(text(0), "TITLE");
    EXPECT_EQ(text(7), "7.ITEM");
    EXPECT_EQ(screen().highlightedLine(), 2);
    for (int i = 0; i < 8; ++i)
        keys({ Down });
    EXPECT_EQ(screen().highlightedLine(), 8) << "the highlight stays on the last item shown";
    EXPECT_EQ(menu(1).currentItem(), 6);

    struct Choice {
        Key key;
        int item;
    };
    for (const Choice c : { Choice { Eight, 7 }, Choice { Nine, 8 }, Choice { Zero, 9 } }) {
        keys({ c.key });
        EXPECT_EQ(sim->currentTarget(), TargetCode::menu(2).value) << KeyNumber(c.key);
        keys({ Escape });
        EXPECT_EQ(menu(1).currentItem(), c.item) << "escape shows menu 1 as it was left";
        EXPECT_EQ(screen().highlightedLine(), 0) << "item " << c.item + 1 << " is off the screen";
    }
    keys({ Up });
    EXPECT_EQ(screen().highlightedLine(), 8) << "up comes back onto the screen";
}

TEST_F(VosketUserMenu, EnterOpensAfreshAndEscapeKeepsTheSelection)
{
    defineMenu(1, { "1.A", "2.B", "3.C" });
    defineMenu(2, { "1.X", "2.Y" });
    for (int i = 0; i < 3; ++i)
        menu(1).nextTarget(i) = TargetCode::menu(2).value;
    menu(2).nextTarget(1) = TargetCode::menu(1).value;
    menu(2).escapeTarget() = TargetCode::menu(1).value;
    start();
    keys({ Down, Down, Enter });
    EXPECT_EQ(sim->currentTarget(), 12);
    EXPECT_EQ(screen().highlightedLine(), 1);
    keys({ Escape });
    EXPECT_EQ(screen().highlightedLine(), 3) << "escape keeps the highlighted item";
    keys({ Three, Two });
    EXPECT_EQ(sim->currentTarget(), 11);
    EXPECT_EQ(screen().highlightedLine(), 1) << "a next target starts at the first item";
    keys({ Up });
    EXPECT_EQ(screen().highlightedLine(), 1);
}

TEST_F(VosketUserMenu, TargetsThatNameNoScreenGoToTheMainMenu)
{
    defineMenu(1, { "1.A", "2.B" });
    menu(1).nextTarget(0) = 21;
    menu(1).nextTarget(1) = 255;
    menu(1).escapeTarget() = 0;
    for (Key key : { One, Two, Escape }) {
        start();
        ASSERT_EQ(screen().state(), TextScreen::UserMenu);
        keys({ key });
        EXPECT_EQ(screen().state(), TextScreen::MainMenu) << KeyNumber(key);
        EXPECT_EQ(screen().highlightedLine(), 1);
    }
    // A selection byte from a file beyond the items chooses nothing on enter.
    start();
    menu(1).currentItem() = 200;
    keys({ Enter });
    EXPECT_EQ(screen().state(), TextScreen::UserMenu);
}
