// The hit test and the key images, without any window.
#include "generator/ui/facegeometry.h"

#include <gtest/gtest.h>

namespace face = vosket::face;
using vosket::Key;
using vosket::KeyNumber;

namespace {

struct ExpectedKey {
    Key key;
    int x0, x1, y0, y1; // inclusive hit bounds
    int imageX, imageY;
};

// The terminal's keys as the picture has them.
const ExpectedKey expectedKeys[] = {
    { Key::Enter, 24, 65, 201, 236, 22, 200 },
    { Key::RightEnter, 145, 187, 201, 236, 144, 200 },
    { Key::Up, 82, 125, 254, 273, 80, 251 },
    { Key::Down, 82, 125, 284, 303, 80, 282 },
    { Key::Minus, 28, 73, 283, 306, 27, 281 },
    { Key::Point, 137, 182, 283, 306, 136, 281 },
    { Key::Escape, 26, 78, 245, 277, 24, 243 },
    { Key::Delete, 137, 189, 245, 277, 135, 243 },
    { Key::One, 31, 76, 311, 335, 29, 309 },
    { Key::Two, 84, 128, 311, 335, 82, 309 },
    { Key::Three, 134, 179, 311, 335, 132, 309 },
    { Key::Four, 33, 77, 342, 366, 31, 339 },
    { Key::Five, 84, 128, 342, 366, 82, 339 },
    { Key::Six, 133, 177, 342, 366, 131, 339 },
    { Key::Seven, 36, 78, 373, 396, 34, 370 },
    { Key::Eight, 85, 127, 373, 396, 83, 370 },
    { Key::Nine, 133, 175, 373, 396, 131, 370 },
    { Key::Mode, 40, 79, 404, 427, 37, 401 },
    { Key::Zero, 87, 126, 404, 427, 84, 401 },
    { Key::Menu, 132, 171, 404, 427, 129, 401 },
};

} // namespace

// Together: every key answers exactly on the rectangle the picture has for it.
TEST(VosketFaceGeometry, EveryKeyHasThePicturesRectangleAndImageCorner)
{
    for (const ExpectedKey& k : expectedKeys) {
        SCOPED_TRACE(KeyNumber(k.key));
        EXPECT_EQ(face::key(k.key).hit, QRect(QPoint(k.x0, k.y0), QPoint(k.x1, k.y1)));
        EXPECT_EQ(face::key(k.key).image.topLeft(), QPoint(k.imageX, k.imageY));
    }
}

TEST(VosketFaceGeometry, AHitIsExactlyAPointOfThatKeysRectangle)
{
    for (int y = -5; y < face::Size.height() + 5; ++y) {
        for (int x = -5; x < face::Size.width() + 5; ++x) {
            const Key hit = face::KeyAtPoint(QPoint(x, y));
            for (const face::KeyPlace& place : face::keys()) {
                if (place.hit.contains(QPoint(x, y)) != (hit == place.key))
                    FAIL() << "point " << x << "," << y << " answered key " << KeyNumber(hit);
            }
        }
    }
}

TEST(VosketFaceGeometry, BandsDecideInOrder)
{
    // Between the up and down keys the second band holds the point but no key does.
    for (int y = 274; y <= 283; ++y) {
        for (int x = 82; x <= 125; ++x)
            ASSERT_EQ(face::KeyAtPoint(QPoint(x, y)), Key::None) << x << "," << y;
    }
    // Left of the arrow keys the second band's extra condition fails and later bands decide.
    EXPECT_EQ(face::KeyAtPoint(QPoint(30, 283)), Key::Minus);
    EXPECT_EQ(face::KeyAtPoint(QPoint(140, 260)), Key::Delete);
    EXPECT_EQ(face::KeyAtPoint(QPoint(130, 260)), Key::None);
    // Off the keys: the screen, the head, between the enter keys, the grille.
    for (QPoint p : { QPoint(100, 90), QPoint(5, 5), QPoint(100, 220), QPoint(105, 450), QPoint(209, 463) })
        EXPECT_EQ(face::KeyAtPoint(p), Key::None);
}

TEST(VosketFaceGeometry, ImagesCoverTheirKeysWithoutOverlapInsideThePicture)
{
    const QRect picture(QPoint(0, 0), face::Size);
    for (const face::KeyPlace& place : face::keys()) {
        SCOPED_TRACE(KeyNumber(place.key));
        EXPECT_TRUE(place.image.contains(place.hit));
        EXPECT_TRUE(picture.contains(place.image));
        EXPECT_FALSE(place.image.intersects(face::ScreenRect));
        for (const face::KeyPlace& other : face::keys()) {
            if (other.key != place.key) {
                EXPECT_FALSE(place.image.intersects(other.image)) << "with key " << KeyNumber(other.key);
            }
        }
    }
}

TEST(VosketFaceGeometry, RepaintAreasOfTheScreen)
{
    EXPECT_EQ(face::ScreenRect, QRect(28, 42, 154, 99)); // 28,42 to 182,141
    const QPoint cursor(3, 2);
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::Whole }, cursor), face::ScreenRect);
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::AboveClock }, cursor), QRect(28, 42, 154, 82));
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::Line, 0 }, cursor), QRect(28, 42, 154, 17));
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::Line, 7 }, cursor), QRect(28, 126, 154, 17));
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::Cursor }, cursor), QRect(29 + 27, 43 + 24, 9, 13));
    EXPECT_EQ(face::areaRect({ vosket::ScreenArea::Clock }, cursor), QRect(29, 126, 144, 13));
}
