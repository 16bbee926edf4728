#pragma once
// Collecting the terminal's scanned records into a text file, one record per line ending CR LF.
#include "generator/link/linkenvironment.h"

#include <QFile>
#include <memory>

namespace vosket {

struct [[nodiscard]] Received {
    enum class End {
        Over, // the terminal's end line
        NoConnection, // the handshake failed
        TimedOut, // the record loop heard nothing eleven times
        WriteFailed, // a record could not be written; it was not acknowledged
        LinkLost, // an answer could not be sent; its record is not in the file
    };
    End end;
    int count; // records written to the file
};

// The protocol: "READ", then records answered ACK or NAK until "OVER". Each accepted record is
// written (and flushed) to out before it is acknowledged; one that cannot be written whole, or
// whose ACK cannot be sent, is cut off the file again, so the file holds exactly the records
// the terminal was told it may drop.
Received ReceiveRecords(LinkContext& link, QFile& out);
// The save dialog; empty when cancelled.
[[nodiscard]] QString ChooseDataFile();
// nullptr (after the message) when the port, the adapter or the line configuration failed.
[[nodiscard]] std::unique_ptr<SerialLink> OpenCollectPort(
    LinkEnvironment& env, const LinkSettings& settings, Adapter adapter);
// The number of records written (above 0); 0 when no file was chosen or nothing was received;
// -1 on a time-out, -2 when the file could not be created or written, -3 when the link could not
// be set up or failed.
int CollectData(LinkEnvironment& env, const LinkSettings& settings, Adapter adapter);

} // namespace vosket
