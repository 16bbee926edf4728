#pragma once
// The wall clock seam: dates written to the database, day texts and order numbers come from here,
// so tests can fix "today".
#include <QDateTime>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

const Clock& clock();
// Installs c (not owned; nullptr restores the system clock). Returns the previous one.
const Clock* setClock(const Clock* c);

} // namespace platform
