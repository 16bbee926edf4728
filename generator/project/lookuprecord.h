#pragma once
// One of the three lookup (index) file definitions.
#include "generator/project/byteblock.h"

namespace vosket {

struct LookupRecord : ByteBlock<122> {
    static constexpr int kFields = 8;
    static constexpr std::size_t kFieldOffsets = 3;
    static constexpr std::size_t kFieldLengths = kFieldOffsets + kFields;
    static constexpr std::size_t kSeparator = kFieldLengths + kFields;
    static constexpr std::size_t kReserved = kSeparator + 3;
    static constexpr std::size_t kReservedSize = 100;

    uint8_t& recordLength() { return at(0); }
    uint8_t recordLength() const { return at(0); }
    uint8_t& fieldCount() { return at(1); }
    uint8_t fieldCount() const { return at(1); }
    uint8_t& keyField() { return at(2); }
    uint8_t keyField() const { return at(2); }
    // Field 0 to 7: 1-based offset in the record and length.
    uint8_t& fieldOffset(int i) { return at(kFieldOffsets + Entry(i, kFields)); }
    uint8_t fieldOffset(int i) const { return at(kFieldOffsets + Entry(i, kFields)); }
    uint8_t& fieldLength(int i) { return at(kFieldLengths + Entry(i, kFields)); }
    uint8_t fieldLength(int i) const { return at(kFieldLengths + Entry(i, kFields)); }
    // 0: fixed-length fields; otherwise the ASCII code of the field separator.
    uint8_t& separator() { return at(kSeparator); }
    uint8_t separator() const { return at(kSeparator); }
    uint8_t& uploadable() { return at(kSeparator + 1); }
    uint8_t uploadable() const { return at(kSeparator + 1); }
    uint8_t& noMatchAction() { return at(kSeparator + 2); }
    uint8_t noMatchAction() const { return at(kSeparator + 2); }

    // Writes the new-project defaults; reserved bytes keep theirs.
    void applyDefaults();
};
static_assert(sizeof(LookupRecord) == 122);
static_assert(
    LookupRecord::kFieldLengths == 11 && LookupRecord::kSeparator == 19 && LookupRecord::kReserved == 22);
static_assert(LookupRecord::kReserved + LookupRecord::kReservedSize == LookupRecord::kSize);

} // namespace vosket
