#pragma once
// The scanner's symbology settings: one enable bit per symbology in bytes 0 to 2 (the barcode
// page's table names them), option bytes owned by the symbology dialogs, four length pairs and the
// scan mode and time-out.
#include "generator/project/byteblock.h"

namespace vosket {

// A length pair: mode bit 7 of the first byte (1 maximum and minimum, 0 two fixed lengths),
// bits 0-6 the maximum or first fixed length, the second byte the minimum or second length.
struct LengthPair {
    bool maxMin = false;
    int first = 0;
    int second = 0;
};

struct BarcodeSettings : ByteBlock<23> {
    // Offsets of the option bytes and length pairs.
    static constexpr std::size_t kOptions39 = 5;
    static constexpr std::size_t kOptions25 = 6;
    static constexpr std::size_t kOptionsMatrixCodabar = 7;
    static constexpr std::size_t kOptionsUpcMsiPlessey = 9;
    static constexpr std::size_t kOptionsEan = 10;
    static constexpr std::size_t kOptionsMisc = 11;
    static constexpr std::size_t kIndustrial25Length = 12;
    static constexpr std::size_t kInterleave25Length = 14;
    static constexpr std::size_t kMatrix25Length = 16;
    static constexpr std::size_t kMsiLength = 18;

    // Telepen kind (byte 2 bit 1): 1 original (numeric), 0 AIM (full character set).
    unsigned telepenOriginal() const { return bits(2, 1); }
    void setTelepenOriginal(unsigned v) { setBits(2, 1, 1, v); }

    unsigned readRedundancy() const { return bits(11, 2, 2); } // 0 to 3
    void setReadRedundancy(unsigned v) { setBits(11, 2, 2, v); }
    unsigned scanMode() const { return bits(20, 4, 4); } // 0 to 8
    void setScanMode(unsigned v) { setBits(20, 4, 4, v); }
    uint8_t& scanTimeout() { return at(21); }
    uint8_t scanTimeout() const { return at(21); }

    LengthPair lengthPair(std::size_t offset) const
    {
        return { bits(offset, 7) != 0, static_cast<int>(bits(offset, 0, 7)), at(offset + 1) };
    }
    void setLengthPair(std::size_t offset, const LengthPair& p)
    {
        at(offset) = static_cast<uint8_t>((p.maxMin ? 0x80 : 0) | (p.first & 0x7F));
        at(offset + 1) = static_cast<uint8_t>(p.second);
    }
};
static_assert(sizeof(BarcodeSettings) == 23);

// Sets the barcode settings to their defaults. Bytes 3, 4 and 8, bit 0 of byte 2, bits 0-2 of
// byte 7 and bit 5 of byte 11 keep their values.
void ResetBarcodeSettings(BarcodeSettings& b);

} // namespace vosket
