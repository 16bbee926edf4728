#pragma once
// Reading the terminal's records in a collection: one line at a time, then a verdict on it.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vosket {

// Sequence byte, up to 251 data bytes, LOW, HIGH: what may stand before a record's CR.
constexpr size_t maxRecordLineBytes = 254;

// Gathers the bytes of one line up to its CR, keeping no more than a record can hold.
class RecordLineReader {
public:
    // True when byte was the line's CR.
    bool add(uint8_t byte);
    // The line without its CR.
    std::span<const uint8_t> line() const { return bytes; }
    // More bytes came before the CR than a record can hold.
    bool overflowed() const { return overflow; }
    void clear();

private:
    std::vector<uint8_t> bytes;
    bool overflow = false;
};

enum class RecordVerdict {
    End, // "OVER"
    New, // the expected record, intact: write it, then ACK
    Repeat, // the previous record again, intact: its ACK was lost, ACK without writing
    Refused, // out of sequence, short, too long or a wrong sum: NAK
};

struct RecordCheck {
    RecordVerdict verdict;
    std::span<const uint8_t> data; // the record's data bytes for New
};

// expected is the sequence value 0 to 9 of the next new record.
RecordCheck checkRecord(std::span<const uint8_t> line, bool overflowed, int expected);

} // namespace vosket
