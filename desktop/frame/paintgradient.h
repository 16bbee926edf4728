#pragma once
// The banded background most windows wear: one line per row, its shade following a quarter wave
// of a cosine (cycles <= 0) or a sine (cycles > 0) down the window.
#include <QColor>
#include <optional>

class QWidget;

namespace korvell {

// The colour of row y of a background height rows high; nullopt where no shade can be computed
// (a zero height, or cycles 0).
std::optional<QColor> gradientColour(
    int y, int height, qint16 lo, qint16 hi, qint16 r, qint16 g, qint16 b, double cycles);

// Repaints target's background for its current size. Windows call it when they are resized.
void PaintGradient(QWidget* target, qint16 lo, qint16 hi, qint16 r, qint16 g, qint16 b, double cycles);

} // namespace korvell
