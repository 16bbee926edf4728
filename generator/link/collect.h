#pragma once
// Collecting the terminal's scanned records into a text file, one record per line ending CR LF.
#include "generator/link/linkenvironment.h"

#include <QFile>
#include <memory>

namespace vosket {

struct Received {
    enum class End {
        Over, // the terminal's end line
        NoConnection, // the handshake failed
        TimedOut, // the record loop heard nothing eleven times
        WriteFailed, // a record could not be written; it was not acknowledged
    };
    End end;
    int count; // records written to the file
};

// The protocol: "READ", then records answered ACK or NAK until "OVER". Each accepted record is
// written (and flushed) to out before it is acknowledged; one that cannot be written whole is
// cut off the file again and not acknowledged.
Received ReceiveRecords(LinkContext& link, QFile& out);
// The save dialog; empty when cancelled.
QString ChooseDataFile();
// nullptr (after the message) when the port, the adapter or the line configuration failed.
std::unique_ptr<SerialLink> OpenCollectPort(
    LinkEnvironment& env, const LinkSettings& settings, Adapter adapter);
// The number of records written (above 0); 0 when no file was chosen or nothing was received;
// -1 on a time-out, -2 when the file could not be created or written, -3 when the link failed.
int CollectData(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter);

} // namespace vosket
