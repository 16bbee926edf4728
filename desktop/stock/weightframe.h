#pragma once
// Weight lines of the scale: each weight is one text line ending CR LF whose third character is
// "." (12.34, " 9.80", 05.6). Lines are assembled from the received bytes whatever pieces they
// arrive in; a chunk with several lines yields each of them. A fragment that is not completed
// within half a second (noise at power-up, a port opened mid-line) is dropped, so it cannot
// swallow the next good line.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace korvell {

class ScaleLineAssembler {
public:
    // Longest unfinished line kept; a scale line is a dozen bytes, anything longer is noise.
    static constexpr qsizetype maxPending = 256;
    // How long an unfinished line waits for its rest, counted from its first byte.
    static constexpr qint64 fragmentLifeMs = 500;

    // Appends bytes received now (the clock seam's time); returns the lines they complete,
    // without CR LF, in order.
    QList<QByteArray> feed(const QByteArray& chunk);
    const QByteArray& pending() const { return buffer; }
    void clear() { buffer.clear(); }

private:
    QByteArray buffer;
    QDateTime fragmentStart; // when the first pending byte arrived
};

// The line as the current-weight box shows it: one character per byte, NUL left out.
QString weightLineText(const QByteArray& line);

// A weight frame: third character "." of the line as shown (weightLineText).
bool isWeightFrame(const QByteArray& line);

} // namespace korvell
