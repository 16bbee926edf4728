#pragma once
// Finding the infrared cradle's adapter at whatever speed it runs, and setting the link speed.
#include "generator/link/linkenvironment.h"

namespace vosket {

// Waits one adapter step (100 ms) on the tick count.
void WaitTicks100(LinkContext& link);
// 1 when the adapter echoed the probe byte at baud.
int ProbeIrAdapter(LinkContext& link, int baud);
// 1 when the adapter answered and now runs at the speed of baudIndex (left in the line record,
// not yet applied with 8N1 by the caller); 0 when it answered at no speed.
int SetupIrAdapter(LinkContext& link, int baudIndex);

} // namespace vosket
