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

    // False when the port is gone; a byte that timed out is not checked, as the adapter's
    // answer (or its silence) tells what it took.
    [[nodiscard]] bool sendByte(LinkContext& link, uint8_t byte)
    {
        return link.port.write(std::span(&byte, 1)) != WriteResult::PortGone;
    }

    [[nodiscard]] bool setRts(LinkContext& link, bool on)
    {
        link.env.line.rts = on;
        return link.port.apply(link.env.line);
    }

    // A step of the set-up that went through is followed by the adapter's pause; one that failed
    // ends the set-up.
    [[nodiscard]] bool paused(LinkContext& link, bool done)
    {
        if (done)
            WaitTicks100(link);
        return done;
    }

} // namespace

void WaitTicks100(LinkContext& link)
{
    SteadyClock& clock = *link.env.clock;
    const int64_t start = clock.nowMs();
    for (int64_t passed = 0; passed < link.env.timing.adapterStepMs; passed = clock.nowMs() - start)
        clock.sleepMs(static_cast<int>(link.env.timing.adapterStepMs - passed));
}

Probe ProbeIrAdapter(LinkContext& link, int baud)
{
    link.env.line.baud = baud;
    if (!paused(link, setRts(link, false)))
        return Probe::PortFailed;
    // What a probe at a wrong speed brought back must not answer this one.
    link.port.discardInput();
    if (!paused(link, sendByte(link, probeByte)))
        return Probe::PortFailed;
    uint8_t answer = 0;
    const int64_t deadline = link.env.clock->nowMs() + link.env.timing.adapterStepMs;
    const bool echoed = readBefore(link, &answer, 1, deadline) == 1 && answer == probeByte;
    if (!paused(link, setRts(link, true)))
        return Probe::PortFailed;
    return echoed ? Probe::Echoed : Probe::Silent;
}

int SetupIrAdapter(LinkContext& link, int baudIndex)
{
    const int linkBaud = baudRate(baudIndex);
    if (linkBaud == 0)
        return 0;
    link.env.line.baud = 38400;
    link.env.line.dtr = true;
    if (!paused(link, setRts(link, true)))
        return 0;
    Probe probe = Probe::Silent;
    for (int baud : probeOrder) {
        probe = ProbeIrAdapter(link, baud);
        if (probe != Probe::Silent)
            break;
    }
    if (probe != Probe::Echoed)
        return 0;
    if (!paused(link, setRts(link, false)) || !paused(link, sendByte(link, speedSettingStart)))
        return 0;
    // '6' for 115200 down to '2' for 9600; the record takes the link speed, applied below.
    if (!sendByte(link, static_cast<uint8_t>('6' - baudIndex)))
        return 0;
    link.env.line.baud = linkBaud;
    WaitTicks100(link);
    return paused(link, sendByte(link, speedSettingEnd)) && paused(link, setRts(link, true)) ? 1 : 0;
}

} // namespace vosket
