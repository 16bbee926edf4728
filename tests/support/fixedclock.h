#pragma once
// A clock seam for tests that stands at a chosen moment until moved.
#include "platform/ui/clock.h"

namespace testsupport {

class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(QDateTime at)
        : moment(std::move(at))
    {
        previous = platform::setClock(this);
    }
    ~FixedClock() override { platform::setClock(previous); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    QDateTime now() const override { return moment; }
    void set(QDateTime at) { moment = std::move(at); }

private:
    QDateTime moment;
    const platform::Clock* previous = nullptr;
};

} // namespace testsupport
