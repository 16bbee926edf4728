#include "generator/link/linkenvironment.h"

#include <algorithm>

namespace vosket {

LinkEnvironment& programLinkEnvironment()
{
    static LinkEnvironment environment;
    return environment;
}

size_t readBefore(LinkContext& link, uint8_t* into, size_t max, int64_t deadline)
{
    // Checked on entry too: a line that never stops sending must not hold the caller past its
    // time limit.
    if (link.env.clock->nowMs() > deadline)
        return 0;
    for (;;) {
        if (const size_t n = link.port.read(into, max))
            return n;
        const int64_t left = deadline - link.env.clock->nowMs();
        if (left < 0 || link.port.gone())
            return 0;
        link.port.waitReadable(static_cast<int>(std::min<int64_t>(left + 1, 10)));
    }
}

} // namespace vosket
