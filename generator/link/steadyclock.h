#pragma once
// The tick count the protocols poll against. Tests install a clock that moves only when asked, so
// every time-out is tested without waiting for it.
#include <cstdint>

namespace vosket {

class SteadyClock {
public:
    virtual ~SteadyClock() = default;
    virtual int64_t nowMs() const = 0;
    virtual void sleepMs(int ms) = 0;
};

// std::chrono::steady_clock and a real sleep.
SteadyClock& systemSteadyClock();

} // namespace vosket
