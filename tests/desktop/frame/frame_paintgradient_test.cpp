// The banded background: colours at the top and the bottom for every caller's arguments.
#include "desktop/frame/paintgradient.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace korvell;

namespace {

QColor at(int y, int height, double cycles)
{
    return gradientColour(y, height, 100, 255, 0, 40, 60, cycles).value_or(QColor());
}

} // namespace

TEST(PaintGradient, CosineWindowsFadeFromWhite)
{
    EXPECT_EQ(at(0, 600, -3.0), QColor(255, 255, 255));
    EXPECT_EQ(at(600, 600, -3.0), QColor(177, 217, 237));
    EXPECT_EQ(at(0, 600, -5.0), QColor(255, 255, 255));
    EXPECT_EQ(at(600, 600, -5.0), QColor(225, 255, 255)); // green and blue are 255 all the way
    EXPECT_EQ(at(300, 600, -5.0).green(), 255);
}

TEST(PaintGradient, SineWindowsBrightenDownwards)
{
    EXPECT_EQ(at(0, 400, 3.0), QColor(100, 140, 160));
    EXPECT_EQ(at(400, 400, 3.0), QColor(234, 255, 255));
    EXPECT_LT(at(100, 400, 3.0).red(), at(200, 400, 3.0).red());
}

TEST(PaintGradient, NoShadeWithoutHeightOrCycles)
{
    EXPECT_FALSE(gradientColour(0, 0, 100, 255, 0, 40, 60, -3.0));
    EXPECT_FALSE(gradientColour(10, 100, 100, 255, 0, 40, 60, 0.0));
}

TEST(PaintGradient, WindowBackgroundCarriesTheBands)
{
    QWidget window;
    window.resize(200, 300);
    PaintGradient(&window, 100, 255, 0, 40, 60, 3.0);
    const QImage picture = window.grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(100, 0)), QColor(100, 140, 160));
    EXPECT_EQ(QColor(picture.pixel(5, 299)), at(299, 300, 3.0));

    QWidget minimised;
    minimised.resize(0, 0);
    PaintGradient(&minimised, 100, 255, 0, 40, 60, -3.0); // no error
}
