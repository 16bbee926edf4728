#include "generator/link/recordline.h"

#include <algorithm>
#include <numeric>

namespace vosket {

bool RecordLineReader::add(uint8_t byte)
{
    if (byte == '\r')
        return true;
    if (bytes.size() < maxRecordLineBytes)
        bytes.push_back(byte);
    else
        overflow = true;
    return false;
}

void RecordLineReader::clear()
{
    bytes.clear();
    overflow = false;
}

namespace {

    uint8_t escapeCr(unsigned byte)
    {
        return byte == 13 ? 14 : static_cast<uint8_t>(byte);
    }

    // Sequence byte, data, LOW, HIGH; the sum covers the sequence byte and the data.
    bool intact(std::span<const uint8_t> line, bool overflowed)
    {
        if (overflowed || line.size() < 3)
            return false;
        const auto covered = line.first(line.size() - 2);
        const unsigned sum = std::accumulate(covered.begin(), covered.end(), 0u) % 65536;
        return line[line.size() - 2] == escapeCr(sum % 256) && line[line.size() - 1] == escapeCr(sum / 256);
    }

} // namespace

RecordCheck checkRecord(std::span<const uint8_t> line, bool overflowed, int expected)
{
    static constexpr uint8_t over[] = { 'O', 'V', 'E', 'R' };
    if (!overflowed && std::ranges::equal(line, over))
        return { RecordVerdict::End, {} };
    if (line.empty())
        return { RecordVerdict::Refused, {} };
    const int sequence = line[0];
    const bool isNew = sequence == expected;
    if ((!isNew && sequence != (expected + 9) % 10) || !intact(line, overflowed))
        return { RecordVerdict::Refused, {} };
    if (!isNew)
        return { RecordVerdict::Repeat, {} };
    return { RecordVerdict::New, line.subspan(1, line.size() - 3) };
}

} // namespace vosket
