#pragma once
// Finding the infrared cradle's adapter at whatever speed it runs, and setting the link speed.
#include "generator/link/linkenvironment.h"

namespace vosket {

enum class Probe {
    Echoed, // the adapter runs at the speed probed
    Silent, // no echo, or another byte
    PortFailed, // a byte could not be written or the line not set: no speed will answer
};

// Waits one adapter step (100 ms) on the tick count.
void WaitTicks100(LinkContext& link);
[[nodiscard]] Probe ProbeIrAdapter(LinkContext& link, int baud);
// 1 when the adapter answered and now runs at the speed of baudIndex (left in the line record,
// not yet applied with 8N1 by the caller); 0 when it answered at no speed or the port failed.
[[nodiscard]] int SetupIrAdapter(LinkContext& link, int baudIndex);

} // namespace vosket
