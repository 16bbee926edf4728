// The terminal face driven by mouse events, offscreen.
#include "generator/ui/dragoutline.h"
#include "generator/ui/terminalface.h"
#include "tests/generator/ui/widgetapp.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using vosket::Key;
using vosket::TerminalFace;
using vosket::TextScreen;
namespace face = vosket::face;

namespace {

class VosketTerminalFace : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureWidgetApplication(); }

    void SetUp() override
    {
        picture.move(400, 300);
        picture.show();
    }

    void press(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        testsupport::sendMouse(picture, QEvent::MouseButtonPress, p, b);
    }
    void release(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        testsupport::sendMouse(picture, QEvent::MouseButtonRelease, p, b);
    }
    void moveTo(QPoint p) { testsupport::sendMouse(picture, QEvent::MouseMove, p); }
    void click(QPoint p, Qt::MouseButton b = Qt::LeftButton)
    {
        press(p, b);
        release(p, b);
    }

    QImage shown(const QRect& area)
    {
        return picture.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    }
    static QImage plain(const QPixmap& pixmap)
    {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }

    TextScreen model;
    TerminalFace picture { model };
};

} // namespace

TEST_F(VosketTerminalFace, APressAtAKeysCentreSendsItsNumberAndShowsItDownOncePerPress)
{
    QSignalSpy keys(&picture, &TerminalFace::keyPressed);
    for (const face::KeyPlace& place : face::keys()) {
        SCOPED_TRACE(vosket::KeyNumber(place.key));
        ASSERT_EQ(shown(place.image), plain(picture.art().keyUp(place.key)));
        press(place.hit.center());
        ASSERT_EQ(keys.size(), 1);
        EXPECT_EQ(keys.takeFirst().at(0).value<Key>(), place.key);
        EXPECT_EQ(picture.heldKey(), place.key);
        EXPECT_FALSE(picture.dragging());
        EXPECT_EQ(shown(place.image), plain(picture.art().keyDown(place.key)));
        EXPECT_NE(plain(picture.art().keyDown(place.key)), plain(picture.art().keyUp(place.key)));
        release(place.hit.center());
        EXPECT_EQ(picture.heldKey(), Key::None);
        EXPECT_EQ(shown(place.image), plain(picture.art().keyUp(place.key)));
    }
    // A double click is two presses.
    const QPoint onKey = face::key(Key::Five).hit.center();
    click(onKey);
    testsupport::sendMouse(picture, QEvent::MouseButtonDblClick, onKey);
    release(onKey);
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys.at(0).at(0).value<Key>(), Key::Five);
    EXPECT_EQ(keys.at(1).at(0).value<Key>(), Key::Five);
}

TEST_F(VosketTerminalFace, PressesOffTheKeysDragTheWindowByTheTrueOffset)
{
    QSignalSpy keys(&picture, &TerminalFace::keyPressed);
    const QPoint start = picture.pos();
    // between the up and down keys, on the screen, and on the head
    for (QPoint p : { QPoint(100, 278), QPoint(100, 90), QPoint(105, 20) }) {
        SCOPED_TRACE(p.y());
        const QPoint before = picture.pos();
        press(p);
        EXPECT_TRUE(picture.dragging());
        EXPECT_EQ(picture.dragOutline(), QRect(picture.mapToGlobal(QPoint(0, 0)), face::Size));
        // the pointer left of and above the window: a negative offset
        moveTo(p + QPoint(-150, -60));
        EXPECT_EQ(picture.dragOutline().topLeft(), picture.mapToGlobal(QPoint(-150, -60)));
        EXPECT_EQ(picture.pos(), before) << "the window moves only when the button is released";
        release(p + QPoint(-150, -60));
        EXPECT_FALSE(picture.dragging());
        EXPECT_EQ(picture.pos(), before + QPoint(-150, -60));
    }
    EXPECT_EQ(picture.pos(), start + QPoint(-450, -180));
    EXPECT_EQ(keys.size(), 0);
}

TEST_F(VosketTerminalFace, RightClicksOpenThePopupAndSendNoKey)
{
    QSignalSpy keys(&picture, &TerminalFace::keyPressed);
    QSignalSpy popups(&picture, &TerminalFace::popupRequested);
    for (QPoint p :
        { face::key(Key::Five).hit.center(), face::key(Key::Menu).hit.center(), QPoint(100, 90) }) {
        click(p, Qt::RightButton);
        ASSERT_EQ(popups.size(), 1);
        EXPECT_EQ(popups.takeFirst().at(0).toPoint(), picture.mapToGlobal(p));
    }
    EXPECT_EQ(keys.size(), 0);
    EXPECT_EQ(picture.heldKey(), Key::None);
    EXPECT_FALSE(picture.dragging());
}

TEST_F(VosketTerminalFace, APressWhoseReleaseWentToThePopupDoesNotBlockTheKeys)
{
    QSignalSpy keys(&picture, &TerminalFace::keyPressed);
    press(face::key(Key::Five).hit.center());
    press(QPoint(100, 90), Qt::RightButton); // the popup menu takes the left release
    EXPECT_EQ(picture.heldKey(), Key::None);
    EXPECT_EQ(shown(face::key(Key::Five).image), plain(picture.art().keyUp(Key::Five)));
    press(face::key(Key::Seven).hit.center());
    ASSERT_EQ(keys.size(), 2);
    EXPECT_EQ(keys.at(1).at(0).value<Key>(), Key::Seven);
    EXPECT_EQ(shown(face::key(Key::Five).image), plain(picture.art().keyUp(Key::Five)));
    EXPECT_EQ(shown(face::key(Key::Seven).image), plain(picture.art().keyDown(Key::Seven)));
    release(face::key(Key::Seven).hit.center());

    const QPoint before = picture.pos();
    press(QPoint(100, 90));
    moveTo(QPoint(130, 120));
    press(QPoint(130, 120), Qt::RightButton);
    EXPECT_FALSE(picture.dragging());
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<vosket::DragOutline*>(window) && window->isVisible())
            << "no outline is left behind on the screen";
    EXPECT_EQ(picture.pos(), before);
    press(face::key(Key::Eight).hit.center());
    EXPECT_FALSE(picture.dragging());
    EXPECT_EQ(picture.heldKey(), Key::Eight);
    release(face::key(Key::Eight).hit.center());
}

TEST_F(VosketTerminalFace, KeyTwelveOpensThePopupAtItsCornerWhenReleased)
{
    QSignalSpy keys(&picture, &TerminalFace::keyPressed);
    QSignalSpy popups(&picture, &TerminalFace::popupRequested);
    const QPoint onKey = face::key(Key::Menu).hit.center();
    press(onKey);
    ASSERT_EQ(keys.size(), 1);
    EXPECT_EQ(keys.at(0).at(0).value<Key>(), Key::Menu);
    EXPECT_EQ(popups.size(), 0);
    release(onKey);
    ASSERT_EQ(popups.size(), 1);
    EXPECT_EQ(popups.at(0).at(0).toPoint(), picture.mapToGlobal(QPoint(129, 401)));

    // other keys open nothing
    click(face::key(Key::Zero).hit.center());
    EXPECT_EQ(popups.size(), 1);
}

TEST_F(VosketTerminalFace, KeysTenAndSeventeenFlipTheModeOnlyWhileTyping)
{
    TextScreen& screen = picture.screen();
    const QPoint alphaKey = face::key(Key::Mode).hit.center();
    click(alphaKey);
    EXPECT_FALSE(screen.alphaMode()) << "on a menu the face leaves the mode alone";

    const QImage noMark = shown(face::ModeMarkRect);
    screen.setState(TextScreen::FormInput);
    screen.requestRepaint({ vosket::ScreenArea::Whole });
    EXPECT_EQ(shown(face::ModeMarkRect), noMark) << "a form starts in digits without a mark";
    click(alphaKey);
    EXPECT_TRUE(screen.alphaMode());
    EXPECT_EQ(shown(face::ModeMarkRect), plain(picture.art().alphaMark()));
    screen.requestRepaint({ vosket::ScreenArea::Whole });
    EXPECT_EQ(shown(face::ModeMarkRect), plain(picture.art().alphaMark())) << "alpha mode keeps its mark";
    click(face::key(Key::Escape).hit.center());
    EXPECT_FALSE(screen.alphaMode());
    EXPECT_EQ(shown(face::ModeMarkRect), plain(picture.art().digitMark()));
    // The digit mark was drawn once, at the switch: a repaint of the screen under it ends it,
    // one elsewhere does not.
    screen.requestRepaint({ vosket::ScreenArea::Line, 0 });
    EXPECT_EQ(shown(face::ModeMarkRect), plain(picture.art().digitMark()));
    screen.requestRepaint({ vosket::ScreenArea::Line, 6 });
    EXPECT_EQ(shown(face::ModeMarkRect), noMark);
}

TEST_F(VosketTerminalFace, TheTimerTicksEveryHundredMilliseconds)
{
    EXPECT_TRUE(picture.simulatorTimer().isActive());
    EXPECT_EQ(picture.simulatorTimer().interval(), 100);
    QSignalSpy ticks(&picture, &TerminalFace::ticked);
    EXPECT_TRUE(ticks.wait(1000));
}

TEST_F(VosketTerminalFace, TheScreenIsPaintedFromTheModel)
{
    TextScreen& screen = picture.screen();
    screen.setPitch(TextScreen::Pitch::Small);
    screen.setLine(0, "1.COLLECT");
    screen.setLine(1, "2.UPLOAD");
    screen.setHighlightedLine(2);
    screen.setClockLine("MAR08 09:05 0000");
    screen.requestRepaint({ vosket::ScreenArea::Whole });

    const QImage image = shown(QRect(QPoint(0, 0), face::Size));
    const QImage bar = plain(picture.art().highlightBar());
    const QRect barRect(QPoint(29, 42 + 12 + 2), bar.size());
    // the bar's right end holds no text; its text is white
    EXPECT_EQ(
        image.pixel(barRect.right(), barRect.center().y()), bar.pixel(bar.width() - 1, bar.height() / 2));
    auto count = [&](QRect area, QRgb colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixel(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(barRect, qRgb(255, 255, 255)), 20);
    EXPECT_GT(count(QRect(29, 42, 144, 12), qRgb(0, 0, 0)), 20) << "line 1 in black";
    EXPECT_GT(count(QRect(29, 126, 144, 13), qRgb(0, 0, 0)), 20) << "the clock line";
    EXPECT_EQ(count(QRect(29, 42 + 24 + 2, 144, 13), qRgb(0, 0, 0)), 0) << "line 3 is empty";

    // the cursor cell shows in the form-input state only
    const QRect cell = face::cursorRect(QPoint(2, 3));
    screen.setCursor(QPoint(2, 3));
    screen.setLine(3, "");
    EXPECT_NE(shown(cell), plain(picture.art().cursorCell()));
    screen.setState(TextScreen::FormInput);
    EXPECT_EQ(shown(cell), plain(picture.art().cursorCell()));
}

TEST_F(VosketTerminalFace, TheClockLineIsPaintedOnTheMainMenuOnly)
{
    TextScreen& screen = picture.screen();
    screen.setPitch(TextScreen::Pitch::Small);
    screen.setClockLine("MAR08 09:05 0000");
    const QRect clockArea(face::ClockOrigin, face::BarSize);
    screen.requestRepaint({ vosket::ScreenArea::Whole });
    EXPECT_NE(shown(clockArea), shown(QRect(clockArea.topLeft() - QPoint(0, 36), face::BarSize)));
    for (int state : { TextScreen::SystemTools, TextScreen::FormInput, TextScreen::UserMenu }) {
        screen.setState(state);
        screen.requestRepaint({ vosket::ScreenArea::Whole });
        EXPECT_EQ(shown(clockArea), shown(QRect(clockArea.topLeft() - QPoint(0, 36), face::BarSize)))
            << state;
    }
}

TEST_F(VosketTerminalFace, PaintingStaysInsideTheScreenArea)
{
    TextScreen blank;
    TerminalFace empty { blank };
    const QImage before = empty.grab().toImage().convertToFormat(QImage::Format_RGB32);

    TextScreen& screen = picture.screen();
    // Large pitch puts lines 6-8 below the screen; full-width lines reach past its right edge.
    for (int i = 0; i < TextScreen::LineCount; ++i)
        screen.setLine(i, QByteArray(TextScreen::LineCells, 'W'));
    screen.setHighlightedLine(8);
    screen.setState(TextScreen::FormInput);
    screen.setCursor(QPoint(23, 9));
    screen.setPendingCharacter('M');
    screen.setClockLine(QByteArray(24, '8'));
    const QImage after = shown(QRect(QPoint(0, 0), face::Size));

    int changedInside = 0;
    for (int y = 0; y < face::Size.height(); ++y) {
        for (int x = 0; x < face::Size.width(); ++x) {
            const bool same = before.pixel(x, y) == after.pixel(x, y);
            if (face::ScreenRect.contains(x, y))
                changedInside += !same;
            else
                ASSERT_TRUE(same) << "painted outside the screen at " << x << "," << y;
        }
    }
    EXPECT_GT(changedInside, 1000);
}
