#include "platform/ui/clock.h"

namespace platform {
namespace {

    class SystemClock final : public Clock {
    public:
        QDateTime now() const override { return QDateTime::currentDateTime(); }
    };

    const SystemClock systemClock;
    const Clock* installed = nullptr;

} // namespace

const Clock& clock() { return installed ? *installed : systemClock; }

const Clock* setClock(const Clock* c)
{
    const Clock* previous = installed;
    installed = c;
    return previous;
}

} // namespace platform
