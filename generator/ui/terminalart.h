#pragma once
// The terminal's artwork, drawn once with QPainter at the picture's geometry: the body, each
// key's up and down image, the cursor cell, the highlight bar, the clock line background and the
// two input-mode marks, and the screen font.
#include "generator/ui/facegeometry.h"

#include <QFont>
#include <QPainterPath>
#include <QPixmap>

namespace vosket {

class TerminalArt {
public:
    TerminalArt();

    const QPixmap& body() const { return bodyImage; }
    const QPixmap& keyUp(Key key) const { return upImages.at(static_cast<size_t>(KeyNumber(key) - 1)); }
    const QPixmap& keyDown(Key key) const { return downImages.at(static_cast<size_t>(KeyNumber(key) - 1)); }
    const QPixmap& cursorCell() const { return cursorImage; }
    const QPixmap& highlightBar() const { return barImage; }
    const QPixmap& clockBackground() const { return clockImage; }
    const QPixmap& alphaMark() const { return alphaImage; }
    const QPixmap& digitMark() const { return digitImage; }

    // The outline of the terminal's body, which shapes the borderless main window.
    static QPainterPath outline();
    // The fixed-pitch font of the simulated screen.
    static QFont screenFont();

private:
    QPixmap bodyImage;
    std::array<QPixmap, FaceKeyCount> upImages;
    std::array<QPixmap, FaceKeyCount> downImages;
    QPixmap cursorImage;
    QPixmap barImage;
    QPixmap clockImage;
    QPixmap alphaImage;
    QPixmap digitImage;
};

} // namespace vosket
