#pragma once
// What the download and the collection work with besides the project: how ports are opened, the
// tick count, the time limits, the program-wide line record and the windows they drive.
#include "generator/link/seriallink.h"
#include "generator/link/steadyclock.h"

#include <QString>

namespace vosket {

class DownloadProgress;
class ReceivedCountView;

struct LinkTiming {
    int replyMs = 3000; // one reply of the terminal in a download, or to "READ"
    int recordMs = 500; // one record line of a collection
    int adapterStepMs = 100; // each pause of the cradle adapter set-up
};

enum class Adapter { IrDA = 0, CradleIr = 1 };

// The two settings bytes of the project: COM1 to COM6 and the speed.
struct LinkSettings {
    int portIndex = 0;
    int baudIndex = 0;
};

struct LinkEnvironment {
    SerialOpener open = openTermiosLink;
    SteadyClock* clock = &systemSteadyClock();
    LinkTiming timing;
    // Kept for the whole run: once the cradle set-up switched DTR and RTS on, they stay on.
    LineConfig line;
    // Not owned; none shown while null.
    DownloadProgress* progress = nullptr;
    ReceivedCountView* countView = nullptr;
    // The lookup file chosen last; the open dialog starts from it.
    QString indexFilePath;
};

// The one the program's menu commands use.
LinkEnvironment& programLinkEnvironment();

// One operation's open port with its environment.
struct LinkContext {
    SerialLink& port;
    LinkEnvironment& env;
};

// Reads what has arrived, at most max bytes, waiting for the first until the tick count passes
// deadline. 0 when nothing came in time, when deadline had passed already, or at once when the
// port is gone.
[[nodiscard]] size_t readBefore(LinkContext& link, uint8_t* into, size_t max, int64_t deadline);

} // namespace vosket
