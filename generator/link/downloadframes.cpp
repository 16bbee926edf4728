#include "generator/link/downloadframes.h"

#include <numeric>

namespace vosket {
namespace {

    uint8_t escapeCr(unsigned byte)
    {
        return byte == 13 ? 14 : static_cast<uint8_t>(byte);
    }

} // namespace

Bytes programBlock(std::span<const uint8_t> image, int n)
{
    const auto data = image.subspan(static_cast<size_t>(n) * programBlockBytes, programBlockBytes);
    const unsigned sum = std::accumulate(data.begin(), data.end(), 0u);
    Bytes block(data.begin(), data.end());
    block.push_back(static_cast<uint8_t>(sum / 256));
    block.push_back(static_cast<uint8_t>(sum % 256));
    block.push_back(static_cast<uint8_t>(n));
    return block;
}

LookupLineBuilder::Step LookupLineBuilder::add(uint8_t byte)
{
    if (byte == '\r')
        return Step::LineEnded;
    if (byte == '\n')
        return Step::Added;
    if (data.size() == maxLookupLineBytes)
        return Step::TooLong;
    data.push_back(byte);
    sum += byte;
    return Step::Added;
}

Bytes LookupLineBuilder::takeFrame()
{
    Bytes frame = std::move(data);
    frame.push_back(escapeCr(sum / 256));
    frame.push_back(escapeCr(sum % 256));
    frame.push_back('\r');
    data.clear();
    sum = 0;
    return frame;
}

void ReplyCollector::add(std::span<const uint8_t> read)
{
    if (read.empty())
        return;
    bytes.append(reinterpret_cast<const char*>(read.data()), static_cast<qsizetype>(read.size()));
    endedWithCr = read.back() == '\r';
}

QByteArray ReplyCollector::reply() const
{
    return bytes.endsWith('\r') ? bytes.chopped(1) : bytes;
}

ReplyKind classifyReply(const QByteArray& reply)
{
    if (reply == "ACK")
        return ReplyKind::Ack;
    if (reply == "FULL")
        return ReplyKind::Full;
    return ReplyKind::Other;
}

} // namespace vosket
