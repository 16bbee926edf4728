// Replies as they may arrive: the bytes in reads of one to three, as the port hands them over.
#include "generator/link/downloadframes.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vosket::ReplyCollector reply;
    size_t at = 0;
    // Each read: a length byte (1 to 3), then that many bytes.
    while (at < size && !reply.complete()) {
        const size_t n = std::min<size_t>(data[at] % vosket::ReplyCollector::bytesPerRead + 1, size - at - 1);
        ++at;
        reply.add(std::span(data + at, n));
        at += n;
    }
    const QByteArray text = reply.reply();
    if (text.size() > 12)
        std::abort();
    const vosket::ReplyKind kind = vosket::classifyReply(text);
    if (kind == vosket::ReplyKind::Ack && text != "ACK")
        std::abort();
    return 0;
}
