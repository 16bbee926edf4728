#include "desktop/frame/paintgradient.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace korvell {
namespace {

    // The painter's own value of pi; the shades depend on it.
    constexpr double K = 3.142;

    int component(int v, int offset)
    {
        return std::clamp(v + offset, 0, 255);
    }

} // namespace

std::optional<QColor> gradientColour(
    int y, int height, qint16 lo, qint16 hi, qint16 r, qint16 g, qint16 b, double cycles)
{
    const qint16 span = qint16(hi - lo);
    const double d = std::fabs(cycles) * height / K;
    if (d == 0.0)
        return std::nullopt;
    const double angle = y / d;
    const double wave = cycles <= 0 ? std::cos(angle) : std::sin(angle);
    // Halves round to the even neighbour.
    const int v = int(std::nearbyint(lo + std::fabs(span * wave)));
    return QColor(component(v, r), component(v, g), component(v, b));
}

void PaintGradient(QWidget* target, qint16 lo, qint16 hi, qint16 r, qint16 g, qint16 b, double cycles)
{
    const QSize size = target->size();
    if (size.isEmpty())
        return;
    QPixmap bands(size);
    bands.fill(target->palette().color(QPalette::Window));
    QPainter painter(&bands);
    for (int y = 0; y < size.height(); ++y) {
        if (const auto colour = gradientColour(y, size.height(), lo, hi, r, g, b, cycles)) {
            painter.setPen(*colour);
            painter.drawLine(0, y, size.width(), y);
        }
    }
    painter.end();
    QPalette palette = target->palette();
    palette.setBrush(QPalette::Window, bands);
    target->setPalette(palette);
    target->setAutoFillBackground(true);
}

} // namespace korvell
