#include "generator/link/steadyclock.h"

#include <chrono>
#include <thread>

namespace vosket {
namespace {

    class SystemSteadyClock final : public SteadyClock {
    public:
        int64_t nowMs() const override
        {
            using namespace std::chrono;
            return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
        }
        void sleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    };

} // namespace

SteadyClock& systemSteadyClock()
{
    static SystemSteadyClock clock;
    return clock;
}

} // namespace vosket
