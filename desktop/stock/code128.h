#pragma once
// The item serial number as a Code 128 symbol, drawn from zint's vector output: black bars on
// white, no text under the bars, scaled into any box (printer resolution or screen).
#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

class QPainter;

namespace korvell {

class Code128 {
public:
    // Nothing when the value cannot be encoded (empty, or not Code 128 text).
    static std::optional<Code128> encode(const QString& value);

    // Fills box with white and draws the bars stretched over it.
    void paint(QPainter& painter, const QRectF& box) const;

private:
    QList<QRectF> bars; // in zint's units: one module is 1 wide
    QSizeF size;
};

} // namespace korvell
