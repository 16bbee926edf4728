#include "platform/ui/clock.h"

#include "platform/ui/seam.h"

namespace platform {
namespace {

    class SystemClock final : public Clock {
    public:
        QDateTime now() const override { return QDateTime::currentDateTime(); }
    };

    const SystemClock systemClock;
    Seam<const Clock> seam(systemClock);

} // namespace

const Clock& clock()
{
    return seam.get();
}

const Clock* setClock(const Clock* c)
{
    return seam.install(c);
}

} // namespace platform
