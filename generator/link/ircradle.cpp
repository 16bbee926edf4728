#include "generator/link/ircradle.h"

#include "generator/link/comport.h"

#include <array>

namespace vosket {
namespace {

    constexpr uint8_t probeByte = 15;
    constexpr uint8_t speedSettingStart = 7;
    constexpr uint8_t speedSettingEnd = 'Q';
    // The adapter is most often found at its power-on speed.
    constexpr std::array<int, 5> probeOrder { 9600, 115200, 57600, 38400, 19200 };

    void sendByte(LinkContext& link, uint8_t byte)
    {
        link.port.write(std::span(&byte, 1));
    }

    void setRts(LinkContext& link, bool on)
    {
        link.env.line.rts = on;
        link.port.apply(link.env.line);
    }

} // namespace

void WaitTicks100(LinkContext& link)
{
    SteadyClock& clock = *link.env.clock;
    const int64_t start = clock.nowMs();
    for (int64_t passed = 0; passed < link.env.timing.adapterStepMs; passed = clock.nowMs() - start)
        clock.sleepMs(static_cast<int>(link.env.timing.adapterStepMs - passed));
}

int ProbeIrAdapter(LinkContext& link, int baud)
{
    link.env.line.baud = baud;
    setRts(link, false);
    WaitTicks100(link);
    // What a probe at a wrong speed brought back must not answer this one.
    link.port.discardInput();
    sendByte(link, probeByte);
    WaitTicks100(link);
    uint8_t answer = 0;
    const int64_t deadline = link.env.clock->nowMs() + link.env.timing.adapterStepMs;
    const bool echoed = readBefore(link, &answer, 1, deadline) == 1 && answer == probeByte;
    setRts(link, true);
    WaitTicks100(link);
    return echoed ? 1 : 0;
}

int SetupIrAdapter(LinkContext& link, int baudIndex)
{
    const int linkBaud = baudRate(baudIndex);
    if (linkBaud == 0)
        return 0;
    link.env.line.baud = 38400;
    link.env.line.dtr = true;
    setRts(link, true);
    WaitTicks100(link);
    bool found = false;
    for (int baud : probeOrder) {
        if (ProbeIrAdapter(link, baud)) {
            found = true;
            break;
        }
    }
    if (!found)
        return 0;
    setRts(link, false);
    WaitTicks100(link);
    sendByte(link, speedSettingStart);
    WaitTicks100(link);
    // '6' for 115200 down to '2' for 9600.
    sendByte(link, static_cast<uint8_t>('6' - baudIndex));
    link.env.line.baud = linkBaud;
    WaitTicks100(link);
    sendByte(link, speedSettingEnd);
    WaitTicks100(link);
    setRts(link, true);
    WaitTicks100(link);
    return 1;
}

} // namespace vosket
