#include "desktop/stock/weightframe.h"

#include "platform/ui/clock.h"

namespace korvell {

QList<QByteArray> ScaleLineAssembler::feed(const QByteArray& chunk)
{
    const QDateTime now = platform::clock().now();
    if (!buffer.isEmpty() && fragmentStart.msecsTo(now) > fragmentLifeMs)
        buffer.clear();
    if (buffer.isEmpty())
        fragmentStart = now;
    buffer += chunk;
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype end; (end = buffer.indexOf("\r\n", start)) >= 0; start = end + 2)
        lines << buffer.mid(start, end - start);
    buffer.remove(0, start);
    if (start > 0)
        fragmentStart = now; // what is left began in this chunk
    // Noise without line ends: keep only the last byte, which may be the CR of a line end.
    if (buffer.size() > maxPending)
        buffer.remove(0, buffer.size() - 1);
    return lines;
}

QString weightLineText(const QByteArray& line)
{
    QByteArray visible = line;
    visible.replace('\0', QByteArray());
    return QString::fromLatin1(visible);
}

bool isWeightFrame(const QByteArray& line)
{
    // The test is made on the text as shown, so NUL bytes of the line do not count.
    const QString shown = weightLineText(line);
    return shown.size() >= 3 && shown[2] == '.';
}

} // namespace korvell
