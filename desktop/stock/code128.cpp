#include "desktop/stock/code128.h"

#include <QPainter>
#include <memory>
#include <zint.h>

namespace korvell {

std::optional<Code128> Code128::encode(const QString& value)
{
    if (value.isEmpty())
        return std::nullopt;
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    if (!symbol)
        return std::nullopt;
    symbol->symbology = BARCODE_CODE128;
    symbol->show_hrt = 0;
    symbol->whitespace_width = 10; // quiet zones, so scanners find the start and stop patterns
    symbol->input_mode = UNICODE_MODE;
    const QByteArray data = value.toUtf8();
    const int rc = ZBarcode_Encode_and_Buffer_Vector(
        symbol.get(), reinterpret_cast<const unsigned char*>(data.data()), int(data.size()), 0);
    if (rc >= ZINT_ERROR || !symbol->vector)
        return std::nullopt;
    Code128 code;
    code.size = QSizeF(symbol->vector->width, symbol->vector->height);
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        if (r->colour == -1)
            code.bars << QRectF(r->x, r->y, r->width, r->height);
    if (code.bars.isEmpty() || code.size.isEmpty())
        return std::nullopt;
    return code;
}

void Code128::paint(QPainter& painter, const QRectF& box) const
{
    painter.save();
    painter.fillRect(box, Qt::white);
    painter.translate(box.topLeft());
    painter.scale(box.width() / size.width(), box.height() / size.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& bar : bars)
        painter.drawRect(bar);
    painter.restore();
}

} // namespace korvell
