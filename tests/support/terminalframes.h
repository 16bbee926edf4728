#pragma once
// A record as the terminal frames it: sequence byte, data, LOW, HIGH (13 sent as 14), CR.
#include <QByteArray>

namespace linktest {

inline QByteArray terminalRecord(int sequence, const QByteArray& data, bool wrongSum = false)
{
    QByteArray frame(1, static_cast<char>(sequence));
    frame.append(data);
    unsigned sum = 0;
    for (char c : frame)
        sum += static_cast<uint8_t>(c);
    sum %= 65536;
    auto escaped = [](unsigned v) { return static_cast<char>(v == 13 ? 14 : v); };
    char low = escaped(sum % 256);
    if (wrongSum)
        low = static_cast<char>(low + 1 == 13 ? 15 : low + 1);
    frame.append(low);
    frame.append(escaped(sum / 256));
    frame.append('\r');
    return frame;
}

} // namespace linktest
