// Scale bytes in arbitrary pieces: the assembler must return exactly the CR LF lines of the
// stream, keep its pending bytes bounded, and the frame test and the number reading must hold
// on every line.
#include "desktop/stock/decimaltext.h"
#include "desktop/stock/weightframe.h"
#include "platform/ui/clock.h"

#include <cstdint>
#include <cstdlib>

namespace {

// All pieces arrive at one moment, so no fragment ever times out and every byte is accounted for.
class StillClock final : public platform::Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2006, 8, 10), QTime(9, 0)); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const StillClock still;
    platform::setClock(&still);
    if (size == 0)
        return 0;
    // The first byte chooses the piece length, so the same stream is cut many ways.
    const size_t piece = 1 + data[0] % 17;
    const QByteArray stream(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    korvell::ScaleLineAssembler assembler;
    qsizetype lineBytes = 0;
    for (qsizetype at = 0; at < stream.size(); at += qsizetype(piece)) {
        for (const QByteArray& line : assembler.feed(stream.mid(at, qsizetype(piece)))) {
            if (line.contains("\r\n"))
                std::abort();
            const QString text = korvell::weightLineText(line);
            if (text.contains(QChar(0)))
                std::abort();
            korvell::isWeightFrame(line);
            // A line's weight is read as a number and summed into the order's totals.
            if (const auto v = korvell::numberOf(text))
                korvell::numberText(*v);
            korvell::DecimalSum total;
            total.add(text);
            total.add(text);
            lineBytes += line.size() + 2;
        }
        if (assembler.pending().size() > korvell::ScaleLineAssembler::maxPending)
            std::abort();
    }
    // Without overflowing noise every byte is either in a line or still pending.
    if (stream.size() <= korvell::ScaleLineAssembler::maxPending
        && lineBytes + assembler.pending().size() != stream.size())
        std::abort();
    return 0;
}
